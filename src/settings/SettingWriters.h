#pragma once

#include <QString>

// The texts the program writes for its values, so that every reader gets them
// back as written.
namespace SettingWriters {

// "1" or "0".
QString flag(bool on);

// "True" or "False".
QString truth(bool value);

// A whole number in plain decimal, e.g. an hour or a colour.
QString number(qint64 value);

// A font size with a period as the decimal point whatever the user's locale,
// and a fraction only when it has one: 9.75, 8.
QString fontSize(double points);

} // namespace SettingWriters
