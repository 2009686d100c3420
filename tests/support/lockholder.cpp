// versedawn_lockholder DATABASE MILLISECONDS
// Another program on the same tip database: takes the write lock, says "locked"
// on standard output, holds it for the given time, commits and exits.

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
    QSqlQuery query(db);
    if (!db.open() || !query.exec(QStringLiteral("BEGIN EXCLUSIVE")))
        return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::msleep(QByteArray(argv[2]).toULong());
    return query.exec(QStringLiteral("COMMIT")) ? 0 : 1;
}
