#pragma once

#include "store/SqlTranslation.h"

#include <QSqlError>
#include <QString>
#include <QVariant>

#include <array>
#include <vector>

class TipDatabase;

// An updatable record set over table Main with a cursor. It keeps the rowids
// its last (re-)query found, so a row changed through it stays in it, in its
// place, until the next requery, and rows added by anyone appear only then.
// Field values are read by rowid when first asked for. The database must
// outlive the set.
class RecordSet
{
public:
    RecordSet(TipDatabase &db, const QString &programSql);

    bool open();                    // run the query; cursor on the first row (EOF and BOF both true when empty)
    bool requery();                 // re-run; cursor on the first row of the new result
    bool moveFirst();
    bool moveLast();
    bool moveNext();
    bool movePrevious();
    bool eof() const;
    bool bof() const;
    int recordCount() const;        // always exact
    QVariant value(const QString &field, bool *ok = nullptr);  // field names match without regard to case

    bool edit();
    bool setValue(const QString &field, const QVariant &value);
    bool update();
    bool addNew();                  // then setValue(...) ..., update(): appends a row; the cursor stays
    // Writes one value into every row that satisfies the set's query now, in
    // one statement: resetting thirty thousand read marks is one write, not
    // thirty thousand. The set need not be open; its rows are not re-read.
    bool updateMatchingRows(const QString &field, const QVariant &value);

    QString programSql() const;
    QSqlError lastError() const;    // every bool-returning operation sets it on failure

private:
    enum class Mode { Browse, Editing, Adding };

    bool fail(const QString &reason, QSqlError::ErrorType type = QSqlError::StatementError);
    bool fail(const QSqlError &error);
    bool hasCurrentRow() const;
    void leaveRow();
    bool loadCurrentRow();
    bool convert(int field, const QVariant &in, QVariant *out);
    bool writeEdit();
    bool writeNew();

    TipDatabase &m_db;
    QString m_programSql;
    TranslatedSql m_query;
    bool m_translated = false;
    bool m_open = false;

    std::vector<qint64> m_keys;
    qint64 m_pos = 0;               // -1 before the first row, size() past the last

    std::array<QVariant, TipFields::Count> m_row;
    bool m_rowLoaded = false;

    Mode m_mode = Mode::Browse;
    std::array<QVariant, TipFields::Count> m_pending;
    unsigned m_pendingMask = 0;

    QSqlError m_lastError;
};
