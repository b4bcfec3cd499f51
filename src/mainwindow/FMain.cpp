// The main window's life: loading, Init, the side-window toggles, the
// remembered position and closing.

#include "mainwindow/FMain.h"

#include "hostdata/CWinApi.h"
#include "mainwindow/DisplayText.h"
#include "mainwindow/LabelFit.h"
#include "mainwindow/NoticeArea.h"
#include "mainwindow/SearchOwner.h"
#include "platformui/StoredPlace.h"
#include "platformui/Twips.h"
#include "sidewindows/AboutPictures.h"
#include "sidewindows/FAbout.h"
#include "sidewindows/FIniShow.h"
#include "sidewindows/FMod2.h"
#include "sidewindows/FVorschau.h"
#include "startup/InterfaceLanguage.h"
#include "startup/modTools.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kPositionSection = QStringLiteral("MainWindow");
const QString kLanguageKey = QStringLiteral("Language");

// The stored category language, else the one that matches the interface.
QString InitialCategoryLanguage()
{
    return LoadSetting(kPositionSection, kLanguageKey,
                       InterfaceLanguage::CategoryLanguage(InterfaceLanguage::Current()));
}

// The width of the sizing frame on each side of a window.
constexpr int kFrameBorder = 4;

// How long closing waits for a search that was asked to stop: it looks at the
// request in every loop, but a read in flight on a slow drive is not cut short.
constexpr int kCloseWaitMilliseconds = 2000;

} // namespace

FMainHooks FMainHooks::Defaults()
{
    FMainHooks hooks;
    hooks.showAbout = [](QWidget* owner) {
        FAbout about(owner);
        about.exec();
    };
    hooks.showIniProblems = [](QWidget* owner, const IniProblems& problems, const QString& searchNameKey) {
        FIniShow window(problems, searchNameKey, owner);
        window.exec();
    };
    hooks.setClipboardText = [](const QString& text) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
    };
    hooks.beep = [] { QApplication::beep(); };
    hooks.today = [] { return QDate::currentDate(); };
    return hooks;
}

FMain::FMain(QWidget* parent)
    : QWidget(parent)
    , m_hooks(FMainHooks::Defaults())
{
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(tr("Kluni - Such mal eben..."));
    setWindowIcon(AboutPictures::KluniIcon());
    CreateControls();
    CreateSearchOwner();
    ConnectControls();
    Form_Load();
}

FMain::~FMain()
{
    // A search still running stops first; its takeover would use the members.
    delete m_searchOwner;
    // The side windows go next, while the controls that their Unloaded
    // signal updates still exist.
    delete m_mod2.data();
    delete m_vorschau.data();
    // Closing in the base destructor moves the focus, and a control would then
    // call a handler of this window, whose members are already gone.
    for (QObject* control : findChildren<QObject*>())
        QObject::disconnect(control, nullptr, this, nullptr);
}

void FMain::ConnectControls()
{
    for (QRadioButton* option : rbSearchStyle)
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rbSearchStyle_Click();
        });
    connect(cbModel, &QComboBox::editTextChanged, this, &FMain::cbModel_Change);
    connect(cbModel, qOverload<int>(&QComboBox::activated), this, &FMain::cbModel_Click);
    connect(cmdSearch, &QPushButton::clicked, this, &FMain::cmdSearch_Click);
    for (int i = 0; i < 4; ++i)
        connect(cmdTimeSpan[i], &QPushButton::clicked, this, [this, i] { cmdTimeSpan_Click(i); });
    for (QLineEdit* box : txDate)
        connect(box, &QLineEdit::textChanged, this, &FMain::txDate_Change);
    connect(lbModels->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FMain::lbModels_SelectionChanged);
    connect(mnuPopClipbrd, &QAction::triggered, this, &FMain::mnuPopClipbrd_Click);
    connect(cmdMod2, &QPushButton::clicked, this, &FMain::cmdMod2_Click);
    connect(cmdVorschau, &QPushButton::clicked, this, &FMain::cmdVorschau_Click);
    connect(cmdInfo, &QPushButton::clicked, this, &FMain::cmdInfo_Click);
    connect(m_notice->IniButton(), &QPushButton::clicked, this, &FMain::cmdIni_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &QWidget::close);
}

void FMain::Form_Load()
{
    RestorePosition();
    lblModelName->setText(ForDisplay(FormatMsg(tr("Der Name des%ngesuchten Modells"))));
    lblNothingFound->setText(ForDisplay(FormatMsg(tr("%mSorry, aber in EEP%nist kein passendes Modell bekannt!"))));
    lblNothingFound->setGeometry(lbModels->geometry());
    fraSearchStyle[1]->setGeometry(fraSearchStyle[0]->geometry());
    LabelFit::ShrinkAllToFit(*this);   // the texts, translated, may be wider than their labels
    SizeWindowFromNoticeArea();
    cbOper->setCurrentIndex(0);
    // Selecting the language sets the name key; the tree itself is loaded by Init.
    connect(cbLang, qOverload<int>(&QComboBox::currentIndexChanged), this, &FMain::cbLang_Click);
    // The first entry is already current and would not announce itself.
    const int language = std::max(0, cbLang->findText(InitialCategoryLanguage()));
    if (language == cbLang->currentIndex())
        cbLang_Click();
    else
        cbLang->setCurrentIndex(language);
    // Only the user's own choice is stored; until then the language follows the interface.
    connect(cbLang, &QComboBox::activated, this,
            [this] { StoreSetting(kPositionSection, kLanguageKey, cbLang->currentText()); });
    cmdTimeSpan[0]->click();
}

void FMain::SizeWindowFromNoticeArea()
{
    // The outer size reaches 240 twips beyond the notice panel, the lowest and
    // right-most control, plus the caption bar. Qt sizes the client area, so
    // the caption bar and the sizing frame come off again.
    const QRect panel = m_notice->Panel()->geometry();
    const int margin = Twips::ToPixels(240);
    const int title = goWinApi().GetWinTitleHeight();
    const QSize outer(panel.right() + 1 + margin, panel.bottom() + 1 + title + margin);
    setFixedSize(outer.width() - 2 * kFrameBorder, outer.height() - title - 2 * kFrameBorder);
}

void FMain::RestorePosition()
{
    StoredPlace::Apply(*this, LoadSettingLong(kPositionSection, QStringLiteral("x"), -1),
                       LoadSettingLong(kPositionSection, QStringLiteral("y"), -1));
}

void FMain::StorePosition() const
{
    StoreSetting(kPositionSection, QStringLiteral("x"), QString::number(Twips::FromPixels(pos().x())));
    StoreSetting(kPositionSection, QStringLiteral("y"), QString::number(Twips::FromPixels(pos().y())));
}

bool FMain::IsNormalState() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

bool FMain::Init(std::shared_ptr<const Installation> installation)
{
    m_installation = std::move(installation);
    cmdMod2->setEnabled(m_installation->gbModelsDirOk);
    bool result = false;
    try {
        result = moCategories.Init(*m_installation, gtNameKey);
    } catch (...) {
        // Init has no handler of its own: the report names no procedure, and
        // start-up ends on the false result.
        ReportError(QString());
    }
    moModels = CModels();
    cbModel->setFocus();
    return result;
}

void FMain::SetVorschau(bool pNewValue)
{
    mbVorschau = pNewValue;
    cmdVorschau->setText(FormatMsg(tr("&Vorschau  %1"),
                                   {pNewValue ? QStringLiteral("<<") : QStringLiteral(">>")}));
}

void FMain::SetMod2(bool pNewValue)
{
    mbMod2 = pNewValue;
    cmdMod2->setText(FormatMsg(tr("&mod2-Liste  %1"),
                               {pNewValue ? QStringLiteral("<<") : QStringLiteral(">>")}));
}

void FMain::ShowNotice(const QString& text, bool showIniButton)
{
    m_notice->Show(text, showIniButton);
}

void FMain::HideNotice()
{
    m_notice->Hide();
}

void FMain::rbSearchStyle_Click()
{
    for (int i = 0; i < 2; ++i)
        fraSearchStyle[i]->setVisible(rbSearchStyle[i]->isChecked());
    UpdateSearchButton();
}

template <class Window>
void FMain::ToggleSideWindow(QPointer<Window>& window, bool isOpen, void (FMain::*setOpen)(bool))
{
    if (isOpen) {
        if (window)
            window->close();
        (this->*setOpen)(false);   // in case the window was gone already
        return;
    }
    window = new Window(this);
    QPointer<Window> opened = window;
    connect(window.data(), &Window::Unloaded, this, [this, setOpen, opened] {
        (this->*setOpen)(false);
        if (opened)
            opened->deleteLater();
    });
    window->show();
    (this->*setOpen)(true);
    if (moModels.Count() > 0)
        window->ShowFile(moGsb, gtNameKey);
}

void FMain::cmdMod2_Click()
{
    try {
        ToggleSideWindow(m_mod2, mbMod2, &FMain::SetMod2);
    } catch (...) {
        ReportError(QStringLiteral("FMain.cmdMod2_Click"));
    }
}

void FMain::cmdVorschau_Click()
{
    try {
        ToggleSideWindow(m_vorschau, mbVorschau, &FMain::SetVorschau);
    } catch (...) {
        ReportError(QStringLiteral("FMain.cmdVorschau_Click"));
    }
}

void FMain::cmdInfo_Click()
{
    if (m_hooks.showAbout)
        m_hooks.showAbout(this);
}

void FMain::cmdIni_Click()
{
    if (m_hooks.showIniProblems)
        m_hooks.showIniProblems(this, m_iniProblems, gtSearchNameKey);
}

void FMain::closeEvent(QCloseEvent* event)
{
    // The window goes at once; a search still running is asked to stop and
    // given a moment to end (its thread is left to itself after that).
    hide();
    m_searchOwner->End(kCloseWaitMilliseconds);
    moCategories = CCategories();
    // A close by the session's end is not the user's choice of place; nor is
    // the place of a minimised or maximised window. The session is asked now:
    // a log-out that was asked for earlier may have been cancelled since.
    const bool sessionEnds = qApp && qApp->isSavingSession();
    if (!sessionEnds && IsNormalState())
        StorePosition();
    if (m_mod2)
        m_mod2->close();
    if (m_vorschau)
        m_vorschau->close();
    m_iniProblems.gcolMissingIni.clear();
    m_iniProblems.gcolNoNameIni.clear();
    event->accept();
}

void FMain::keyPressEvent(QKeyEvent* event)
{
    // Enter (also the number pad's) presses the default button; a button
    // that has the focus takes it for itself, as on Windows.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* pressed = focused ? focused : cmdSearch;
        if (pressed->isEnabled())
            pressed->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool FMain::eventFilter(QObject* watched, QEvent* event)
{
    const int dateBox = DateBoxIndex(watched);
    if (dateBox >= 0)
        return DateBoxEvent(dateBox, event) || QWidget::eventFilter(watched, event);
    if (watched == lblNothingFound || watched == lbModels->viewport()) {
        if (DropTargetEvent(watched == lblNothingFound, event))
            return true;
    }
    if (watched == lbModels->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            lbModels_MouseDown(mouse->globalPosition().toPoint());
            return true;   // the row under the mouse is not selected
        }
    }
    return QWidget::eventFilter(watched, event);
}
