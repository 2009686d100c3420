#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>

// One open tip database file. The program opens the file that lies beside it
// and never creates one; record sets run their queries through this object.
class TipDatabase
{
public:
    TipDatabase();                 // creates nothing yet
    ~TipDatabase();                // closes and removes its Qt connection
    TipDatabase(const TipDatabase &) = delete;
    TipDatabase &operator=(const TipDatabase &) = delete;

    static QString fileNameFor(qint16 langOffset);                     // 10000 -> "CTips.db", else "Tips.db"
    static QString pathFor(qint16 langOffset, const QString &folder);  // folder + '/' + fileNameFor

    // Opens an existing file read-write (never creates one), waits up to about
    // 5 s for another program's lock, and checks that table Main has all seven
    // fields. On failure returns false, leaves nothing open, and
    // lastError().text() is the engine's reason.
    bool open(const QString &path);
    void close();
    bool isOpen() const;
    QString path() const;          // the path last given to open()
    QSqlError lastError() const;
    QSqlDatabase connection() const;

    // A prepared, forward-only statement for sql, kept until close() so that
    // record sets do not prepare the same text for every row. Returns nullptr
    // and sets *error when the database is closed or the text does not prepare.
    // Callers finish() it after use: a statement left stepping keeps other
    // programs from writing the file.
    QSqlQuery *statement(const QString &sql, QSqlError *error);

    // The engine's reason alone, so that text() reads as the engine wrote it.
    static QSqlError engineError(const QSqlError &error);

private:
    QString m_connectionName;
    QSqlDatabase m_db;
    QString m_path;
    QSqlError m_lastError;
    QHash<QString, QSqlQuery> m_statements;
    bool m_open = false;
};
