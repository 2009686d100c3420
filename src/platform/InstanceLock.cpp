#include "platform/InstanceLock.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

InstanceLock::InstanceLock() = default;
InstanceLock::~InstanceLock() = default;

QString InstanceLock::socketNameFor(const QString &mainWindowTitle)
{
    // The title may hold Chinese characters and blanks; a hash keeps the
    // socket's file name plain.
    const QByteArray hash =
        QCryptographicHash::hash(mainWindowTitle.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("versedawn-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

bool InstanceLock::claim(const QString &mainWindowTitle)
{
    const QString name = socketNameFor(mainWindowTitle);
    {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(500))
            return false;
        // Only a socket nobody listens on may be taken over; a busy or slow
        // first copy is still a first copy.
        const auto error = probe.error();
        if (error != QLocalSocket::ServerNotFoundError && error != QLocalSocket::ConnectionRefusedError)
            return false;
    }
    QLocalServer::removeServer(name);
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        // Losing a race with a copy started at the same moment: it holds the
        // name now.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(500))
            return false;
        // Something else is wrong (no writable temporary folder); run anyway
        // rather than refuse to start over a lock.
        return true;
    }
    // Each later copy's probe is answered by closing it, so that probes never
    // fill the listening queue.
    QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [raw = server.get()] {
        while (QLocalSocket *probe = raw->nextPendingConnection()) {
            probe->close();
            probe->deleteLater();
        }
    });
    m_server = std::move(server);
    return true;
}

bool InstanceLock::isHeld() const
{
    return m_server && m_server->isListening();
}
