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

private:
    static QString caption(ProgramFixture &f, QWidget *w, const char *name)
    {
        auto *button = f.control<QPushButton>(w, name);
        return button ? button->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    }

private slots:
    void englishCaptions()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A")});
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("frmTip"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Versedawn Of The Day"));
        const QStringList captions = {caption(f, window.get(), "cmdok"), caption(f, window.get(), "cmdnexttip"),
                                      caption(f, window.get(), "cmdaddtip"), caption(f, window.get(), "cmdreset"),
                                      caption(f, window.get(), "cmdoption"), caption(f, window.get(), "cmdsearch"),
                                      caption(f, window.get(), "cmdAbout")};
        QCOMPARE(captions, (QStringList{QStringLiteral("OK"), QStringLiteral("Next"), QStringLiteral("Add"),
                                        QStringLiteral("Reset"), QStringLiteral("Option"),
                                        QStringLiteral("Search"), QStringLiteral("About")}));
        QCOMPARE(f.control<QLabel>(window.get(), "lblDid")->text(), QStringLiteral("Did you know ..."));
        // The tip box is named for assistive technologies after its label.
        QCOMPARE(f.control<QPlainTextEdit>(window.get(), "txtTip")->accessibleName(),
                 QStringLiteral("Did you know ..."));
        QVERIFY(f.control<QLabel>(window.get(), "Picture1"));
        auto *timer = f.control<QTimer>(window.get(), "DayTimer");
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 60000);
        QVERIFY(f.platform.messages.isEmpty());
    }

    void chineseCaptionsWithAnyNonZeroLanguage()
    {
        ProgramFixture f;
        f.setSetting(Key::Language, QStringLiteral("1"));
        f.createTips({QStringLiteral("甲")}, QStringLiteral("CTips.db"));
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QCOMPARE(f.program.state.LangOffset, qint16(10000));
        QCOMPARE(window->windowTitle(), QStringLiteral("每日金句"));
        QCOMPARE(caption(f, window.get(), "cmdok"), QStringLiteral("確定"));
        QCOMPARE(caption(f, window.get(), "cmdnexttip"), QStringLiteral("下一句"));
        QCOMPARE(caption(f, window.get(), "cmdAbout"), QStringLiteral("關於"));
        QCOMPARE(f.control<QLabel>(window.get(), "lblDid")->text(), QStringLiteral("你知不知道 ..."));
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
        QCOMPARE(window->pos(), centredTopLeft(QGuiApplication::primaryScreen()->availableGeometry(),
                                               window->size()));
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
        QVERIFY(tip->font().bold());
        QVERIFY(tip->font().strikeOut());
        QVERIFY(!tip->font().italic());
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
        StartUpResult started = startVersedawn(f.program);
        QVERIFY(started.mainWindow);
        QCOMPARE(f.platform.claimedTitles.last(), QStringLiteral("每日金句"));
        QCOMPARE(f.platform.messages.size(), 1);

        // And a Chinese copy already running refuses it, in Chinese.
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
        QVERIFY(f.program.state.DailyOn); // the default
        QSignalSpy ended(window.get(), &frmTip::programEnded);

        QTest::mouseClick(f.control<QPushButton>(window.get(), "cmdok"), Qt::LeftButton);
        QVERIFY(window->isHidden());
        QVERIFY(f.platform.trayIconShown);
        QCOMPARE(f.platform.trayToolTip, QStringLiteral("Versedawn"));
        QVERIFY(!f.platform.trayIcon.isNull());

        f.platform.activateTrayIcon(TrayAction::DoubleClick);
        QVERIFY(window->isVisible());
        QVERIFY(!window->close());
        QVERIFY(window->isHidden());
        QVERIFY(f.platform.trayIconShown);
        QCOMPARE(ended.count(), 0);
        QVERIFY(f.program.database.isOpen());

        // The end of the desktop session ends the program all the same.
        window->sessionEnding();
        QVERIFY(window->close());
        QCOMPARE(ended.count(), 1);
        QVERIFY(!f.program.database.isOpen());
        QVERIFY(!f.platform.trayIconShown);
    }

    void withoutANotificationAreaTheWindowIsMinimised()
    {
        ProgramFixture f;
        f.createTips({QStringLiteral("A")});
        f.platform.hasNotificationArea = false;
        auto window = f.loadMainWindow();
        QVERIFY(window);
        QTest::mouseClick(f.control<QPushButton>(window.get(), "cmdok"), Qt::LeftButton);
        QVERIFY(window->isVisible());
        QVERIFY(window->isMinimized());
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
            QVERIFY(!window->isVisible());
            QVERIFY(!otherWindow.isVisible());
            QVERIFY(!f.program.database.isOpen());
            QCOMPARE(f.platform.trayIconsAdded, 0);
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
