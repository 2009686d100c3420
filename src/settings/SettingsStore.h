#pragma once

#include <QString>

// The per-user settings store: named text values in sections, per application.
// Each application's values live in <root>/<application>/<application>.conf,
// which for the real user is ~/.config/Versedawn/Versedawn.conf.
// Section and key names match without regard to letter case.
class SettingsStore {
public:
    explicit SettingsStore(const QString &configRoot);

    // The user's configuration folder ($XDG_CONFIG_HOME, else ~/.config).
    static QString userConfigRoot();

    // The stored text, or defaultText when the section or key does not exist.
    // Never writes.
    QString GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &defaultText) const;

    // Stores the text, replacing an earlier value even when its key or section
    // was spelled in another letter case. A store that cannot be written is
    // not reported.
    void SaveSetting(const QString &appName, const QString &section, const QString &key,
                     const QString &text);

    QString fileFor(const QString &appName) const;

private:
    QString m_root;
};
