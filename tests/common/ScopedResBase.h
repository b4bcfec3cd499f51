#pragma once

#include "ScopedEnv.h"

#include <QString>
#include <optional>

// Names the EEP "Resourcen" folder that start-up finds, for the object's
// lifetime (a null path: none). Outside Windows through KLUNI_RESBASE, as a
// user would; on Windows, where only the registry names it, through the
// override that the command line's --resbase sets.
class ScopedResBase {
public:
    explicit ScopedResBase(const QString& path);
    ~ScopedResBase();
    ScopedResBase(const ScopedResBase&) = delete;
    ScopedResBase& operator=(const ScopedResBase&) = delete;

private:
    std::optional<ScopedEnv> m_env;
};
