#pragma once

#include <QString>

// The installation check of start-up: fills the host paths of gMod, shows the
// stop messages and the "Modelle" warning through MsgError. Returns true when
// the program may go on. When "Resourcen.Pak" lies beside the resource
// directory, pakNotice receives the notice text for the main window (else it
// is emptied). Never creates or writes anything.
bool CheckInstallation(QString* pakNotice = nullptr);

// The notice shown when "Resourcen.Pak" was found.
QString ResourcenPakNotice();
