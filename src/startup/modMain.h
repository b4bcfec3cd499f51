#pragma once

#include "startup/Installation.h"

#include <QString>
#include <memory>

// What the installation check of start-up found.
struct InstallationCheck {
    // The installation's paths; null when the program must stop.
    std::shared_ptr<const Installation> installation;
    // The resource directory found, also when a later check stopped; empty
    // when nothing named one.
    QString resBase;
    // The notice for the main window when "Resourcen.Pak" lies beside the
    // resource directory; else empty.
    QString pakNotice;
};

// The installation check of start-up: finds the resource directory and the
// paths below it, shows the stop messages and the "Modelle" warning through
// MsgError. Never creates or writes anything.
InstallationCheck CheckInstallation();

// The notice shown when "Resourcen.Pak" was found.
QString ResourcenPakNotice();
