#include "settings/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace {

// QSettings matches names exactly; the program's names are matched without
// regard to case, so look the stored spelling up first.
QString storedSpelling(const QStringList &names, const QString &wanted)
{
    for (const QString &name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

} // namespace

SettingsStore::SettingsStore(const QString &configRoot)
    : m_root(configRoot)
{
}

QString SettingsStore::userConfigRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString SettingsStore::fileFor(const QString &appName) const
{
    return QDir(m_root).filePath(appName + QLatin1Char('/') + appName + QStringLiteral(".conf"));
}

QString SettingsStore::GetSetting(const QString &appName, const QString &section,
                                  const QString &key, const QString &defaultText) const
{
    // A fresh QSettings each time: every reader asks the store when it runs,
    // so a value changed meanwhile in the file is seen.
    QSettings settings(fileFor(appName), QSettings::NativeFormat);
    const QString group = storedSpelling(settings.childGroups(), section);
    if (group.isEmpty())
        return defaultText;
    settings.beginGroup(group);
    const QString storedKey = storedSpelling(settings.childKeys(), key);
    if (storedKey.isEmpty())
        return defaultText;
    const QVariant value = settings.value(storedKey);
    // A hand-edited value with a comma in it ("9,75") comes back as a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::SaveSetting(const QString &appName, const QString &section,
                                const QString &key, const QString &text)
{
    QSettings settings(fileFor(appName), QSettings::NativeFormat);
    const QString existingGroup = storedSpelling(settings.childGroups(), section);
    settings.beginGroup(existingGroup.isEmpty() ? section : existingGroup);
    const QStringList keys = settings.childKeys();
    for (const QString &storedKey : keys) {
        if (storedKey.compare(key, Qt::CaseInsensitive) == 0 && storedKey != key)
            settings.remove(storedKey);
    }
    settings.setValue(key, text);
    settings.endGroup();
    settings.sync();
}
