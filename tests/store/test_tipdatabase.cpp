// Opening the tip database: only an existing file with table Main opens, and a
// failure says why in the engine's words and leaves nothing behind.

#include "support/TempTipDb.h"
#include "store/RecordSet.h"
#include "store/TipDatabase.h"
#include "store/TipQueries.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestTipDatabase : public QObject
{
    Q_OBJECT

private slots:
    void fileForLanguage()
    {
        QCOMPARE(TipDatabase::pathFor(10000, QStringLiteral("/opt/v")), QStringLiteral("/opt/v/CTips.db"));
        QCOMPARE(TipDatabase::pathFor(0, QStringLiteral("/opt/v/")), QStringLiteral("/opt/v/Tips.db"));
        QCOMPARE(TipDatabase::fileNameFor(1), QStringLiteral("Tips.db"));
        QCOMPARE(TipDatabase::fileNameFor(-10000), QStringLiteral("Tips.db"));
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << QString() << "unable to open database file";
        QTest::newRow("text file") << "text" << "file is not a database";
        QTest::newRow("no table Main") << "ALTER TABLE Main RENAME TO Other" << "no such table: Main";
        QTest::newRow("Main without Read") << "ALTER TABLE Main DROP COLUMN Read" << "no such column: Read";
    }

    void openFailures()
    {
        QFETCH(QString, setup);
        QFETCH(QString, reason);
        TempTipDb fixture;
        const QString path = fixture.dir() + QStringLiteral("/Tips.db");
        QFile file(path);
        if (setup == QLatin1String("text"))
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(2048, 'x')) == 2048 && file.flush());
        else if (!setup.isEmpty())
            QVERIFY(fixture.create() && fixture.exec(setup));
        const qint64 sizeBefore = file.size();

        TipDatabase db;
        QVERIFY(!db.open(path));
        QCOMPARE(db.lastError().text(), reason);
        QVERIFY(!db.isOpen());
        QCOMPARE(file.size(), sizeBefore);
        QCOMPARE(QDir(fixture.dir()).entryList(QDir::Files), setup.isEmpty() ? QStringList() : QStringList{"Tips.db"});
    }

    // A misread path would open or make some other file; the statements of the
    // first opening must not be reused on the second.
    void awkwardFolderClosedAndReopened()
    {
        TempTipDb fixture;
        QVERIFY(fixture.create(QStringLiteral("my tips #1 ?50% \u00fcber \u7d93\u6587/Tips.db")));
        QVERIFY(fixture.addTip(943, 3, 16, 16, QStringLiteral("For God so loved"), 501) > 0);
        TipDatabase db;
        QVERIFY2(db.open(fixture.path()), qPrintable(db.lastError().text()));
        RecordSet set(db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        db.close();
        bool ok = true;
        QVERIFY(!set.value(QStringLiteral("Book"), &ok).isValid() && !ok);
        QVERIFY(db.open(fixture.path()) && set.requery());
        QCOMPARE(set.value(QStringLiteral("Content")).toString(), QStringLiteral("For God so loved"));
        QCOMPARE(QDir(fixture.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTipDatabase)
#include "test_tipdatabase.moc"
