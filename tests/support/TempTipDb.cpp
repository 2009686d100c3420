#include "TempTipDb.h"

#include <QAtomicInt>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const char CreateMain[] =
    "CREATE TABLE Main (Book INTEGER, Chapter INTEGER, \"From\" INTEGER, \"To\" INTEGER, "
    "Content TEXT, Category INTEGER, Read BOOLEAN)";
const char InsertTip[] =
    "INSERT INTO Main (Book, Chapter, \"From\", \"To\", Content, Category, Read) "
    "VALUES (?, ?, ?, ?, ?, ?, ?)";

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("temp-tip-db-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

bool StoredTip::operator==(const StoredTip &o) const
{
    return book == o.book && chapter == o.chapter && from == o.from && to == o.to
           && content == o.content && category == o.category && read == o.read;
}

QDebug operator<<(QDebug debug, const StoredTip &tip)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "StoredTip(" << tip.book << ", " << tip.chapter << ", " << tip.from << ", "
                    << tip.to << ", " << tip.content << ", " << tip.category << ", "
                    << (tip.read ? "read" : "unread") << ')';
    return debug;
}

char *toString(const StoredTip &tip)
{
    QString text;
    QDebug(&text) << tip;
    return qstrdup(text.toUtf8().constData());
}

TempTipDb::TempTipDb() : m_connectionName(nextConnectionName()) {}

TempTipDb::~TempTipDb()
{
    if (QSqlDatabase::contains(m_connectionName)) {
        QSqlDatabase::database(m_connectionName, false).close();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

bool TempTipDb::create(const QString &fileName)
{
    if (!m_dir.isValid()) {
        m_lastError = m_dir.errorString();
        return false;
    }
    m_path = m_dir.filePath(fileName);
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        m_lastError = QStringLiteral("cannot make the folder of ") + m_path;
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(m_path);
    if (!db.open()) {
        m_lastError = db.lastError().text();
        return false;
    }
    return exec(QString::fromLatin1(CreateMain));
}

qint64 TempTipDb::addTip(int book, int chapter, int from, int to, const QString &content,
                         int category, bool read)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.prepare(QString::fromLatin1(InsertTip));
    const QVariantList values = {book, chapter, from, to, content, category, read ? 1 : 0};
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        qWarning() << "TempTipDb::addTip:" << m_lastError;
        return -1;
    }
    return query.lastInsertId().toLongLong();
}

bool TempTipDb::addTips(const QList<StoredTip> &tips)
{
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if (!db.transaction()) {
        m_lastError = db.lastError().text();
        return false;
    }
    for (const StoredTip &tip : tips) {
        if (addTip(tip.book, tip.chapter, tip.from, tip.to, tip.content, tip.category, tip.read) < 0) {
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        m_lastError = db.lastError().text();
        return false;
    }
    return true;
}

QList<StoredTip> TempTipDb::rows() const
{
    QList<StoredTip> result;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT Book, Chapter, \"From\", \"To\", Content, Category, Read "
                                   "FROM Main ORDER BY rowid"))) {
        m_lastError = query.lastError().text();
        qWarning() << "TempTipDb::rows:" << m_lastError;
        return result;
    }
    while (query.next()) {
        StoredTip tip;
        tip.book = query.value(0).toInt();
        tip.chapter = query.value(1).toInt();
        tip.from = query.value(2).toInt();
        tip.to = query.value(3).toInt();
        tip.content = query.value(4).toString();
        tip.category = query.value(5).toInt();
        tip.read = query.value(6).toInt() != 0;
        result.append(tip);
    }
    return result;
}

bool TempTipDb::exec(const QString &sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.exec(sql)) {
        m_lastError = query.lastError().text();
        qWarning() << "TempTipDb::exec:" << sql << m_lastError;
        return false;
    }
    return true;
}

QString TempTipDb::path() const
{
    return m_path;
}

QString TempTipDb::dir() const
{
    return m_dir.path();
}

QString TempTipDb::lastError() const
{
    return m_lastError;
}
