#include "model/RelatorioListas.h"

#include "data/Query.h"
#include "util/Win1252.h"

namespace RelatorioListas {

QString Comando(Lista lista)
{
    switch (lista) {
    case Lista::PF:
        return QStringLiteral(
            "Select * from pessoafisica\nwhere login = :login or publica = :publica\norder by Nome");
    case Lista::PJ:
        return QStringLiteral(
            "Select * from pessoajuridica\nwhere login = :login or publica = :publica\norder by Nome");
    case Lista::PC:
        return QStringLiteral(
            "SELECT * FROM \nPESSOAJURIDICA J, CONTATO_PJ C\n"
            "WHERE  (Upper(J.LOGIN) = :login or J.PUBLICA = :publica) AND J.IDENTIFICADOR = "
            "C.IDENTIFICADOR_PJ \nORDER BY J.NOME, C.NOME");
    }
    return {};
}

DbResult Ler(Database &db, Lista lista, const QString &login, const QStringList &colunas,
             Relatorio::Dados *dados)
{
    Relatorio::Dados lidos;
    lidos.colunas = colunas;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, Comando(lista));
        q.setText(QStringLiteral("LOGIN"), lista == Lista::PC ? Win1252::toUpper(login) : login);
        q.setInt(QStringLiteral("PUBLICA"), 1);
        q.open();
        QList<bool> tem;
        for (const QString &c : colunas)
            tem << q.hasField(c);
        while (q.next()) {
            QStringList linha;
            linha.reserve(colunas.size());
            for (int i = 0; i < colunas.size(); ++i)
                linha << (tem.at(i) ? q.field(colunas.at(i)).asString() : QString());
            lidos.linhas << linha;
        }
    });
    if (r)
        *dados = std::move(lidos);
    return r;
}

} // namespace RelatorioListas
