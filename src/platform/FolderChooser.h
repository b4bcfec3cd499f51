#pragma once

#include <QString>

// Asks the user for a folder. The program installs a dialog; the command-line
// tool and the window-free tests install none, so nothing ever asks there.
class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // The chosen folder as a native path, or an empty string when the user cancelled.
    virtual QString ChooseFolder(const QString& title, const QString& explanation) = 0;

    // The chooser in use, or nullptr when none is installed.
    static FolderChooser* Current();
    // Installs a chooser (not owned; it must outlive its use). nullptr removes it.
    static void Install(FolderChooser* chooser);
};
