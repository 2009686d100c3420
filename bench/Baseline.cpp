#include "Baseline.h"

#include <stdexcept>

Baseline::~Baseline()
{
    close();
}

void Baseline::fail(const char *what)
{
    throw std::runtime_error(std::string(what) + ": " + (m_db ? sqlite3_errmsg(m_db) : "no database"));
}

sqlite3_stmt *Baseline::prepare(const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK)
        fail(sql);
    return statement;
}

void Baseline::step(sqlite3_stmt *statement, int expected)
{
    if (sqlite3_step(statement) != expected)
        fail(sqlite3_sql(statement));
}

void Baseline::open(const std::string &path, const std::vector<std::string> &settings)
{
    close();
    // The same open the program makes: an existing file, read-write, and a
    // wait for another program's lock.
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        fail("open");
    sqlite3_busy_timeout(m_db, 5000);
    for (const std::string &sql : settings) {
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(sql.c_str());
    }
    m_unread = prepare("SELECT rowid FROM Main WHERE Read = 0 ORDER BY rowid");
    m_fetch = prepare("SELECT Book, Chapter, \"From\", \"To\", Content, Category, Read FROM Main WHERE rowid = ?");
    m_markRead = prepare("UPDATE Main SET Read = 1 WHERE rowid = ?");
    m_clearRead = prepare("UPDATE Main SET Read = 0 WHERE Read = 1");
}

void Baseline::close()
{
    for (sqlite3_stmt **statement : {&m_unread, &m_fetch, &m_markRead, &m_clearRead}) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
    sqlite3_close(m_db);
    m_db = nullptr;
    m_keys.clear();
}

void Baseline::collectUnread()
{
    m_keys.clear();
    int rc;
    while ((rc = sqlite3_step(m_unread)) == SQLITE_ROW)
        m_keys.push_back(sqlite3_column_int64(m_unread, 0));
    sqlite3_reset(m_unread);
    if (rc != SQLITE_DONE)
        fail("collect unread");
}

Baseline::Tip Baseline::fetch(sqlite3_int64 rowid)
{
    sqlite3_bind_int64(m_fetch, 1, rowid);
    step(m_fetch, SQLITE_ROW);
    Tip tip;
    tip.book = sqlite3_column_int(m_fetch, 0);
    tip.chapter = sqlite3_column_int(m_fetch, 1);
    tip.from = sqlite3_column_int(m_fetch, 2);
    tip.to = sqlite3_column_int(m_fetch, 3);
    tip.content.assign(reinterpret_cast<const char *>(sqlite3_column_text(m_fetch, 4)),
                       static_cast<std::size_t>(sqlite3_column_bytes(m_fetch, 4)));
    tip.category = sqlite3_column_int(m_fetch, 5);
    tip.read = sqlite3_column_int(m_fetch, 6) != 0;
    sqlite3_reset(m_fetch);
    return tip;
}

void Baseline::markRead(sqlite3_int64 rowid)
{
    sqlite3_bind_int64(m_markRead, 1, rowid);
    step(m_markRead, SQLITE_DONE);
    sqlite3_reset(m_markRead);
}

void Baseline::clearRead()
{
    step(m_clearRead, SQLITE_DONE);
    sqlite3_reset(m_clearRead);
}

void Baseline::setEveryRead(bool read)
{
    const char *sql = read ? "UPDATE Main SET Read = 1 WHERE Read = 0" : "UPDATE Main SET Read = 0 WHERE Read = 1";
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sql);
}

void Baseline::setSynchronousOff()
{
    if (sqlite3_exec(m_db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("synchronous");
}
