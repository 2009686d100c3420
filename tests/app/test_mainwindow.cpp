#include "app/StartUp.h"
#include "app/WindowPlacement.h"
#include "settings/ProgramSettings.h"
#include "support/ProgramFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace ProgramSettings;

// Start-up and the main window: language, captions, placement, font, the
// single-instance rule, and what OK and the close box do.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void captionsInTheStoredLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("absent") << QString()
            << QStringList{"Versedawn Of The Day", "OK", "Next", "Add", "Reset", "Option", "Search",
                           "About", "Did you know ..."};
        QTest::newRow("1") << QStringLiteral("1")
            << QStringList{"每日金句", "確定", "下一句", "輸入", "重整", "選項", "搜尋", "關於",
                           "你知不知道 ..."};
    }

    void captionsInTheStoredLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QStringList, captions);
        ProgramFixture f;
        if (!lang.isNull())
            f.setSetting(Key::Language, lang);
        f.createTips({QStringLiteral("A")}, lang.isNull() ? QStringLiteral("Tips.db") : QStringLiteral("CTips.db"));
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QStringList shown{window->windowTitle()};
        for (const char *name : {"cmdok", "cmdnexttip", "cmdaddtip", "cmdreset", "cmdoption", "cmdsearch", "cmdAbout"})
            shown << f.control<QPushButton>(window.get(), name)->text();
        shown << f.control<QLabel>(window.get(), "lblDid")->text();
        QCOMPARE(shown, captions);
        // Assistive technologies name the tip box after the label above it.
        QCOMPARE(f.control<QPlainTextEdit>(window.get(), "txtTip")->accessibleName(), captions.last());
        auto *timer = f.control<QTimer>(window.get(), "DayTimer");
        QVERIFY(timer && timer->isActive() && timer->interval() == 60000);
        QVERIFY(f.platform.messages.isEmpty());
    }

    void centringHalvesTowardZero()
    {
        QCOMPARE(centredTopLeft(QRect(0, 0, 1025, 769), QSize(300, 200)), QPoint(362, 284));
        QCOMPARE(centredTopLeft(QRect(100, 40, 800, 600), QSize(401, 201)), QPoint(299, 239));
        // A window larger than the screen: -100.5 becomes -100, not -101.
        QCOMPARE(centredTopLeft(QRect(0, 0, 800, 600), QSize(1001, 603)), QPoint(-100, -1));

        ProgramFixture f;
        f.createTips({QStringLiteral("A")});
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(window->pos(), centredTopLeft(QGuiApplication::primaryScreen()->availableGeometry(), window->size()));
    }

    void theTipFontComesFromTheSettings()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A")});
        f.setSetting(Key::FontName, QStringLiteral("DejaVu Serif"));
        f.setSetting(Key::FontSize, QStringLiteral("13.5"));
        f.setSetting(Key::FontBold, QStringLiteral("True"));
        f.setSetting(Key::FontStrikethru, QStringLiteral("true"));
        f.setSetting(QStringLiteral("fontcolor"), QStringLiteral("32768"));
        auto window = f.loadMainWindow();
        QVERIFY(window);
        auto *tip = f.control<QPlainTextEdit>(window.get(), "txtTip");
        QCOMPARE(tip->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(tip->font().pointSizeF(), 13.5);
        QVERIFY(tip->font().bold() && tip->font().strikeOut() && !tip->font().italic());
        QCOMPARE(tip->palette().color(QPalette::Text), QColor(0, 128, 0));
    }

    void aSecondCopyIsRefusedInTheSameLanguageOnly()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A")});
        f.createTips({QStringLiteral("甲")}, QStringLiteral("CTips.db"));
        f.platform.titlesOfRunningCopies.insert(QStringLiteral("Versedawn Of The Day"));

        StartUpResult refused = startVersedawn(f.program);
        QVERIFY(!refused.mainWindow);
        QCOMPARE(refused.exitCode, 0);
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].text, QStringLiteral("Versedawn is already running"));
        QCOMPARE(f.platform.messages[0].icon, MessageIcon::Exclamation);

        // After a switch to Chinese the new copy looks for the Chinese title.
        f.setSetting(Key::Language, QStringLiteral("10000"));
        QVERIFY(startVersedawn(f.program).mainWindow);
        QCOMPARE(f.platform.claimedTitles.last(), QStringLiteral("每日金句"));
        f.platform.titlesOfRunningCopies.insert(QStringLiteral("每日金句"));
        QVERIFY(!startVersedawn(f.program).mainWindow);
        QCOMPARE(f.platform.messages.last().text, QStringLiteral("Versedawn 已經運作"));
    }

    void okAndTheCloseBoxHideWhileTheDailyTipIsOn()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A"), QStringLiteral("B")});
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QSignalSpy ended(window.get(), &frmTip::programEnded);

        // OK has the focus, and Enter presses it.
        auto *ok = f.control<QPushButton>(window.get(), "cmdok");
        QCOMPARE(window->focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Return);
        QVERIFY(window->isHidden());
        QVERIFY(f.platform.trayIconShown && !f.platform.trayIcon.isNull());
        QCOMPARE(f.platform.trayToolTip, QStringLiteral("Versedawn"));
        f.platform.activateTrayIcon(TrayAction::DoubleClick);
        QVERIFY(!window->close());
        QVERIFY(window->isHidden() && f.platform.trayIconShown);
        QCOMPARE(ended.count(), 0);
        QVERIFY(f.program.database.isOpen());

        // The end of the desktop session ends the program all the same.
        window->sessionEnding();
        QVERIFY(window->close());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!f.program.database.isOpen() && !f.platform.trayIconShown);
    }

    void withoutANotificationAreaTheWindowIsMinimised()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A")});
        f.platform.hasNotificationArea = false;
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QTest::mouseClick(f.control<QPushButton>(window.get(), "cmdok"), Qt::LeftButton);
        QVERIFY(window->isVisible() && window->isMinimized());
        QCOMPARE(f.platform.trayIconsAdded, 0);
    }

    void okAndTheCloseBoxEndTheProgramWhileTheDailyTipIsOff()
    {
        for (bool viaCloseBox : {false, true}) {
            ProgramFixture f;
            f.createTips({QStringLiteral("A")});
            f.setSetting(Key::Daily, QStringLiteral("0"));
            auto window = f.loadMainWindow();
            QVERIFY(window);
            QWidget otherWindow;
            otherWindow.show();
            QSignalSpy ended(window.get(), &frmTip::programEnded);
            if (viaCloseBox)
                QVERIFY(window->close());
            else
                QTest::mouseClick(f.control<QPushButton>(window.get(), "cmdok"), Qt::LeftButton);
            QCOMPARE(ended.count(), 1);
            QVERIFY(!window->isVisible() && !otherWindow.isVisible());
            QVERIFY(!f.program.database.isOpen());
            QCOMPARE(f.platform.trayIconsAdded, 0);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
