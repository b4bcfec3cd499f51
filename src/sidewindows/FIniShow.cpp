#include "sidewindows/FIniShow.h"

#include "hostdata/ResultTexts.h"
#include "hostdata/IniProblems.h"
#include "sidewindows/SideWindowPlacement.h"
#include "startup/modTools.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Client size and control rectangles as designed (pixels).
constexpr QSize kDesignedSize(420, 360);
constexpr QRect kTitleRect(12, 10, 280, 20);
constexpr QRect kChoiceRect(12, 34, 260, 64);
constexpr QRect kCountRect(280, 84, 128, 18);
constexpr QRect kListRect(12, 104, 396, 200);
constexpr QRect kClipRect(110, 316, 200, 28);
constexpr QRect kDoneRect(318, 316, 90, 28);

} // namespace

FIniShow::FIniShow(const IniProblems& problems, const QString& searchNameKey, QWidget* parent)
    : QDialog(parent)
    , m_problems(problems)
    , m_searchNameKey(searchNameKey)
{
    setObjectName(QStringLiteral("FIniShow"));
    setWindowTitle(tr("Kluni - ini-Probleme"));
    BuildControls();
    resize(kDesignedSize);
    // Each opening starts in the designed size; no place is remembered.
    m_place = new SideWindowPlacement(*this, QString(), QSize(4320, 3330));
    MeasureLayout();
    rbChoice[m_problems.glMissingIni < 1 ? 1 : 0]->setChecked(true);
}

FIniShow::~FIniShow() = default;

void FIniShow::BuildControls()
{
    lblTitle = new QLabel(tr("Fehlende ini-Dateien"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblTitle->setGeometry(kTitleRect);

    fraChoice = new QGroupBox(this);
    fraChoice->setObjectName(QStringLiteral("fraChoice"));
    fraChoice->setGeometry(kChoiceRect);
    const QString captions[2] = {tr("Fehlende ini-Dateien"), tr("Fehlende Namenseinträge")};
    for (int i = 0; i < 2; ++i) {
        rbChoice[i] = new QRadioButton(captions[i], fraChoice);
        rbChoice[i]->setObjectName(QStringLiteral("rbChoice_%1").arg(i));
        rbChoice[i]->setGeometry(10, 8 + 26 * i, 240, 22);
        connect(rbChoice[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                rbChoice_Click(i);
        });
    }

    lblFileCount = new QLabel(this);
    lblFileCount->setObjectName(QStringLiteral("lblFileCount"));
    lblFileCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblFileCount->setGeometry(kCountRect);

    txListe = new QPlainTextEdit(this);
    txListe->setObjectName(QStringLiteral("txListe"));
    txListe->setReadOnly(true);
    txListe->setLineWrapMode(QPlainTextEdit::NoWrap);
    txListe->setGeometry(kListRect);

    cmdClipB = new QPushButton(tr("Kopie in die &Zwischenablage"), this);
    cmdClipB->setObjectName(QStringLiteral("cmdClipB"));
    cmdClipB->setGeometry(kClipRect);
    connect(cmdClipB, &QPushButton::clicked, this, &FIniShow::cmdClipB_Click);

    // Enter presses it as the default button; Escape closes the dialog too.
    cmdDone = new QPushButton(tr("&Fertig"), this);
    cmdDone->setObjectName(QStringLiteral("cmdDone"));
    cmdDone->setGeometry(kDoneRect);
    cmdDone->setDefault(true);
    connect(cmdDone, &QPushButton::clicked, this, &QDialog::accept);
}

void FIniShow::MeasureLayout()
{
    const QSize designed = m_place->DesignedSize();
    msListWidthMargin = designed.width() - txListe->width();
    msListHeightMargin = designed.height() - txListe->height();
    msButtonTopOffset = cmdDone->y() - txListe->height();
    msButtonSpacing = cmdDone->x() - cmdClipB->x();
}

void FIniShow::rbChoice_Click(int index)
{
    const QString caption = rbChoice[index]->text();
    if (index != 0) {
        lblTitle->setText(FormatMsg(QStringLiteral("%1 (%2)"), {caption, m_searchNameKey}));
        ShowProblemList(m_problems.gcolNoNameIni, m_problems.glNoNameIni);
    } else {
        lblTitle->setText(caption);
        ShowProblemList(m_problems.gcolMissingIni, m_problems.glMissingIni);
    }
}

void FIniShow::ShowProblemList(const QStringList& pCol, qint32 plCount)
{
    lblFileCount->setText(ResultTexts::FileCountText(plCount));
    cmdClipB->setEnabled(plCount > 0);
    if (pCol.isEmpty()) {
        m_listText = tr("----- keine ini-Dateien -----");
    } else {
        m_listText.clear();
        for (const QString& file : pCol)
            m_listText += file + QStringLiteral("\r\n");
        // The lists keep the first 100 files; the count counts them all.
        if (plCount > pCol.size())
            m_listText += ResultTexts::MoreIniFilesText(plCount - qint32(pCol.size()));
    }
    txListe->setPlainText(m_listText);
}

void FIniShow::cmdClipB_Click()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(FormatMsg(QStringLiteral("%1%m%2"), {lblTitle->text(), m_listText}));
}

void FIniShow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_place->EnforceMinimum();
    txListe->resize(width() - msListWidthMargin, height() - msListHeightMargin);
    const int listRight = txListe->x() + txListe->width();
    lblFileCount->move(listRight - lblFileCount->width(), lblFileCount->y());
    cmdDone->move(listRight - cmdDone->width(), txListe->height() + msButtonTopOffset);
    cmdClipB->move(cmdDone->x() - msButtonSpacing, cmdDone->y());
}
