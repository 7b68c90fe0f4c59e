#include "data/Transaction.h"

#include "data/Database.h"
#include "data/FbStatus.h"

#include <ibase.h>

namespace {
int g_open = 0;
}

int Transaction::openCount()
{
    return g_open;
}

Transaction::Transaction(Database &db, Modo modo) : m_db(db)
{
    if (!db.isConnected()) {
        if (!db.wasConnected())
            throw DbError(QStringLiteral("Não há conexão com o banco de dados."));
        // lost before and not made again: the server may be back by now
        db.reconnect();
    }
    static const unsigned char leitura[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed,
                                            isc_tpb_rec_version, isc_tpb_wait};
    static const unsigned char escrita[] = {isc_tpb_version3,
                                            isc_tpb_write,
                                            isc_tpb_read_committed,
                                            isc_tpb_rec_version,
                                            isc_tpb_wait,
                                            isc_tpb_lock_timeout,
                                            1,
                                            kEsperaBloqueio};
    static const unsigned char semEspera[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed,
                                              isc_tpb_rec_version, isc_tpb_nowait};
    auto iniciar = [&] {
        FbStatus::run([&](Firebird::ThrowStatusWrapper &st) {
            switch (modo) {
            case Modo::Leitura:
                m_handle = db.attachment()->startTransaction(&st, sizeof leitura, leitura);
                break;
            case Modo::Escrita:
                m_handle = db.attachment()->startTransaction(&st, sizeof escrita, escrita);
                break;
            case Modo::EscritaSemEspera:
                m_handle = db.attachment()->startTransaction(&st, sizeof semEspera, semEspera);
                break;
            }
        });
    };
    try {
        iniciar();
    } catch (const DbError &e) {
        if (!ConexaoPerdida(e.gdsCode()))
            throw;
        // nothing was under way: connect again and start over, once
        db.reconnect();
        iniciar();
    }
    ++g_open;
}

Transaction::~Transaction()
{
    rollback();
}

void Transaction::commit()
{
    if (!m_handle)
        return;
    FbStatus::run([&](Firebird::ThrowStatusWrapper &st) { m_handle->commit(&st); });
    m_handle = nullptr;
    --g_open;
}

void Transaction::rollback() noexcept
{
    if (!m_handle)
        return;
    Firebird::ITransaction *t = m_handle;
    m_handle = nullptr;
    --g_open;
    try {
        FbStatus::run([&](Firebird::ThrowStatusWrapper &st) { t->rollback(&st); });
    } catch (const DbError &) {
        t->release();
    }
}
