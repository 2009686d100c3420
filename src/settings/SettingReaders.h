#pragma once

#include <QString>

#include <optional>

// How a stored text becomes a value. Every reader falls back to its default
// when the text does not convert: a hand-edited letter where a number belongs
// never stops the program.
namespace SettingReaders {

// The whole text as a number: blanks around it, an optional sign, decimal
// digits with an optional fraction (period), or "&H" and hexadecimal digits.
std::optional<double> numberOf(const QString &text);

// A flag counts as on only when its number equals 1.
bool flag(const QString &text, const QString &defaultText);

// 0 for a stored 0 (English), 10000 for any other number (Chinese).
qint16 languageOffset(const QString &text);

// A whole number in the 16-bit range, rounding a fraction to the nearest even.
qint16 integer16(const QString &text, const QString &defaultText);

// "True" / "False" in any letter case, or a number (0 false, else true).
bool truth(const QString &text, const QString &defaultText);

// A 32-bit colour 0x00BBGGRR, written in decimal or as "&H" hexadecimal.
qint32 colour(const QString &text, const QString &defaultText);

// A font size in points: the number at the start of the text, with a period
// as the decimal point, read up to the first character that does not belong
// to it ("9,75" gives 9). A size that is not positive gives the default.
double fontSize(const QString &text, const QString &defaultText);

} // namespace SettingReaders
