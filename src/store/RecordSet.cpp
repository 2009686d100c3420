#include "store/RecordSet.h"

#include "store/TipDatabase.h"

#include <QSqlQuery>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString NoCurrentRecord = QStringLiteral("No current record.");
const QString NotOpen = QStringLiteral("The record set is not open.");

QString unknownField(const QString &field)
{
    return QStringLiteral("No field named '%1' in table Main.").arg(field);
}

// Reads text as a number the way the program's boxes hold them: blanks around
// it, an optional sign, a fraction.
bool textToNumber(const QString &text, double *number)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    *number = trimmed.toDouble(&ok);
    return ok;
}

// Rowids are whole numbers, separated by commas.
void appendRowids(const QString &list, std::vector<qint64> *keys)
{
    qint64 value = 0;
    bool negative = false;
    bool inNumber = false;
    for (const QChar c : list) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') {
            value = value * 10 + (u - u'0');
            inNumber = true;
        } else if (u == u'-') {
            negative = true;
        } else {
            if (inNumber)
                keys->push_back(negative ? -value : value);
            value = 0;
            negative = false;
            inNumber = false;
        }
    }
    if (inNumber)
        keys->push_back(negative ? -value : value);
}

} // namespace

RecordSet::RecordSet(TipDatabase &db, const QString &programSql)
    : m_db(db), m_programSql(programSql)
{
}

bool RecordSet::fail(const QString &reason, QSqlError::ErrorType type)
{
    m_lastError = QSqlError(QString(), reason, type);
    return false;
}

bool RecordSet::fail(const QSqlError &error)
{
    m_lastError = error;
    return false;
}

bool RecordSet::open()
{
    if (!m_translated) {
        m_query = translateSelect(m_programSql);
        // The engine hands the rowids over as one text: fetching thirty
        // thousand one-column rows through Qt's result layer costs more than
        // the scan itself.
        m_query.sql = QLatin1String("SELECT group_concat(rowid) FROM (") + m_query.sql + QLatin1Char(')');
        m_translated = true;
    }
    if (!m_query.ok)
        return fail(m_query.error);

    QSqlError error;
    QSqlQuery *scan = m_db.statement(m_query.sql, &error);
    if (!scan)
        return fail(error);
    for (int i = 0; i < m_query.bindings.size(); ++i)
        scan->bindValue(i, m_query.bindings.at(i));
    if (!scan->exec()) {
        error = TipDatabase::engineError(scan->lastError());
        scan->finish();
        return fail(error);
    }

    // Only the rowids are kept, and the statement is finished at once: a read
    // left open would keep other programs from writing the file.
    std::vector<qint64> keys;
    if (scan->next())
        appendRowids(scan->value(0).toString(), &keys);
    // The set comes in table order; the text's order is the engine's choice.
    if (!std::is_sorted(keys.begin(), keys.end()))
        std::sort(keys.begin(), keys.end());
    const bool broken = scan->lastError().isValid();
    if (broken)
        error = TipDatabase::engineError(scan->lastError());
    scan->finish();
    if (broken)
        return fail(error);

    m_keys = std::move(keys);
    m_open = true;
    m_pos = 0;
    leaveRow();
    return true;
}

bool RecordSet::requery()
{
    return open();
}

bool RecordSet::hasCurrentRow() const
{
    return m_open && m_pos >= 0 && m_pos < qint64(m_keys.size());
}

void RecordSet::leaveRow()
{
    m_rowLoaded = false;
    m_mode = Mode::Browse;
    m_pendingMask = 0;
}

bool RecordSet::moveFirst()
{
    if (!m_open)
        return fail(NotOpen);
    if (m_keys.empty())
        return fail(NoCurrentRecord);
    m_pos = 0;
    leaveRow();
    return true;
}

bool RecordSet::moveLast()
{
    if (!m_open)
        return fail(NotOpen);
    if (m_keys.empty())
        return fail(NoCurrentRecord);
    m_pos = qint64(m_keys.size()) - 1;
    leaveRow();
    return true;
}

bool RecordSet::moveNext()
{
    if (!m_open)
        return fail(NotOpen);
    if (eof())
        return fail(NoCurrentRecord);
    ++m_pos;
    leaveRow();
    return true;
}

bool RecordSet::movePrevious()
{
    if (!m_open)
        return fail(NotOpen);
    if (bof())
        return fail(NoCurrentRecord);
    --m_pos;
    leaveRow();
    return true;
}

bool RecordSet::eof() const
{
    return !m_open || m_keys.empty() || m_pos >= qint64(m_keys.size());
}

bool RecordSet::bof() const
{
    return !m_open || m_keys.empty() || m_pos < 0;
}

int RecordSet::recordCount() const
{
    return m_open ? int(m_keys.size()) : 0;
}

bool RecordSet::loadCurrentRow()
{
    QSqlError error;
    QSqlQuery *fetch = m_db.statement(selectRowSql(), &error);
    if (!fetch)
        return fail(error);
    fetch->bindValue(0, m_keys[size_t(m_pos)]);
    if (!fetch->exec() || !fetch->next()) {
        const bool engineFailed = fetch->lastError().isValid();
        if (engineFailed)
            error = TipDatabase::engineError(fetch->lastError());
        fetch->finish();
        if (engineFailed)
            return fail(error);
        return fail(QStringLiteral("Record is deleted."));
    }
    for (int i = 0; i < TipFields::Count; ++i)
        m_row[size_t(i)] = fetch->value(i);
    fetch->finish();
    QVariant &read = m_row[TipFields::Read];
    if (!read.isNull())
        read = QVariant(read.toBool());
    m_rowLoaded = true;
    return true;
}

QVariant RecordSet::value(const QString &field, bool *ok)
{
    if (ok)
        *ok = false;
    const int index = TipFields::indexOf(field);
    if (index < 0) {
        fail(unknownField(field));
        return QVariant();
    }
    const bool pending = m_pendingMask & (1u << index);
    if (pending || m_mode == Mode::Adding) {
        // A row being written reads as it will be stored.
        if (ok)
            *ok = true;
        if (index == TipFields::Read)
            return QVariant(pending && m_pending[TipFields::Read].toLongLong() != 0);
        return pending ? m_pending[size_t(index)] : QVariant();
    }
    if (!hasCurrentRow()) {
        fail(NoCurrentRecord);
        return QVariant();
    }
    if (!m_rowLoaded && !loadCurrentRow())
        return QVariant();
    if (ok)
        *ok = true;
    return m_row[size_t(index)];
}

bool RecordSet::edit()
{
    if (!hasCurrentRow())
        return fail(NoCurrentRecord);
    m_mode = Mode::Editing;
    m_pendingMask = 0;
    return true;
}

bool RecordSet::addNew()
{
    if (!m_open)
        return fail(NotOpen);
    m_mode = Mode::Adding;
    m_pendingMask = 0;
    return true;
}

bool RecordSet::convert(int field, const QVariant &in, QVariant *out)
{
    const QString name = TipFields::name(field);
    const auto mismatch = [&] {
        return fail(QStringLiteral("Data type conversion error: '%1' cannot be stored in field %2.")
                        .arg(in.toString(), name));
    };

    if (field == TipFields::Content) {
        if (in.isNull()) {
            *out = QVariant(QMetaType::fromType<QString>());
            return true;
        }
        if (!in.canConvert<QString>())
            return mismatch();
        *out = in.toString();
        return true;
    }

    if (field == TipFields::Read) {
        // A yes/no mark is never empty: such a row would be in neither the
        // unread nor the read set, so it would never be shown nor reset.
        if (in.isNull())
            return fail(QStringLiteral("Field Read cannot be empty."));
        bool value = false;
        if (in.typeId() == QMetaType::Bool) {
            value = in.toBool();
        } else if (in.typeId() == QMetaType::QString) {
            const QString text = in.toString().trimmed();
            double number = 0;
            if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                value = true;
            else if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
                value = false;
            else if (textToNumber(text, &number))
                value = number != 0;
            else
                return mismatch();
        } else {
            bool ok = false;
            const double number = in.toDouble(&ok);
            if (!ok)
                return mismatch();
            value = number != 0;
        }
        *out = QVariant(qlonglong(value ? 1 : 0));
        return true;
    }

    if (in.isNull()) {
        *out = QVariant(QMetaType::fromType<qlonglong>());
        return true;
    }
    double number = 0;
    bool ok = false;
    if (in.typeId() == QMetaType::Bool) {
        number = in.toBool() ? 1 : 0;
        ok = true;
    } else if (in.typeId() == QMetaType::QString) {
        ok = textToNumber(in.toString(), &number);
    } else {
        number = in.toDouble(&ok);
    }
    if (!ok || !std::isfinite(number))
        return mismatch();
    // Whole numbers as the boxes read them: a half goes to the even neighbour.
    number = std::nearbyint(number);
    if (number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
        return fail(QStringLiteral("Overflow: %1 does not fit field %2.").arg(in.toString(), name));
    *out = QVariant(qlonglong(number));
    return true;
}

bool RecordSet::setValue(const QString &field, const QVariant &value)
{
    const int index = TipFields::indexOf(field);
    if (index < 0)
        return fail(unknownField(field));
    if (m_mode == Mode::Browse)
        return fail(QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    QVariant converted;
    if (!convert(index, value, &converted))
        return false;
    m_pending[size_t(index)] = converted;
    m_pendingMask |= 1u << index;
    return true;
}

bool RecordSet::update()
{
    switch (m_mode) {
    case Mode::Editing:
        return writeEdit();
    case Mode::Adding:
        return writeNew();
    case Mode::Browse:
        break;
    }
    return fail(QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
}

bool RecordSet::writeEdit()
{
    if (!hasCurrentRow())
        return fail(NoCurrentRecord);
    if (m_pendingMask == 0) {
        // Nothing to write, but a row deleted meanwhile is still reported.
        m_rowLoaded = false;
        if (!loadCurrentRow())
            return false;
        m_mode = Mode::Browse;
        return true;
    }

    QSqlError error;
    QSqlQuery *write = m_db.statement(updateRowSql(m_pendingMask), &error);
    if (!write)
        return fail(error);
    int slot = 0;
    for (int i = 0; i < TipFields::Count; ++i) {
        if (m_pendingMask & (1u << i))
            write->bindValue(slot++, m_pending[size_t(i)]);
    }
    write->bindValue(slot, m_keys[size_t(m_pos)]);
    const bool written = write->exec();
    const int changed = written ? write->numRowsAffected() : 0;
    if (!written)
        error = TipDatabase::engineError(write->lastError());
    write->finish();
    if (!written)
        return fail(error);
    if (changed == 0) {
        m_rowLoaded = false;
        return fail(QStringLiteral("Record is deleted."));
    }
    leaveRow();
    return true;
}

bool RecordSet::writeNew()
{
    unsigned mask = m_pendingMask;
    if (!(mask & (1u << TipFields::Read))) {
        m_pending[TipFields::Read] = QVariant(qlonglong(0));
        mask |= 1u << TipFields::Read;
    }

    QSqlError error;
    QSqlQuery *insert = m_db.statement(insertRowSql(mask), &error);
    if (!insert)
        return fail(error);
    int slot = 0;
    for (int i = 0; i < TipFields::Count; ++i) {
        if (mask & (1u << i))
            insert->bindValue(slot++, m_pending[size_t(i)]);
    }
    if (!insert->exec()) {
        error = TipDatabase::engineError(insert->lastError());
        insert->finish();
        return fail(error);
    }
    const qint64 rowid = insert->lastInsertId().toLongLong();
    insert->finish();

    // The new row joins the end of the set; the cursor stays where it was,
    // also when it stood past the last row.
    const bool pastEnd = m_pos >= qint64(m_keys.size());
    m_keys.push_back(rowid);
    if (pastEnd)
        m_pos = qint64(m_keys.size());
    m_mode = Mode::Browse;
    m_pendingMask = 0;
    return true;
}

bool RecordSet::updateMatchingRows(const QString &field, const QVariant &value)
{
    const int index = TipFields::indexOf(field);
    if (index < 0)
        return fail(unknownField(field));
    QVariant converted;
    if (!convert(index, value, &converted))
        return false;
    const TranslatedSql update = translateUpdate(m_programSql, index);
    if (!update.ok)
        return fail(update.error);

    QSqlError error;
    QSqlQuery *write = m_db.statement(update.sql, &error);
    if (!write)
        return fail(error);
    write->bindValue(0, converted);
    for (int i = 0; i < update.bindings.size(); ++i)
        write->bindValue(i + 1, update.bindings.at(i));
    const bool written = write->exec();
    if (!written)
        error = TipDatabase::engineError(write->lastError());
    write->finish();
    // Values read before may have changed.
    leaveRow();
    return written || fail(error);
}

QString RecordSet::programSql() const
{
    return m_programSql;
}

QSqlError RecordSet::lastError() const
{
    return m_lastError;
}
