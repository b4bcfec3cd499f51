#pragma once

#include <QString>

// EEP's "Resourcen" folder where no registry names it: the folder the user
// chose once, remembered in the settings, and the question for it.
namespace ResBaseChoice {

// A path as a user or the environment writes it (native or Windows form), in Windows form.
QString ToWindowsForm(const QString& pathText);

// True when the folder holds Categories\Models.ini, as EEP's "Resourcen" does.
bool HoldsModelsIni(const QString& windowsPath);

// The remembered folder while it still holds Models.ini, else an empty string.
QString Remembered();

// Asks with the installed folder chooser until the user picks a folder that
// holds Models.ini (which is then remembered) or cancels. Returns the folder
// in Windows form, or an empty string on cancel, without a chooser and where
// a native registry answers the question.
QString Ask();

} // namespace ResBaseChoice
