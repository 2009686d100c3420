#pragma once

#include "settings/TipFont.h"
#include "text/ApplicationTitle.h"

#include <QString>

class SettingsStore;

// The program's settings: application "Versedawn", section "Setting", and the
// readers that turn each stored text into its value.
namespace ProgramSettings {

inline const QString &kApplication = kApplicationTitle;
inline const QString kSection = QStringLiteral("Setting");

namespace Key {
inline const QString LoadAtStartUp = QStringLiteral("LoadAtStartUp");
inline const QString Language = QStringLiteral("lang");
inline const QString Mode = QStringLiteral("Mode");
inline const QString Daily = QStringLiteral("Daily");
inline const QString Showtime = QStringLiteral("Showtime");
inline const QString FontName = QStringLiteral("FontName");
inline const QString FontSize = QStringLiteral("FontSize");
inline const QString FontBold = QStringLiteral("FontBold");
inline const QString FontItalic = QStringLiteral("FontItalic");
inline const QString FontUnderline = QStringLiteral("FontUnderline");
inline const QString FontStrikethru = QStringLiteral("FontStrikethru");
inline const QString FontColor = QStringLiteral("FontColor");
// The options dialog writes the colour under this spelling; the store
// matches keys without regard to case, so the reader finds it again.
inline const QString FontColorWritten = QStringLiteral("Fontcolor");
} // namespace Key

namespace Default {
inline const QString LoadAtStartUp = QStringLiteral("1");
inline const QString Language = QStringLiteral("0");
inline const QString Mode = QStringLiteral("0");
inline const QString Daily = QStringLiteral("1");
inline const QString Showtime = QStringLiteral("8");
inline const QString FontName = QStringLiteral("MS Sans Serif");
inline const QString FontSize = QStringLiteral("8");
inline const QString FontEffect = QStringLiteral("False");
inline const QString FontColor = QStringLiteral("&HFF0000");
} // namespace Default

// GetSetting for the program's own application and section.
QString read(const SettingsStore &store, const QString &key, const QString &defaultText);
void write(SettingsStore &store, const QString &key, const QString &text);

qint16 langOffset(const SettingsStore &store);
bool loadAtStartUp(const SettingsStore &store);
bool dailyOn(const SettingsStore &store);
qint16 showHour(const SettingsStore &store);
qint16 randomMode(const SettingsStore &store);
TipFont tipFont(const SettingsStore &store);

} // namespace ProgramSettings
