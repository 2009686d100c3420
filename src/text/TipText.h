#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// The fields of a stored tip as the engine returns them.
struct TipValues {
    QVariant content;
    QVariant book;
    QVariant chapter;
    QVariant from;
    QVariant to;
};

// The line that names a passage: the book's name in the current language, two
// blanks, chapter ":" first verse, and "-" last verse only when the two verses
// differ, e.g. "John  3:16-18". Nothing when the book, the chapter or a verse
// cannot be turned into text (a book without a name, an empty field).
std::optional<QString> tipReference(const TipValues &tip, qint16 langOffset);

// The tip as the main window shows it: the content, an empty line, and the
// reference line.
std::optional<QString> tipDisplayText(const TipValues &tip, qint16 langOffset);

// A stored field's numeric value, as the program compares verses: a field
// whose text is not a number counts as 0.
double fieldNumber(const QVariant &field);
