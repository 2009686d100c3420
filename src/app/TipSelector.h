#pragma once

#include <QSqlError>
#include <QString>

#include <functional>
#include <memory>

class RecordSet;
class TipDatabase;
struct ProgramState;

// Which tip the main window shows: the set of unread tips with its cursor,
// the choice of the next tip in table order or at random, the read marks.
// Engine errors inside showtip and getnexttip skip the failing step and the
// rest goes on, so a database that cannot be written still shows tips.
class TipSelector {
public:
    TipSelector(TipDatabase &database, ProgramState &state, std::function<float()> nextRandom);
    ~TipSelector();

    // Opens the unread set. When every tip has been read the marks start
    // over; in random order the cursor lands on a random tip. False when the
    // set cannot be opened (lastError() says why).
    bool start();

    // Composes the tip text of the current tip and marks the tip read.
    void showtip();

    // Moves to the next tip by RandomMode.
    void getnexttip();

    // Marks every tip unread. The unread set keeps the rows it had.
    bool ClearRead();

    // Drops the unread set (the main window's unload).
    void release();

    QString tipText() const;
    QSqlError lastError() const;

private:
    void positionAtRandom();

    TipDatabase &m_database;
    ProgramState &m_state;
    std::function<float()> m_nextRandom;
    std::unique_ptr<RecordSet> m_unread;
    QString m_tipText;
    QSqlError m_lastError;
};
