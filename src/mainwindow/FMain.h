#pragma once

#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "hostdata/IniProblems.h"
#include "hostdata/SearchInput.h"
#include "hostdata/SearchOutput.h"
#include "hostdata/SearchProgress.h"
#include "startup/Installation.h"

#include <QDate>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class FMod2;
class FVorschau;
class NoticeArea;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QKeyEvent;
class QListView;
class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class ResultListModel;
class SearchOwner;

// What the main window hands to the host: its two modal dialogs, the
// clipboard, the beep and the calendar. Tests replace them so that nothing
// waits on a modal window and the date presets see a day of their choice.
struct FMainHooks {
    std::function<void(QWidget* owner)> showAbout;
    std::function<void(QWidget* owner, const IniProblems& problems, const QString& searchNameKey)> showIniProblems;
    std::function<void(const QString& text)> setClipboardText;
    std::function<void()> beep;
    std::function<QDate()> today;

    static FMainHooks Defaults();
};

// "Kluni - Such mal eben...": the search input for both search styles, the
// result list, the detail of the selected model, the notice area and the
// buttons that open the side windows. A fixed layout; every control carries
// its program name as objectName (indexed ones as "name_index").
class FMain : public QWidget {
    Q_OBJECT
public:
    explicit FMain(QWidget* parent = nullptr);
    ~FMain() override;

    // Prepares the search once the installation check passed, for the
    // installation it found; false when the category tree could not be loaded.
    bool Init(std::shared_ptr<const Installation> installation);
    bool Vorschau() const { return mbVorschau; }
    void SetVorschau(bool pNewValue);
    bool Mod2() const { return mbMod2; }
    void SetMod2(bool pNewValue);
    // Shows the model files and directories named on the command line: one
    // string, split into names, or names that came one by one.
    void StartParams(const QString& commandLine);
    void StartParams(const QStringList& names);

    // The notice area (text, dark red background, "Ini- Probleme..." button).
    void ShowNotice(const QString& text, bool showIniButton);
    void HideNotice();

    void SetHooks(FMainHooks hooks) { m_hooks = std::move(hooks); }

    // The window was closed while a search that did not stop in time still
    // ran: the program must end without waiting for it (see SearchOwner).
    bool LeftSearchRunning() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout and lifecycle (FMain.cpp, FMainLayout.cpp)
    void CreateControls();
    void CreateSearchStyleBand();
    void CreateNameFrame();
    void CreateDateFrame();
    void CreateOptionsRow();
    void CreateResultArea();
    void CreateDetailArea();
    void CreateButtons();
    void ConnectControls();
    void Form_Load();
    void SizeWindowFromNoticeArea();
    void RestorePosition();
    void StorePosition() const;
    bool IsNormalState() const;
    void rbSearchStyle_Click();
    void cmdMod2_Click();
    void cmdVorschau_Click();
    void cmdInfo_Click();
    void cmdIni_Click();
    template <class Window>
    void ToggleSideWindow(QPointer<Window>& window, bool isOpen, void (FMain::*setOpen)(bool));

    // Name search (FMainSearch.cpp)
    void cmdSearch_Click();
    void UpdateSearchButton();
    void cbModel_Change();
    void cbModel_Click();
    void FilelistFromName(bool gbExtend);
    void AddToModelHistory(const QString& typed);
    NameSource SelectedNameSource() const;

    // Date search (FMainDate.cpp)
    void cmdTimeSpan_Click(int index);
    bool txDate_KeyPress(const QKeyEvent* event);
    bool txDate_Validate(int index);
    void txDate_Change();
    bool DateBoxEvent(int index, QEvent* event);
    void KeepFocusOnInvalidDate(int index);
    int DateBoxIndex(const QObject* watched) const;
    bool CheckDateRange();
    void FilelistFromDate(bool gbExtend);

    // Dropped files (FMainDrop.cpp): the names of the dropped files, taken
    // from the drop when it comes; the handlers run once no search runs.
    bool DropTargetEvent(bool onNotice, QEvent* event);
    void lbModels_OLEDragDrop(const QStringList& names, bool shift);
    void lblNothingFound_OLEDragDrop(const QStringList& names, bool shift);
    void FilelistDropped(const QStringList& names, bool shift);

    // Searches beside the window, their progress and stop (FMainSearchRun.cpp)
    using SearchWork = std::function<SearchOutput(SearchProgress&)>;
    using SearchTakeOver = std::function<void(SearchOutput&)>;
    void CreateSearchOwner();
    // What a search starts from: the installation, the list (when extending)
    // and the category language.
    SearchInput NewSearchInput(bool gbExtend, bool keepList) const;
    void RunSearch(const QString& procedure, SearchWork work, SearchTakeOver takeOver);
    // Takes a finished scan's catalogue over as the list, noting where it came from.
    SearchTakeOver ListTakeOver(int listSource);
    void ShowSearchProgress(const SearchProgress::Figures& figures);
    bool SearchBusy() const;
    // Result list (FMainResults.cpp)
    void fillLbModels(CModels& models);
    void ClearResults();
    void ShowNothingFound(bool pbShow);
    void lbModels_MouseDown(const QPoint& globalPos);
    void mnuPopClipbrd_Click();

    // Model detail (FMainDetail.cpp)
    void lbModels_Click();
    void lbModels_SelectionChanged();
    void cbLang_Click();
    void IniProblemsText();
    void ShowFileInSideWindows();

    // Controls, named as in the program's documentation.
    QLabel* Label5 = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* rbSearchStyle[2] = {};
    QFrame* fraSearchStyle[2] = {};
    QLabel* lblModelName = nullptr;
    QComboBox* cbOper = nullptr;
    QComboBox* cbModel = nullptr;
    QGroupBox* fraModelName = nullptr;
    QRadioButton* rbModelName[3] = {};
    QLabel* lblSuchHinweis[2] = {};
    QLabel* lblFromTo = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txDate[2] = {};
    QPushButton* cmdTimeSpan[4] = {};
    QLabel* Label2 = nullptr;
    QComboBox* cbLang = nullptr;
    QCheckBox* chkExtend = nullptr;
    QPushButton* cmdSearch = nullptr;
    QLabel* lblListboxTitle = nullptr;
    QLabel* lblCount = nullptr;
    QListView* lbModels = nullptr;
    QLabel* lblNothingFound = nullptr;
    QLabel* lblResult[3] = {};
    QPlainTextEdit* txEepPlace = nullptr;
    QLabel* lblMissingFile = nullptr;
    QPushButton* cmdMod2 = nullptr;
    QPushButton* cmdVorschau = nullptr;
    QPushButton* cmdInfo = nullptr;
    QPushButton* cmdEnd = nullptr;
    QMenu* mnuPop = nullptr;
    QAction* mnuPopClipbrd = nullptr;
    std::unique_ptr<NoticeArea> m_notice;   // lblErrBG, lblError, cmdIni
    ResultListModel* m_listModel = nullptr;

    // State
    std::shared_ptr<const Installation> m_installation;   // from the installation check
    QString gtNameKey;                                    // "Name_" and the category language
    // What the last search taken over found out, for the notice and the
    // ini problems window: its problem lists and the name key it compared.
    IniProblems m_iniProblems;
    QString gtSearchNameKey;
    CModels moModels;
    CCategories moCategories;
    CGsb moGsb;
    bool mbVorschau = false;
    bool mbMod2 = false;
    qint32 mlListSource = 0;
    QDate mdDateFrom;
    QDate mdDateTo;
    QPointer<FMod2> m_mod2;
    QPointer<FVorschau> m_vorschau;
    FMainHooks m_hooks;
    bool m_fillingList = false;
    bool m_keepingDateFocus = false;   // the focus goes back to an invalid date box
    // The search running beside the window (a child object) and its stop button.
    QPushButton* cmdStop = nullptr;
    SearchOwner* m_searchOwner = nullptr;
};
