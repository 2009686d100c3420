#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <vector>

// The least work SQLite itself needs for each thing the main window does with
// its tips: the C API straight, one prepared statement per step, no record-set
// layer. The program's figures are judged against these.
class Baseline {
public:
    struct Tip {
        int book = 0, chapter = 0, from = 0, to = 0, category = 0;
        bool read = false;
        std::string content;
    };

    Baseline() = default;
    ~Baseline();
    Baseline(const Baseline &) = delete;
    Baseline &operator=(const Baseline &) = delete;

    // Opens the file with the given statements run first, so that the engine
    // works under the settings the program gives its own connection.
    // Throws std::runtime_error.
    void open(const std::string &path, const std::vector<std::string> &settings = {});
    void close();

    // The rowids of the unread tips in table order.
    void collectUnread();
    const std::vector<sqlite3_int64> &keys() const { return m_keys; }

    Tip fetch(sqlite3_int64 rowid);
    void markRead(sqlite3_int64 rowid);
    void clearRead();   // one UPDATE over the read tips

    // Bench set-up only, outside the timed work.
    void setEveryRead(bool read);
    void setSynchronousOff();

private:
    sqlite3_stmt *prepare(const char *sql);
    void step(sqlite3_stmt *statement, int expected);
    [[noreturn]] void fail(const char *what);

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_unread = nullptr;
    sqlite3_stmt *m_fetch = nullptr;
    sqlite3_stmt *m_markRead = nullptr;
    sqlite3_stmt *m_clearRead = nullptr;
    std::vector<sqlite3_int64> m_keys;
};
