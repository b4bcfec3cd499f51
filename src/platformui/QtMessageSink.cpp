#include "platformui/QtMessageSink.h"

#include <QApplication>
#include <QMessageBox>

std::unique_ptr<QMessageBox> QtMessageSink::MakeBox(BoxKind kind, const QString& text)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (kind == BoxKind::Critical) {
        icon = QMessageBox::Critical;
    } else if (kind == BoxKind::Question) {
        icon = QMessageBox::Question;
        buttons = QMessageBox::Yes | QMessageBox::No;
    }
    auto box = std::make_unique<QMessageBox>(icon, ApplicationTitle(), text, buttons, QApplication::activeWindow());
    box->setDefaultButton(kind == BoxKind::Question ? QMessageBox::Yes : QMessageBox::Ok);
    // Messages carry paths and names; nothing in them is markup.
    box->setTextFormat(Qt::PlainText);
    return box;
}

void QtMessageSink::Critical(const QString& text)
{
    MakeBox(BoxKind::Critical, text)->exec();
}

bool QtMessageSink::AskYesNo(const QString& text)
{
    // Closing the box any other way than with Yes counts as No.
    return MakeBox(BoxKind::Question, text)->exec() == QMessageBox::Yes;
}

void QtMessageSink::Plain(const QString& text)
{
    MakeBox(BoxKind::Plain, text)->exec();
}
