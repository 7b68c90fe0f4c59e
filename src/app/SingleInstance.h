#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user. The first copy listens on a local socket named
// after the user; a later copy finds it, asks it to come forward and ends
// without touching any file.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString key = defaultKey(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when a running copy answered; it has been asked to show itself.
    bool notifyRunning(int timeoutMs = 1000);
    // Becomes the running copy. False when another copy took the name first.
    bool listen();
    // Stops listening and removes the socket.
    void close();
    // The socket's file while listening, else empty.
    QString socketFile() const;

    static QString defaultKey();

signals:
    void activationRequested();

private:
    QString m_key;
    QLocalServer *m_server = nullptr;
};
