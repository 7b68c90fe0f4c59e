#include "model/TFinancas.h"

#include "data/Query.h"
#include "data/TDM.h"
#include "model/Mensagens.h"
#include "model/TPessoa.h"

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

const QString kInserir = QStringLiteral(
    "INSERT INTO FINANCAS (ID_PESSOA, TIPO_PESSOA, VALOR, DATA, TIPO_OPERACAO, FORMAP_PAGAMENTO, LOGIN, OBS, "
    "SITUACAO) VALUES (:ID_PESSOA, :TIPO_PESSOA, :VALOR, :DATA, :TIPO_OPERACAO, :FORMAP_PAGAMENTO, :LOGIN, "
    ":OBS, :SITUACAO)");

const QString kAlterar = QStringLiteral(
    "UPDATE FINANCAS SET ID_PESSOA = :ID_PESSOA , TIPO_PESSOA = :TIPO_PESSOA, VALOR = :VALOR, DATA = :DATA, "
    "TIPO_OPERACAO = :TIPO_OPERACAO, FORMAP_PAGAMENTO = :FORMAP_PAGAMENTO, LOGIN = :LOGIN, OBS = :OBS, "
    "SITUACAO = :SITUACAO WHERE ID_FINANCA = :ID_FINANCA");

const QString kExcluir = QStringLiteral("DELETE FROM FINANCAS WHERE ID_FINANCA = :ID_FINANCA ");

const QString kAlterarSituacao =
    QStringLiteral("UPDATE FINANCAS SET LOGIN = :LOGIN, SITUACAO = :SITUACAO WHERE ID_FINANCA = :ID_FINANCA");

const QString kAlterarTipoOperacao = QStringLiteral(
    "UPDATE FINANCAS SET LOGIN = :LOGIN, TIPO_OPERACAO = :TIPO_OPERACAO WHERE ID_FINANCA = :ID_FINANCA");

// The columns the insert and the change share.
void vincular(Query &q, const TFinancas &f)
{
    q.setInt(col("ID_PESSOA"), f.IdPessoa);
    q.setInt(col("TIPO_PESSOA"), f.TipoPessoa);
    q.setScaled(col("VALOR"), f.Valor.tenThousandths(), 4);
    q.setDate(col("DATA"), f.Data);
    q.setInt(col("TIPO_OPERACAO"), f.TipoOperacao);
    q.setInt(col("FORMAP_PAGAMENTO"), f.FormaPagamento);
    q.setText(col("LOGIN"), f.Login);
    q.setText(col("OBS"), f.Obs);
    q.setInt(col("SITUACAO"), f.Situacao);
}

} // namespace

TFinancas::TFinancas() : m_db(nullptr)
{
}

TFinancas::TFinancas(Database &db) : m_db(&db)
{
}

Database &TFinancas::db() const
{
    return m_db ? *m_db : BancoDados();
}

const QStringList &TFinancas::FormasPagamento()
{
    static const QStringList formas = {QStringLiteral("Dinheiro"), QStringLiteral("Cheque"),
                                       QStringLiteral("Cartão"),   QStringLiteral("Depósito em Conta"),
                                       QStringLiteral("Boleto"),   QStringLiteral("Outro")};
    return formas;
}

QString TFinancas::TextoRecusado() const
{
    return TPessoa::TextoRecusado({{"Obs", &Obs, MaximoObs}, {"Login", &Login, 10}});
}

Resultado TFinancas::Inserir()
{
    return InserirSerie(db(), {*this});
}

Resultado TFinancas::InserirSerie(const QList<TFinancas> &serie)
{
    return InserirSerie(BancoDados(), serie);
}

Resultado TFinancas::InserirSerie(Database &db, const QList<TFinancas> &serie)
{
    for (const TFinancas &f : serie) {
        const QString recusa = f.TextoRecusado();
        if (!recusa.isEmpty()) {
            MostrarErro(recusa);
            return Resultado::Falhou;
        }
    }
    const DbResult r = dbOperation(db, [&](Transaction &t) {
        Query q(t, kInserir);
        for (const TFinancas &f : serie) {
            vincular(q, f);
            q.execute();
        }
    });
    if (!r) {
        MostrarErro(r.texto(kInserir));
        return Resultado::Falhou;
    }
    return Resultado::Gravado;
}

Resultado TFinancas::Alterar()
{
    const QString recusa = TextoRecusado();
    if (!recusa.isEmpty()) {
        MostrarErro(recusa);
        return Resultado::Falhou;
    }
    int linhas = 0;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kAlterar);
        vincular(q, *this);
        q.setInt(col("ID_FINANCA"), IdFinanca);
        q.execute();
        linhas = q.rowsAffected();
    });
    if (!r) {
        MostrarErro(r.texto(kAlterar));
        return Resultado::Falhou;
    }
    if (linhas == 0) {
        MostrarErro(RegistroNaoEncontrado());
        return Resultado::Falhou;
    }
    return Resultado::Gravado;
}

Resultado TFinancas::Excluir()
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kExcluir);
        q.setInt(col("ID_FINANCA"), IdFinanca);
        q.execute();
    });
    if (!r) {
        MostrarErro(r.texto(kExcluir));
        return Resultado::Falhou;
    }
    return Resultado::Gravado;
}

Resultado TFinancas::alterarColuna(const QString &sql, const char *coluna, int codigo, const QString &login)
{
    const QString recusa = TPessoa::TextoRecusado({{"Login", &login, 10}});
    if (!recusa.isEmpty()) {
        MostrarErro(recusa);
        return Resultado::Falhou;
    }
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, sql);
        q.setText(col("LOGIN"), login);
        q.setInt(col(coluna), codigo & 0xFF);
        q.setInt(col("ID_FINANCA"), IdFinanca);
        q.execute();
    });
    if (!r) {
        MostrarErro(r.texto(sql));
        return Resultado::Falhou;
    }
    return Resultado::Gravado;
}

Resultado TFinancas::AlterarSituacao(int situacao, const QString &login)
{
    return alterarColuna(kAlterarSituacao, "SITUACAO", situacao, login);
}

Resultado TFinancas::AlterarTipoOperacao(int tipoOperacao, const QString &login)
{
    return alterarColuna(kAlterarTipoOperacao, "TIPO_OPERACAO", tipoOperacao, login);
}
