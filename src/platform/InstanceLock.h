#pragma once

#include <QString>

#include <memory>

class QLocalServer;

// A per-user local socket named after the main window's title. The first copy
// listens on it for its whole run, hidden or not; a later copy that can
// connect knows the first is running. A socket left behind by a copy that
// crashed accepts no connection and is replaced.
class InstanceLock {
public:
    InstanceLock();
    ~InstanceLock();

    // The socket name for a title: per user, and different for each language's
    // title, so that a copy started after a language change is not refused.
    static QString socketNameFor(const QString &mainWindowTitle);

    // False when another copy holds the lock.
    bool claim(const QString &mainWindowTitle);
    bool isHeld() const;

private:
    std::unique_ptr<QLocalServer> m_server;
};
