#include "WindowTour.h"

#include "mainwindow/FMain.h"
#include "sidewindows/FAbout.h"
#include "sidewindows/FIniShow.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QThread>

#include <stdexcept>
#include <string>

namespace {

// A search of the demo ends in well under a second; this only stops a tour that hangs.
constexpr int kSearchTimeoutMs = 120000;

[[noreturn]] void Fail(const QString& what)
{
    throw std::runtime_error(what.toStdString());
}

// The control of a window with the given objectName.
template <class Control = QWidget>
Control& Find(const QObject& window, const char* name)
{
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        Fail(QStringLiteral("%1 has no control %2").arg(window.objectName(), QString::fromLatin1(name)));
    return *control;
}

// Lets the windows handle what is pending: layout, painting, queued calls.
void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

WindowTour::WindowTour(FMain& window, const QString& folder, const QDate& today)
    : m_window(window)
    , m_folder(folder)
    , m_today(today)
{
}

void WindowTour::Run(const QString& modelName)
{
    // The hooks run inside a button's click; a failure is carried out of it.
    QString hookFailure;
    const auto showAndSave = [this, &hookFailure](QDialog& dialog, const QString& name) {
        dialog.show();
        try {
            Save(dialog, name);
        } catch (const std::exception& e) {
            hookFailure = QString::fromStdString(e.what());
        }
        dialog.close();
    };
    FMainHooks hooks = FMainHooks::Defaults();
    hooks.showAbout = [&showAndSave](QWidget* owner) {
        FAbout about(owner);
        showAndSave(about, QStringLiteral("about"));
    };
    hooks.showIniProblems = [&showAndSave](QWidget* owner, const IniProblems& problems,
                                           const QString& searchNameKey) {
        FIniShow window(problems, searchNameKey, owner);
        showAndSave(window, QStringLiteral("ini-problems"));
    };
    hooks.setClipboardText = [](const QString&) {};
    hooks.beep = [] {};
    hooks.today = [this] { return m_today; };
    m_window.SetHooks(hooks);

    SearchByName(modelName);
    Save(m_window, QStringLiteral("main-name"));
    if (Find(m_window, "cmdIni").isHidden())
        Fail(QStringLiteral("the search by name reported no ini problems"));
    Click("cmdIni");
    Click("cmdInfo");
    if (!hookFailure.isEmpty())
        Fail(hookFailure);
    // The search by date lists every model of the demo, those with missing
    // mod2 files among them.
    SearchLastWeek();
    TakeSideWindows();
    Save(m_window, QStringLiteral("main-date"));
}

void WindowTour::SearchByName(const QString& modelName)
{
    Choose("rbSearchStyle_0");
    Find<QComboBox>(m_window, "cbOper").setCurrentIndex(0);   // "contains"
    Choose("rbModelName_2");                                   // the gsb name and the ini name
    Find<QComboBox>(m_window, "cbModel").setEditText(modelName);
    Click("cmdSearch");
    WaitForSearch();
    if (RowCount() == 0)
        Fail(QStringLiteral("the search by name for \"%1\" found nothing").arg(modelName));
}

// The mod2 list of a model with missing mod2 files and the preview of one
// that can be shown; that model stays selected.
void WindowTour::TakeSideWindows()
{
    Click("cmdMod2");
    Click("cmdVorschau");
    QWidget& mod2 = SideWindow("FMod2");
    QWidget& preview = SideWindow("FVorschau");
    const int shownRow = FirstRow([&preview] { return !Find(preview, "ctModellSchau").isHidden(); });
    if (shownRow < 0)
        Fail(QStringLiteral("the preview shows none of the models found"));
    const int missingRow = FirstRow([&mod2] {
        return !Find(mod2, "lblError").isHidden() && Find<QListWidget>(mod2, "lbMod2").count() > 1;
    });
    if (missingRow < 0)
        Fail(QStringLiteral("no model found lacks some of its mod2 files"));
    SelectRow(missingRow);
    Save(mod2, QStringLiteral("mod2"));
    SelectRow(shownRow);
    Save(preview, QStringLiteral("preview"));
    // The second press closes them again.
    Click("cmdMod2");
    Click("cmdVorschau");
    Settle();
}

void WindowTour::SearchLastWeek()
{
    Choose("rbSearchStyle_1");
    Click("cmdTimeSpan_2");
    Click("cmdSearch");
    WaitForSearch();
    if (RowCount() == 0)
        Fail(QStringLiteral("the search by date found nothing up to %1").arg(m_today.toString(Qt::ISODate)));
}

void WindowTour::WaitForSearch()
{
    // A search that takes longer than a moment goes on beside the window,
    // with its stop button shown.
    QElapsedTimer timer;
    timer.start();
    Settle();
    while (!Find(m_window, "cmdStop").isHidden()) {
        if (timer.hasExpired(kSearchTimeoutMs))
            Fail(QStringLiteral("a search did not end"));
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    Settle();
}

int WindowTour::RowCount() const
{
    return Find<QListView>(m_window, "lbModels").model()->rowCount();
}

void WindowTour::SelectRow(int row)
{
    auto& list = Find<QListView>(m_window, "lbModels");
    list.setCurrentIndex(list.model()->index(row, 0));
    Settle();
}

int WindowTour::FirstRow(const std::function<bool()>& shows)
{
    for (int row = 0; row < RowCount(); ++row) {
        SelectRow(row);
        if (shows())
            return row;
    }
    return -1;
}

QWidget& WindowTour::SideWindow(const char* name) const
{
    Settle();
    return Find(m_window, name);
}

void WindowTour::Click(const char* button)
{
    auto& control = Find<QAbstractButton>(m_window, button);
    if (!control.isEnabled())
        Fail(QStringLiteral("%1 is not enabled").arg(QString::fromLatin1(button)));
    control.click();
    Settle();
}

void WindowTour::Choose(const char* option)
{
    if (!Find<QAbstractButton>(m_window, option).isChecked())
        Click(option);
}

void WindowTour::Save(QWidget& window, const QString& name) const
{
    Settle();
    const QString path = QDir(m_folder).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path, "PNG"))
        Fail(QStringLiteral("cannot write %1").arg(path));
}
