#pragma once

#include <QList>
#include <QString>

// The language offset added to an English text identifier to reach its
// Chinese twin.
constexpr qint16 kEnglishOffset = 0;
constexpr qint16 kChineseOffset = 10000;

// The text with the complete identifier `id` (the caller has already added
// LangOffset). An identifier the table does not hold gives a null QString.
QString GetResString(qint16 id);

namespace TextTable {
// Every identifier the table holds, in ascending order.
QList<qint16> identifiers();

// Identifier ranges of the English entries; the Chinese ones are 10000 higher.
constexpr qint16 kFirstCategory = 500;
constexpr qint16 kLastCategory = 531;
constexpr qint16 kFirstOldTestamentBook = 901;
constexpr qint16 kLastOldTestamentBook = 939;
constexpr qint16 kFirstNewTestamentBook = 940;
constexpr qint16 kLastNewTestamentBook = 966;
} // namespace TextTable
