#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {
const QByteArray kShow = QByteArrayLiteral("MOSTRAR\n");
}

SingleInstance::SingleInstance(QString key, QObject *parent) : QObject(parent), m_key(std::move(key))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    // LUMISTO_INSTANCE_KEY lets tests run beside a copy the developer has open
    const QString key = qEnvironmentVariable("LUMISTO_INSTANCE_KEY");
    return key.isEmpty() ? QStringLiteral("lumisto-%1").arg(::getuid()) : key;
}

bool SingleInstance::notifyRunning(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kShow);
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        // someone holds the name: a live copy, or the leftover of one that crashed
        if (notifyRunning())
            return false;
        QLocalServer::removeServer(m_key);
        if (!m_server->listen(m_key))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            // the later copy writes and leaves at once: its message may be
            // waiting before any signal is connected
            auto take = [this, s] {
                if (s->readAll().contains("MOSTRAR"))
                    emit activationRequested();
            };
            connect(s, &QLocalSocket::readyRead, this, take);
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            if (s->bytesAvailable() > 0 || s->waitForReadyRead(200))
                take();
        }
    });
    return true;
}

void SingleInstance::close()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::socketFile() const
{
    return m_server && m_server->isListening() ? m_server->fullServerName() : QString();
}
