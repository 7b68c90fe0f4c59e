#include "data/RestauracaoSegura.h"

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
