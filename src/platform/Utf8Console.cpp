#include "platform/Utf8Console.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

Utf8Console::Utf8Console()
    : m_previousCodePage(GetConsoleOutputCP())
{
    if (m_previousCodePage != 0 && m_previousCodePage != CP_UTF8)
        SetConsoleOutputCP(CP_UTF8);
}

Utf8Console::~Utf8Console()
{
    if (m_previousCodePage != 0 && m_previousCodePage != CP_UTF8)
        SetConsoleOutputCP(m_previousCodePage);
}

#else

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

#endif
