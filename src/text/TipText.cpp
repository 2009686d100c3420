#include "text/TipText.h"

#include "text/TextTable.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// Engine values are written as the engine's text of them: plain decimal
// digits for the numeric fields.
std::optional<QString> fieldText(const QVariant &field)
{
    if (!field.isValid() || field.isNull())
        return std::nullopt;
    return field.toString();
}

} // namespace

double fieldNumber(const QVariant &field)
{
    bool ok = false;
    const double value = field.toString().trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

std::optional<QString> tipReference(const TipValues &tip, qint16 langOffset)
{
    const auto book = fieldText(tip.book);
    const auto from = fieldText(tip.from);
    const auto to = fieldText(tip.to);
    if (!book || !from || !to || !tip.chapter.isValid())
        return std::nullopt;
    // An empty chapter is written as nothing, like an empty content.
    const QString chapter = tip.chapter.toString();

    bool isNumber = false;
    const int bookCode = book->trimmed().toInt(&isNumber);
    const int nameId = langOffset + bookCode;
    if (!isNumber || nameId < 0 || nameId > 32767)
        return std::nullopt;
    const QString bookName = GetResString(static_cast<qint16>(nameId));
    if (bookName.isNull())
        return std::nullopt;

    QString line = bookName + QStringLiteral("  ") + chapter + QLatin1Char(':') + *from;
    if (fieldNumber(tip.to) != fieldNumber(tip.from))
        line += QLatin1Char('-') + *to;
    return line;
}

std::optional<QString> tipDisplayText(const TipValues &tip, qint16 langOffset)
{
    const auto reference = tipReference(tip, langOffset);
    if (!reference || !tip.content.isValid())
        return std::nullopt;
    return tip.content.toString() + kLineBreak + kLineBreak + *reference;
}
