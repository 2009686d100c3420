// versedawn_lockholder DATABASE MILLISECONDS
// Another program on the same tip database: takes the write lock, says "locked"
// on standard output, holds it for the given time, commits and exits.

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const int holdMs = args.size() == 3 ? args.at(2).toInt(&ok) : 0;
    if (!ok || holdMs < 0) {
        std::fprintf(stderr, "usage: versedawn_lockholder DATABASE MILLISECONDS\n");
        return 2;
    }

    int status = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(args.at(1));
        QSqlQuery query(db);
        if (!db.open() || !query.exec(QStringLiteral("BEGIN EXCLUSIVE"))) {
            const QString reason = db.isOpen() ? query.lastError().text() : db.lastError().text();
            std::fprintf(stderr, "%s\n", qPrintable(reason));
            return 1;
        }
        std::printf("locked\n");
        std::fflush(stdout);
        QThread::msleep(static_cast<unsigned long>(holdMs));
        if (!query.exec(QStringLiteral("COMMIT"))) {
            std::fprintf(stderr, "%s\n", qPrintable(query.lastError().text()));
            status = 1;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    return status;
}
