#include "platform/StderrMessageSink.h"

#include <cstdio>

namespace {

void WriteToStderr(const QString& text)
{
    // Message texts use CR LF; a terminal wants plain line feeds.
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QByteArray bytes = out.toUtf8();   // as standard output, on every system
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace

void StderrMessageSink::Critical(const QString& text)
{
    WriteToStderr(text);
}

bool StderrMessageSink::AskYesNo(const QString& text)
{
    WriteToStderr(text);
    return false;
}

void StderrMessageSink::Plain(const QString& text)
{
    WriteToStderr(text);
}
