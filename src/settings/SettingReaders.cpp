#include "settings/SettingReaders.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace SettingReaders {

namespace {

std::optional<qint64> hexNumber(const QString &digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    bool ok = false;
    const quint32 value = digits.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    // Up to eight digits form a signed 32-bit value (&HFFFFFFFF is -1); four or
    // fewer a 16-bit one (&HFFFF is -1), as hexadecimal literals have always read.
    if (digits.size() <= 4)
        return static_cast<qint16>(static_cast<quint16>(value));
    return static_cast<qint32>(value);
}

// Round half to even, as the program's integer conversions have always done.
std::optional<qint64> roundedInteger(double value, qint64 lowest, qint64 highest)
{
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < static_cast<double>(lowest)
        || rounded > static_cast<double>(highest))
        return std::nullopt;
    return static_cast<qint64>(rounded);
}

} // namespace

std::optional<double> numberOf(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        const auto value = hexNumber(trimmed.mid(2));
        if (!value)
            return std::nullopt;
        return static_cast<double>(*value);
    }
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool flag(const QString &text, const QString &defaultText)
{
    const auto value = numberOf(text);
    if (!value)
        return numberOf(defaultText).value_or(0) == 1;
    return *value == 1;
}

qint16 languageOffset(const QString &text)
{
    const auto value = numberOf(text);
    return (value && *value != 0) ? 10000 : 0;
}

qint16 integer16(const QString &text, const QString &defaultText)
{
    for (const QString &candidate : {text, defaultText}) {
        if (const auto value = numberOf(candidate)) {
            if (const auto whole = roundedInteger(*value, std::numeric_limits<qint16>::min(),
                                                  std::numeric_limits<qint16>::max()))
                return static_cast<qint16>(*whole);
        }
    }
    return 0;
}

bool truth(const QString &text, const QString &defaultText)
{
    for (const QString &candidate : {text, defaultText}) {
        const QString trimmed = candidate.trimmed();
        if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        if (const auto value = numberOf(trimmed))
            return *value != 0;
    }
    return false;
}

qint32 colour(const QString &text, const QString &defaultText)
{
    for (const QString &candidate : {text, defaultText}) {
        if (const auto value = numberOf(candidate)) {
            if (const auto whole = roundedInteger(*value, std::numeric_limits<qint32>::min(),
                                                  std::numeric_limits<qint32>::max()))
                return static_cast<qint32>(*whole);
        }
    }
    return 0;
}

double fontSize(const QString &text, const QString &defaultText)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    for (const QString &candidate : {text, defaultText}) {
        const auto match = leadingNumber.match(candidate);
        if (!match.hasMatch())
            continue;
        const double size = match.captured(1).toDouble();
        if (size > 0 && std::isfinite(size))
            return size;
    }
    return 8;
}

} // namespace SettingReaders
