#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

class QDebug;

// One row of table Main as the tests see it.
struct StoredTip {
    int book = 0;
    int chapter = 0;
    int from = 0;
    int to = 0;
    QString content;
    int category = 0;
    bool read = false;

    bool operator==(const StoredTip &other) const;
    bool operator!=(const StoredTip &other) const { return !(*this == other); }
};
QDebug operator<<(QDebug debug, const StoredTip &tip);
char *toString(const StoredTip &tip);   // for QCOMPARE

// A tip database in a temporary folder, made with the program's table layout,
// with its own connection for setting up and checking rows behind the
// program's back. When the engine refuses, a function returns false (or -1),
// keeps the reason in lastError() and logs it.
class TempTipDb
{
public:
    TempTipDb();
    ~TempTipDb();
    TempTipDb(const TempTipDb &) = delete;
    TempTipDb &operator=(const TempTipDb &) = delete;

    // fileName may name subfolders, which are made (e.g. "a b#c/Tips.db").
    bool create(const QString &fileName = QStringLiteral("Tips.db"));

    // Appends a row; returns its rowid, or -1.
    qint64 addTip(int book, int chapter, int from, int to, const QString &content,
                  int category, bool read = false);
    bool addTips(const QList<StoredTip> &tips);   // in one transaction

    QList<StoredTip> rows() const;                // in rowid order
    bool exec(const QString &sql);                 // anything else a test needs to do to the file

    QString path() const;                          // the database file
    QString dir() const;                           // the temporary folder
    QString lastError() const;

private:
    QTemporaryDir m_dir;
    QString m_connectionName;
    QString m_path;
    mutable QString m_lastError;
};
