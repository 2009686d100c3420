#include "settings/ProgramSettings.h"
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

    QString confText() const
    {
        QFile conf(m_store->fileFor(kApplication));
        return conf.open(QIODevice::ReadOnly) ? QString::fromUtf8(conf.readAll()) : QString();
    }

    // What the program makes of the value stored under a key, as text.
    QString loaded(const QString &key) const
    {
        const TipFont font = tipFont(*m_store);
        if (key == Key::Language)
            return QString::number(langOffset(*m_store));
        if (key == Key::Daily)
            return QString::number(dailyOn(*m_store));
        if (key == Key::Mode)
            return QString::number(randomMode(*m_store));
        if (key == Key::LoadAtStartUp)
            return QString::number(loadAtStartUp(*m_store));
        if (key == Key::Showtime)
            return QString::number(showHour(*m_store));
        if (key == Key::FontSize)
            return QString::number(font.pointSize);
        if (key == Key::FontBold)
            return QString::number(font.bold);
        return QString::number(font.colour);
    }

private slots:
    void init()
    {
        QFile::remove(m_root.filePath(QStringLiteral("Versedawn/Versedawn.conf")));
        m_store = std::make_unique<SettingsStore>(m_root.path());
    }

    void anEmptyStoreGivesEveryDefaultAndStaysEmpty()
    {
        QCOMPARE(langOffset(*m_store), qint16(0));
        QVERIFY(loadAtStartUp(*m_store) && dailyOn(*m_store));
        QCOMPARE(showHour(*m_store), qint16(8));
        QCOMPARE(randomMode(*m_store), qint16(0));
        const TipFont font = tipFont(*m_store);
        QCOMPARE(font.name, QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.pointSize, 8.0);
        QVERIFY(!font.bold && !font.italic && !font.underline && !font.strikethru);
        QCOMPARE(font.toColor(), QColor(0, 0, 255));
        QVERIFY(!QFile::exists(m_store->fileFor(kApplication)));
    }

    void namesMatchWithoutRegardToCaseInTheNativeFile()
    {
        QCOMPARE(m_store->fileFor(kApplication), m_root.filePath(QStringLiteral("Versedawn/Versedawn.conf")));
        // The options dialog writes "Fontcolor"; the main window reads "FontColor".
        store(Key::FontColor, QStringLiteral("65280"));
        store(Key::FontColorWritten, QStringLiteral("255"));
        QCOMPARE(tipFont(*m_store).colour, 255);
        QVERIFY2(confText().contains(QStringLiteral("[Setting]\nFontcolor=255")), qPrintable(confText()));
        QCOMPARE(confText().count(QStringLiteral("olor="), Qt::CaseInsensitive), 1);
        m_store->SaveSetting(kApplication, QStringLiteral("SETTING"), QStringLiteral("mode"), QStringLiteral("1"));
        QCOMPARE(randomMode(*m_store), qint16(1));
        QCOMPARE(confText().count(QStringLiteral("[")), 1);
    }

    void storedTextsConvertOrFallBack_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("value");
        const auto row = [](const QString &key, const char *stored, const char *value) {
            QTest::addRow("%s=%s", qPrintable(key), stored) << key << QString::fromUtf8(stored) << QString::fromLatin1(value);
        };
        row(Key::Language, "0", "0");
        row(Key::Language, "1", "10000");
        row(Key::Language, "10000", "10000");
        row(Key::Language, "chinese", "0");
        row(Key::Daily, "2", "0");           // a flag is on only when it equals 1
        row(Key::Daily, "yes", "1");         // no number: the default "1"
        row(Key::Mode, " 1 ", "1");
        row(Key::Mode, "2", "0");
        row(Key::LoadAtStartUp, "2", "0");
        row(Key::Showtime, "30", "30");      // kept; it simply never matches
        row(Key::Showtime, "6.5", "6");      // half to even
        row(Key::Showtime, "eight", "8");
        row(Key::Showtime, "99999", "8");    // no 16-bit hour
        row(Key::FontSize, "10.5", "10.5");
        row(Key::FontSize, "9,75", "9");     // read up to the first non-number
        row(Key::FontSize, "big", "8");
        row(Key::FontSize, "0", "8");
        row(Key::FontBold, "tRUE", "1");
        row(Key::FontBold, "-1", "1");
        row(Key::FontBold, "perhaps", "0");
        row(Key::FontColor, "&h00ff00", "65280");
        row(Key::FontColor, "&HFFFFFFFF", "-1");
        row(Key::FontColor, "4294967296", "16711680");
        row(Key::FontColor, "&HXYZ", "16711680");
    }

    void storedTextsConvertOrFallBack()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, value);
        store(key, stored);
        QCOMPARE(loaded(key), value);
    }

    void writtenValuesReadBackAsWritten()
    {
        // A size is written with a period even where the locale writes a comma.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        store(Key::FontSize, SettingWriters::fontSize(9.75));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(tipFont(*m_store).pointSize, 9.75);
        store(Key::FontItalic, SettingWriters::truth(true));
        store(Key::Daily, SettingWriters::flag(false));
        store(Key::FontColorWritten, SettingWriters::number(bgrFromColor(QColor(1, 2, 3))));
        const TipFont font = tipFont(*m_store);
        QVERIFY(font.italic && !dailyOn(*m_store));
        QCOMPARE(font.toColor(), QColor(1, 2, 3));
        QCOMPARE(font.toFont().pointSizeF(), 9.75);
        QVERIFY(font.toFont().italic());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
