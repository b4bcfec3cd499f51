#include "ScopedResBase.h"

#include "TestHost.h"
#include "startup/ResBaseChoice.h"
#include "startup/modRegApi.h"

ScopedResBase::ScopedResBase(const QString& path)
{
    if (TestHost::kWindows)
        SetResBaseOverride(path.isEmpty() ? QString() : ResBaseChoice::ToWindowsForm(path));
    else
        m_env.emplace("KLUNI_RESBASE", path.isNull() ? QByteArray() : path.toUtf8());
}

ScopedResBase::~ScopedResBase()
{
    if (TestHost::kWindows)
        SetResBaseOverride(QString());
}
