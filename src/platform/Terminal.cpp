#include "platform/Terminal.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace Terminal {

bool IsTerminal(const QIODevice& device)
{
    const auto* file = qobject_cast<const QFile*>(&device);
    if (!file || file->handle() < 0)
        return false;
#ifdef Q_OS_WIN
    return _isatty(file->handle()) != 0;
#else
    return isatty(file->handle()) != 0;
#endif
}

} // namespace Terminal
