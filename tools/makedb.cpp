// versedawn-makedb INPUT.tsv OUTPUT.db
// Turns the curated tip data into a tip database for the program. Runs at
// build time only; the program never creates a database itself.

#include "TipSchema.h"
#include "TipTsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr int MaxErrorsShown = 20;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

void removeWithJournal(const QString &path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

// Writes every tip into a fresh database file at path. Returns an empty text on
// success, else the reason.
QString writeDatabase(const QString &path, const QVector<TsvTip> &tips)
{
    const QString connectionName = QStringLiteral("makedb");
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery query(db);
            auto run = [&](bool done) {
                if (!done && failure.isEmpty())
                    failure = query.lastError().text();
                return done;
            };
            if (run(query.exec(QString::fromLatin1(TipSchema::CreateMain))) && run(db.transaction())
                && run(query.prepare(QString::fromLatin1(TipSchema::InsertTip)))) {
                for (const TsvTip &tip : tips) {
                    query.bindValue(0, tip.book);
                    query.bindValue(1, tip.chapter);
                    query.bindValue(2, tip.from);
                    query.bindValue(3, tip.to);
                    query.bindValue(4, tip.content);
                    query.bindValue(5, tip.category);
                    if (!run(query.exec()))
                        break;
                }
                if (failure.isEmpty() && !db.commit())
                    failure = db.lastError().text();
            }
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    return failure;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err() << "usage: versedawn-makedb INPUT.tsv OUTPUT.db\n";
        return 2;
    }
    const QString input = args[1];
    const QString output = args[2];

    const TsvReadResult data = readTipTsv(input, input);
    if (!data.ok()) {
        for (int i = 0; i < data.errors.size() && i < MaxErrorsShown; ++i)
            err() << data.errors[i] << '\n';
        if (data.errors.size() > MaxErrorsShown)
            err() << "... and " << data.errors.size() - MaxErrorsShown << " more faulty lines\n";
        return 1;
    }

    // Built beside the target and renamed over it at the end, so an interrupted
    // or failed build never leaves a half-made database where the program looks.
    const QFileInfo target(output);
    const QString temporary = target.absoluteDir().filePath(
        QStringLiteral(".%1.%2.tmp").arg(target.fileName()).arg(QCoreApplication::applicationPid()));
    removeWithJournal(temporary);

    const QString failure = writeDatabase(temporary, data.tips);
    if (!failure.isEmpty()) {
        removeWithJournal(temporary);
        err() << output << ": cannot write the database: " << failure << '\n';
        return 1;
    }
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(output).constData()) != 0) {
        const int code = errno;
        removeWithJournal(temporary);
        err() << output << ": cannot replace: " << std::strerror(code) << '\n';
        return 1;
    }
    QTextStream(stdout) << "versedawn-makedb: " << data.tips.size() << " tips written to " << output << '\n';
    return 0;
}
