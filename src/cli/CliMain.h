#pragma once

#include <QStringList>

class QIODevice;

// kluni-cli from its arguments (without the program name) to its exit status:
// answers go to out, usage errors to err, the program's messages to the
// installed MessageSink.
int RunKluniCli(const QStringList& arguments, QIODevice& out, QIODevice& err);
