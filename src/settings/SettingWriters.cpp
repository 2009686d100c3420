#include "settings/SettingWriters.h"

namespace SettingWriters {

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString truth(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString number(qint64 value)
{
    return QString::number(value);
}

QString fontSize(double points)
{
    // QString::number ignores the locale, so a German desktop still writes
    // 9.75 and the reader, which stops at a comma, reads it back whole.
    return QString::number(points, 'g', 6);
}

} // namespace SettingWriters
