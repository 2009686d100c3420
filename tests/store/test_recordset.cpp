// The record set the main window, the dialogs and the read-mark reset walk:
// its cursor, what stays in it until a requery, and what reaches the file.

#include "support/TempTipDb.h"
#include "store/RecordSet.h"
#include "store/TipDatabase.h"
#include "store/TipQueries.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <memory>

namespace {

StoredTip tip(int book, bool read = false)
{
    return {book, 1, 1, 2, QStringLiteral("tip %1").arg(book), 500, read};
}

int book(RecordSet &set)
{
    bool ok = false;
    const int value = set.value("Book", &ok).toInt();
    return ok ? value : -1;
}

bool markRead(RecordSet &set)
{
    return set.edit() && set.setValue("Read", true) && set.update();
}

} // namespace

class TestRecordSet : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempTipDb> m_fixture;
    std::unique_ptr<TipDatabase> m_db;

    bool start(const QList<StoredTip> &tips)
    {
        m_db.reset();
        m_fixture = std::make_unique<TempTipDb>();
        m_db = std::make_unique<TipDatabase>();
        bool ok = m_fixture->create();
        for (const StoredTip &t : tips)
            ok = ok && m_fixture->addTip(t.book, t.chapter, t.from, t.to, t.content, t.category, t.read) > 0;
        return ok && m_db->open(m_fixture->path());
    }

private slots:
    // Nothing unread, and a text that is refused (and never run).
    void emptyOrRefusedSet()
    {
        QVERIFY(start({tip(901, true)}));
        for (const QString &text : {TipQueries::UnreadSet, QString("SELECT * FROM Main; DROP TABLE Main")}) {
            RecordSet set(*m_db, text);
            const bool refused = text != TipQueries::UnreadSet;
            QCOMPARE(set.open(), !refused);
            QCOMPARE(set.lastError().text().contains(QLatin1String("refused")), refused);
            QVERIFY(set.eof() && set.bof() && set.recordCount() == 0);
            for (const auto move : {&RecordSet::moveFirst, &RecordSet::moveLast, &RecordSet::moveNext,
                                    &RecordSet::movePrevious, &RecordSet::edit})
                QVERIFY(!(set.*move)());
            QCOMPARE(book(set), -1);
        }
        QCOMPARE(m_fixture->rows(), QList<StoredTip>{tip(901, true)});
    }

    void cursorEdges()
    {
        QVERIFY(start({tip(901), tip(950, true), tip(902), tip(903)}));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QCOMPARE(set.recordCount(), 3);
        QCOMPARE(book(set), 901);
        QVERIFY(set.moveNext() && set.moveNext());
        QCOMPARE(book(set), 903);
        QVERIFY(set.moveNext() && set.eof() && !set.bof());
        QCOMPARE(book(set), -1);
        QVERIFY(!set.moveNext() && set.movePrevious());
        QCOMPARE(book(set), 903);
        QVERIFY(set.moveFirst() && set.movePrevious() && set.bof() && !set.eof());
        QVERIFY(!set.movePrevious() && set.moveNext());
        QCOMPARE(book(set), 901);
    }

    // Every row of a larger set, in table order: rowids of every digit.
    void aLargerSetWalksInTableOrder()
    {
        QList<StoredTip> tips;
        for (int i = 0; i < 250; ++i)
            tips.append(tip(901 + i % 66, i % 7 == 3));
        QVERIFY(start(tips));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        for (int i = 0; i < tips.size(); ++i) {
            if (!tips[i].read) {
                QCOMPARE(book(set), tips[i].book);
                QVERIFY(set.moveNext());
            }
        }
        QVERIFY(set.eof());
    }

    // Typed text is bound, never spliced: quotes and line breaks reach the file intact.
    void rowsStayUntilRequery()
    {
        QVERIFY(start({tip(901), tip(902), tip(903)}));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        const QString text = QStringLiteral("He said \"it's\"; DROP TABLE Main; --\r\n' OR '1'='1 \u7d93\u6587\r\n");

        // Marked read, then a row added, through the set: the marked row stays
        // in it, in its place, under the cursor; the new one is at its end at once.
        QVERIFY(set.edit() && set.setValue("read", true) && set.setValue("Content", text) && set.update());
        QVERIFY(set.addNew() && set.setValue("Book", 950) && set.setValue("Chapter", " 23 ")
                && set.setValue("Content", text + text) && set.update());
        QCOMPARE(set.recordCount(), 4);
        QCOMPARE(set.value("READ"), QVariant(true));
        QCOMPARE(set.value("Content").toString(), text);
        QCOMPARE(book(set), 901);

        // Added by someone else: only after a requery.
        QVERIFY(m_fixture->addTip(960, 1, 1, 2, "tip 960", 500) > 0);
        QVERIFY(set.moveLast());
        QCOMPARE(book(set), 950);
        QVERIFY(set.requery());
        QList<int> books;
        for (; !set.eof(); set.moveNext())
            books.append(book(set));
        QCOMPARE(books, (QList<int>{902, 903, 950, 960}));
        QCOMPARE(m_fixture->rows(), (QList<StoredTip>{{901, 1, 1, 2, text, 500, true}, tip(902), tip(903),
                                                     {950, 23, 0, 0, text + text, 0, false}, tip(960)}));
    }

    // Rows changed or deleted by another program since the set was read.
    void rowsChangedBehindTheSet()
    {
        QVERIFY(start({tip(901), tip(902), tip(903)}));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QCOMPARE(set.value("Content").toString(), QStringLiteral("tip 901"));
        QVERIFY(m_fixture->exec("UPDATE Main SET Content = 'corrected', Category = 520 WHERE rowid = 1"));
        QVERIFY(m_fixture->exec("DELETE FROM Main WHERE rowid = 2"));

        // Only the changed field is written, and the row is read again after.
        QVERIFY(markRead(set));
        QCOMPARE(set.value("Content").toString(), QStringLiteral("corrected"));

        QVERIFY(set.moveNext());
        QCOMPARE(book(set), -1);
        QVERIFY(!markRead(set));
        QVERIFY(set.edit() && !set.update());
        QCOMPARE(m_fixture->rows(), (QList<StoredTip>{{901, 1, 1, 2, "corrected", 520, true}, tip(903)}));
    }

    // A refused value fails alone: the edit goes on.
    void refusedValues()
    {
        QVERIFY(start({tip(901)}));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QVERIFY(!set.setValue("Chapter", 2));   // no edit yet
        QVERIFY(set.edit());
        const QList<QPair<QString, QVariant>> refused = {
            {"Author", 1}, {"Book", "9x"}, {"Chapter", 32768}, {"Read", QVariant()}};
        for (const auto &[field, value] : refused)
            QVERIFY2(!set.setValue(field, value) && !set.lastError().text().isEmpty(), qPrintable(field));
        QVERIFY(set.setValue("Chapter", -32768) && set.update());
        QCOMPARE(m_fixture->rows(), (QList<StoredTip>{{901, -32768, 1, 2, "tip 901", 500, false}}));
    }

    void updateMatchingRows()
    {
        QVERIFY(start({tip(901), tip(902, true), tip(903, true), tip(904)}));
        RecordSet some(*m_db, "SELECT * FROM Main WHERE Read = TRUE AND Book > 902");
        QVERIFY(some.updateMatchingRows("Category", 531));
        // A value the field cannot hold, or a refused query text, writes nothing.
        QVERIFY(!some.updateMatchingRows("Chapter", "one"));
        RecordSet hostile(*m_db, "SELECT * FROM Main WHERE Read = FALSE; DELETE FROM Main");
        QVERIFY(!hostile.updateMatchingRows("Read", true));
        QVERIFY(RecordSet(*m_db, TipQueries::ReadSet).updateMatchingRows("Read", false));
        QCOMPARE(m_fixture->rows(),
                 (QList<StoredTip>{tip(901), tip(902), {903, 1, 1, 2, "tip 903", 531, false}, tip(904)}));
    }

    void readOnlyFileCanStillBeRead()
    {
        QVERIFY(start({tip(901), tip(902, true)}));
        QVERIFY(QSqlQuery(m_db->connection()).exec("PRAGMA query_only = ON"));
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QCOMPARE(book(set), 901);
        QVERIFY(!markRead(set));
        QVERIFY(set.lastError().text().contains(QLatin1String("readonly")));
        QVERIFY(set.addNew() && set.setValue("Book", 903) && !set.update());
        QCOMPARE(set.recordCount(), 1);
        QVERIFY(!RecordSet(*m_db, TipQueries::ReadSet).updateMatchingRows("Read", false));
        QCOMPARE(m_fixture->rows(), (QList<StoredTip>{tip(901), tip(902, true)}));
        QVERIFY(set.moveFirst());   // leaves the refused new row behind
        QCOMPARE(book(set), 901);
    }

    void writesWaitForAnotherProgramsLock()
    {
        QVERIFY(start({tip(901), tip(902)}));
        QSqlQuery pragma(m_db->connection());
        QVERIFY(pragma.exec("PRAGMA busy_timeout") && pragma.next());
        QCOMPARE(pragma.value(0).toInt(), 5000);
        RecordSet set(*m_db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QProcess holder;
        holder.start(VERSEDAWN_LOCKHOLDER, {m_fixture->path(), "800"});
        QVERIFY(holder.waitForReadyRead(10000));
        QElapsedTimer timer;
        timer.start();
        QVERIFY2(markRead(set), qPrintable(set.lastError().text()));
        QVERIFY(timer.elapsed() >= 300);   // it did wait for the lock
        QVERIFY(holder.waitForFinished(10000) && holder.exitCode() == 0);

        // A lock held longer than the wait: an error, not a hang; the change
        // is kept and goes through once the lock is gone.
        QVERIFY(pragma.exec("PRAGMA busy_timeout = 200") && set.moveNext());
        holder.start(VERSEDAWN_LOCKHOLDER, {m_fixture->path(), "20000"});
        QVERIFY(holder.waitForReadyRead(10000));
        timer.restart();
        QVERIFY(!markRead(set) && timer.elapsed() < 3000);
        QCOMPARE(set.lastError().text(), QStringLiteral("database is locked"));
        holder.kill();
        QVERIFY(holder.waitForFinished(10000) && set.update());
        QCOMPARE(m_fixture->rows(), (QList<StoredTip>{tip(901, true), tip(902, true)}));
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "test_recordset.moc"
