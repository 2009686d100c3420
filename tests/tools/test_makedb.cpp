// Runs the built database maker as the build does and checks what it leaves.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// Where each row stands, and then that with its text: the line of the data file it came from.
const QString Place = QStringLiteral("Book || '\t' || Chapter || '\t' || \"From\" || '\t' || \"To\" || '\t' || Category");
const QString PlacesSql = "SELECT " + Place + " FROM Main ORDER BY rowid";
const QString RowsSql = "SELECT " + Place + " || '\t' || Content FROM Main ORDER BY rowid";

// The first column of every row the query gives, read without creating the file if it is missing.
QStringList query(const QString &path, const QString &sql)
{
    QStringList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("makedb-test"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlQuery q(db);
        if (db.open() && q.exec(sql))
            while (q.next())
                values << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("makedb-test"));
    return values;
}

} // namespace

class TestMakeDb : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir; // a fresh one for every test
    QString m_errors;
    QString in() const { return m_dir->filePath(QStringLiteral("in.tsv")); }
    QString out() const { return m_dir->filePath(QStringLiteral("out.db")); }
    QStringList files() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden); }
    void writeIn(const QByteArray &data)
    {
        QFile file(in());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
    }
    // Exit code, or -1 when the tool crashed or hung.
    int runTool(const QString &input)
    {
        QProcess process;
        process.start(QStringLiteral(VERSEDAWN_MAKEDB), {input, out()});
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        m_errors = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }

private slots:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void goodFileGivesEveryRowInOrder()
    {
        const QStringList lines = {"943\t3\t16\t18\t514\tFor God so loved the world; \"whosoever\" -- it's 'quoted'.",
                                   "919\t23\t1\t1\t500\t\u3000神是我們的避難所，是我們的力量，", "966\t150\t176\t176\t531\tAmen.",
                                   "901\t1\t1\t4\t501\t  In the beginning  "};
        // A file saved with a CR LF line end and without a final newline says the same.
        QString data = "Book\tChapter\tFrom\tTo\tCategory\tContent\n" + lines.join(u'\n');
        writeIn(data.replace(QStringLiteral("\n966"), QStringLiteral("\r\n966")).toUtf8());
        QVERIFY2(runTool(in()) == 0 && m_errors.isEmpty(), qPrintable(m_errors));
        QCOMPARE(query(out(), RowsSql), lines);
        // Stored as text or null, Read would not match "Read = FALSE".
        QCOMPARE(query(out(), "SELECT DISTINCT typeof(Read) || Read FROM Main"), QStringList{"integer0"});
        QCOMPARE(query(out(), "SELECT name || ' ' || type FROM pragma_table_info('Main')"),
                 QStringList({"Book INTEGER", "Chapter INTEGER", "From INTEGER", "To INTEGER", "Content TEXT",
                              "Category INTEGER", "Read BOOLEAN"}));
        QCOMPARE(files(), QStringList({"in.tsv", "out.db"}));
    }

    void faultyInputIsRefusedWithItsPlace()
    {
        // No file at all, then no data at all.
        QVERIFY2(runTool(in()) > 0 && m_errors.startsWith(in() + ": cannot read"), qPrintable(m_errors));
        writeIn({});
        QVERIFY2(runTool(in()) > 0 && m_errors.startsWith(in() + ":1: missing header"), qPrintable(m_errors));

        // Fields split by '|' here for legibility; a null reason marks a good line.
        const QList<QPair<const char *, const char *>> lines = {
            {"Book|Chapter|Verse|To|Category|Content", "wrong header"}, {"901|1|1|1|500|In the beginning", nullptr},
            {"", "empty line"}, {"901|1|1|1|no category", "5 fields"}, {"901|1|1|1|500|tab|inside", "7 fields"},
            {"900|1|1|1|500|x", "book 900 "}, {"967|1|1|1|500|x", "book 967 "}, {"901|0|1|1|500|x", "chapter 0 "},
            {"901|151|1|1|500|x", "chapter 151 "}, {"901|1|0|1|500|x", "first verse 0 "},
            {"901|1|177|177|500|x", "first verse 177 "}, {"901|1|1|177|500|x", "last verse 177 "},
            {"901|1|1|1|499|x", "category 499 "}, {"901|1|1|1|532|x", "category 532 "},
            {"901| 1|1|1|500|x", "chapter \" 1\" is not a whole"}, {"901|1|1|1.5|500|x", "last verse \"1.5\" is not"},
            {"901|1|5|4|500|x", "first verse 5 is after last verse 4"}, {"901|1|1|1|500|   ", "empty content"},
            {"901|1|1|1|500|one\rtwo", "content holds a carriage return"}, {"901|1|1|1|500|\xff\xfe", "not valid UTF-8"},
        };
        QByteArray data;
        QStringList expected;
        for (const auto &[line, reason] : lines) {
            data += QByteArray(line).replace('|', '\t') + '\n';
            if (reason)
                expected << QStringLiteral("%1:%2: %3").arg(in()).arg(data.count('\n')).arg(QLatin1String(reason));
        }
        writeIn(data);
        QVERIFY(runTool(in()) > 0);
        const QStringList errors = m_errors.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), expected.size());
        for (qsizetype i = 0; i < errors.size(); ++i)
            QVERIFY2(errors[i].startsWith(expected[i]), qPrintable(errors[i]));
        // Nothing of a faulty file may be written, not even its good lines.
        QCOMPARE(files(), QStringList({"in.tsv"}));
    }

    void deliveredDataMakesMatchingDatabases()
    {
        QList<QStringList> places;
        // Both into one file, as a rebuild makes a database over the old one.
        for (const char *name : {"/tips.en.tsv", "/tips.zh.tsv"}) {
            QFile tsv(QLatin1String(VERSEDAWN_DATA_DIR) + QLatin1String(name));
            QVERIFY(tsv.open(QIODevice::ReadOnly));
            QVERIFY2(runTool(tsv.fileName()) == 0, qPrintable(m_errors));
            QCOMPARE(query(out(), RowsSql), QString::fromUtf8(tsv.readAll()).split(u'\n', Qt::SkipEmptyParts).mid(1));
            places << query(out(), PlacesSql);
            QCOMPARE(places.last().size(), 375);
        }
        // Row i of both is the same passage, so a tip keeps its place whichever language the user picks.
        QCOMPARE(places[0], places[1]);
    }
};

QTEST_GUILESS_MAIN(TestMakeDb)
#include "test_makedb.moc"
