#pragma once

#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"

#include <QDate>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class BackgroundSearch;
class FMod2;
class SearchContext;
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
class QMimeData;
class QAction;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class ResultListModel;

// What the main window hands to the host: its two modal dialogs, the
// clipboard, the beep and the calendar. Tests replace them so that nothing
// waits on a modal window and the date presets see a day of their choice.
struct FMainHooks {
    std::function<void(QWidget* owner)> showAbout;
    std::function<void(QWidget* owner)> showIniProblems;
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

    // Prepares the search once the installation check passed; false when the
    // category tree could not be loaded.
    bool Init();
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
    void FilelistFromName();
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
    void FilelistFromDate();

    // Dropped files (FMainDrop.cpp)
    bool DropTargetEvent(bool onNotice, QEvent* event);
    void lbModels_OLEDragDrop(const QMimeData* data, bool shift);
    void lblNothingFound_OLEDragDrop(const QMimeData* data, bool shift);
    void FilelistDropped(const QMimeData* data, bool shift);

    // Searches beside the window, their progress and stop (FMainSearchRun.cpp)
    using SearchWork = std::function<void(SearchContext&)>;
    using SearchTakeOver = std::function<void(SearchContext&)>;
    void CreateSearchStop();
    void RunSearch(const QString& procedure, SearchWork work, SearchTakeOver takeOver);
    // Takes a finished scan's catalogue over as the list, noting where it came from.
    SearchTakeOver ListTakeOver(int listSource);
    void SearchEnded();
    void ShowSearchProgress();
    void cmdStop_Click();
    bool SearchRunning() const { return m_search != nullptr; }
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
    // The search running beside the window, what takes its results over, and
    // the procedure named in its error report.
    QPushButton* cmdStop = nullptr;
    QTimer* m_progressTimer = nullptr;
    SearchTakeOver m_searchTakeOver;
    QString m_searchProcedure;
    std::unique_ptr<BackgroundSearch> m_search;
};
