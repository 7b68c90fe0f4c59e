#include "model/TContato_PJ.h"

#include "model/Mensagens.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TPessoa.h"
#include "services/Seams.h"

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

const QString kQuebra = QStringLiteral("\r\n");

// the identifier comes back from the insert itself
const QString kInserir =
    QStringLiteral("INSERT INTO CONTATO_PJ (IDENTIFICADOR_PJ, NOME, EMAIL, FUNCAO, OBS, FONE, RAMAL, CELULAR,"
                   " DATA) VALUES (:IDENTIFICADOR_PJ, :NOME, :EMAIL, :FUNCAO, :OBS, :FONE, :RAMAL, :CELULAR,"
                   " :DATA)"
                   " RETURNING IDENTIFICADOR");

const QString kAlterar =
    QStringLiteral("UPDATE CONTATO_PJ SET IDENTIFICADOR_PJ = :IDENTIFICADOR_PJ, NOME = :NOME, EMAIL = :EMAIL,"
                   " FUNCAO = :FUNCAO, DATA = :DATA,  OBS = :OBS, FONE = :FONE, RAMAL = :RAMAL, CELULAR ="
                   " :CELULAR WHERE IDENTIFICADOR = :IDENTIFICADOR ");

const QString kExcluir = QStringLiteral("DELETE FROM CONTATO_PJ WHERE IDENTIFICADOR = :IDENTIFICADOR ");

const QString kExcluirDaEmpresa =
    QStringLiteral("DELETE FROM CONTATO_PJ WHERE IDENTIFICADOR_PJ = :IDENTIFICADOR_PJ ");

const QString kDaEmpresa =
    QStringLiteral("SELECT * FROM CONTATO_PJ WHERE IDENTIFICADOR_PJ = :IDENTIFICADOR_PJ "
                   "ORDER BY NOME, FUNCAO ");

// A failed contact operation shows the statement, a line break and the
// server's reason; a text the program refuses itself shows the reason alone.
Resultado falhou(const QString &texto)
{
    Seams::messages().show(texto, MessageService::Kind::Error);
    return Resultado::Falhou;
}

} // namespace

TContato_PJ::TContato_PJ() : m_db(nullptr)
{
}

TContato_PJ::TContato_PJ(Database &db) : m_db(&db)
{
}

Database &TContato_PJ::db() const
{
    return m_db ? *m_db : BancoDados();
}

QString TContato_PJ::TextoRecusado() const
{
    return TPessoa::TextoRecusado({
        {"Nome", &Nome, 100},
        {"E-mail", &Email, 100},
        {"Função", &Funcao, 100},
        {"Fone", &Fone, 15},
        {"Celular", &Celular, 15},
        {"Observações", &Obs, 200},
    });
}

void TContato_PJ::Vincular(Query &q) const
{
    q.setInt(col("IDENTIFICADOR_PJ"), IdentificadorPJ);
    q.setText(col("NOME"), Nome);
    q.setText(col("EMAIL"), Email);
    q.setText(col("FUNCAO"), Funcao);
    q.setText(col("OBS"), Obs);
    q.setText(col("FONE"), Fone);
    q.setInt(col("RAMAL"), Ramal);
    q.setText(col("CELULAR"), Celular);
    // always a date: no birth date is day 0, 30/12/1899, and reads back as 0
    q.setDate(col("DATA"), Data);
}

Resultado TContato_PJ::Inserir()
{
    const QString recusa = TextoRecusado();
    if (!recusa.isEmpty())
        return falhou(recusa);
    qint32 novo = 0;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kInserir);
        Vincular(q);
        q.execute();
        if (q.next())
            novo = q.field(col("IDENTIFICADOR")).asInt();
    });
    if (!r)
        return falhou(r.texto(kInserir));
    Identificador = novo;
    return Resultado::Gravado;
}

Resultado TContato_PJ::Alterar()
{
    const QString recusa = TextoRecusado();
    if (!recusa.isEmpty())
        return falhou(recusa);
    int linhas = 0;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kAlterar);
        Vincular(q);
        q.setInt(col("IDENTIFICADOR"), Identificador);
        q.execute();
        linhas = q.rowsAffected();
    });
    if (!r)
        return falhou(r.texto(kAlterar));
    if (linhas == 0)
        return falhou(kAlterar + kQuebra + RegistroNaoEncontrado());
    return Resultado::Gravado;
}

Resultado TContato_PJ::Excluir()
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kExcluir);
        q.setInt(col("IDENTIFICADOR"), Identificador);
        q.execute();
    });
    return r ? Resultado::Gravado : falhou(r.texto(kExcluir));
}

Resultado TContato_PJ::ExcluirDaEmpresa(qint32 identificadorPJ)
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kExcluirDaEmpresa);
        q.setInt(col("IDENTIFICADOR_PJ"), identificadorPJ);
        q.execute();
    });
    return r ? Resultado::Gravado : falhou(r.texto(kExcluirDaEmpresa));
}

DbResult TContato_PJ::DaEmpresa(Database &db, qint32 identificadorPJ, QList<TContato_PJ> &contatos)
{
    QList<TContato_PJ> lidos;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, kDaEmpresa);
        q.setInt(col("IDENTIFICADOR_PJ"), identificadorPJ);
        q.open();
        while (q.next()) {
            TContato_PJ c(db);
            c.Identificador = q.field(col("IDENTIFICADOR")).asInt();
            c.IdentificadorPJ = q.field(col("IDENTIFICADOR_PJ")).asInt();
            c.Nome = q.field(col("NOME")).asString();
            c.Email = q.field(col("EMAIL")).asString();
            c.Obs = q.field(col("OBS")).asString();
            c.Funcao = q.field(col("FUNCAO")).asString();
            c.Fone = q.field(col("FONE")).asString();
            c.Ramal = q.field(col("RAMAL")).asInt();
            c.Celular = q.field(col("CELULAR")).asString();
            c.Data = q.field(col("DATA")).asDate();
            lidos << c;
        }
    });
    contatos = r ? lidos : QList<TContato_PJ>();
    return r;
}
