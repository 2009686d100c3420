#include "store/SqlTranslation.h"

#include <QStringList>

namespace {

const QLatin1String FieldNames[TipFields::Count] = {
    QLatin1String("Book"),    QLatin1String("Chapter"),  QLatin1String("From"),
    QLatin1String("To"),      QLatin1String("Content"),  QLatin1String("Category"),
    QLatin1String("Read"),
};

// "From" and "To" are reserved words in SQLite, so every field is quoted alike.
// Brackets, not double quotes: SQLite takes a double-quoted name that matches
// no column for a string, so a table without Read would quietly compare the
// word 'Read' instead of failing.
QString quoted(int field)
{
    return QLatin1Char('[') + FieldNames[field] + QLatin1Char(']');
}

enum class Tok { End, Word, Number, String, Compare, LeftParen, RightParen, Star };

struct Token {
    Tok kind = Tok::End;
    QString text;        // as written (a word, an operator); a bracketed name without brackets
    QVariant value;      // of a number or a string
    bool bracketed = false;
    int position = 0;
};

// A recursive-descent reader of the one statement form the program uses. It
// writes the SQLite text while it reads, so a text it cannot read fully is
// never run at all.
class Translator
{
public:
    explicit Translator(const QString &text) : m_text(text) {}

    TranslatedSql run()
    {
        TranslatedSql result;
        if (readStatement()) {
            result.ok = true;
            result.sql = m_out;
            result.bindings = m_bindings;
        } else {
            result.error = m_error;
        }
        return result;
    }

private:
    static constexpr int MaxDepth = 64;

    bool fail(const QString &why, int position)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("Query text refused at position %1: %2").arg(position + 1).arg(why);
        return false;
    }

    bool failHere(const QString &why) { return fail(why, m_token.position); }

    QChar at(int i) const { return i < m_text.size() ? m_text.at(i) : QChar(); }

    static bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

    bool isKeyword(const char *word) const
    {
        return m_token.kind == Tok::Word && !m_token.bracketed
               && m_token.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }

    bool readNumber(bool negative, int start)
    {
        const int begin = m_pos;
        bool whole = true;
        while (at(m_pos).isDigit())
            ++m_pos;
        if (at(m_pos) == QLatin1Char('.')) {
            whole = false;
            ++m_pos;
            while (at(m_pos).isDigit())
                ++m_pos;
        }
        if ((at(m_pos) == QLatin1Char('e') || at(m_pos) == QLatin1Char('E'))) {
            int i = m_pos + 1;
            if (at(i) == QLatin1Char('+') || at(i) == QLatin1Char('-'))
                ++i;
            if (at(i).isDigit()) {
                whole = false;
                m_pos = i;
                while (at(m_pos).isDigit())
                    ++m_pos;
            }
        }
        if (isWordChar(at(m_pos)) || at(m_pos) == QLatin1Char('.'))
            return fail(QStringLiteral("malformed number"), start);

        const QString digits = m_text.mid(begin, m_pos - begin);
        bool converted = false;
        if (whole) {
            const qlonglong value = digits.toLongLong(&converted);
            if (converted)
                m_token.value = negative ? -value : value;
        }
        if (!converted) {
            const double value = digits.toDouble(&converted);
            if (!converted)
                return fail(QStringLiteral("malformed number"), start);
            m_token.value = negative ? -value : value;
        }
        m_token.kind = Tok::Number;
        m_token.text = m_text.mid(start, m_pos - start);
        return true;
    }

    bool startsNumber(int i) const
    {
        return at(i).isDigit() || (at(i) == QLatin1Char('.') && at(i + 1).isDigit());
    }

    bool next()
    {
        while (at(m_pos).isSpace())
            ++m_pos;
        m_token = Token();
        m_token.position = m_pos;
        if (m_pos >= m_text.size())
            return true;

        const QChar c = m_text.at(m_pos);
        const int start = m_pos;
        if (c.isLetter() || c == QLatin1Char('_')) {
            while (isWordChar(at(m_pos)))
                ++m_pos;
            m_token.kind = Tok::Word;
            m_token.text = m_text.mid(start, m_pos - start);
            return true;
        }
        if (c == QLatin1Char('[')) {
            const int close = m_text.indexOf(QLatin1Char(']'), start + 1);
            if (close < 0)
                return fail(QStringLiteral("unclosed '['"), start);
            m_token.kind = Tok::Word;
            m_token.bracketed = true;
            m_token.text = m_text.mid(start + 1, close - start - 1);
            m_pos = close + 1;
            return true;
        }
        if (startsNumber(m_pos))
            return readNumber(false, start);
        if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
            // No arithmetic is accepted, so a sign can only belong to a number;
            // this also refuses "--" comments.
            ++m_pos;
            while (at(m_pos).isSpace())
                ++m_pos;
            if (!startsNumber(m_pos))
                return fail(QStringLiteral("a sign must be followed by a number"), start);
            return readNumber(c == QLatin1Char('-'), start);
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            QString value;
            ++m_pos;
            for (;;) {
                if (m_pos >= m_text.size())
                    return fail(QStringLiteral("unterminated string"), start);
                const QChar s = m_text.at(m_pos++);
                if (s == c) {
                    if (at(m_pos) != c)
                        break;
                    ++m_pos;   // a doubled quote stands for itself
                }
                value.append(s);
            }
            m_token.kind = Tok::String;
            m_token.value = value;
            m_token.text = m_text.mid(start, m_pos - start);
            return true;
        }
        if (c == QLatin1Char('=') || c == QLatin1Char('<') || c == QLatin1Char('>')) {
            ++m_pos;
            if (c == QLatin1Char('<') && (at(m_pos) == QLatin1Char('>') || at(m_pos) == QLatin1Char('=')))
                ++m_pos;
            else if (c == QLatin1Char('>') && at(m_pos) == QLatin1Char('='))
                ++m_pos;
            m_token.kind = Tok::Compare;
            m_token.text = m_text.mid(start, m_pos - start);
            return true;
        }
        if (c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char('*')) {
            ++m_pos;
            m_token.kind = c == QLatin1Char('(') ? Tok::LeftParen
                         : c == QLatin1Char(')') ? Tok::RightParen : Tok::Star;
            m_token.text = c;
            return true;
        }
        return fail(QStringLiteral("unexpected character '%1'").arg(c), start);
    }

    bool expectKeyword(const char *word)
    {
        if (!isKeyword(word))
            return failHere(QStringLiteral("expected %1").arg(QLatin1String(word)));
        return next();
    }

    bool readStatement()
    {
        if (!next() || !expectKeyword("SELECT"))
            return false;
        if (m_token.kind != Tok::Star)
            return failHere(QStringLiteral("expected *"));
        if (!next() || !expectKeyword("FROM"))
            return false;
        if (m_token.kind != Tok::Word
            || m_token.text.compare(QLatin1String("Main"), Qt::CaseInsensitive) != 0)
            return failHere(QStringLiteral("only table Main can be queried"));
        if (!next())
            return false;

        // m_out collects only the WHERE clause; the callers wrap it.
        m_out.clear();
        if (isKeyword("WHERE")) {
            if (!next())
                return false;
            m_out += QLatin1String(" WHERE ");
            if (!readCondition(0))
                return false;
        }
        if (m_token.kind != Tok::End)
            return failHere(QStringLiteral("unexpected '%1'").arg(m_token.text));
        return true;
    }

    bool readCondition(int depth)
    {
        if (!readTerm(depth))
            return false;
        while (isKeyword("OR")) {
            m_out += QLatin1String(" OR ");
            if (!next() || !readTerm(depth))
                return false;
        }
        return true;
    }

    bool readTerm(int depth)
    {
        if (!readFactor(depth))
            return false;
        while (isKeyword("AND")) {
            m_out += QLatin1String(" AND ");
            if (!next() || !readFactor(depth))
                return false;
        }
        return true;
    }

    bool readFactor(int depth)
    {
        if (depth > MaxDepth)
            return failHere(QStringLiteral("condition nested too deeply"));
        if (isKeyword("NOT")) {
            m_out += QLatin1String("NOT ");
            return next() && readFactor(depth + 1);
        }
        if (m_token.kind == Tok::LeftParen) {
            m_out += QLatin1Char('(');
            if (!next() || !readCondition(depth + 1))
                return false;
            if (m_token.kind != Tok::RightParen)
                return failHere(QStringLiteral("expected )"));
            m_out += QLatin1Char(')');
            return next();
        }
        if (!readOperand())
            return false;
        if (m_token.kind == Tok::Compare) {
            m_out += QLatin1Char(' ') + m_token.text + QLatin1Char(' ');
            return next() && readOperand();
        }
        return true;
    }

    bool readOperand()
    {
        switch (m_token.kind) {
        case Tok::Number:
        case Tok::String:
            m_out += QLatin1Char('?');
            m_bindings.append(m_token.value);
            return next();
        case Tok::Word: {
            const int field = TipFields::indexOf(m_token.text);
            if (field >= 0) {
                m_out += quoted(field);
                return next();
            }
            if (isKeyword("TRUE") || isKeyword("FALSE")) {
                m_out += isKeyword("TRUE") ? QLatin1Char('1') : QLatin1Char('0');
                return next();
            }
            return failHere(QStringLiteral("unknown field or word '%1'").arg(m_token.text));
        }
        case Tok::End:
            return failHere(QStringLiteral("the condition ends too early"));
        default:
            return failHere(QStringLiteral("expected a field or a value, not '%1'").arg(m_token.text));
        }
    }

    const QString &m_text;
    int m_pos = 0;
    Token m_token;
    QString m_out;
    QVariantList m_bindings;
    QString m_error;
};

} // namespace

TranslatedSql translateSelect(const QString &programSql)
{
    TranslatedSql translated = Translator(programSql).run();
    if (translated.ok)
        translated.sql = QLatin1String("SELECT rowid FROM Main") + translated.sql
                         + QLatin1String(" ORDER BY rowid");
    return translated;
}

TranslatedSql translateUpdate(const QString &programSql, int field)
{
    TranslatedSql translated = Translator(programSql).run();
    if (translated.ok)
        translated.sql = QStringLiteral("UPDATE Main SET %1 = ?").arg(quoted(field)) + translated.sql;
    return translated;
}

namespace TipFields {

QLatin1String name(int index)
{
    return FieldNames[index];
}

int indexOf(QStringView name)
{
    for (int i = 0; i < Count; ++i) {
        if (name.compare(FieldNames[i], Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool isInteger(int index)
{
    return index != Content && index != Read;
}

} // namespace TipFields

QString selectRowSql()
{
    static const QString sql = [] {
        QStringList fields;
        for (int i = 0; i < TipFields::Count; ++i)
            fields.append(quoted(i));
        return QStringLiteral("SELECT %1 FROM Main WHERE rowid = ?").arg(fields.join(QLatin1String(", ")));
    }();
    return sql;
}

QString updateRowSql(unsigned fieldMask)
{
    QStringList sets;
    for (int i = 0; i < TipFields::Count; ++i) {
        if (fieldMask & (1u << i))
            sets.append(quoted(i) + QLatin1String(" = ?"));
    }
    return QStringLiteral("UPDATE Main SET %1 WHERE rowid = ?").arg(sets.join(QLatin1String(", ")));
}

QString insertRowSql(unsigned fieldMask)
{
    QStringList fields;
    QStringList marks;
    for (int i = 0; i < TipFields::Count; ++i) {
        if (fieldMask & (1u << i)) {
            fields.append(quoted(i));
            marks.append(QStringLiteral("?"));
        }
    }
    if (fields.isEmpty())
        return QStringLiteral("INSERT INTO Main DEFAULT VALUES");
    return QStringLiteral("INSERT INTO Main (%1) VALUES (%2)")
        .arg(fields.join(QLatin1String(", ")), marks.join(QLatin1String(", ")));
}
