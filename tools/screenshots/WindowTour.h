#pragma once

#include <QDate>
#include <QString>

#include <functional>

class FMain;
class QWidget;

// Takes the handbook's pictures of the windows, in the interface language
// installed: drives the program's main window through its named controls as
// a user would (a search by name, the ini problems, the about window, a
// search by installation date, the side windows) and saves each window as a
// PNG file. The two dialogs that the program shows modally are shown here
// without waiting on them, just long enough to be grabbed. Every step that
// does not come out as planned throws std::runtime_error.
class WindowTour {
public:
    // folder: where the pictures go; today: the day the date presets count from.
    WindowTour(FMain& window, const QString& folder, const QDate& today);

    // modelName: typed into the search by name; it must find models.
    void Run(const QString& modelName);

private:
    void SearchByName(const QString& modelName);
    void TakeSideWindows();
    void SearchLastWeek();
    void WaitForSearch();
    int RowCount() const;
    void SelectRow(int row);
    // The first row of the list for which shows() holds once it is selected; -1 when none.
    int FirstRow(const std::function<bool()>& shows);
    QWidget& SideWindow(const char* name) const;
    void Click(const char* button);
    // Picks an option, as a user would by clicking it when it is not picked yet.
    void Choose(const char* option);
    void Save(QWidget& window, const QString& name) const;

    FMain& m_window;
    QString m_folder;
    QDate m_today;
};
