#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C in a terminal, the end of the
// desktop session) end the program as "Sair" does. The handler only writes
// the signal's number into a pipe; a notifier on the pipe's other end turns
// it into terminationRequested() on the event loop, where saving and
// detaching are safe.
//
// The database client installs handlers of its own for SIGINT and SIGTERM
// when it loads the engine, and those leave the process running: install()
// must run after the first attach, and replaces them.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    // Puts the handlers found by install() back.
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

    // Installs the handlers (again). False when the pipe or a handler could
    // not be set up; the program then runs as before.
    bool install();

    // The last resort once the program has saved what it must: if it is
    // still running `ms` milliseconds later (the embedded engine can hang in
    // the detach of a database opened a moment before), the socket file is
    // removed and the process ends with code 0. Every change is committed
    // by then, and the database file is safe without the detach.
    static void endWithin(int ms, const QString &socketFile);

    // Whether a termination signal arrived in this process. From then on no
    // question is asked and no new screen opens: nobody is there to answer.
    static bool requested();
    // Forgets an earlier request (tests that send themselves a signal).
    static void resetRequested();

signals:
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
    bool m_installed = false;
};
