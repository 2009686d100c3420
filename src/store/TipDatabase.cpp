#include "store/TipDatabase.h"

#include "store/SqlTranslation.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QUrl>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("versedawn-tips-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

TipDatabase::TipDatabase() : m_connectionName(nextConnectionName()) {}

TipDatabase::~TipDatabase()
{
    close();
    if (m_db.isValid()) {
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

QString TipDatabase::fileNameFor(qint16 langOffset)
{
    return langOffset == 10000 ? QStringLiteral("CTips.db") : QStringLiteral("Tips.db");
}

QString TipDatabase::pathFor(qint16 langOffset, const QString &folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileNameFor(langOffset);
    return folder + QLatin1Char('/') + fileNameFor(langOffset);
}

QSqlError TipDatabase::engineError(const QSqlError &error)
{
    const QString reason = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    return QSqlError(QString(), reason, error.type(), error.nativeErrorCode());
}

bool TipDatabase::open(const QString &path)
{
    close();
    m_path = path;
    if (path.isEmpty()) {
        m_lastError = QSqlError(QString(), QStringLiteral("unable to open database file"),
                                QSqlError::ConnectionError);
        return false;
    }
    if (!m_db.isValid())
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);

    // A plain file name would let the driver create a missing file; mode=rw makes
    // the engine itself refuse. The URL form also carries spaces, '#', '?', '%'
    // and non-ASCII folder names intact.
    QString uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    uri += QLatin1String("?mode=rw");
    m_db.setDatabaseName(uri);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open()) {
        m_lastError = engineError(m_db.lastError());
        m_db.close();
        return false;
    }
    m_open = true;

    // Every "Next" in random order re-reads the whole unread set; reading the
    // file through a mapping instead of copying each page costs about a third
    // less. Only reads use it. Failure to map is no error: SQLite reads as usual.
    QSqlQuery(m_db).exec(QStringLiteral("PRAGMA mmap_size = 268435456"));

    // Preparing the row statement reads the schema: a file that is not a
    // database, a missing table Main or a missing field fails here with the
    // engine's own words.
    QSqlError error;
    if (!statement(selectRowSql(), &error)) {
        m_lastError = error;
        close();
        return false;
    }
    m_lastError = QSqlError();
    return true;
}

void TipDatabase::close()
{
    m_statements.clear();
    if (m_db.isValid())
        m_db.close();
    m_open = false;
}

bool TipDatabase::isOpen() const
{
    return m_open && m_db.isOpen();
}

QString TipDatabase::path() const
{
    return m_path;
}

QSqlError TipDatabase::lastError() const
{
    return m_lastError;
}

QSqlDatabase TipDatabase::connection() const
{
    return m_db;
}

QSqlQuery *TipDatabase::statement(const QString &sql, QSqlError *error)
{
    auto it = m_statements.find(sql);
    if (it != m_statements.end())
        return &it.value();
    if (!isOpen()) {
        *error = QSqlError(QString(), QStringLiteral("The tip database is not open."),
                           QSqlError::ConnectionError);
        return nullptr;
    }
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        *error = engineError(query.lastError());
        return nullptr;
    }
    return &m_statements.insert(sql, query).value();
}
