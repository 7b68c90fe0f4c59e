#include "data/Database.h"

#include "data/FbStatus.h"
#include "util/Win1252.h"

#include <ibase.h>

#include <atomic>

namespace {
std::atomic<quint64> g_statements{0};
}

Database::~Database()
{
    disconnect();
}

Firebird::IMaster *Database::master()
{
    static Firebird::IMaster *m = Firebird::fb_get_master_interface();
    return m;
}

Firebird::IUtil *Database::util()
{
    return master()->getUtilInterface();
}

quint64 Database::statementCount()
{
    return g_statements.load();
}
void Database::countStatement()
{
    ++g_statements;
}

void Database::setParams(const QString &user, const QString &password, const QString &charset)
{
    m_user = user;
    m_password = password;
    m_charset = charset;
}

void Database::connect()
{
    if (m_attachment)
        return;
    QByteArray path;
    if (!Win1252::encode(m_databaseName, &path)) {
        // the engine takes file names in the system's own encoding
        path = m_databaseName.toLocal8Bit();
    }
    FbStatus::run([&](Firebird::ThrowStatusWrapper &st) {
        Firebird::IXpbBuilder *dpb = util()->getXpbBuilder(&st, Firebird::IXpbBuilder::DPB, nullptr, 0);
        try {
            dpb->insertString(&st, isc_dpb_user_name, m_user.toLatin1().constData());
            dpb->insertString(&st, isc_dpb_password, m_password.toLatin1().constData());
            dpb->insertString(&st, isc_dpb_lc_ctype, m_charset.toLatin1().constData());
            dpb->insertInt(&st, isc_dpb_sql_dialect, 3);
            if (m_remoto) {
                // only the remote protocol: a server name must never be taken for a file
                dpb->insertString(&st, isc_dpb_config, "Providers=Remote");
                dpb->insertInt(&st, isc_dpb_connect_timeout, 8);
            }
            Firebird::IProvider *provider = master()->getDispatcher();
            try {
                m_attachment = provider->attachDatabase(&st, path.constData(), dpb->getBufferLength(&st),
                                                        dpb->getBuffer(&st));
            } catch (...) {
                provider->release();
                throw;
            }
            provider->release();
        } catch (...) {
            dpb->dispose();
            throw;
        }
        dpb->dispose();
    });
    m_wasConnected = true;
}

void Database::dropDatabase()
{
    if (!m_attachment)
        throw DbError(QStringLiteral("Não há conexão com o banco de dados."));
    FbStatus::run([&](Firebird::ThrowStatusWrapper &st) { m_attachment->dropDatabase(&st); });
    // a dropped database's attachment is released by the engine
    m_attachment = nullptr;
    m_wasConnected = false;
}

void Database::reconnect()
{
    dropAttachment();
    connect();
}

bool ConexaoPerdida(long gdsCode)
{
    switch (gdsCode) {
    case isc_network_error:
    case isc_net_read_err:
    case isc_net_write_err:
    case isc_conn_lost:
    case isc_lost_db_connection:
    case isc_att_shutdown:
    case isc_shutdown: return true;
    default: return false;
    }
}

void Database::disconnect() noexcept
{
    // closed on purpose (a backup, a restore, the end): nothing connects again by itself
    m_wasConnected = false;
    dropAttachment();
}

void Database::dropAttachment() noexcept
{
    if (!m_attachment)
        return;
    Firebird::IAttachment *a = m_attachment;
    m_attachment = nullptr;
    try {
        FbStatus::run([&](Firebird::ThrowStatusWrapper &st) { a->detach(&st); });
    } catch (const DbError &) {
        // an attachment that cannot detach cleanly is dropped all the same
        a->release();
    }
}
