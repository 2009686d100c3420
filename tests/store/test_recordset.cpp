// The record set the main window, the dialogs and the read-mark reset walk:
// its cursor, what stays in it until a requery, and what reaches the file.

#include "support/TempTipDb.h"
#include "store/RecordSet.h"
#include "store/TipDatabase.h"
#include "store/TipQueries.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>

#include <memory>

namespace {

const QString NoCurrent = QStringLiteral("No current record.");

StoredTip tip(int book, bool read = false)
{
    return {book, 1, 1, 2, QStringLiteral("tip %1").arg(book), 500, read};
}

} // namespace

class TestRecordSet : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempTipDb> m_fixture;
    std::unique_ptr<TipDatabase> m_db;

    bool start(const QList<StoredTip> &tips)
    {
        m_fixture = std::make_unique<TempTipDb>();
        m_db = std::make_unique<TipDatabase>();
        return m_fixture->create() && m_fixture->addTips(tips) && m_db->open(m_fixture->path());
    }

    static int book(RecordSet &set)
    {
        bool ok = false;
        const int value = set.value(QStringLiteral("Book"), &ok).toInt();
        return ok ? value : -1;
    }

    QVariant pragma(const QString &text)
    {
        QSqlQuery query(m_db->connection());
        return query.exec(text) && query.next() ? query.value(0) : QVariant();
    }

private slots:
    void cleanup()
    {
        m_db.reset();
        m_fixture.reset();
    }

    void emptySet()
    {
        QVERIFY(start({tip(901, true), tip(902, true)}));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QCOMPARE(set.recordCount(), 0);
        QVERIFY(set.eof() && set.bof());
        const QList<bool (RecordSet::*)()> moves = {&RecordSet::moveFirst, &RecordSet::moveLast,
                                                    &RecordSet::moveNext, &RecordSet::movePrevious,
                                                    &RecordSet::edit};
        for (const auto move : moves) {
            QVERIFY(!(set.*move)());
            QCOMPARE(set.lastError().text(), NoCurrent);
        }
        QCOMPARE(book(set), -1);
    }

    void cursorEdges()
    {
        QVERIFY(start({tip(901), tip(950, true), tip(902), tip(903)}));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QCOMPARE(set.recordCount(), 3);
        QVERIFY(!set.bof() && !set.eof());
        QCOMPARE(book(set), 901);
        QVERIFY(set.moveNext() && set.moveNext());
        QCOMPARE(book(set), 903);
        QVERIFY(set.moveNext());
        QVERIFY(set.eof() && !set.bof());
        QCOMPARE(book(set), -1);
        QVERIFY(!set.moveNext());
        QCOMPARE(set.lastError().text(), NoCurrent);
        QVERIFY(set.movePrevious());
        QCOMPARE(book(set), 903);
        QVERIFY(set.moveFirst() && set.movePrevious());
        QVERIFY(set.bof() && !set.eof());
        QVERIFY(!set.movePrevious());
        QVERIFY(set.moveNext());
        QCOMPARE(book(set), 901);
        QVERIFY(set.moveLast());
        QCOMPARE(book(set), 903);
    }

    void rowsStayUntilRequery()
    {
        QVERIFY(start({tip(901), tip(902), tip(903)}));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());

        // Marked read through the set: still in it, in its place.
        QVERIFY(set.edit() && set.setValue(QStringLiteral("read"), true) && set.update());
        QCOMPARE(set.value(QStringLiteral("READ")), QVariant(true));
        QCOMPARE(book(set), 901);

        // Added through the set: at its end at once, the cursor stays.
        QVERIFY(set.addNew() && set.setValue(QStringLiteral("Book"), 950)
                && set.setValue(QStringLiteral("Content"), QStringLiteral("new")) && set.update());
        QCOMPARE(set.recordCount(), 4);
        QCOMPARE(book(set), 901);

        // Added by someone else: only after a requery.
        QVERIFY(m_fixture->addTip(960, 1, 1, 1, QStringLiteral("theirs"), 500) > 0);
        QCOMPARE(set.recordCount(), 4);
        QVERIFY(set.moveLast());
        QCOMPARE(book(set), 950);

        QVERIFY(set.requery());
        QCOMPARE(set.recordCount(), 4);
        QList<int> books;
        for (; !set.eof(); set.moveNext())
            books.append(book(set));
        QCOMPARE(books, (QList<int>{902, 903, 950, 960}));
        const QList<StoredTip> rows = m_fixture->rows();
        QVERIFY(rows.at(0).read);
        QCOMPARE(rows.at(3), (StoredTip{950, 0, 0, 0, QStringLiteral("new"), 0, false}));
    }

    void updateWritesOnlyWhatChanged()
    {
        QVERIFY(start({tip(901), tip(902)}));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QCOMPARE(set.value(QStringLiteral("Content")).toString(), QStringLiteral("tip 901"));

        QVERIFY(m_fixture->exec(QStringLiteral("UPDATE Main SET Content = 'corrected', Category = 520 WHERE rowid = 1")));
        QVERIFY(set.edit() && set.setValue(QStringLiteral("Read"), true) && set.update());
        QCOMPARE(m_fixture->rows(), (QList<StoredTip>{{901, 1, 1, 2, QStringLiteral("corrected"), 520, true}, tip(902)}));
        // A written row is read again, not served from before.
        QCOMPARE(set.value(QStringLiteral("Content")).toString(), QStringLiteral("corrected"));
    }

    void rowDeletedByAnotherProgram()
    {
        QVERIFY(start({tip(901), tip(902)}));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QVERIFY(m_fixture->exec(QStringLiteral("DELETE FROM Main WHERE rowid = 1")));

        QCOMPARE(book(set), -1);
        QVERIFY(!set.lastError().text().isEmpty());
        QVERIFY(set.edit());
        QVERIFY(set.setValue(QStringLiteral("Read"), true));
        QVERIFY(!set.update());
        QVERIFY(!set.lastError().text().isEmpty());
        QVERIFY(set.edit());
        QVERIFY(!set.update());
        QCOMPARE(m_fixture->rows(), QList<StoredTip>{tip(902)});
    }

    void typedTextReachesTheFileIntact()
    {
        QVERIFY(start({tip(901)}));
        const QString text = QStringLiteral("He said \"it's\"; DROP TABLE Main; --\r\n"
                                            "' OR '1'='1 \u7d93\u6587\r\n");
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QVERIFY(set.edit() && set.setValue(QStringLiteral("Content"), text) && set.update());
        QVERIFY(set.addNew() && set.setValue(QStringLiteral("Content"), text + text)
                && set.setValue(QStringLiteral("Chapter"), QStringLiteral(" 23 ")) && set.update());

        const QList<StoredTip> rows = m_fixture->rows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).content, text);
        QCOMPARE(rows.at(1).content, text + text);
        QCOMPARE(rows.at(1).chapter, 23);
        QCOMPARE(set.value(QStringLiteral("Content")).toString(), text);
    }

    void refusedValues_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("unknown field") << QStringLiteral("Author") << QVariant(1);
        QTest::newRow("not a number") << QStringLiteral("Book") << QVariant(QStringLiteral("9x"));
        QTest::newRow("beyond 16 bits") << QStringLiteral("Chapter") << QVariant(32768);
        QTest::newRow("empty read mark") << QStringLiteral("Read") << QVariant();
    }

    void refusedValues()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QVERIFY(start({tip(901)}));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QVERIFY(!set.setValue(QStringLiteral("Read"), true));   // no edit yet
        QVERIFY(set.edit());
        QVERIFY(!set.setValue(field, value));
        QVERIFY(!set.lastError().text().isEmpty());
        QVERIFY(set.setValue(QStringLiteral("Chapter"), -32768) && set.update());
        QCOMPARE(m_fixture->rows().at(0).chapter, -32768);
        QCOMPARE(m_fixture->rows().at(0).book, 901);
    }

    void updateMatchingRowsWritesEveryMatchingRowInOneGo()
    {
        QList<StoredTip> tips;
        for (int i = 1; i <= 20; ++i)
            tips.append(tip(900 + i, (i <= 5) || i == 7 || (i >= 10 && i <= 15) || i == 20));
        QVERIFY(start(tips));
        RecordSet set(*m_db, TipQueries::ReadSet);
        QVERIFY(set.updateMatchingRows(QStringLiteral("Category"), 531));
        QVERIFY(set.updateMatchingRows(QStringLiteral("Read"), false));

        QList<StoredTip> rows = m_fixture->rows();
        QCOMPARE(rows.size(), 20);
        for (const StoredTip &row : rows) {
            const int i = row.book - 900;
            const bool wasRead = i <= 5 || i == 7 || (i >= 10 && i <= 15) || i == 20;
            QCOMPARE(row.category, wasRead ? 531 : 500);
            QVERIFY(!row.read);
        }

        // A value the field cannot hold, or a refused query text, writes nothing.
        RecordSet all(*m_db, QStringLiteral("SELECT * FROM Main WHERE Book > 0"));
        QVERIFY(!all.updateMatchingRows(QStringLiteral("Chapter"), QStringLiteral("one")));
        RecordSet hostile(*m_db, QStringLiteral("SELECT * FROM Main WHERE Read = FALSE; DELETE FROM Main"));
        QVERIFY(!hostile.updateMatchingRows(QStringLiteral("Read"), true));
        QCOMPARE(m_fixture->rows(), rows);
    }

    void readOnlyFileCanStillBeRead()
    {
        QVERIFY(start({tip(901), tip(902, true)}));
        const QList<StoredTip> before = m_fixture->rows();
        QVERIFY(QSqlQuery(m_db->connection()).exec(QStringLiteral("PRAGMA query_only = ON")));

        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QCOMPARE(book(set), 901);
        QVERIFY(set.edit() && set.setValue(QStringLiteral("Read"), true));
        QVERIFY(!set.update());
        QVERIFY(set.lastError().text().contains(QLatin1String("readonly")));
        QVERIFY(set.addNew() && set.setValue(QStringLiteral("Book"), 903));
        QVERIFY(!set.update());
        QCOMPARE(set.recordCount(), 1);
        RecordSet read(*m_db, TipQueries::ReadSet);
        QVERIFY(!read.updateMatchingRows(QStringLiteral("Read"), false));
        QVERIFY(!read.lastError().text().isEmpty());
        QCOMPARE(m_fixture->rows(), before);
        QVERIFY(set.moveFirst());   // leaves the refused new row behind
        QCOMPARE(book(set), 901);
    }

    void refusedQueryTextNeverRuns()
    {
        QVERIFY(start({tip(901)}));
        RecordSet set(*m_db, QStringLiteral("SELECT * FROM Main WHERE Book = 901; DROP TABLE Main"));
        QVERIFY(!set.open());
        QVERIFY(set.lastError().text().contains(QLatin1String("refused")));
        QVERIFY(set.eof() && set.bof());
        QCOMPARE(set.recordCount(), 0);
        QVERIFY(!set.moveFirst());
        QCOMPARE(m_fixture->rows().size(), 1);
    }

    void writesWaitForAnotherProgramsLock()
    {
        QVERIFY(start({tip(901), tip(902)}));
        QCOMPARE(pragma(QStringLiteral("PRAGMA busy_timeout")).toInt(), 5000);
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());

        QProcess holder;
        holder.start(QStringLiteral(VERSEDAWN_LOCKHOLDER), {m_fixture->path(), QStringLiteral("800")});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(set.edit() && set.setValue(QStringLiteral("Read"), true));
        QVERIFY2(set.update(), qPrintable(set.lastError().text()));
        QVERIFY(timer.elapsed() >= 300);   // it did wait for the lock
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(holder.exitCode(), 0);

        // A lock held longer than the wait: an error, not a hang; the change
        // is kept and goes through once the lock is gone.
        QVERIFY(pragma(QStringLiteral("PRAGMA busy_timeout = 200")).isValid());
        QVERIFY(set.moveNext());
        holder.start(QStringLiteral(VERSEDAWN_LOCKHOLDER), {m_fixture->path(), QStringLiteral("20000")});
        QVERIFY(holder.waitForReadyRead(10000));
        timer.restart();
        QVERIFY(set.edit() && set.setValue(QStringLiteral("Read"), true));
        QVERIFY(!set.update());
        QVERIFY(timer.elapsed() < 3000);
        QCOMPARE(set.lastError().text(), QStringLiteral("database is locked"));
        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY2(set.update(), qPrintable(set.lastError().text()));
        QCOMPARE(m_fixture->rows(), (QList<StoredTip>{tip(901, true), tip(902, true)}));
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "test_recordset.moc"
