#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class FMain;

// The program's start: loads and shows the main window, checks the
// installation, initialises the window and hands it the command line (one
// string, as the platform gives it). Returns the running window, or nothing
// when the start stopped (the window was shown and closed again).
std::unique_ptr<FMain> RunStartup(const QString& commandLine);
// The same for arguments that the system hands over one by one (native
// paths): each is one name, so that no name changes on the way.
std::unique_ptr<FMain> RunStartup(const QStringList& arguments);
