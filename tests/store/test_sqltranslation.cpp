// The query texts the program composes must select the same rows SQLite-side
// as they meant, and a text that is not of that form must never run.

#include "support/TempTipDb.h"
#include "store/SqlTranslation.h"
#include "store/TipQueries.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

// The similar-tip query as the add dialog composes it from its boxes.
QString similar(int book, const QString &chapter, const QString &from, const QString &to,
                const QString &fromText, const QString &toText)
{
    return QStringLiteral("SELECT * FROM Main WHERE Book = ") + QString::number(book)
           + QStringLiteral(" AND Chapter = ") + chapter + QStringLiteral(" AND ((From <= ") + from
           + QStringLiteral(" AND To >= ") + from + QStringLiteral(") OR (") + QStringLiteral("From <= ")
           + to + QStringLiteral(" AND To >= ") + to + QStringLiteral(") OR (From <= ") + from
           + QStringLiteral(" AND To >= ") + to + QStringLiteral(") OR (From >= ") + fromText
           + QStringLiteral(" AND  To <= ") + toText + QStringLiteral("))");
}

} // namespace

class TestSqlTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_db.create());
        // rowids 1..6
        QVERIFY(m_db.addTips({{919, 23, 1, 6, QStringLiteral("Psalm 23"), 503, false},
                              {919, 23, 5, 5, QStringLiteral("one verse"), 500, true},
                              {919, 24, 1, 4, QStringLiteral("next chapter"), 503, false},
                              {905, 1, 1, 1, QStringLiteral("other book"), 503, true},
                              {905, 2, 3, 4, QStringLiteral("it's; -- \"x\""), 501, false},
                              {919, 23, 7, 9, QStringLiteral("adjacent"), 503, false}}));
        m_engine = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("translation"));
        m_engine.setDatabaseName(m_db.path());
        QVERIFY(m_engine.open());
    }

    void cleanupTestCase()
    {
        m_engine.close();
        m_engine = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("translation"));
    }

    void programTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariantList>("bindings");
        QTest::addColumn<QList<qint64>>("rowids");

        QTest::newRow("unread set") << TipQueries::UnreadSet << QVariantList() << QList<qint64>{1, 3, 5, 6};
        QTest::newRow("read set") << TipQueries::ReadSet << QVariantList() << QList<qint64>{2, 4};
        QTest::newRow("similar 23:1-4")
            << similar(919, "23", "1", "4", "1", "4")
            << QVariantList{919, 23, 1, 1, 4, 4, 1, 4, 1, 4} << QList<qint64>{1};
        QTest::newRow("similar, boxes with blanks and signs")
            << similar(919, " 23", "4", "6", "+4", " 6")
            << QVariantList{919, 23, 4, 4, 6, 6, 4, 6, 4, 6} << QList<qint64>{1, 2};
        QTest::newRow("similar, fraction")
            << similar(919, "23", "4.5", "6", "4.5", "6")
            << QVariantList{919, 23, 4.5, 4.5, 6, 6, 4.5, 6, 4.5, 6} << QList<qint64>{1, 2};
        QTest::newRow("similar, negative chapter")
            << similar(919, "- 23", "1", "4", "1", "4")
            << QVariantList{919, -23, 1, 1, 4, 4, 1, 4, 1, 4} << QList<qint64>{};
        QTest::newRow("search AND") << QStringLiteral("SELECT * FROM Main WHERE Category = 503 AND Book=905")
                                    << QVariantList{503, 905} << QList<qint64>{4};
        QTest::newRow("search OR") << QStringLiteral("SELECT * FROM Main WHERE Category = 503 OR Book=905")
                                   << QVariantList{503, 905} << QList<qint64>{1, 3, 4, 5, 6};
        QTest::newRow("search book") << QStringLiteral("SELECT * FROM Main WHERE Book=905")
                                     << QVariantList{905} << QList<qint64>{4, 5};
        QTest::newRow("search category") << QStringLiteral("SELECT * FROM Main WHERE Category = 500")
                                         << QVariantList{500} << QList<qint64>{2};
        QTest::newRow("any case, brackets, NOT, <>")
            << QStringLiteral("select * from main where [from] <= 1 and NOT (to <> 4)")
            << QVariantList{1, 4} << QList<qint64>{3};
        QTest::newRow("quoted text") << QStringLiteral("SELECT * FROM Main WHERE Content = 'it''s; -- \"x\"'")
                                     << QVariantList{QStringLiteral("it's; -- \"x\"")} << QList<qint64>{5};
        QTest::newRow("no condition") << QStringLiteral("SELECT * FROM Main")
                                      << QVariantList() << QList<qint64>{1, 2, 3, 4, 5, 6};
    }

    void programTexts()
    {
        QFETCH(QString, text);
        QFETCH(QVariantList, bindings);
        QFETCH(QList<qint64>, rowids);

        const TranslatedSql translated = translateSelect(text);
        QVERIFY2(translated.ok, qPrintable(translated.error));
        QCOMPARE(translated.bindings, bindings);
        // Every literal is bound, none is left in the text.
        QCOMPARE(translated.sql.count(QLatin1Char('?')), bindings.size());
        QVERIFY(!translated.sql.contains(QLatin1String("919")));

        QSqlQuery query(m_engine);
        QVERIFY(query.prepare(translated.sql));
        for (int i = 0; i < translated.bindings.size(); ++i)
            query.bindValue(i, translated.bindings.at(i));
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        QList<qint64> found;
        while (query.next())
            found.append(query.value(0).toLongLong());
        QCOMPARE(found, rowids);
    }

    void hostileTextsAreRefused_data()
    {
        QTest::addColumn<QString>("text");
        const QString where = QStringLiteral("SELECT * FROM Main WHERE ");
        QTest::newRow("second statement") << where + "Book = 1; DROP TABLE Main";
        QTest::newRow("comment") << where + "Book = 1 OR 1=1 --";
        QTest::newRow("block comment") << where + "Book = 1 /* */";
        QTest::newRow("unterminated quote") << where + "Content = 'abc";
        QTest::newRow("stray quote") << where + "Content = 'a'' OR ''1'='1";
        QTest::newRow("unbalanced open") << where + "((Book = 1)";
        QTest::newRow("unbalanced close") << where + "Book = 1)";
        QTest::newRow("unknown column") << where + "Author = 1";
        QTest::newRow("function") << where + "Book = abs(1)";
        QTest::newRow("IN list") << where + "Book IN (1, 2)";
        QTest::newRow("union") << where + "Book = 1 UNION SELECT * FROM sqlite_master";
        QTest::newRow("qualified name") << where + "Main.Book = 1";
        QTest::newRow("lone sign") << where + "Chapter = -";
        QTest::newRow("number glued to word") << where + "Chapter = 1x";
        QTest::newRow("empty condition") << where;
        QTest::newRow("other table") << QStringLiteral("SELECT * FROM sqlite_master");
        QTest::newRow("other statement") << QStringLiteral("DELETE FROM Main");
        QTest::newRow("nested beyond reason") << where + QString(5000, QLatin1Char('(')) + "Book = 1";
    }

    void hostileTextsAreRefused()
    {
        QFETCH(QString, text);
        const TranslatedSql translated = translateSelect(text);
        QVERIFY(!translated.ok);
        QVERIFY(translated.sql.isEmpty());
        QVERIFY(!translated.error.isEmpty());
    }

private:
    TempTipDb m_db;
    QSqlDatabase m_engine;
};

QTEST_GUILESS_MAIN(TestSqlTranslation)
#include "test_sqltranslation.moc"
