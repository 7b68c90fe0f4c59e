#include "data/RestauracaoSegura.h"

#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/ServidorRede.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

ResultadoRestauracao falha(const QString &texto)
{
    ResultadoRestauracao r;
    r.ok = false;
    r.erro = texto;
    return r;
}

} // namespace

ResultadoRestauracao RestaurarBase(const DbServices &servicos, const QString &backupFile,
                                   const QString &database, const QDateTime &agora,
                                   const DbServices::Saida &saida)
{
    const QFileInfo info(database);
    const QDir pasta = info.absoluteDir();
    const QString sufixo = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString novo =
        pasta.absoluteFilePath(info.completeBaseName() + QStringLiteral("_restaurando") + sufixo);

    // a leftover of an earlier failed attempt is no database of anyone's
    if (QFile::exists(novo) && !QFile::remove(novo))
        return falha(QStringLiteral("Não foi possível apagar o arquivo \"") + QDir::toNativeSeparators(novo) +
                     QStringLiteral("\" de um Restore anterior."));
    const DbResult r = servicos.restore(backupFile, novo, saida);
    if (!r || !QFileInfo(novo).isFile() || QFileInfo(novo).size() == 0) {
        QFile::remove(novo);
        return falha(r ? QStringLiteral("O Restore não gerou o banco de dados.") : r.error);
    }

    ResultadoRestauracao ok;
    if (info.exists()) {
        const QString base = info.completeBaseName() + QStringLiteral("_antes_restore_") +
                             agora.toString(QStringLiteral("yyyy_MM_dd_HHmmss"));
        QString copia = pasta.absoluteFilePath(base + sufixo);
        for (int n = 2; QFile::exists(copia); ++n)
            copia = pasta.absoluteFilePath(base + QStringLiteral("_%1").arg(n) + sufixo);
        if (!QFile::rename(database, copia)) {
            QFile::remove(novo);
            return falha(QStringLiteral("Não foi possível guardar a base de dados atual em \"") +
                         QDir::toNativeSeparators(copia) + QStringLiteral("\". O Restore foi cancelado."));
        }
        ok.copiaAnterior = copia;
    }
    if (!QFile::rename(novo, database)) {
        if (!ok.copiaAnterior.isEmpty())
            QFile::rename(ok.copiaAnterior, database);
        QFile::remove(novo);
        return falha(QStringLiteral("Não foi possível colocar a base restaurada no lugar de \"") +
                     QDir::toNativeSeparators(database) + QStringLiteral("\". O Restore foi cancelado."));
    }
    return ok;
}

QStringList OutrosConectados(const ServidorRede &servidor, QString *erro)
{
    Database db;
    servidor.Configurar(db);
    QStringList outros;
    try {
        db.connect();
    } catch (const DbError &e) {
        if (erro)
            *erro = servidor.Mensagem(e.gdsCode(), e.message());
        return {};
    }
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT MON$REMOTE_HOST, MON$REMOTE_ADDRESS, MON$REMOTE_OS_USER "
                                  "FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION "
                                  "AND MON$SYSTEM_FLAG = 0 ORDER BY MON$ATTACHMENT_ID"));
        q.open();
        while (q.next()) {
            QString quem = q.field(0).asString().trimmed();
            const QString endereco = q.field(1).asString().trimmed();
            if (quem.isEmpty())
                quem = endereco.isEmpty() ? QStringLiteral("este servidor") : endereco;
            const QString usuario = q.field(2).asString().trimmed();
            outros << (usuario.isEmpty() ? quem : quem + QStringLiteral(" (") + usuario + QLatin1Char(')'));
        }
    });
    db.disconnect();
    if (!r && erro)
        *erro = r.error;
    return outros;
}

ResultadoRestauracao RestaurarNoServidor(const ServidorRede &servidor, const QString &backupFile,
                                         const QString &pastaSeguranca, const QDateTime &agora,
                                         const DbServices::Saida &saida)
{
    const QString banco = servidor.banco.trimmed();
    const qsizetype barra = qMax(banco.lastIndexOf(QLatin1Char('/')), banco.lastIndexOf(QLatin1Char('\\')));
    if (barra < 0)
        return falha(QStringLiteral("Para restaurar no servidor, informe nas configurações de rede o caminho "
                                    "completo do banco de dados no servidor, não um apelido."));
    const auto quemUsa = [&](ResultadoRestauracao *recusa) {
        QString erro;
        const QStringList outros = OutrosConectados(servidor, &erro);
        if (!erro.isEmpty()) {
            *recusa = falha(erro);
            return true;
        }
        if (outros.isEmpty())
            return false;
        *recusa =
            falha(QStringLiteral("O Restore só pode ser feito quando nenhum outro computador está usando o "
                                 "banco de dados. Conectados agora:\r\n") +
                  outros.join(QStringLiteral("\r\n")));
        return true;
    };
    ResultadoRestauracao recusa;
    if (quemUsa(&recusa))
        return recusa;

    const DbServices servicos = DbServices::NoServidor(servidor);
    const QString carimbo = agora.toString(QStringLiteral("yyyy_MM_dd_HHmmss"));
    // the database as it is now, kept on this desktop before anything changes
    QDir().mkpath(pastaSeguranca);
    const QString copia =
        QDir(pastaSeguranca)
            .absoluteFilePath(QStringLiteral("Orvalha_antes_restore_") + carimbo + QStringLiteral(".bck"));
    if (saida)
        saida(QStringLiteral("Cópia de segurança da base atual..."));
    const DbResult seguranca = servicos.backupParaArquivo(banco, copia);
    if (!seguranca)
        return falha(
            QStringLiteral("Não foi possível fazer a cópia de segurança da base atual. O Restore foi "
                           "cancelado.\r\n") +
            seguranca.error);

    // a trial beside the live database: the live one is touched only after it restored completely
    const QString ensaio =
        banco.left(barra + 1) + QStringLiteral("Orvalha_restaurando_") + carimbo + QStringLiteral(".FDB");
    const DbResult teste = servicos.restoreDeArquivo(backupFile, ensaio, false, saida);
    {
        Database db;
        ServidorRede outro = servidor;
        outro.banco = ensaio;
        outro.Configurar(db);
        try {
            db.connect();
            db.dropDatabase();
        } catch (const DbError &) {
            // a trial that was never created has nothing to drop
        }
    }
    if (!teste)
        return falha(teste.error);

    if (quemUsa(&recusa))
        return recusa;
    const DbResult r = servicos.restoreDeArquivo(backupFile, banco, true, saida);
    if (!r)
        return falha(r.error + QStringLiteral("\r\nA base anterior está guardada em \"") +
                     QDir::toNativeSeparators(copia) + QStringLiteral("\"."));
    ResultadoRestauracao ok;
    ok.copiaAnterior = copia;
    return ok;
}
