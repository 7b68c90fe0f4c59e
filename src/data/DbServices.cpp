#include "data/DbServices.h"

#include "data/Database.h"
#include "data/FbStatus.h"
#include "data/ServidorRede.h"

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

// Where the service's data goes or comes from when it streams the backup
// through the connection (a server elsewhere on the network): the archive is
// written and read on this desktop.
struct Fluxo {
    QFile *saida = nullptr;   // the backup as the service sends it ("stdout")
    QFile *entrada = nullptr; // the backup the service asks for ("stdin")
    std::function<void(qint64 bytes)> progresso;
};

// Starts one action on the services manager and reads its output line by
// line (or its data, for a streamed backup or restore) until it ends. The
// engine hands a failed action's error back through the status of a later
// query, so reaching the end means it succeeded.
void executar(const QString &gerenciador, bool remoto, const QString &user, const QString &password,
              const Builder &acao, const DbServices::Saida &saida, bool *erroNaSaida, const Fluxo &fluxo = {})
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
            if (remoto)
                attach->insertString(&st, isc_spb_config, "Providers=Remote");
            Firebird::IProvider *provider = Database::master()->getDispatcher();
            try {
                service =
                    provider->attachServiceManager(&st, gerenciador.toLocal8Bit().constData(),
                                                   attach->getBufferLength(&st), attach->getBuffer(&st));
            } catch (...) {
                provider->release();
                throw;
            }
            provider->release();

            start = util->getXpbBuilder(&st, Firebird::IXpbBuilder::SPB_START, nullptr, 0);
            acao(start, st);
            service->start(&st, start->getBufferLength(&st), start->getBuffer(&st));

            // lines; the backup's own bytes; or lines and how much of the backup the service wants
            const unsigned char pedeLinha[] = {isc_info_svc_line};
            const unsigned char pedeDados[] = {isc_info_svc_to_eof};
            const unsigned char pedeEntrada[] = {isc_info_svc_stdin, isc_info_svc_line};
            const unsigned char *pedido = fluxo.saida ? pedeDados : fluxo.entrada ? pedeEntrada : pedeLinha;
            const unsigned tamanhoPedido = fluxo.saida || !fluxo.entrada ? 1u : 2u;
            // the engine describes the buffer's length in 16 bits
            std::vector<unsigned char> buffer(32 * 1024);
            std::vector<unsigned char> envio;
            qint64 transferidos = 0;
            quint32 solicitado = 0; // bytes of the backup the service is waiting for
            bool fim = false;
            while (!fim) {
                envio.clear();
                if (fluxo.entrada && solicitado > 0) {
                    const QByteArray dados = fluxo.entrada->read(qMin<qint64>(solicitado, 30000));
                    envio.push_back(isc_info_svc_line);
                    envio.push_back(static_cast<unsigned char>(dados.size() & 0xff));
                    envio.push_back(static_cast<unsigned char>((dados.size() >> 8) & 0xff));
                    envio.insert(envio.end(), dados.begin(), dados.end());
                    envio.push_back(isc_info_end);
                    transferidos += dados.size();
                    if (fluxo.progresso)
                        fluxo.progresso(transferidos);
                    solicitado = 0;
                }
                service->query(&st, unsigned(envio.size()), envio.empty() ? nullptr : envio.data(),
                               tamanhoPedido, pedido, unsigned(buffer.size()), buffer.data());
                const unsigned char *p = buffer.data();
                const unsigned char *const limite = buffer.data() + buffer.size();
                bool ativo = false;
                while (p < limite && *p != isc_info_end) {
                    const unsigned char item = *p++;
                    if (item == isc_info_svc_line || item == isc_info_svc_to_eof) {
                        if (p + 2 > limite)
                            break;
                        const quint16 n = qFromLittleEndian<quint16>(p);
                        p += 2;
                        if (p + n > limite)
                            break;
                        if (n > 0) {
                            ativo = true;
                            if (item == isc_info_svc_to_eof) {
                                if (fluxo.saida->write(reinterpret_cast<const char *>(p), n) != n)
                                    throw DbError(QStringLiteral("Não foi possível gravar o arquivo \"") +
                                                  fluxo.saida->fileName() + QStringLiteral("\"."));
                                transferidos += n;
                                if (fluxo.progresso)
                                    fluxo.progresso(transferidos);
                            } else {
                                const QString texto =
                                    QString::fromLocal8Bit(reinterpret_cast<const char *>(p), n).trimmed();
                                if (texto.contains(QStringLiteral("ERROR:")))
                                    *erroNaSaida = true;
                                if (saida)
                                    saida(texto);
                            }
                        }
                        p += n;
                    } else if (item == isc_info_svc_stdin) {
                        if (p + 4 > limite)
                            break;
                        solicitado = qFromLittleEndian<quint32>(p);
                        p += 4;
                        if (solicitado > 0)
                            ativo = true;
                    } else if (item == isc_info_svc_timeout || item == isc_info_data_not_ready ||
                               item == isc_info_truncated) {
                        ativo = true; // more to come
                    } else {
                        break;
                    }
                }
                // an answer with no line, no data and no request: the action has ended
                if (!ativo)
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
            m_gerenciador, m_remoto, m_user, m_password,
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
            m_gerenciador, m_remoto, m_user, m_password,
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

DbServices DbServices::NoServidor(const ServidorRede &servidor)
{
    DbServices s(servidor.usuario.trimmed(), servidor.senha);
    s.m_gerenciador = servidor.host.trimmed() + QLatin1Char('/') + QString::number(servidor.porta) +
                      QStringLiteral(":service_mgr");
    s.m_remoto = true;
    return s;
}

DbResult DbServices::backupParaArquivo(const QString &database, const QString &localFile,
                                       const Progresso &progresso) const
{
    QFile arquivo(localFile);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return falha(QStringLiteral("Não foi possível criar o arquivo \"") + localFile +
                     QStringLiteral("\"."));
    bool erroNaSaida = false;
    try {
        Fluxo fluxo;
        fluxo.saida = &arquivo;
        fluxo.progresso = progresso;
        executar(
            m_gerenciador, m_remoto, m_user, m_password,
            [&](Firebird::IXpbBuilder *b, Firebird::ThrowStatusWrapper &st) {
                b->insertTag(&st, isc_action_svc_backup);
                b->insertString(&st, isc_spb_dbname, database.toUtf8().constData());
                b->insertString(&st, isc_spb_bkp_file, "stdout");
                b->insertInt(&st, isc_spb_options, isc_spb_bkp_ignore_limbo | isc_spb_bkp_non_transportable);
            },
            {}, &erroNaSaida, fluxo);
    } catch (const DbError &e) {
        arquivo.close();
        arquivo.remove();
        return DbResult::failure(e);
    }
    const bool gravou = arquivo.flush() && arquivo.size() > 0;
    arquivo.close();
    if (erroNaSaida || !gravou) {
        arquivo.remove();
        return falha(QStringLiteral("O BackUP não foi concluído: o arquivo \"") + localFile +
                     QStringLiteral("\" não foi gerado."));
    }
    return {};
}

DbResult DbServices::restoreDeArquivo(const QString &localFile, const QString &database, bool substituir,
                                      const Saida &saida, const Progresso &progresso) const
{
    QFile arquivo(localFile);
    if (!arquivo.open(QIODevice::ReadOnly))
        return falha(QStringLiteral("Arquivo ") + localFile + QStringLiteral(" não encontrado!"));
    bool erroNaSaida = false;
    try {
        Fluxo fluxo;
        fluxo.entrada = &arquivo;
        fluxo.progresso = progresso;
        executar(
            m_gerenciador, m_remoto, m_user, m_password,
            [&](Firebird::IXpbBuilder *b, Firebird::ThrowStatusWrapper &st) {
                b->insertTag(&st, isc_action_svc_restore);
                b->insertString(&st, isc_spb_bkp_file, "stdin");
                b->insertString(&st, isc_spb_dbname, database.toUtf8().constData());
                b->insertInt(&st, isc_spb_options,
                             (substituir ? isc_spb_res_replace : isc_spb_res_create) |
                                 isc_spb_res_use_all_space);
                b->insertInt(&st, isc_spb_res_page_size, 4096);
                b->insertInt(&st, isc_spb_res_buffers, 3000);
                b->insertTag(&st, isc_spb_verbose);
            },
            saida, &erroNaSaida, fluxo);
    } catch (const DbError &e) {
        return DbResult::failure(e);
    }
    if (erroNaSaida)
        return falha(QStringLiteral("O Restore não foi concluído."));
    return {};
}
