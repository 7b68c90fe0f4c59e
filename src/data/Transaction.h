#pragma once

class Database;

namespace Firebird {
class ITransaction;
}

// A transaction that cannot be left open: whatever was not committed when it
// goes out of scope is rolled back.
class Transaction {
public:
    // Writes: the server's defaults (concurrency, wait). Reads: read-only and
    // read committed, which the engine commits without writing anything.
    enum class Modo { Escrita, Leitura };
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

    // Transactions of this process that are open right now.
    static int openCount();

private:
    Database &m_db;
    Firebird::ITransaction *m_handle = nullptr;
};
