#include "settings/ProgramSettings.h"

#include "settings/SettingReaders.h"
#include "settings/SettingsStore.h"

#include <algorithm>

namespace ProgramSettings {

QString read(const SettingsStore &store, const QString &key, const QString &defaultText)
{
    return store.GetSetting(kApplication, kSection, key, defaultText);
}

void write(SettingsStore &store, const QString &key, const QString &text)
{
    store.SaveSetting(kApplication, kSection, key, text);
}

qint16 langOffset(const SettingsStore &store)
{
    return SettingReaders::languageOffset(read(store, Key::Language, Default::Language));
}

bool loadAtStartUp(const SettingsStore &store)
{
    return SettingReaders::flag(read(store, Key::LoadAtStartUp, Default::LoadAtStartUp),
                                Default::LoadAtStartUp);
}

bool dailyOn(const SettingsStore &store)
{
    return SettingReaders::flag(read(store, Key::Daily, Default::Daily), Default::Daily);
}

qint16 showHour(const SettingsStore &store)
{
    return SettingReaders::integer16(read(store, Key::Showtime, Default::Showtime),
                                     Default::Showtime);
}

qint16 randomMode(const SettingsStore &store)
{
    return SettingReaders::flag(read(store, Key::Mode, Default::Mode), Default::Mode) ? 1 : 0;
}

TipFont tipFont(const SettingsStore &store)
{
    // A size no screen can show (a slip of the hand in the file) is kept
    // within bounds rather than freezing the window with a giant layout.
    constexpr double kLargestSize = 400;

    TipFont font;
    font.name = read(store, Key::FontName, Default::FontName);
    font.pointSize = std::min(kLargestSize, SettingReaders::fontSize(
                                                read(store, Key::FontSize, Default::FontSize),
                                                Default::FontSize));
    auto effect = [&store](const QString &key) {
        return SettingReaders::truth(read(store, key, Default::FontEffect), Default::FontEffect);
    };
    font.bold = effect(Key::FontBold);
    font.italic = effect(Key::FontItalic);
    font.underline = effect(Key::FontUnderline);
    font.strikethru = effect(Key::FontStrikethru);
    font.colour = SettingReaders::colour(read(store, Key::FontColor, Default::FontColor),
                                         Default::FontColor);
    return font;
}

} // namespace ProgramSettings
