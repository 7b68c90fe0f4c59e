#pragma once

class Database;

namespace Firebird {
class ITransaction;
}

// A transaction that cannot be left open: whatever was not committed when it
// goes out of scope is rolled back.
class Transaction {
public:
    // Writes: read committed, waiting a few seconds at most for a row another
    // user is writing (then a clear message, never a frozen screen). Reads:
    // read-only and read committed, which the engine commits without writing.
    // A connection found lost on starting is made once more.
    // Escrita waits a few seconds for a row another transaction holds;
    // EscritaSemEspera gives up at once (work that can be left for later).
    enum class Modo { Escrita, Leitura, EscritaSemEspera };
    // Starts at once. Throws DbError.
    explicit Transaction(Database &db, Modo modo = Modo::Escrita);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();
    void rollback() noexcept;
    bool isActive() const { return m_handle != nullptr; }

    Database &database() const { return m_db; }
    Firebird::ITransaction *handle() const { return m_handle; }

    // Seconds a write waits for a row locked by another user.
    static constexpr int kEsperaBloqueio = 5;

    // Transactions of this process that are open right now.
    static int openCount();

private:
    Database &m_db;
    Firebird::ITransaction *m_handle = nullptr;
};
