#pragma once

#include <QString>
#include <optional>

// The process's command line after the program path, as one string, where
// the system keeps it as one (Windows); nothing where the system hands the
// arguments over one by one (POSIX), which then are the names themselves.
std::optional<QString> ProcessCommandLine();
