#include "text/TextTable.h"

#include <QSet>
#include <QtTest>

// The text table is the program's whole vocabulary: a missing twin, a stray
// identifier or a shifted book shows the wrong word on screen or in a stored
// tip's reference.
class TestTextTable : public QObject {
    Q_OBJECT

private slots:
    void everyEnglishTextHasAChineseTwinAndNothingElseExists()
    {
        const QList<qint16> ids = TextTable::identifiers();
        const QSet<qint16> all(ids.begin(), ids.end());
        int english = 0;
        for (qint16 id : ids) {
            const bool isEnglish = id < kChineseOffset;
            const int englishId = isEnglish ? id : id - kChineseOffset;
            const bool inRange = (englishId >= 1 && englishId <= 84)
                || (englishId >= TextTable::kFirstCategory && englishId <= TextTable::kLastCategory)
                || (englishId >= TextTable::kFirstOldTestamentBook
                    && englishId <= TextTable::kLastNewTestamentBook);
            QVERIFY2(inRange, qPrintable(QString::number(id)));
            QVERIFY2(all.contains(static_cast<qint16>(isEnglish ? id + kChineseOffset : englishId)),
                     qPrintable(QStringLiteral("no twin for %1").arg(id)));
            QVERIFY2(!GetResString(id).isEmpty(), qPrintable(QString::number(id)));
            english += isEnglish ? 1 : 0;
        }
        QCOMPARE(english * 2, ids.size());
        QCOMPARE(english, 72 + 32 + 66);
        QVERIFY(GetResString(13).isNull());   // the interface identifiers have gaps
        QVERIFY(GetResString(10967).isNull());
    }

    void categoriesAndBooksAreContiguousAndInCanonicalOrder()
    {
        for (int code = 500; code <= 531; ++code)
            QVERIFY(!GetResString(static_cast<qint16>(code)).isEmpty());
        QCOMPARE(GetResString(500), QStringLiteral("No Category"));
        QCOMPARE(GetResString(501), QStringLiteral("About Heaven"));
        QCOMPARE(GetResString(521), QStringLiteral("Our Focus"));
        QCOMPARE(GetResString(531), QStringLiteral("Others"));
        QCOMPARE(GetResString(10500), QStringLiteral("沒有類別"));
        QCOMPARE(GetResString(10521), QStringLiteral("信徒的目標/方向"));
        QCOMPARE(GetResString(10531), QStringLiteral("其他"));

        const QStringList firstAndLast = {
            GetResString(901), GetResString(919), GetResString(939),
            GetResString(940), GetResString(943), GetResString(966),
        };
        QCOMPARE(firstAndLast, (QStringList{QStringLiteral("Genesis"), QStringLiteral("Psalms"),
                                            QStringLiteral("Malachi"), QStringLiteral("Matthew"),
                                            QStringLiteral("John"), QStringLiteral("Revelation")}));
        QCOMPARE(GetResString(924), QStringLiteral("Jeremaih"));
        QCOMPARE(GetResString(10924), QStringLiteral("耶利米書"));
        QCOMPARE(GetResString(10901), QStringLiteral("創世記"));
        QCOMPARE(GetResString(10952), QStringLiteral("帖撤羅尼迦前書"));
        QCOMPARE(GetResString(10966), QStringLiteral("啟示錄"));
    }

    void interfaceTextsAreLetterForLetter_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("title") << 9 << QStringLiteral("Versedawn Of The Day") << QStringLiteral("每日金句");
        QTest::newRow("random") << 37 << QStringLiteral("Show Tips in Random") << QStringLiteral("隋機顯示金句");
        QTest::newRow("already running") << 56 << QStringLiteral("is already running") << QStringLiteral("已經運作");
        QTest::newRow("add 60") << 60 << QStringLiteral("Add") << QStringLiteral("加入");
        QTest::newRow("similar") << 62 << QStringLiteral("The tip(s) above is/are similar to the one you entered!")
                                 << QStringLiteral("以上是近似你剛剛輸入的金句!");
        QTest::newRow("still add") << 63 << QStringLiteral("Do u still want to add the tip to the database?")
                                   << QStringLiteral("你是否仍然要加入金句?");
        QTest::newRow("unread") << 76 << QStringLiteral("All tips are set to unread!") << QStringLiteral("所有金句已轉為未讀");
        QTest::newRow("restart") << 80 << QStringLiteral("Please restart Versedawn") << QStringLiteral("請重新啟動此程式");
    }

    void interfaceTextsAreLetterForLetter()
    {
        QFETCH(int, id);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        QCOMPARE(GetResString(static_cast<qint16>(id)), english);
        QCOMPARE(GetResString(static_cast<qint16>(id + kChineseOffset)), chinese);
    }
};

QTEST_GUILESS_MAIN(TestTextTable)
#include "test_texttable.moc"
