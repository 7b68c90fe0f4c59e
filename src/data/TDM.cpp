#include "data/TDM.h"

#include "app/ProgramFolder.h"
#include "data/DbError.h"
#include "data/EmbeddedServer.h"
#include "data/IndicesNovos.h"
#include "data/ServidorRede.h"
#include "services/Seams.h"

#include <QThread>

namespace {
TDM *g_instance = nullptr;
}

TDM *TDM::instance()
{
    return g_instance;
}

Database &BancoDados()
{
    // without a data module every operation fails cleanly on a closed connection
    static Database closed;
    return g_instance ? g_instance->BancoDados : closed;
}

TDM::TDM(Delay delay)
{
    g_instance = this;
    BancoDados.setParams(QStringLiteral("sysdba"), QStringLiteral("zolbrinax"), QStringLiteral("WIN1252"));
    BancoDados.setDatabaseName(storedDatabaseName());
    if (!delay)
        delay = [](int ms) { QThread::msleep(ulong(ms)); };
    DataModuleCreate(delay);
}

TDM::~TDM()
{
    BancoDados.disconnect();
    if (g_instance == this)
        g_instance = nullptr;
}

void TDM::connectOnce()
{
    BancoDados.disconnect();
    const ServidorRede servidor = ServidorRede::Ler();
    if (servidor.ativo()) {
        // the office's server: the engine beside the program stays unused
        servidor.Configurar(BancoDados);
        BancoDados.connect();
        IndicesNovos::Completar(BancoDados);
        return;
    }
    BancoDados.setRemoto(false);
    BancoDados.setParams(QStringLiteral("sysdba"), QStringLiteral("zolbrinax"), QStringLiteral("WIN1252"));
    ConfigureEmbeddedServer();
    ApplyEmbeddedServerRoot(EmbeddedServerRoot());
    BancoDados.disconnect();
    BancoDados.setDatabaseName(ProgramPath(QStringLiteral("DB/Orvalha.FDB")));
    BancoDados.connect();
    IndicesNovos::Completar(BancoDados);
}

void TDM::DataModuleCreate(const Delay &delay)
{
    try {
        connectOnce();
        return;
    } catch (const DbError &first) {
        delay(10000);
        try {
            // once more, with whatever name is set by now
            BancoDados.connect();
            IndicesNovos::Completar(BancoDados);
        } catch (const DbError &) {
            const ServidorRede servidor = ServidorRede::Ler();
            Seams::messages().show(servidor.ativo() ? servidor.Mensagem(first.gdsCode(), first.message())
                                                    : first.message(),
                                   MessageService::Kind::Error);
        }
    }
}

bool TDM::ConectarDeNovo(QString *error)
{
    try {
        connectOnce();
        return true;
    } catch (const DbError &e) {
        const ServidorRede servidor = ServidorRede::Ler();
        if (error)
            *error = servidor.ativo() ? servidor.Mensagem(e.gdsCode(), e.message()) : e.message();
        return false;
    }
}

bool TDM::Reconectar(QString *error)
{
    try {
        BancoDados.disconnect();
        BancoDados.connect();
        // a restored copy of an older database lacks what a connection adds
        IndicesNovos::Completar(BancoDados);
        return true;
    } catch (const DbError &e) {
        if (error)
            *error = e.message();
        return false;
    }
}
