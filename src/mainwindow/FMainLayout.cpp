// The controls of the main window and their fixed places (pixels, client
// coordinates).

#include "mainwindow/FMain.h"

#include "mainwindow/NoticeArea.h"
#include "mainwindow/ResultListModel.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

QString Indexed(const char* name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

template <class Control>
Control* Place(Control* control, const QString& name, const QRect& rect)
{
    control->setObjectName(name);
    control->setGeometry(rect);
    return control;
}

// Labels show model paths and names, which may look like markup: always plain text.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect)
{
    auto* label = Place(new QLabel(text, parent), name, rect);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, const QRect& rect)
{
    return Place(new QPushButton(text, parent), name, rect);
}

QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& text, const QRect& rect)
{
    return Place(new QRadioButton(text, parent), name, rect);
}

// The options of one choice form an exclusive group of their own, numbered
// from 0. Left to themselves, Qt's options share their exclusivity with every
// option below their parent, those in frames too: a click on the chosen
// search style then found another chosen option and cleared its own.
template <size_t N>
void GroupOptions(QWidget* parent, QRadioButton* const (&options)[N])
{
    auto* group = new QButtonGroup(parent);
    for (size_t i = 0; i < N; ++i)
        group->addButton(options[i], static_cast<int>(i));
}

QComboBox* MakeList(QWidget* parent, const QString& name, const QStringList& items, const QRect& rect)
{
    auto* box = Place(new QComboBox(parent), name, rect);
    box->addItems(items);
    return box;
}

void MakeBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

// Places of the groups of controls.
const QRect kSearchFrame(8, 42, 744, 132);
const QRect kResultList(8, 240, 440, 298);
constexpr int kDetailLeft = 460;
constexpr int kDetailWidth = 292;
const QRect kNoticePanel(8, 548, 744, 64);

} // namespace

void FMain::CreateControls()
{
    CreateSearchStyleBand();
    CreateNameFrame();
    CreateDateFrame();
    CreateOptionsRow();
    CreateResultArea();
    CreateDetailArea();
    CreateButtons();
    m_notice = std::make_unique<NoticeArea>(this, kNoticePanel);
}

void FMain::CreateSearchStyleBand()
{
    Label5 = MakeLabel(this, QStringLiteral("Label5"), tr("Suche nach:"), QRect(8, 10, 84, 22));
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QString(), QRect(96, 6, 656, 30));
    QPalette band = Label1->palette();
    band.setColor(QPalette::Window, QColor(200, 214, 236));
    Label1->setPalette(band);
    Label1->setAutoFillBackground(true);

    rbSearchStyle[0] = MakeOption(this, Indexed("rbSearchStyle", 0), tr("Modellnamen"),
                                  QRect(110, 10, 150, 22));
    rbSearchStyle[1] = MakeOption(this, Indexed("rbSearchStyle", 1), tr("Installationsdatum"),
                                  QRect(280, 10, 170, 22));
    GroupOptions(this, rbSearchStyle);
    rbSearchStyle[0]->setChecked(true);
}

void FMain::CreateNameFrame()
{
    QFrame* frame = Place(new QFrame(this), Indexed("fraSearchStyle", 0), kSearchFrame);
    frame->setFrameShape(QFrame::StyledPanel);
    fraSearchStyle[0] = frame;

    lblModelName = MakeLabel(frame, QStringLiteral("lblModelName"), QString(), QRect(10, 8, 130, 36));
    cbOper = MakeList(frame, QStringLiteral("cbOper"),
                      {tr("enthält"), tr("lautet exakt"), tr("beginnt mit"),
                       tr("endet mit"), tr("wie Muster")},
                      QRect(146, 13, 130, 26));
    cbModel = MakeList(frame, QStringLiteral("cbModel"), {}, QRect(284, 13, 448, 26));
    cbModel->setEditable(true);
    cbModel->setInsertPolicy(QComboBox::NoInsert);   // the history is kept by the search
    cbModel->setCompleter(nullptr);                  // the text stays as typed

    fraModelName = Place(new QGroupBox(tr("Als Modellname soll gelten..."), frame),
                         QStringLiteral("fraModelName"), QRect(10, 48, 722, 54));
    rbModelName[0] = MakeOption(fraModelName, Indexed("rbModelName", 0), tr("Der gsb-Name"),
                                QRect(12, 24, 180, 22));
    rbModelName[1] = MakeOption(fraModelName, Indexed("rbModelName", 1),
                                tr("Der Name aus der ini-Datei"), QRect(210, 24, 250, 22));
    rbModelName[2] = MakeOption(fraModelName, Indexed("rbModelName", 2), tr("Beides"),
                                QRect(480, 24, 120, 22));
    GroupOptions(fraModelName, rbModelName);
    rbModelName[0]->setChecked(true);

    lblSuchHinweis[0] = MakeLabel(frame, Indexed("lblSuchHinweis", 0),
                                  tr("Es werden nur Modelle berücksichtigt, die dem EEP bekannt sind."),
                                  QRect(10, 106, 722, 20));
}

void FMain::CreateDateFrame()
{
    QFrame* frame = Place(new QFrame(this), Indexed("fraSearchStyle", 1), kSearchFrame);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setVisible(false);
    fraSearchStyle[1] = frame;

    lblFromTo = MakeLabel(
        frame, QStringLiteral("lblFromTo"),
        tr("Gesucht werden Modelle, die im Zeitraum zum 1. Mal installiert worden sind."),
        QRect(10, 10, 722, 20));
    Label3 = MakeLabel(frame, QStringLiteral("Label3"), tr("von:"), QRect(10, 48, 36, 22));
    txDate[0] = Place(new QLineEdit(frame), Indexed("txDate", 0), QRect(48, 46, 110, 26));
    Label4 = MakeLabel(frame, QStringLiteral("Label4"), tr("bis:"), QRect(176, 48, 30, 22));
    txDate[1] = Place(new QLineEdit(frame), Indexed("txDate", 1), QRect(210, 46, 110, 26));
    for (QLineEdit* box : txDate)
        box->installEventFilter(this);   // key filter and validation on leaving

    const QString captions[4] = {tr("Heute"), tr("seit Gestern"),
                                 tr("letzte Woche"), tr("letzten Monat")};
    for (int i = 0; i < 4; ++i)
        cmdTimeSpan[i] = MakeButton(frame, Indexed("cmdTimeSpan", i), captions[i], QRect(344 + 98 * i, 45, 92, 28));

    lblSuchHinweis[1] = MakeLabel(
        frame, Indexed("lblSuchHinweis", 1),
        tr("Es werden auch Modelle berücksichtigt, die im EEP (noch) nicht gescannt wurden."),
        QRect(10, 106, 722, 20));
}

void FMain::CreateOptionsRow()
{
    Label2 = MakeLabel(this, QStringLiteral("Label2"), tr("Sprache für Kategorien:"),
                       QRect(8, 186, 160, 22));
    cbLang = MakeList(this, QStringLiteral("cbLang"),
                      {QStringLiteral("ENG"), QStringLiteral("GER"), QStringLiteral("FRA"), QStringLiteral("POL")},
                      QRect(170, 183, 70, 26));
    chkExtend = Place(new QCheckBox(tr("Liste er&weitern"), this), QStringLiteral("chkExtend"),
                      QRect(262, 185, 180, 22));
    cmdSearch = MakeButton(this, QStringLiteral("cmdSearch"), tr("&Such !"), QRect(632, 180, 120, 32));
    cmdSearch->setDefault(true);
    cmdSearch->setEnabled(false);
}

void FMain::CreateResultArea()
{
    lblListboxTitle = MakeLabel(this, QStringLiteral("lblListboxTitle"), tr("gsb-Name -- Pfad"),
                                QRect(8, 220, 200, 18));
    lblCount = MakeLabel(this, QStringLiteral("lblCount"), QString(), QRect(248, 220, 200, 18));
    lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    lbModels = Place(new QListView(this), QStringLiteral("lbModels"), kResultList);
    m_listModel = new ResultListModel(lbModels);
    lbModels->setModel(m_listModel);
    lbModels->setUniformItemSizes(true);
    lbModels->setSelectionMode(QAbstractItemView::SingleSelection);
    lbModels->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbModels->viewport()->installEventFilter(this);
    lbModels->viewport()->setAcceptDrops(true);   // dropped files, handled in the filter

    lblNothingFound = MakeLabel(this, QStringLiteral("lblNothingFound"), QString(), kResultList);
    lblNothingFound->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblNothingFound->setFrameShape(QFrame::StyledPanel);
    MakeBold(lblNothingFound);
    lblNothingFound->setVisible(false);
    lblNothingFound->setAcceptDrops(true);
    lblNothingFound->installEventFilter(this);

    mnuPop = new QMenu(QStringLiteral("PopUp"), this);
    mnuPop->setObjectName(QStringLiteral("mnuPop"));
    mnuPopClipbrd = mnuPop->addAction(tr("Kopie in die Zwischenablage"));
    mnuPopClipbrd->setObjectName(QStringLiteral("mnuPopClipbrd"));
}

void FMain::CreateDetailArea()
{
    for (int i = 0; i < 3; ++i) {
        lblResult[i] = MakeLabel(this, Indexed("lblResult", i), QString(),
                                 QRect(kDetailLeft, 240 + 22 * i, kDetailWidth, 20));
        lblResult[i]->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    }
    MakeBold(lblResult[2]);

    txEepPlace = Place(new QPlainTextEdit(this), QStringLiteral("txEepPlace"),
                       QRect(kDetailLeft, 312, kDetailWidth, 126));
    txEepPlace->setReadOnly(true);
    txEepPlace->setLineWrapMode(QPlainTextEdit::NoWrap);
    txEepPlace->setVisible(false);

    lblMissingFile = MakeLabel(this, QStringLiteral("lblMissingFile"), tr("mod2-Dateien unvollständig"),
                               QRect(kDetailLeft, 444, kDetailWidth, 20));
    lblMissingFile->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    lblMissingFile->setVisible(false);
}

void FMain::CreateButtons()
{
    cmdMod2 = MakeButton(this, QStringLiteral("cmdMod2"), tr("&mod2-Liste  >>"),
                         QRect(kDetailLeft, 470, 143, 30));
    cmdVorschau = MakeButton(this, QStringLiteral("cmdVorschau"), tr("&Vorschau  >>"),
                             QRect(kDetailLeft + 149, 470, 143, 30));
    cmdMod2->setVisible(false);
    cmdVorschau->setVisible(false);

    cmdInfo = MakeButton(this, QStringLiteral("cmdInfo"), QString(), QRect(kDetailLeft, 508, 40, 30));
    cmdInfo->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    cmdInfo->setToolTip(tr("Info"));
    cmdInfo->setAccessibleName(tr("Info"));

    cmdEnd = MakeButton(this, QStringLiteral("cmdEnd"), tr("&Quit"),
                        QRect(kDetailLeft + kDetailWidth - 100, 508, 100, 30));
}
