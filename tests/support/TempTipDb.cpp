#include "TempTipDb.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>

bool StoredTip::operator==(const StoredTip &o) const
{
    return book == o.book && chapter == o.chapter && from == o.from && to == o.to
           && content == o.content && category == o.category && read == o.read;
}

char *toString(const StoredTip &tip)
{
    const QString text = QStringLiteral("StoredTip(%1, %2, %3, %4, \"%5\", %6, %7)")
                             .arg(QString::number(tip.book), QString::number(tip.chapter),
                                  QString::number(tip.from), QString::number(tip.to), tip.content,
                                  QString::number(tip.category), tip.read ? "read" : "unread");
    return qstrdup(text.toUtf8().constData());
}

TempTipDb::TempTipDb() : m_connectionName(QStringLiteral("temp-tip-db-%1").arg(quintptr(this))) {}

TempTipDb::~TempTipDb()
{
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool TempTipDb::create(const QString &fileName)
{
    m_path = m_dir.filePath(fileName);
    QSqlDatabase::removeDatabase(m_connectionName);   // a second create() moves to the new file
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(m_path);
    return QDir().mkpath(QFileInfo(m_path).absolutePath()) && db.open()
           && exec(QStringLiteral("CREATE TABLE Main (Book INTEGER, Chapter INTEGER, \"From\" INTEGER, "
                                  "\"To\" INTEGER, Content TEXT, Category INTEGER, Read BOOLEAN)"));
}

qint64 TempTipDb::addTip(int book, int chapter, int from, int to, const QString &content,
                         int category, bool read)
{
    const QSqlQuery insert = query(QStringLiteral("INSERT INTO Main VALUES (?, ?, ?, ?, ?, ?, ?)"),
                                   {book, chapter, from, to, content, category, read ? 1 : 0});
    return insert.isActive() ? insert.lastInsertId().toLongLong() : -1;
}

QList<StoredTip> TempTipDb::rows() const
{
    QSqlQuery all = query(QStringLiteral("SELECT * FROM Main ORDER BY rowid"));
    QList<StoredTip> result;
    while (all.next()) {
        result.append({all.value(0).toInt(), all.value(1).toInt(), all.value(2).toInt(), all.value(3).toInt(),
                       all.value(4).toString(), all.value(5).toInt(), all.value(6).toInt() != 0});
    }
    return result;
}

QSqlQuery TempTipDb::query(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        qWarning() << "TempTipDb:" << sql << query.lastError().text();
    return query;
}
