#include "mainwindow/NoticeArea.h"

#include "mainwindow/DisplayText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {

const QColor kNoticeBackground(128, 0, 0);

void PaintWhiteOnDarkRed(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kNoticeBackground);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

} // namespace

NoticeArea::NoticeArea(QWidget* parent, const QRect& panel)
{
    constexpr int kPad = 6;
    constexpr int kButtonWidth = 120;
    constexpr int kButtonHeight = 28;

    lblErrBG = new QLabel(parent);
    lblErrBG->setObjectName(QStringLiteral("lblErrBG"));
    lblErrBG->setGeometry(panel);
    PaintWhiteOnDarkRed(lblErrBG);

    lblError = new QLabel(parent);
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setGeometry(panel.left() + kPad, panel.top() + 2,
                          panel.width() - kButtonWidth - 3 * kPad, panel.height() - 4);
    lblError->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblError->setTextFormat(Qt::PlainText);
    PaintWhiteOnDarkRed(lblError);

    cmdIni = new QPushButton(QCoreApplication::translate("NoticeArea", "Ini- Probleme..."), parent);
    cmdIni->setObjectName(QStringLiteral("cmdIni"));
    cmdIni->setGeometry(panel.right() + 1 - kPad - kButtonWidth,
                        panel.top() + (panel.height() - kButtonHeight) / 2, kButtonWidth, kButtonHeight);
    Hide();
}

void NoticeArea::Show(const QString& text, bool showIniButton)
{
    lblError->setText(ForDisplay(text));
    lblError->setVisible(true);
    lblErrBG->setVisible(showIniButton);
    cmdIni->setVisible(showIniButton);
    lblError->raise();
    cmdIni->raise();
}

void NoticeArea::Hide()
{
    lblError->setText(QString());
    lblError->setVisible(false);
    lblErrBG->setVisible(false);
    cmdIni->setVisible(false);
}
