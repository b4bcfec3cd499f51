#pragma once

#include "hostdata/ModelRecord.h"
#include "startup/InterfaceLanguage.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What the command line of kluni-cli asks for.
struct CliOptions {
    enum class Command { None, Check, Search, Date, Scan, Mod2 };

    Command command = Command::None;
    QStringList arguments;        // the command's own arguments, in order

    QString resBase;              // --resbase, empty: the registry decides
    // --lang; by default the category language of the interface's language.
    QString language = InterfaceLanguage::CategoryLanguage(InterfaceLanguage::Current());
    bool json = false;
    bool brief = false;
    bool help = false;
    bool version = false;

    qint16 oper = 0;              // search: 0 contains .. 4 like
    NameSource nameSource = NameSource::Gsb;
    int preset = -1;              // date: 0 today .. 3 month, -1 none

    // "Name_" followed by the language code.
    QString NameKey() const { return QStringLiteral("Name_") + language; }
};

struct CliParseResult {
    CliOptions options;
    QString error;                // empty when the command line is usable
    bool ok() const { return error.isEmpty(); }
};

// Reads the arguments (without the program name). Options may stand before
// or after the command; "--" ends the options.
CliParseResult ParseCliArguments(const QStringList& arguments);

// The text of --help.
QString CliHelpText();
