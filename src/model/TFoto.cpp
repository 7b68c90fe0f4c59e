#include "model/TFoto.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/Mensagens.h"
#include "model/TPessoa.h"
#include "services/Seams.h"

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

const QString kQuebra = QStringLiteral("\r\n");

// the identifier comes back from the insert itself
const QString kInserir = QStringLiteral(
    "INSERT INTO IMAGEM(ID_PESSOA, FOTO, OBS) VALUES (:ID_PESSOA, :FOTO, :OBS) RETURNING ID_IMAGEM");
const QString kAlterar =
    QStringLiteral("UPDATE IMAGEM SET FOTO = :FOTO , OBS = :OBS WHERE ID_IMAGEM = :ID_IMAGEM");
const QString kExcluir = QStringLiteral("DELETE FROM IMAGEM WHERE ID_IMAGEM = :ID_FOTO ");
const QString kCarregar = QStringLiteral("SELECT * FROM IMAGEM WHERE ID_IMAGEM = :ID");
// the pictures stay in the database: the album reads one when it shows it
const QString kAlbum =
    QStringLiteral("SELECT ID_IMAGEM, ID_PESSOA, OBS FROM IMAGEM WHERE ID_PESSOA = :ID ORDER BY ID_IMAGEM");

// A failed operation shows the statement and the server's reason; what the
// program refuses itself is shown alone.
Resultado falhou(const QString &texto)
{
    MostrarErro(texto);
    return Resultado::Falhou;
}

void informar(const QString &texto)
{
    Seams::messages().show(texto, MessageService::Kind::Information);
}

} // namespace

TFoto::TFoto() : m_db(nullptr)
{
}

TFoto::TFoto(Database &db) : m_db(&db)
{
}

Database &TFoto::db() const
{
    return m_db ? *m_db : BancoDados();
}

Resultado TFoto::Inserir(const QByteArray &foto)
{
    if (foto.isEmpty())
        return falhou(QStringLiteral("Nenhuma imagem foi escolhida. Os dados não foram gravados."));
    const QString recusa = TPessoa::TextoRecusado({{"Observação", &Obs, 200}});
    if (!recusa.isEmpty())
        return falhou(recusa);
    qint32 novo = 0;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kInserir);
        q.setInt(col("ID_PESSOA"), IdPessoa);
        q.setBlob(col("FOTO"), foto);
        q.setText(col("OBS"), Obs);
        q.execute();
        if (q.next())
            novo = q.field(col("ID_IMAGEM")).asInt();
    });
    if (!r)
        return falhou(r.texto(kInserir));
    IdImagem = novo;
    informar(QStringLiteral("Imagem inserida com sucesso!"));
    return Resultado::Gravado;
}

Resultado TFoto::Alterar(const QByteArray &foto)
{
    const QString recusa = TPessoa::TextoRecusado({{"Observação", &Obs, 200}});
    if (!recusa.isEmpty())
        return falhou(recusa);
    int linhas = 0;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kAlterar);
        if (foto.isEmpty())
            q.setNull(col("FOTO"));
        else
            q.setBlob(col("FOTO"), foto);
        q.setText(col("OBS"), Obs);
        q.setInt(col("ID_IMAGEM"), IdImagem);
        q.execute();
        linhas = q.rowsAffected();
    });
    if (!r)
        return falhou(r.texto(kAlterar));
    if (linhas == 0)
        return falhou(kAlterar + kQuebra + RegistroNaoEncontrado());
    informar(QStringLiteral("Dados atualizados com sucesso!"));
    return Resultado::Gravado;
}

Resultado TFoto::Excluir()
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kExcluir);
        q.setInt(col("ID_FOTO"), IdImagem);
        q.execute();
    });
    if (!r)
        return falhou(r.texto(kExcluir));
    informar(QStringLiteral("Imagem excluída com sucesso!"));
    return Resultado::Gravado;
}

bool TFoto::Carregar(QByteArray &foto)
{
    foto.clear();
    TFoto lida(*this);
    QByteArray bytes;
    bool achou = false;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kCarregar);
        q.setInt(col("ID"), IdImagem);
        q.open();
        if (!q.next())
            return;
        achou = true;
        lida.IdPessoa = q.field(col("ID_PESSOA")).asInt();
        lida.Obs = q.field(col("OBS")).asString();
        bytes = q.field(col("FOTO")).asBytes();
    });
    if (!r) {
        MostrarErro(r.texto(kCarregar));
        return false;
    }
    if (!achou)
        return false;
    *this = lida;
    foto = bytes;
    return true;
}

QList<TFoto> TFoto::Album(qint32 idPessoa, bool *ok)
{
    return Album(BancoDados(), idPessoa, ok);
}

QList<TFoto> TFoto::Album(Database &db, qint32 idPessoa, bool *ok)
{
    QList<TFoto> fotos;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, kAlbum);
        q.setInt(col("ID"), idPessoa);
        q.open();
        while (q.next()) {
            TFoto f(db);
            f.IdImagem = q.field(col("ID_IMAGEM")).asInt();
            f.IdPessoa = q.field(col("ID_PESSOA")).asInt();
            f.Obs = q.field(col("OBS")).asString();
            fotos.append(f);
        }
    });
    if (ok)
        *ok = bool(r);
    if (!r) {
        MostrarErro(r.texto(kAlbum));
        return {};
    }
    return fotos;
}
