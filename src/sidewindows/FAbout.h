#pragma once

#include "platformui/ShellOpen.h"

#include <QDialog>

class QLabel;
class QPushButton;

// "Info": what Kluni is, its version, and the way to the handbook. Shown modally.
class FAbout : public QDialog {
    Q_OBJECT
public:
    explicit FAbout(QWidget* parent = nullptr);
    ~FAbout() override;

    // Opens a file of the program's directory with the application the
    // system associates with its type, or tells the user why it cannot.
    void ShowFile(const QString& ptFile);

    // The "open" action to use (not owned; nullptr for the desktop's own).
    void SetShellOpen(ShellOpen* opener);
    // The directory ShowFile looks in (Windows form); by default the one
    // that holds the executable, or the installed documentation folder when
    // the file is not there.
    void SetProgramDir(const QString& windowsDir);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void cmdHandbook_Click();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblWarning = nullptr;
    QLabel* imgKluni = nullptr;
    QLabel* lblZirbo = nullptr;
    QLabel* imgZirbo = nullptr;
    QPushButton* cmdHandbook = nullptr;
    QPushButton* cmdOK = nullptr;

    DesktopShellOpen m_desktopShell;
    ShellOpen* m_shell = &m_desktopShell;
    QString m_programDir;
};
