#include "model/THistorico.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/Mensagens.h"
#include "model/TPessoa.h"

#include <utility>

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

const QString kQuebra = QStringLiteral("\r\n");

// the identifier comes back from the insert itself
const QString kInserir = QStringLiteral(
    "INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, DATA, TEXTO, IMAGEM) VALUES (:IDEN_PESSOA,"
    " :TIPO_PESSOA, :DATA, :TEXTO, :IMAGEM) RETURNING IDENTIFICADOR");

const QString kAlterarSemImagem = QStringLiteral(
    "UPDATE HISTORICO SET IDEN_PESSOA = :IDEN_PESSOA, TIPO_PESSOA = :TIPO_PESSOA, DATA = :DATA,"
    " TEXTO = :TEXTO WHERE IDENTIFICADOR = :IDENTIFICADOR ");

const QString kAlterarComImagem = QStringLiteral(
    "UPDATE HISTORICO SET IDEN_PESSOA = :IDEN_PESSOA, TIPO_PESSOA = :TIPO_PESSOA, DATA = :DATA,"
    " TEXTO = :TEXTO, IMAGEM = :IMAGEM WHERE IDENTIFICADOR = :IDENTIFICADOR ");

const QString kExcluir = QStringLiteral("DELETE FROM HISTORICO WHERE IDENTIFICADOR = :IDENTIFICADOR ");

const QString kExcluirDaPessoa =
    QStringLiteral("DELETE FROM HISTORICO WHERE IDEN_PESSOA = :IDEN_PESSOA AND TIPO_PESSOA = :TIPO_PESSOA ");

const QString kTodos =
    QStringLiteral("SELECT * FROM HISTORICO WHERE IDEN_PESSOA = :IDEN_PESSOA AND TIPO_PESSOA "
                   "= :TIPO_PESSOA ORDER BY DATA ");
const QString kEntreDatas = QStringLiteral(
    "SELECT * FROM HISTORICO WHERE IDEN_PESSOA = :IDEN_PESSOA AND TIPO_PESSOA = :TIPO_PESSOA AND "
    "DATA BETWEEN :DATA_01 AND :DATA_02 ORDER BY DATA ");

const QString kLerImagem =
    QStringLiteral("SELECT IMAGEM FROM HISTORICO WHERE IDENTIFICADOR = :IDENTIFICADOR");
const QString kLimparImagem =
    QStringLiteral("UPDATE HISTORICO SET IMAGEM = :IMAGEM  WHERE IDENTIFICADOR = :IDENTIFICADOR");

// An empty picture is no picture: NULL, never an empty blob.
void VincularImagem(Query &q, const QByteArray &imagem)
{
    if (imagem.isEmpty())
        q.setNull(col("IMAGEM"));
    else
        q.setBlob(col("IMAGEM"), imagem);
}

} // namespace

THistorico::THistorico() : m_db(nullptr)
{
}

THistorico::THistorico(Database &db) : m_db(&db)
{
}

Database &THistorico::db() const
{
    return m_db ? *m_db : BancoDados();
}

QString THistorico::TextoRecusado() const
{
    return TPessoa::TextoRecusado({{"Texto", &Texto, MaximoTexto}});
}

Resultado THistorico::Inserir(const QByteArray &imagem)
{
    const QString recusa = TextoRecusado();
    if (!recusa.isEmpty()) {
        MostrarErro(recusa);
        return Resultado::Falhou;
    }
    qint32 novo = -1;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kInserir);
        q.setInt(col("IDEN_PESSOA"), IdenPessoa);
        q.setInt(col("TIPO_PESSOA"), TipoPessoa);
        q.setDate(col("DATA"), Data);
        q.setTextBlob(col("TEXTO"), Texto);
        VincularImagem(q, imagem);
        q.execute();
        if (q.next())
            novo = q.field(col("IDENTIFICADOR")).asInt();
    });
    if (!r) {
        MostrarErro(r.texto(kInserir));
        return Resultado::Falhou;
    }
    Identificador = novo;
    return Resultado::Gravado;
}

Resultado THistorico::Alterar(const QByteArray &imagem, bool manterImagem)
{
    const QString recusa = TextoRecusado();
    if (!recusa.isEmpty()) {
        MostrarErro(recusa);
        return Resultado::Falhou;
    }
    int linhas = 0;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, manterImagem ? kAlterarSemImagem : kAlterarComImagem);
        q.setInt(col("IDEN_PESSOA"), IdenPessoa);
        q.setInt(col("TIPO_PESSOA"), TipoPessoa);
        q.setDate(col("DATA"), Data);
        q.setTextBlob(col("TEXTO"), Texto);
        if (!manterImagem)
            VincularImagem(q, imagem);
        q.setInt(col("IDENTIFICADOR"), Identificador);
        q.execute();
        linhas = q.rowsAffected();
    });
    return r && linhas > 0 ? Resultado::Gravado : Resultado::Falhou;
}

Resultado THistorico::Excluir()
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kExcluir);
        q.setInt(col("IDENTIFICADOR"), Identificador);
        q.execute();
    });
    return r ? Resultado::Gravado : Resultado::Falhou;
}

Resultado THistorico::ExcluirDaPessoa()
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kExcluirDaPessoa);
        q.setInt(col("IDEN_PESSOA"), IdenPessoa);
        q.setInt(col("TIPO_PESSOA"), TipoPessoa);
        q.execute();
    });
    return r ? Resultado::Gravado : Resultado::Falhou;
}

namespace {

// One statement for both lists; `datas` null: every entry.
DbResult listar(Database &db, const THistorico &h, const std::pair<double, double> *datas,
                QList<ItemHistorico> &itens)
{
    QList<ItemHistorico> lidos;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, datas ? kEntreDatas : kTodos);
        q.setInt(col("IDEN_PESSOA"), h.IdenPessoa);
        q.setInt(col("TIPO_PESSOA"), h.TipoPessoa);
        if (datas) {
            q.setDate(col("DATA_01"), datas->first);
            q.setDate(col("DATA_02"), datas->second);
        }
        q.open();
        while (q.next()) {
            ItemHistorico i;
            i.Identificador = q.field(col("IDENTIFICADOR")).asInt();
            i.IdenPessoa = q.field(col("IDEN_PESSOA")).asInt();
            i.TipoPessoa = q.field(col("TIPO_PESSOA")).asInt();
            i.Data = q.field(col("DATA")).asDate();
            i.Texto = q.field(col("TEXTO")).asString();
            // only whether there is one: the bytes stay in the database
            i.TemImagem = !q.field(col("IMAGEM")).isNull();
            lidos << i;
        }
    });
    itens = r ? lidos : QList<ItemHistorico>();
    return r;
}

} // namespace

DbResult THistorico::Listar(QList<ItemHistorico> &itens) const
{
    return listar(db(), *this, nullptr, itens);
}

DbResult THistorico::ListarEntre(double de, double ate, QList<ItemHistorico> &itens) const
{
    const std::pair<double, double> datas(de, ate);
    return listar(db(), *this, &datas, itens);
}

DbResult THistorico::LerImagem(QByteArray &imagem) const
{
    QByteArray bytes;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kLerImagem);
        q.setInt(col("IDENTIFICADOR"), Identificador);
        q.open();
        if (q.next())
            bytes = q.field(col("IMAGEM")).asBytes();
    });
    imagem = r ? bytes : QByteArray();
    return r;
}

DbResult THistorico::LimparImagem() const
{
    return dbOperation(db(), [&](Transaction &t) {
        Query q(t, kLimparImagem);
        q.setNull(col("IMAGEM"));
        q.setInt(col("IDENTIFICADOR"), Identificador);
        q.execute();
    });
}
