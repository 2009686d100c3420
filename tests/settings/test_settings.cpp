#include "settings/ProgramSettings.h"
#include "settings/SettingReaders.h"
#include "settings/SettingWriters.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ProgramSettings;

class TestSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;
    std::unique_ptr<SettingsStore> m_store;

    void store(const QString &key, const QString &text) { write(*m_store, key, text); }

private slots:
    void init()
    {
        QVERIFY(m_root.isValid());
        QFile::remove(m_root.filePath(QStringLiteral("Versedawn/Versedawn.conf")));
        m_store = std::make_unique<SettingsStore>(m_root.path());
    }

    void anEmptyStoreGivesEveryDefault()
    {
        QCOMPARE(langOffset(*m_store), qint16(0));
        QVERIFY(loadAtStartUp(*m_store));
        QVERIFY(dailyOn(*m_store));
        QCOMPARE(showHour(*m_store), qint16(8));
        QCOMPARE(randomMode(*m_store), qint16(0));
        const TipFont font = tipFont(*m_store);
        QCOMPARE(font.name, QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.pointSize, 8.0);
        QVERIFY(!font.bold && !font.italic && !font.underline && !font.strikethru);
        QCOMPARE(font.colour, 16711680);
        QCOMPARE(font.toColor(), QColor(0, 0, 255));
        // A reader never writes its default back.
        QVERIFY(!QFile::exists(m_store->fileFor(kApplication)));
    }

    void valuesLiveInTheNativeConfigurationFile()
    {
        store(Key::Showtime, QStringLiteral("21"));
        const QString file = m_root.filePath(QStringLiteral("Versedawn/Versedawn.conf"));
        QCOMPARE(m_store->fileFor(kApplication), file);
        QFile conf(file);
        QVERIFY(conf.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(conf.readAll());
        QVERIFY2(text.contains(QStringLiteral("[Setting]")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Showtime=21")), qPrintable(text));
        QCOMPARE(showHour(*m_store), qint16(21));
    }

    void namesMatchWithoutRegardToCase()
    {
        // The options dialog writes "Fontcolor"; the main window reads "FontColor".
        store(Key::FontColorWritten, QStringLiteral("255"));
        QCOMPARE(tipFont(*m_store).colour, 255);
        QCOMPARE(m_store->GetSetting(kApplication, QStringLiteral("SETTING"), QStringLiteral("fontCOLOR"),
                                     QString()),
                 QStringLiteral("255"));

        // A write under another spelling replaces the value instead of adding a twin.
        store(Key::FontColor, QStringLiteral("65280"));
        store(Key::FontColorWritten, QStringLiteral("128"));
        QFile conf(m_store->fileFor(kApplication));
        QVERIFY(conf.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(conf.readAll());
        QCOMPARE(text.count(QStringLiteral("olor="), Qt::CaseInsensitive), 1);
        QCOMPARE(tipFont(*m_store).colour, 128);

        m_store->SaveSetting(kApplication, QStringLiteral("setting"), QStringLiteral("mode"), QStringLiteral("1"));
        QCOMPARE(randomMode(*m_store), qint16(1));
    }

    void languageOffsetFromTheStoredText_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("offset");
        QTest::newRow("0") << QStringLiteral("0") << 0;
        QTest::newRow("1") << QStringLiteral("1") << 10000;
        QTest::newRow("10000") << QStringLiteral("10000") << 10000;
        QTest::newRow("negative") << QStringLiteral("-3") << 10000;
        QTest::newRow("not a number") << QStringLiteral("chinese") << 0;
        QTest::newRow("empty") << QString() << 0;
    }

    void languageOffsetFromTheStoredText()
    {
        QFETCH(QString, stored);
        QFETCH(int, offset);
        store(Key::Language, stored);
        QCOMPARE(langOffset(*m_store), qint16(offset));
    }

    void flagsCountOnlyWhenEqualToOne()
    {
        store(Key::Daily, QStringLiteral("2"));
        store(Key::Mode, QStringLiteral("2"));
        store(Key::LoadAtStartUp, QStringLiteral("2"));
        QVERIFY(!dailyOn(*m_store));
        QCOMPARE(randomMode(*m_store), qint16(0));
        QVERIFY(!loadAtStartUp(*m_store));
        store(Key::Mode, QStringLiteral(" 1 "));
        QCOMPARE(randomMode(*m_store), qint16(1));
        // Text that is no number gives the reader's default, not a crash.
        store(Key::Daily, QStringLiteral("yes"));
        QVERIFY(dailyOn(*m_store));
        store(Key::Mode, QStringLiteral("x"));
        QCOMPARE(randomMode(*m_store), qint16(0));
    }

    void hourConvertsOrFallsBack()
    {
        store(Key::Showtime, QStringLiteral("23"));
        QCOMPARE(showHour(*m_store), qint16(23));
        store(Key::Showtime, QStringLiteral("30"));    // kept: it simply never matches
        QCOMPARE(showHour(*m_store), qint16(30));
        store(Key::Showtime, QStringLiteral("6.5"));   // half to even
        QCOMPARE(showHour(*m_store), qint16(6));
        store(Key::Showtime, QStringLiteral("eight"));
        QCOMPARE(showHour(*m_store), qint16(8));
        store(Key::Showtime, QStringLiteral("99999")); // no 16-bit hour
        QCOMPARE(showHour(*m_store), qint16(8));
    }

    void fontValuesFromTheirStoredTexts()
    {
        store(Key::FontName, QStringLiteral("DejaVu Serif"));
        store(Key::FontSize, QStringLiteral("10.5"));
        store(Key::FontBold, QStringLiteral("tRUE"));
        store(Key::FontItalic, QStringLiteral("-1"));
        store(Key::FontUnderline, QStringLiteral("0"));
        store(Key::FontStrikethru, QStringLiteral("perhaps"));
        store(Key::FontColor, QStringLiteral("&HFF"));
        TipFont font = tipFont(*m_store);
        QCOMPARE(font.name, QStringLiteral("DejaVu Serif"));
        QCOMPARE(font.pointSize, 10.5);
        QVERIFY(font.bold);
        QVERIFY(font.italic);
        QVERIFY(!font.underline);
        QVERIFY(!font.strikethru);
        QCOMPARE(font.toColor(), QColor(255, 0, 0));

        const QFont qfont = font.toFont();
        QCOMPARE(qfont.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(qfont.pointSizeF(), 10.5);
        QVERIFY(qfont.bold() && qfont.italic() && !qfont.underline());

        // A size written with a decimal comma reads up to the comma.
        store(Key::FontSize, QStringLiteral("9,75"));
        QCOMPARE(tipFont(*m_store).pointSize, 9.0);
        store(Key::FontSize, QStringLiteral("12pt"));
        QCOMPARE(tipFont(*m_store).pointSize, 12.0);
        store(Key::FontSize, QStringLiteral("big"));
        QCOMPARE(tipFont(*m_store).pointSize, 8.0);
        store(Key::FontSize, QStringLiteral("0"));
        QCOMPARE(tipFont(*m_store).pointSize, 8.0);
    }

    void writtenValuesReadBackAsWritten()
    {
        // A font size is written with a period even where the user's locale
        // writes a decimal comma, so that it reads back whole.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        store(Key::FontSize, SettingWriters::fontSize(9.75));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(read(*m_store, Key::FontSize, QString()), QStringLiteral("9.75"));
        QCOMPARE(tipFont(*m_store).pointSize, 9.75);
        QCOMPARE(SettingWriters::fontSize(8), QStringLiteral("8"));

        store(Key::FontBold, SettingWriters::truth(true));
        store(Key::Daily, SettingWriters::flag(false));
        store(Key::FontColorWritten, SettingWriters::number(bgrFromColor(QColor(1, 2, 3))));
        const TipFont font = tipFont(*m_store);
        QVERIFY(font.bold);
        QVERIFY(!dailyOn(*m_store));
        QCOMPARE(font.toColor(), QColor(1, 2, 3));
    }

    void coloursInDecimalAndHexadecimal()
    {
        using SettingReaders::colour;
        const QString fallback = QStringLiteral("&HFF0000");
        QCOMPARE(colour(QStringLiteral("16711680"), fallback), 0xFF0000);
        QCOMPARE(colour(QStringLiteral("&h00ff00"), fallback), 0x00FF00);
        QCOMPARE(colour(QStringLiteral("&HFFFFFFFF"), fallback), -1);
        QCOMPARE(colour(QStringLiteral("-2147483648"), fallback), std::numeric_limits<qint32>::min());
        QCOMPARE(colour(QStringLiteral("4294967296"), fallback), 0xFF0000);
        QCOMPARE(colour(QStringLiteral("&HXYZ"), fallback), 0xFF0000);
        QCOMPARE(colorFromBgr(0x00332211), QColor(0x11, 0x22, 0x33));
        QCOMPARE(bgrFromColor(QColor(0x11, 0x22, 0x33)), 0x00332211);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
