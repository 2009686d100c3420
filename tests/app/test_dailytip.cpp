#include "settings/ProgramSettings.h"
#include "support/ProgramFixture.h"

#include <QPushButton>
#include <QtTest>

using namespace ProgramSettings;

// The notification icon and the once-a-day tip, with the clock and the
// notification area faked.
class TestDailyTip : public QObject {
    Q_OBJECT

private:
    // Ticks once a minute from the fake clock's time for the given minutes.
    static void tickFor(ProgramFixture &f, frmTip &window, int minutes)
    {
        for (int i = 0; i < minutes; ++i) {
            f.platform.advance(60);
            window.DayTimer_Timer();
        }
    }

    static std::unique_ptr<frmTip> startAt(ProgramFixture &f, const QDateTime &now)
    {
        f.createTips({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
        f.platform.now = now;
        return f.loadMainWindow();
    }

private slots:
    void noDailyTipOnTheDayOfStartUp()
    {
        for (QTime startTime : {QTime(7, 0), QTime(8, 30)}) {
            ProgramFixture f;
            auto window = startAt(f, QDateTime(QDate(2026, 5, 1), startTime));
            QVERIFY(window);
            QTest::mouseClick(f.control<QPushButton>(window.get(), "cmdok"), Qt::LeftButton);
            QVERIFY(window->isHidden());
            // Through the rest of the day, the hour of the daily tip included.
            tickFor(f, *window, (24 * 60) - startTime.msecsSinceStartOfDay() / 60000 - 1);
            QCOMPARE(ProgramFixture::contentOnShow(*window), QStringLiteral("A"));
            QVERIFY(window->isHidden());
            QVERIFY(f.platform.trayIconShown);
        }
    }

    void theNextDayExactlyOneTipAtTheFirstTickOfTheHour()
    {
        ProgramFixture f;
        f.setSetting(Key::Showtime, QStringLiteral("8"));
        auto window = startAt(f, QDateTime(QDate(2026, 5, 1), QTime(9, 15)));
        QVERIFY(window);
        QTest::mouseClick(f.control<QPushButton>(window.get(), "cmdok"), Qt::LeftButton);
        QVERIFY(window->isHidden());

        f.platform.now = QDateTime(QDate(2026, 5, 2), QTime(7, 58));
        window->DayTimer_Timer();
        f.platform.advance(60); // 07:59
        window->DayTimer_Timer();
        QCOMPARE(ProgramFixture::contentOnShow(*window), QStringLiteral("A"));
        QVERIFY(window->isHidden());

        f.platform.advance(60); // 08:00
        window->DayTimer_Timer();
        QCOMPARE(ProgramFixture::contentOnShow(*window), QStringLiteral("B"));
        QVERIFY(window->isVisible());
        QVERIFY(!f.platform.trayIconShown);
        QCOMPARE(f.program.state.LastShownDay, QStringLiteral("260502"));
        QCOMPARE(f.tips.rows()[1].read, true);

        tickFor(f, *window, 59 + 24 * 60 - 60); // the rest of that day and the next night
        QCOMPARE(ProgramFixture::contentOnShow(*window), QStringLiteral("B"));

        // The tip also comes while the window is on the screen.
        f.platform.now = QDateTime(QDate(2026, 5, 3), QTime(8, 0, 30));
        window->DayTimer_Timer();
        QCOMPARE(ProgramFixture::contentOnShow(*window), QStringLiteral("C"));
    }

    void neverWhenTheDailyTipIsOffOrTheHourCannotMatch_data()
    {
        QTest::addColumn<QString>("daily");
        QTest::addColumn<QString>("hour");
        QTest::newRow("off") << QStringLiteral("0") << QStringLiteral("8");
        QTest::newRow("off by 2") << QStringLiteral("2") << QStringLiteral("8");
        QTest::newRow("hour 24") << QStringLiteral("1") << QStringLiteral("24");
        QTest::newRow("hour -1") << QStringLiteral("1") << QStringLiteral("-1");
    }

    void neverWhenTheDailyTipIsOffOrTheHourCannotMatch()
    {
        QFETCH(QString, daily);
        QFETCH(QString, hour);
        ProgramFixture f;
        f.setSetting(Key::Daily, daily);
        f.setSetting(Key::Showtime, hour);
        auto window = startAt(f, QDateTime(QDate(2026, 5, 1), QTime(12, 0)));
        QVERIFY(window);
        tickFor(f, *window, 2 * 24 * 60);
        QCOMPARE(ProgramFixture::contentOnShow(*window), QStringLiteral("A"));
        QCOMPARE(f.platform.trayIconsAdded, 0);
    }

    void onlyADoubleClickBringsTheWindowBack()
    {
        ProgramFixture f;
        auto window = startAt(f, QDateTime(QDate(2026, 5, 1), QTime(10, 0)));
        QVERIFY(window);
        QTest::mouseClick(f.control<QPushButton>(window.get(), "cmdok"), Qt::LeftButton);
        QCOMPARE(f.platform.trayIconsAdded, 1);

        for (TrayAction action : {TrayAction::Click, TrayAction::ContextClick, TrayAction::MiddleClick,
                                  TrayAction::Unknown}) {
            f.platform.activateTrayIcon(action);
            QVERIFY(window->isHidden());
            QVERIFY(f.platform.trayIconShown);
        }
        f.platform.activateTrayIcon(TrayAction::DoubleClick);
        QVERIFY(window->isVisible());
        QVERIFY(!f.platform.trayIconShown);
        // The same tip as before; restoring chooses nothing new.
        QCOMPARE(ProgramFixture::contentOnShow(*window), QStringLiteral("A"));
        QCOMPARE(f.tips.rows()[1].read, false);
    }
};

QTEST_MAIN(TestDailyTip)
#include "test_dailytip.moc"
