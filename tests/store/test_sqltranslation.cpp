// The query texts the program composes must select the same rows SQLite-side
// as they meant, and a text that is not of that form must never run.

#include "support/TempTipDb.h"
#include "store/SqlTranslation.h"
#include "store/TipQueries.h"

#include <QSqlError>
#include <QTest>

namespace {

// The similar-tip query as the add dialog composes it from its boxes.
QString similar(const QString &chapter, const QString &from, const QString &to, const QString &fromText,
                const QString &toText)
{
    return QStringLiteral("SELECT * FROM Main WHERE Book = 919 AND Chapter = %1 AND ((From <= %2 AND To >= %2) OR "
                          "(From <= %3 AND To >= %3) OR (From <= %2 AND To >= %3) OR (From >= %4 AND  To <= %5))")
        .arg(chapter, from, to, fromText, toText);
}

using Values = QVariantList;
using Rowids = QList<qint64>;

} // namespace

class TestSqlTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_db.create());
        QVERIFY(m_db.exec("INSERT INTO Main VALUES (919, 23, 1, 6, 'Psalm 23', 503, 0), "
                          "(919, 23, 5, 5, 'one verse', 500, 1), (919, 24, 1, 4, 'next chapter', 503, 0), "
                          "(905, 1, 1, 1, 'other book', 503, 1), (905, 2, 3, 4, 'it''s; -- \"x\"', 501, 0), "
                          "(919, 23, 7, 9, 'adjacent', 503, 0)"));
    }

    void programTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Values>("bindings");
        QTest::addColumn<Rowids>("rowids");
        const QString where = QStringLiteral("SELECT * FROM Main WHERE ");
        QTest::newRow("unread set") << TipQueries::UnreadSet << Values() << Rowids{1, 3, 5, 6};
        QTest::newRow("read set") << TipQueries::ReadSet << Values() << Rowids{2, 4};
        QTest::newRow("similar") << similar("23", "1", "4", "1", "4") << Values{919, 23, 1, 1, 4, 4, 1, 4, 1, 4}
                                 << Rowids{1};
        QTest::newRow("similar, blanks and signs") << similar(" 23", "4", "6", "+4", " 6")
                                                   << Values{919, 23, 4, 4, 6, 6, 4, 6, 4, 6} << Rowids{1, 2};
        QTest::newRow("similar, fraction") << similar("23", "4.5", "6", "4.5", "6")
                                           << Values{919, 23, 4.5, 4.5, 6, 6, 4.5, 6, 4.5, 6} << Rowids{1, 2};
        QTest::newRow("similar, negative") << similar("- 23", "1", "4", "1", "4")
                                           << Values{919, -23, 1, 1, 4, 4, 1, 4, 1, 4} << Rowids{};
        QTest::newRow("search AND") << where + "Category = 503 AND Book=905" << Values{503, 905} << Rowids{4};
        QTest::newRow("search OR") << where + "Category = 503 OR Book=905" << Values{503, 905} << Rowids{1, 3, 4, 5, 6};
        QTest::newRow("search book") << where + "Book=905" << Values{905} << Rowids{4, 5};
        QTest::newRow("search category") << where + "Category = 500" << Values{500} << Rowids{2};
        QTest::newRow("any case, brackets, NOT, <>") << QString("select * from main where [from] <= 1 and NOT (to <> 4)")
                                                     << Values{1, 4} << Rowids{3};
        QTest::newRow("quoted text") << where + "Content = 'it''s; -- \"x\"'" << Values{"it's; -- \"x\""} << Rowids{5};
        QTest::newRow("no condition") << QString("SELECT * FROM Main") << Values() << Rowids{1, 2, 3, 4, 5, 6};
    }

    void programTexts()
    {
        QFETCH(QString, text);
        QFETCH(Values, bindings);
        QFETCH(Rowids, rowids);
        const TranslatedSql translated = translateSelect(text);
        QVERIFY2(translated.ok, qPrintable(translated.error));
        QCOMPARE(translated.bindings, bindings);
        // Every literal is bound, none is left in the text.
        QCOMPARE(translated.sql.count(QLatin1Char('?')), bindings.size());
        QSqlQuery query = m_db.query(translated.sql, translated.bindings);
        QVERIFY2(query.isActive(), qPrintable(query.lastError().text()));
        Rowids found;
        while (query.next())
            found.append(query.value(0).toLongLong());
        QCOMPARE(found, rowids);
    }

    void hostileTextsAreRefused()
    {
        const QString where = QStringLiteral("SELECT * FROM Main WHERE ");
        QStringList texts = {"SELECT * FROM sqlite_master", "DELETE FROM Main", where + QString(5000, '(') + "Book = 1"};
        for (const char *condition : {"Book = 1; DROP TABLE Main", "Book = 1 OR 1=1 --", "Book = 1 /* */",
                                      "Content = 'abc", "Content = 'a'' OR ''1'='1", "((Book = 1)", "Book = 1)",
                                      "Author = 1", "Book = abs(1)", "Book IN (1, 2)", "Main.Book = 1",
                                      "Book = 1 UNION SELECT * FROM sqlite_master", "Chapter = -", "Chapter = 1x", ""})
            texts.append(where + condition);
        for (const QString &text : texts) {
            const TranslatedSql translated = translateSelect(text);
            QVERIFY2(!translated.ok && translated.sql.isEmpty() && !translated.error.isEmpty(),
                     qPrintable(text.left(80)));
        }
    }

private:
    TempTipDb m_db;
};

QTEST_GUILESS_MAIN(TestSqlTranslation)
#include "test_sqltranslation.moc"
