#include "app/StartUp.h"
#include "app/TipSelector.h"
#include "settings/ProgramSettings.h"
#include "support/ProgramFixture.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

using namespace ProgramSettings;

// Which tip the main window shows, how Next and Reset move through the
// tips, and the read marks they leave in the database.
class TestTipSelection : public QObject {
    Q_OBJECT

private:
    // The tip on show, then the one after each of `clicks` presses on Next.
    static QString walk(ProgramFixture &f, frmTip &window, int clicks)
    {
        QStringList shown{ProgramFixture::contentOnShow(window)};
        for (int i = 0; i < clicks; ++i) {
            QTest::mouseClick(f.control<QPushButton>(&window, "cmdnexttip"), Qt::LeftButton);
            shown << ProgramFixture::contentOnShow(window);
        }
        return shown.join(QLatin1Char(' '));
    }

    static QString readMarks(const ProgramFixture &f)
    {
        QString marks;
        for (const StoredTip &tip : f.tips.rows())
            marks += tip.read ? QLatin1Char('R') : QLatin1Char('-');
        return marks;
    }

private slots:
    void theTipTextNamesThePassage()
    {
        ProgramFixture f;
        QVERIFY(f.tips.create());
        QVERIFY(f.tips.addTip(943, 3, 16, 18, QStringLiteral("For God so loved the world"), 514) > 0);
        QVERIFY(f.tips.addTip(919, 23, 1, 1, QStringLiteral("The LORD is my shepherd"), 515) > 0);
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(window->tipText(), QStringLiteral("For God so loved the world\r\n\r\nJohn  3:16-18"));
        QCOMPARE(f.control<QPlainTextEdit>(window.get(), "txtTip")->toPlainText(),
                 QStringLiteral("For God so loved the world\n\nJohn  3:16-18"));
        walk(f, *window, 1);
        QCOMPARE(window->tipText(), QStringLiteral("The LORD is my shepherd\r\n\r\nPsalms  23:1"));
    }

    void theChineseFileIsTakenFromTheProgramFolderWhateverTheWorkingFolder()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("English tip")});
        QVERIFY(f.tips.create(QStringLiteral("CTips.db")));
        QVERIFY(f.tips.addTip(943, 3, 16, 17, QStringLiteral("神愛世人"), 514) > 0);
        f.setSetting(Key::Language, QStringLiteral("10000"));
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        auto window = f.loadMainWindow();
        QDir::setCurrent(previous);
        QVERIFY(window);
        QCOMPARE(window->tipText(), QStringLiteral("神愛世人\r\n\r\n約翰福音  3:16-17"));
        QVERIFY(QDir(elsewhere.path()).isEmpty());
    }

    void tableOrderWalksTheSetThenStartsOverFromTheTablesFirstRow()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("X"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        QVERIFY(f.tips.exec(QStringLiteral("UPDATE Main SET Read = 1 WHERE Content = 'X'")));
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(walk(f, *window, 2), QStringLiteral("A B C"));
        QCOMPARE(readMarks(f), QStringLiteral("RRRR"));
        QCOMPARE(walk(f, *window, 1), QStringLiteral("C X"));
        QCOMPARE(readMarks(f), QStringLiteral("R---"));
        QVERIFY(f.platform.messages.isEmpty());
    }

    void aTipAddedDuringTheRunJoinsTheWalkAfterTheWrap()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A"), QStringLiteral("B")});
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QVERIFY(f.tips.addTip(940, 5, 9, 9, QStringLiteral("D"), 518) > 0);
        QCOMPARE(walk(f, *window, 4), QStringLiteral("A B A B D"));
    }

    void whenEveryTipIsReadTheMarksStartOverAtStartUp()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A"), QStringLiteral("B")});
        QVERIFY(f.tips.exec(QStringLiteral("UPDATE Main SET Read = 1")));
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(ProgramFixture::contentOnShow(*window), QStringLiteral("A"));
        QCOMPARE(readMarks(f), QStringLiteral("R-"));
    }

    void randomOrderDrawsUniformlyAmongTheUnreadTips()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
        f.setSetting(Key::Mode, QStringLiteral("1"));
        // The largest float below 1 must reach the last of four tips (a draw
        // over n - 1 never would); each later draw is among the tips not yet
        // read: A of A B C, then C of B C, then the only one left, B.
        f.platform.randoms = {0.99999994f, 0.0f, 0.99999994f, 0.5f};
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(walk(f, *window, 3), QStringLiteral("D A C B"));
        QCOMPARE(readMarks(f), QStringLiteral("RRRR"));
        // All read: the next draw starts over among all four.
        f.platform.randoms = {0.3f};
        QCOMPARE(walk(f, *window, 1), QStringLiteral("B B"));
        QCOMPARE(readMarks(f), QStringLiteral("-R--"));
    }

    void resetMarksEverythingUnreadButKeepsTheWalk()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(walk(f, *window, 1), QStringLiteral("A B"));
        for (int round = 1; round <= 2; ++round) {   // the second time nothing is read
            QTest::mouseClick(f.control<QPushButton>(window.get(), "cmdreset"), Qt::LeftButton);
            QCOMPARE(f.platform.messages.size(), round);
            QCOMPARE(f.platform.messages.last().text, QStringLiteral("All tips are set to unread!"));
            QCOMPARE(f.platform.messages.last().icon, MessageIcon::Information);
            QCOMPARE(readMarks(f), QStringLiteral("---"));
            QCOMPARE(ProgramFixture::contentOnShow(*window), QStringLiteral("B"));
        }
        QCOMPARE(walk(f, *window, 2), QStringLiteral("B C A"));
    }

    void anEmptyTableShowsNothingAndSaysNothing()
    {
        for (const char *mode : {"0", "1"}) {
            ProgramFixture f;
            f.createTips({});
            f.setSetting(Key::Mode, QLatin1String(mode));
            auto window = f.loadMainWindow();
            QVERIFY(window);
            QCOMPARE(walk(f, *window, 1), QStringLiteral(" "));
            QVERIFY(f.platform.messages.isEmpty());
        }
    }

    void aTipThatCannotBeComposedKeepsTheTextOnShow()
    {
        ProgramFixture f;
        QVERIFY(f.tips.create());
        QVERIFY(f.tips.addTip(943, 3, 16, 16, QStringLiteral("Good"), 514) > 0);
        QVERIFY(f.tips.addTip(999, 1, 1, 2, QStringLiteral("Bookless"), 514) > 0);
        auto window = f.loadMainWindow();
        QVERIFY(window);
        walk(f, *window, 1);
        QCOMPARE(window->tipText(), QStringLiteral("Good\r\n\r\nJohn  3:16"));
        QCOMPARE(readMarks(f), QStringLiteral("RR"));
    }

    void aDatabaseThatCannotBeWrittenStillShowsTips()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A"), QStringLiteral("B")});
        QVERIFY(f.program.database.open(f.tips.path()));
        QSqlQuery(f.program.database.connection()).exec(QStringLiteral("PRAGMA query_only = ON"));
        TipSelector selector(f.program.database, f.program.state, [] { return 0.0f; });
        QVERIFY(selector.start());
        selector.showtip();
        QCOMPARE(selector.tipText().left(1), QStringLiteral("A"));
        selector.getnexttip();
        selector.showtip();
        QCOMPARE(selector.tipText().left(1), QStringLiteral("B"));
        QCOMPARE(readMarks(f), QStringLiteral("--"));
    }

    void aDatabaseThatCannotBeOpenedEndsTheProgram_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QStringLiteral("missing") << QStringLiteral("unable to open database file");
        QTest::newRow("not a database") << QStringLiteral("text") << QStringLiteral("file is not a database");
        QTest::newRow("no Main") << QStringLiteral("no table") << QStringLiteral("no such table: Main");
        QTest::newRow("no Read") << QStringLiteral("no field") << QStringLiteral("no such column: Read");
    }

    void aDatabaseThatCannotBeOpenedEndsTheProgram()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        ProgramFixture f;
        const QString path = QDir(f.tips.dir()).filePath(QStringLiteral("Tips.db"));
        if (kind == QLatin1String("text")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(2048, 'x'));
        } else if (kind != QLatin1String("missing")) {
            QVERIFY(f.tips.create());
            QVERIFY(f.tips.exec(QStringLiteral("DROP TABLE Main")));
            if (kind == QLatin1String("no field"))
                QVERIFY(f.tips.exec(QStringLiteral(
                    "CREATE TABLE Main (Book INTEGER, Chapter INTEGER, \"From\" INTEGER, \"To\" INTEGER, "
                    "Content TEXT, Category INTEGER)")));
            else
                QVERIFY(f.tips.exec(QStringLiteral("CREATE TABLE Other (x)")));
        }

        StartUpResult result = startVersedawn(f.program);
        QVERIFY(!result.mainWindow);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].icon, MessageIcon::Critical);
        QVERIFY2(f.platform.messages[0].text.contains(path), qPrintable(f.platform.messages[0].text));
        QVERIFY2(f.platform.messages[0].text.contains(reason), qPrintable(f.platform.messages[0].text));
        QCOMPARE(QFile::exists(path), kind != QLatin1String("missing"));
        QVERIFY(!f.program.database.isOpen());
    }
};

QTEST_MAIN(TestTipSelection)
#include "test_tipselection.moc"
