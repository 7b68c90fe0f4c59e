#pragma once

#include "data/Database.h"

#include <QString>
#include <functional>

// The data module: the program's one connection to "DB/Orvalha.FDB" beside
// the program, through the embedded engine. Created once at start-up; every
// operation works on BancoDados with a transaction of its own (dbOperation).
class TDM {
public:
    using Delay = std::function<void(int milliseconds)>;

    // DataModuleCreate: configures the engine and connects. A failure waits
    // `delay(10000)` and tries once more; if that fails too, the first
    // error's text is shown once and the module stays unconnected.
    explicit TDM(Delay delay = {});
    // DataModuleDestroy: disconnects.
    ~TDM();
    TDM(const TDM &) = delete;
    TDM &operator=(const TDM &) = delete;

    Database BancoDados;

    // Connects again after a backup or restore; false (and the error shown
    // by the caller) when it fails.
    [[nodiscard]] bool Reconectar(QString *error = nullptr);
    // Connects anew from the settings (the embedded file or [SERVIDOR]),
    // after the network settings changed; false with the message to show.
    [[nodiscard]] bool ConectarDeNovo(QString *error = nullptr);
    // Whether the database is on a server of the network.
    bool EmRede() const { return BancoDados.remoto(); }

    // The process-wide module (the one created last), or null.
    static TDM *instance();

    // The name stored with the module, used if creation fails before the
    // real name is set.
    static QString storedDatabaseName() { return QStringLiteral("C:\\Orvalha\\DB\\ORVALHA.FDB"); }

private:
    void DataModuleCreate(const Delay &delay);
    void connectOnce();
};

// Shorthand for the process-wide connection.
Database &BancoDados();
