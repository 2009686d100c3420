#include "platform/DesktopPlatform.h"
#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// The single-instance lock keeps a second copy from running beside the first,
// hidden or not, but lets a copy in the other language start.
class TestInstanceLock : public QObject {
    Q_OBJECT

private slots:
    void aSecondCopyIsRefusedWhileTheFirstHoldsTheLock()
    {
        const QString title = QStringLiteral("Versedawn Of The Day");
        InstanceLock first;
        QVERIFY(first.claim(title));
        QVERIFY(first.isHeld());

        InstanceLock second;
        QVERIFY(!second.claim(title));
        QVERIFY(!second.isHeld());
        // Asking again, many times over, never wears the first copy's lock out.
        for (int i = 0; i < 40; ++i)
            QVERIFY(!InstanceLock().claim(title));
        QCoreApplication::processEvents();
        QVERIFY(!InstanceLock().claim(title));
    }

    void aCopyInTheOtherLanguageIsNotRefused()
    {
        InstanceLock english;
        QVERIFY(english.claim(QStringLiteral("Versedawn Of The Day")));
        InstanceLock chinese;
        QVERIFY(chinese.claim(QStringLiteral("每日金句")));
        QVERIFY(InstanceLock::socketNameFor(QStringLiteral("每日金句"))
                != InstanceLock::socketNameFor(QStringLiteral("Versedawn Of The Day")));
    }

    void theLockEndsWithItsCopyAndAStaleSocketIsReplaced()
    {
        const QString title = QStringLiteral("stale test");
        {
            InstanceLock first;
            QVERIFY(first.claim(title));
        }
        InstanceLock next;
        QVERIFY(next.claim(title));

        // A copy that crashed leaves its socket file behind with nobody listening.
        const QString leftOver = QDir::temp().filePath(InstanceLock::socketNameFor(QStringLiteral("crashed")));
        QFile stale(leftOver);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        InstanceLock afterCrash;
        QVERIFY(afterCrash.claim(QStringLiteral("crashed")));
    }

    void theRandomSourceStaysBelowOneAndRepeatsForASeed()
    {
        DesktopPlatform a;
        DesktopPlatform b;
        a.seedRandom(4242);
        b.seedRandom(4242);
        for (int i = 0; i < 10000; ++i) {
            const float r = a.nextRandom();
            QVERIFY(r >= 0.0f && r < 1.0f);
            QCOMPARE(b.nextRandom(), r);
        }
    }
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "test_instancelock.moc"
