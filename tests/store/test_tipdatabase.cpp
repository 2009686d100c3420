// Opening the tip database: only an existing file with table Main opens, and a
// failure says why in the engine's words and leaves nothing behind.

#include "support/TempTipDb.h"
#include "store/RecordSet.h"
#include "store/TipDatabase.h"
#include "store/TipQueries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestTipDatabase : public QObject
{
    Q_OBJECT

private slots:
    void fileForLanguage()
    {
        QCOMPARE(TipDatabase::pathFor(10000, QStringLiteral("/opt/v")), QStringLiteral("/opt/v/CTips.db"));
        QCOMPARE(TipDatabase::pathFor(0, QStringLiteral("/opt/v")), QStringLiteral("/opt/v/Tips.db"));
        QCOMPARE(TipDatabase::fileNameFor(1), QStringLiteral("Tips.db"));
        QCOMPARE(TipDatabase::fileNameFor(-10000), QStringLiteral("Tips.db"));
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << QString() << QStringLiteral("unable to open database file");
        QTest::newRow("text file") << QStringLiteral("text") << QStringLiteral("file is not a database");
        QTest::newRow("no table Main") << QStringLiteral("CREATE TABLE Other (Book INTEGER)")
                                       << QStringLiteral("no such table: Main");
        QTest::newRow("Main without Read")
            << QStringLiteral("CREATE TABLE Main (Book INTEGER, Chapter INTEGER, \"From\" INTEGER, "
                              "\"To\" INTEGER, Content TEXT, Category INTEGER)")
            << QStringLiteral("no such column: Read");
    }

    void openFailures()
    {
        QFETCH(QString, setup);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tips.db"));
        if (setup == QLatin1String("text")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("These are my notes, not a database.\n").repeated(40));
        } else if (!setup.isEmpty()) {
            QSqlDatabase maker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
            maker.setDatabaseName(path);
            QVERIFY(maker.open());
            QVERIFY(QSqlQuery(maker).exec(setup));
            maker.close();
            maker = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("maker"));
        }
        const qint64 sizeBefore = QFileInfo(path).size();

        TipDatabase db;
        QVERIFY(!db.open(path));
        QCOMPARE(db.lastError().text(), reason);
        QVERIFY(!db.isOpen());
        QCOMPARE(db.path(), path);
        QCOMPARE(QFile::exists(path), !setup.isEmpty());
        QCOMPARE(QFileInfo(path).size(), sizeBefore);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), setup.isEmpty() ? QStringList() : QStringList{"Tips.db"});

        // Nothing is left open: a record set gets an error, not a crash.
        RecordSet set(db, TipQueries::UnreadSet);
        QVERIFY(!set.open());
        QVERIFY(!set.lastError().text().isEmpty());
    }

    void folderWithAwkwardCharacters()
    {
        TempTipDb fixture;
        QVERIFY(fixture.create(QStringLiteral("my tips #1 ?50% \u00fcber \u7d93\u6587/Tips.db")));
        QVERIFY(fixture.addTip(943, 3, 16, 16, QStringLiteral("For God so loved"), 501) > 0);

        TipDatabase db;
        QVERIFY2(db.open(fixture.path()), qPrintable(db.lastError().text()));
        RecordSet set(db, TipQueries::UnreadSet);
        QVERIFY(set.open());
        QCOMPARE(set.value(QStringLiteral("Content")).toString(), QStringLiteral("For God so loved"));
        // Nothing was made beside the real file by a misread path.
        QCOMPARE(QDir(fixture.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
    }

    void closeAndReopen()
    {
        TempTipDb fixture;
        QVERIFY(fixture.create());
        QVERIFY(fixture.addTip(901, 1, 1, 1, QStringLiteral("In the beginning"), 500) > 0);
        TipDatabase db;
        QVERIFY(db.open(fixture.path()));
        QVERIFY(db.isOpen());
        RecordSet set(db, TipQueries::UnreadSet);
        QVERIFY(set.open());

        db.close();
        QVERIFY(!db.isOpen());
        bool ok = true;
        QVERIFY(!set.value(QStringLiteral("Book"), &ok).isValid());
        QVERIFY(!ok);
        QVERIFY(!set.lastError().text().isEmpty());

        // The statements of the first opening are not reused on the second.
        QVERIFY(db.open(fixture.path()));
        QVERIFY(set.requery());
        QCOMPARE(set.value(QStringLiteral("Book"), &ok).toInt(), 901);
        QVERIFY(ok);
    }
};

QTEST_GUILESS_MAIN(TestTipDatabase)
#include "test_tipdatabase.moc"
