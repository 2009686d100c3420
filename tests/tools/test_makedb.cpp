// Runs the built database maker as the build does and checks what it leaves.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Row {
    int book, chapter, from, to, category;
    QString content;
    int read;
    bool operator==(const Row &o) const
    {
        return book == o.book && chapter == o.chapter && from == o.from && to == o.to
            && category == o.category && content == o.content && read == o.read;
    }
};

const QByteArray Header = "Book\tChapter\tFrom\tTo\tCategory\tContent\n";

QByteArray tsvLine(const Row &r)
{
    return QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
        .arg(r.book).arg(r.chapter).arg(r.from).arg(r.to).arg(r.category).arg(r.content)
        .toUtf8();
}

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun runTool(const QString &input, const QString &output)
{
    QProcess process;
    process.start(QStringLiteral(VERSEDAWN_MAKEDB), {input, output});
    ToolRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Reads every row in table order, and the column layout, through Qt's driver
// as the program will.
QVector<Row> readRows(const QString &path, QStringList *columns = nullptr)
{
    QVector<Row> rows;
    const QString name = QStringLiteral("makedb-test");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        // Read-only, so that looking never makes a file the tool should not have left.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT Book, Chapter, \"From\", \"To\", Category, Content, Read, "
                                  "typeof(Read) FROM Main ORDER BY rowid"));
            while (q.next()) {
                // A Read stored as text or null would not match "Read = FALSE".
                const bool readIsNumber = q.value(7).toString() == QLatin1String("integer");
                rows.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                             q.value(4).toInt(), q.value(5).toString(), readIsNumber ? q.value(6).toInt() : -1});
            }
            if (columns) {
                q.exec(QStringLiteral("SELECT name || ' ' || type FROM pragma_table_info('Main') "
                                      "UNION ALL SELECT 'index ' || name FROM sqlite_master WHERE type = 'index'"));
                while (q.next())
                    *columns << q.value(0).toString();
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(data), data.size());
}

// Splits a delivered data file independently of the tool, as a second opinion.
QList<QStringList> tsvFields(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> lines;
    const QStringList all = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < all.size(); ++i)
        lines << all[i].split(u'\t');
    return lines;
}

} // namespace

class TestMakeDb : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString in() const { return m_dir.filePath(QStringLiteral("in.tsv")); }
    QString out() const { return m_dir.filePath(QStringLiteral("out.db")); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(m_dir.filePath(name));
    }

    void goodFileGivesEveryRowInOrder()
    {
        const QVector<Row> rows = {
            {943, 3, 16, 18, 514, QStringLiteral("For God so loved the world; \"whosoever\" believeth -- it's 'quoted'."), 0},
            {919, 23, 1, 1, 500, QStringLiteral("\u3000神是我們的避難所，是我們的力量，"), 0},
            {966, 150, 176, 176, 531, QStringLiteral("Amen."), 0},
            {901, 1, 1, 4, 501, QStringLiteral("  In the beginning  "), 0},
        };
        QByteArray data = Header;
        for (const Row &r : rows)
            data += tsvLine(r);
        // A file saved with CR LF line ends and without a final newline says the same.
        data.replace(data.indexOf("\n966"), 1, "\r\n");
        data.chop(1);
        writeFile(in(), data);

        const ToolRun run = runTool(in(), out());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.errors.isEmpty(), qPrintable(run.errors));

        QStringList columns;
        QCOMPARE(readRows(out(), &columns), rows);
        QCOMPARE(columns, QStringList({"Book INTEGER", "Chapter INTEGER", "From INTEGER", "To INTEGER",
                                       "Content TEXT", "Category INTEGER", "Read BOOLEAN"}));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"in.tsv", "out.db"}));
    }

    void rebuildReplacesTheOldFile()
    {
        writeFile(out(), "left over from an interrupted build");
        writeFile(in(), Header + tsvLine({940, 5, 9, 9, 518, "Blessed are the peacemakers", 0}));
        QCOMPARE(runTool(in(), out()).exitCode, 0);
        QCOMPARE(readRows(out()).size(), 1);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"in.tsv", "out.db"}));
    }

    void faultyLineFailsWithItsPlace_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        const QByteArray good = "901\t1\t1\t1\t500\tIn the beginning\n";
        QTest::newRow("empty file") << QByteArray() << 1 << "header";
        QTest::newRow("wrong header") << QByteArray("Book\tChapter\tVerse\tTo\tCategory\tContent\n") + good << 1 << "wrong header";
        QTest::newRow("five fields") << Header + good + "901\t1\t1\t1\tno category\n" << 3 << "5 fields";
        QTest::newRow("tab in content") << Header + good + "901\t1\t1\t1\t500\ta\tb\n" << 3 << "7 fields";
        QTest::newRow("blank line") << Header + "\n" + good << 2 << "empty line";
        QTest::newRow("book below") << Header + "900\t1\t1\t1\t500\tx\n" << 2 << "book 900";
        QTest::newRow("book above") << Header + good + good + "967\t1\t1\t1\t500\tx\n" << 4 << "book 967";
        QTest::newRow("category below") << Header + "901\t1\t1\t1\t499\tx\n" << 2 << "category 499";
        QTest::newRow("category above") << Header + "901\t1\t1\t1\t532\tx\n" << 2 << "category 532";
        QTest::newRow("chapter zero") << Header + "901\t0\t1\t1\t500\tx\n" << 2 << "chapter 0";
        QTest::newRow("chapter above") << Header + "901\t151\t1\t1\t500\tx\n" << 2 << "chapter 151";
        QTest::newRow("verse above") << Header + "901\t1\t177\t177\t500\tx\n" << 2 << "first verse 177";
        QTest::newRow("negative verse") << Header + "901\t1\t-1\t1\t500\tx\n" << 2 << "not a whole positive number";
        QTest::newRow("fraction") << Header + "901\t1\t1\t1.5\t500\tx\n" << 2 << "not a whole positive number";
        QTest::newRow("blank in number") << Header + "901\t 1\t1\t1\t500\tx\n" << 2 << "not a whole positive number";
        QTest::newRow("letter") << Header + "901\t1\t3a\t4\t500\tx\n" << 2 << "not a whole positive number";
        QTest::newRow("empty chapter") << Header + "901\t\t1\t1\t500\tx\n" << 2 << "not a whole positive number";
        QTest::newRow("huge number") << Header + "901\t1\t99999999999\t1\t500\tx\n" << 2 << "not a whole positive number";
        QTest::newRow("from after to") << Header + good + "901\t1\t5\t4\t500\tx\n" << 3 << "first verse 5 is after last verse 4";
        QTest::newRow("empty content") << Header + "901\t1\t1\t1\t500\t\n" << 2 << "empty content";
        QTest::newRow("blank content") << Header + "901\t1\t1\t1\t500\t   \n" << 2 << "empty content";
        QTest::newRow("stray CR") << Header + "901\t1\t1\t1\t500\tone\rtwo\n" << 2 << "carriage return";
        QTest::newRow("bad UTF-8") << Header + "901\t1\t1\t1\t500\t\xff\xfe\n" << 2 << "UTF-8";
    }

    void faultyLineFailsWithItsPlace()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, line);
        QFETCH(QString, reason);
        writeFile(in(), data);
        const ToolRun run = runTool(in(), out());
        QVERIFY(run.exitCode > 0);
        QVERIFY2(run.errors.startsWith(QStringLiteral("%1:%2: ").arg(in()).arg(line)), qPrintable(run.errors));
        QVERIFY2(run.errors.contains(reason), qPrintable(run.errors));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"in.tsv"}));
    }

    void everyFaultyLineIsReported()
    {
        writeFile(in(), Header + "901\t1\t1\t1\t500\tok\n900\t1\t1\t1\t500\tx\n901\t1\t1\t1\t500\tok\n901\t1\t1\t1\t533\tx\n");
        const ToolRun run = runTool(in(), out());
        QVERIFY(run.exitCode > 0);
        QVERIFY2(run.errors.contains(in() + ":3: ") && run.errors.contains(in() + ":5: ")
                     && !run.errors.contains(in() + ":2: ") && !run.errors.contains(in() + ":4: "),
                 qPrintable(run.errors));
        QVERIFY(!QFile::exists(out()));
    }

    void missingInputFails()
    {
        const QString missing = m_dir.filePath(QStringLiteral("no such.tsv"));
        const ToolRun run = runTool(missing, out());
        QVERIFY(run.exitCode > 0);
        QVERIFY2(run.errors.startsWith(missing + ": "), qPrintable(run.errors));
        QVERIFY(!QFile::exists(out()));
    }

    void deliveredDataMakesMatchingDatabases()
    {
        QVector<QVector<Row>> languages;
        for (const char *name : {"tips.en.tsv", "tips.zh.tsv"}) {
            const QString tsv = QStringLiteral(VERSEDAWN_DATA_DIR "/") + QLatin1String(name);
            const ToolRun run = runTool(tsv, out());
            QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
            const QVector<Row> rows = readRows(out());
            QCOMPARE(rows.size(), 375);

            const QList<QStringList> fields = tsvFields(tsv);
            QCOMPARE(fields.size(), rows.size());
            for (qsizetype i = 0; i < rows.size(); ++i) {
                QCOMPARE(rows[i].content, fields[i].value(5));
                QCOMPARE(rows[i].read, 0);
            }
            languages << rows;
        }
        // Row i of both files is the same passage, so a tip keeps its place
        // whichever language the user picks.
        for (qsizetype i = 0; i < 375; ++i) {
            const Row &en = languages[0][i];
            const Row &zh = languages[1][i];
            QVERIFY2(en.book == zh.book && en.chapter == zh.chapter && en.from == zh.from && en.to == zh.to
                         && en.category == zh.category,
                     qPrintable(QStringLiteral("row %1 differs").arg(i + 1)));
        }
        QVERIFY(languages[1][0].content.contains(QStringLiteral("神")));
    }
};

QTEST_GUILESS_MAIN(TestMakeDb)
#include "test_makedb.moc"
