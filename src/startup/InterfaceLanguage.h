#pragma once

#include <QString>
#include <QStringList>

// The language of the program's own texts. German texts are the source texts;
// German's translation file holds only the forms of the texts that show a
// count. English, French and Polish come from translation files built into
// the program.
namespace InterfaceLanguage {

// "de", "en", "fr" or "pl" for the system's interface languages, most wanted
// first (QLocale::uiLanguages()): the first German, English, French or Polish
// entry wins, "C"/"POSIX" (no language named) means German, and a list that
// names only other languages gets English.
QString Choose(const QStringList& uiLanguages);

// The language chosen from the system's settings.
QString FromSystem();

// Makes lang the language of every text translated from now on: the
// program's own translation and, when withQt is set, Qt's (buttons, context
// menus, file dialogs) from the system's Qt translations. Replaces the
// translators of an earlier call and makes lang's locale the default one
// (number formats).
void Install(const QString& lang, bool withQt);

// The language installed last ("de" before any call; German's counted texts
// take their singular forms only once it is installed).
QString Current();

// The category language that matches an interface language: "ENG", "GER",
// "FRA" or "POL".
QString CategoryLanguage(const QString& lang);

// The file name of the handbook in an interface language ("KurzAnleitung
// Kluni.pdf" for German). docs/CMakeLists.txt builds the same names.
QString HandbookFile(const QString& lang);

} // namespace InterfaceLanguage
