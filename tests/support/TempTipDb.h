#pragma once

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

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
};
char *toString(const StoredTip &tip);   // for QCOMPARE

// A tip database with the program's table layout in a temporary folder, with
// its own connection for setting up and checking rows behind the program's
// back. What the engine refuses is logged.
class TempTipDb
{
public:
    TempTipDb();
    ~TempTipDb();

    // fileName may name subfolders, which are made (e.g. "a b#c/Tips.db").
    bool create(const QString &fileName = QStringLiteral("Tips.db"));
    qint64 addTip(int book, int chapter, int from, int to, const QString &content,
                  int category, bool read = false);   // the rowid, or -1
    QList<StoredTip> rows() const;                    // in rowid order
    QSqlQuery query(const QString &sql, const QVariantList &values = {}) const;  // values bound in order
    bool exec(const QString &sql) { return query(sql).isActive(); }
    QString path() const { return m_path; }           // the database file
    QString dir() const { return m_dir.path(); }      // the temporary folder

private:
    QTemporaryDir m_dir;
    QString m_connectionName;
    QString m_path;
};
