#include "platform/SettingsStore.h"

#include "platform/MessageSink.h"

#include <QSettings>
#include <memory>

namespace {

QString& RedirectPath()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> OpenStore()
{
    if (!RedirectPath().isEmpty())
        return std::make_unique<QSettings>(RedirectPath(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, ApplicationTitle(),
                                       ApplicationTitle());
}

QString StoreKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

namespace SettingsStore {

QString Load(const QString& section, const QString& key)
{
    const std::unique_ptr<QSettings> store = OpenStore();
    if (store->status() != QSettings::NoError)
        return QString();
    const QVariant value = store->value(StoreKey(section, key));
    if (!value.isValid())
        return QString();
    // A value holding commas reads back as a list; the store only ever holds text.
    QString text = value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                            : value.toString();
    return text.isNull() ? QStringLiteral("") : text;
}

void Store(const QString& section, const QString& key, const QString& value)
{
    const std::unique_ptr<QSettings> store = OpenStore();
    if (store->status() != QSettings::NoError)
        return;
    store->setValue(StoreKey(section, key), value);
    store->sync();
}

void RedirectTo(const QString& iniFilePath)
{
    RedirectPath() = iniFilePath;
}

} // namespace SettingsStore
