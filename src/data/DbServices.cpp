#include "data/DbServices.h"

#include "data/Database.h"
#include "data/FbStatus.h"

#include <QFile>
#include <QtEndian>

#include <vector>

namespace {

using Builder = std::function<void(Firebird::IXpbBuilder *, Firebird::ThrowStatusWrapper &)>;

QByteArray caminho(const QString &path)
{
    // the engine takes file names in the system's own encoding
    return path.toLocal8Bit();
}

// Starts one action on the services manager and reads its output line by
// line until it ends. The engine hands a failed action's error back through
// the status of a later query, so reaching the end means it succeeded.
void executar(const QString &user, const QString &password, const Builder &acao,
              const DbServices::Saida &saida, bool *erroNaSaida)
{
    FbStatus::run([&](Firebird::ThrowStatusWrapper &st) {
        Firebird::IUtil *util = Database::util();
        Firebird::IXpbBuilder *attach =
            util->getXpbBuilder(&st, Firebird::IXpbBuilder::SPB_ATTACH, nullptr, 0);
        Firebird::IXpbBuilder *start = nullptr;
        Firebird::IService *service = nullptr;
        const auto liberar = [&] {
            if (service) {
                try {
                    service->detach(&st);
                } catch (const Firebird::FbException &) {
                    service->release();
                }
                service = nullptr;
            }
            if (start)
                start->dispose();
            attach->dispose();
        };
        try {
            attach->insertString(&st, isc_spb_user_name, user.toLatin1().constData());
            attach->insertString(&st, isc_spb_password, password.toLatin1().constData());
            Firebird::IProvider *provider = Database::master()->getDispatcher();
            try {
                service = provider->attachServiceManager(&st, "service_mgr", attach->getBufferLength(&st),
                                                         attach->getBuffer(&st));
            } catch (...) {
                provider->release();
                throw;
            }
            provider->release();

            start = util->getXpbBuilder(&st, Firebird::IXpbBuilder::SPB_START, nullptr, 0);
            acao(start, st);
            service->start(&st, start->getBufferLength(&st), start->getBuffer(&st));

            const unsigned char pedido[] = {isc_info_svc_line};
            // the engine describes the buffer's length in 16 bits
            std::vector<unsigned char> buffer(32 * 1024);
            bool fim = false;
            while (!fim) {
                service->query(&st, 0, nullptr, sizeof pedido, pedido, unsigned(buffer.size()),
                               buffer.data());
                const unsigned char *p = buffer.data();
                const unsigned char *const limite = buffer.data() + buffer.size();
                bool linha = false;
                while (p < limite && *p != isc_info_end) {
                    const unsigned char item = *p++;
                    if (item == isc_info_svc_line) {
                        if (p + 2 > limite)
                            break;
                        const quint16 n = qFromLittleEndian<quint16>(p);
                        p += 2;
                        if (p + n > limite)
                            break;
                        if (n == 0) {
                            fim = true;
                        } else {
                            linha = true;
                            const QString texto =
                                QString::fromLocal8Bit(reinterpret_cast<const char *>(p), n).trimmed();
                            if (texto.contains(QStringLiteral("ERROR:")))
                                *erroNaSaida = true;
                            if (saida)
                                saida(texto);
                        }
                        p += n;
                    } else if (item == isc_info_svc_timeout || item == isc_info_data_not_ready) {
                        linha = true; // more to come
                    } else {
                        break;
                    }
                }
                // an answer with neither a line nor an end: the service is gone
                if (!linha)
                    fim = true;
            }
        } catch (...) {
            liberar();
            throw;
        }
        liberar();
    });
}

DbResult falha(const QString &texto)
{
    DbResult r;
    r.ok = false;
    r.error = texto;
    return r;
}

} // namespace

DbServices::DbServices(QString user, QString password)
    : m_user(std::move(user)), m_password(std::move(password))
{
}

DbResult DbServices::backup(const QString &database, const QString &backupFile, const Saida &saida) const
{
    if (QFile::exists(backupFile) && !QFile::remove(backupFile))
        return falha(QStringLiteral("Não foi possível apagar o BackUP anterior \"") + backupFile +
                     QStringLiteral("\"."));
    bool erroNaSaida = false;
    try {
        executar(
            m_user, m_password,
            [&](Firebird::IXpbBuilder *b, Firebird::ThrowStatusWrapper &st) {
                b->insertTag(&st, isc_action_svc_backup);
                b->insertString(&st, isc_spb_dbname, caminho(database).constData());
                b->insertString(&st, isc_spb_bkp_file, caminho(backupFile).constData());
                b->insertInt(&st, isc_spb_options, isc_spb_bkp_ignore_limbo | isc_spb_bkp_non_transportable);
                b->insertTag(&st, isc_spb_verbose);
            },
            saida, &erroNaSaida);
    } catch (const DbError &e) {
        QFile::remove(backupFile);
        return DbResult::failure(e);
    }
    if (erroNaSaida || !QFile::exists(backupFile)) {
        QFile::remove(backupFile);
        return falha(QStringLiteral("O BackUP não foi concluído: o arquivo \"") + backupFile +
                     QStringLiteral("\" não foi gerado."));
    }
    return {};
}

DbResult DbServices::restore(const QString &backupFile, const QString &database, const Saida &saida) const
{
    if (!QFile::exists(backupFile))
        return falha(QStringLiteral("Arquivo ") + backupFile + QStringLiteral(" não encontrado!"));
    bool erroNaSaida = false;
    try {
        executar(
            m_user, m_password,
            [&](Firebird::IXpbBuilder *b, Firebird::ThrowStatusWrapper &st) {
                b->insertTag(&st, isc_action_svc_restore);
                b->insertString(&st, isc_spb_bkp_file, caminho(backupFile).constData());
                b->insertString(&st, isc_spb_dbname, caminho(database).constData());
                b->insertInt(&st, isc_spb_options, isc_spb_res_replace | isc_spb_res_use_all_space);
                b->insertInt(&st, isc_spb_res_page_size, 4096);
                b->insertInt(&st, isc_spb_res_buffers, 3000);
                b->insertTag(&st, isc_spb_verbose);
            },
            saida, &erroNaSaida);
    } catch (const DbError &e) {
        return DbResult::failure(e);
    }
    if (erroNaSaida)
        return falha(QStringLiteral("O Restore não foi concluído."));
    return {};
}
