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
    static QString contentOnShow(frmTip &window)
    {
        return window.tipText().section(QStringLiteral("\r\n"), 0, 0);
    }

    static void clickNext(ProgramFixture &f, frmTip &window)
    {
        QTest::mouseClick(f.control<QPushButton>(&window, "cmdnexttip"), Qt::LeftButton);
    }

    static QList<bool> readMarks(const ProgramFixture &f)
    {
        QList<bool> marks;
        for (const StoredTip &tip : f.tips.rows())
            marks.append(tip.read);
        return marks;
    }

private slots:
    void theTipTextNamesThePassage()
    {
        ProgramFixture f;
        QVERIFY(f.tips.create());
        QVERIFY(f.tips.addTip(943, 3, 16, 18, QStringLiteral("For God so loved the world"), 514) > 0);
        QVERIFY(f.tips.addTip(919, 23, 1, 1, QStringLiteral("The LORD is my shepherd"), 515) > 0);
        f.createTips({QStringLiteral("神愛世人")}, QStringLiteral("CTips.db"));

        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(window->tipText(), QStringLiteral("For God so loved the world\r\n\r\nJohn  3:16-18"));
        QCOMPARE(f.control<QPlainTextEdit>(window.get(), "txtTip")->toPlainText(),
                 QStringLiteral("For God so loved the world\n\nJohn  3:16-18"));
        clickNext(f, *window);
        QCOMPARE(window->tipText(), QStringLiteral("The LORD is my shepherd\r\n\r\nPsalms  23:1"));

        ProgramFixture chinese;
        chinese.setSetting(Key::Language, QStringLiteral("10000"));
        QVERIFY(chinese.tips.create(QStringLiteral("CTips.db")));
        QVERIFY(chinese.tips.addTip(943, 3, 16, 17, QStringLiteral("神愛世人"), 514) > 0);
        auto chineseWindow = chinese.loadMainWindow();
        QVERIFY(chineseWindow);
        QCOMPARE(chineseWindow->tipText(), QStringLiteral("神愛世人\r\n\r\n約翰福音  3:16-17"));
    }

    void theChineseFileIsTakenFromTheProgramFolderWhateverTheWorkingFolder()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("English tip")});
        f.createTips({QStringLiteral("中文金句")}, QStringLiteral("CTips.db"));
        f.setSetting(Key::Language, QStringLiteral("10000"));
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        auto window = f.loadMainWindow();
        QDir::setCurrent(previous);
        QVERIFY(window);
        QCOMPARE(f.program.database.path(), QDir(f.tips.dir()).filePath(QStringLiteral("CTips.db")));
        QCOMPARE(contentOnShow(*window), QStringLiteral("中文金句"));
        QVERIFY(QDir(elsewhere.path()).isEmpty());
    }

    void tableOrderWalksTheSetThenStartsOverFromTheTablesFirstRow()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("X"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        QVERIFY(f.tips.exec(QStringLiteral("UPDATE Main SET Read = 1 WHERE Content = 'X'")));
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("A"));
        clickNext(f, *window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("B"));
        clickNext(f, *window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("C"));
        QCOMPARE(readMarks(f), (QList<bool>{true, true, true, true}));
        clickNext(f, *window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("X"));
        QCOMPARE(readMarks(f), (QList<bool>{true, false, false, false}));
        clickNext(f, *window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("A"));
        QVERIFY(f.platform.messages.isEmpty());
    }

    void aTipAddedDuringTheRunJoinsTheWalkAfterTheWrap()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A"), QStringLiteral("B")});
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QVERIFY(f.tips.addTip(940, 5, 9, 9, QStringLiteral("D"), 518) > 0);
        QStringList shown{contentOnShow(*window)};
        for (int i = 0; i < 4; ++i) {
            clickNext(f, *window);
            shown << contentOnShow(*window);
        }
        QCOMPARE(shown, (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("A"),
                                     QStringLiteral("B"), QStringLiteral("D")}));
    }

    void whenEveryTipIsReadTheMarksStartOverAtStartUp()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A"), QStringLiteral("B")});
        QVERIFY(f.tips.exec(QStringLiteral("UPDATE Main SET Read = 1")));
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("A"));
        QCOMPARE(readMarks(f), (QList<bool>{true, false}));
    }

    void randomOrderDrawsUniformlyAmongTheUnreadTips()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
        f.setSetting(Key::Mode, QStringLiteral("1"));
        // The largest float below 1 must reach the last of four tips; a draw
        // over n - 1 would never show it.
        f.platform.randoms = {0.99999994f, 0.0f, 0.99999994f, 0.5f};
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("D"));
        QStringList shown{contentOnShow(*window)};
        for (int i = 0; i < 3; ++i) {
            clickNext(f, *window);
            shown << contentOnShow(*window);
        }
        // Each draw is among the tips not yet read: D; then A of A B C;
        // then C of B C; then the only one left, B.
        QCOMPARE(shown, (QStringList{QStringLiteral("D"), QStringLiteral("A"), QStringLiteral("C"),
                                     QStringLiteral("B")}));
        QCOMPARE(readMarks(f), (QList<bool>{true, true, true, true}));

        // All read: the next draw starts over among all four.
        f.platform.randoms = {0.3f};
        clickNext(f, *window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("B"));
        QCOMPARE(readMarks(f), (QList<bool>{false, true, false, false}));
    }

    void theTipOnShowIsNeverDrawnAgainUntilAllAreRead()
    {
        ProgramFixture f;
        QStringList contents;
        for (int i = 0; i < 12; ++i)
            contents << QStringLiteral("T%1").arg(i);
        f.createTips(contents);
        f.setSetting(Key::Mode, QStringLiteral("1"));
        for (int i = 0; i < 12; ++i)
            f.platform.randoms << float((i * 7919) % 1000) / 1000.0f;
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QSet<QString> seen{contentOnShow(*window)};
        for (int i = 1; i < 12; ++i) {
            clickNext(f, *window);
            QVERIFY2(!seen.contains(contentOnShow(*window)), qPrintable(contentOnShow(*window)));
            seen.insert(contentOnShow(*window));
        }
        QCOMPARE(seen.size(), 12);
    }

    void resetMarksEverythingUnreadButKeepsTheWalk()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        auto window = f.loadMainWindow();
        QVERIFY(window);
        clickNext(f, *window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("B"));

        QTest::mouseClick(f.control<QPushButton>(window.get(), "cmdreset"), Qt::LeftButton);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text, QStringLiteral("All tips are set to unread!"));
        QCOMPARE(f.platform.messages[0].icon, MessageIcon::Information);
        QCOMPARE(readMarks(f), (QList<bool>{false, false, false}));
        QCOMPARE(contentOnShow(*window), QStringLiteral("B"));

        clickNext(f, *window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("C"));
        clickNext(f, *window);
        QCOMPARE(contentOnShow(*window), QStringLiteral("A"));

        // With nothing read, Reset still says so.
        QVERIFY(f.tips.exec(QStringLiteral("UPDATE Main SET Read = 0")));
        QTest::mouseClick(f.control<QPushButton>(window.get(), "cmdreset"), Qt::LeftButton);
        QCOMPARE(f.platform.messages.size(), 2);
        QCOMPARE(f.platform.messages[1].text, QStringLiteral("All tips are set to unread!"));
    }

    void anEmptyTableShowsNothingAndSaysNothing()
    {
        for (bool random : {false, true}) {
            ProgramFixture f;
            f.createTips({});
            f.setSetting(Key::Mode, random ? QStringLiteral("1") : QStringLiteral("0"));
            auto window = f.loadMainWindow();
            QVERIFY(window);
            QCOMPARE(window->tipText(), QString());
            clickNext(f, *window);
            QCOMPARE(window->tipText(), QString());
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
        clickNext(f, *window);
        QCOMPARE(window->tipText(), QStringLiteral("Good\r\n\r\nJohn  3:16"));
        QCOMPARE(readMarks(f), (QList<bool>{true, true}));
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
        QCOMPARE(readMarks(f), (QList<bool>{false, false}));
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
