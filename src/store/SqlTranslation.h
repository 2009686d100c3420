#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <QVariantList>

// Every SQL text that reaches the engine is made here: the program's own query
// texts (written in an older SQL dialect) are translated, and the store's
// per-row statements are built from the one list of fields below.

struct TranslatedSql {
    bool ok = false;
    QString sql;              // SQLite text with ? placeholders
    QVariantList bindings;    // every literal of the original text, bound in order
    QString error;            // why a text was refused
};

// Accepts "SELECT * FROM Main [WHERE <condition>]" where the condition is made of
// the fields of Main, numbers (with an optional sign), quoted strings, TRUE and
// FALSE, the comparisons = <> < > <= >=, AND, OR, NOT and parentheses. Anything
// else refuses the whole text. The result selects the rowids of the matching
// rows in table order; every literal is bound, never spliced into the text.
TranslatedSql translateSelect(const QString &programSql);

// The same query turned into "UPDATE Main SET <field> = ? WHERE <condition>":
// the new value binds first, then the condition's literals.
TranslatedSql translateUpdate(const QString &programSql, int field);

namespace TipFields {
enum Index { Book, Chapter, From, To, Content, Category, Read, Count };

QLatin1String name(int index);
int indexOf(QStringView name);   // without regard to case; -1 for an unknown name
bool isInteger(int index);       // the five 16-bit integer fields
}

// Statements of the record set, all with ? placeholders in field order and the
// rowid last. A field mask has bit (1 << TipFields::Index) set per field.
QString selectRowSql();                   // the seven fields of one row
QString updateRowSql(unsigned fieldMask);  // SET the masked fields WHERE rowid = ?
QString insertRowSql(unsigned fieldMask);  // INSERT the masked fields
