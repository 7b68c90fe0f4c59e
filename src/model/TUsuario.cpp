#include "model/TUsuario.h"

#include "app/ProgramFolder.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/ErrorLog.h"
#include "services/Seams.h"
#include "util/Win1252.h"

namespace {

TUsuario *g_atual = nullptr;

// The scramble of "|" is byte 0x8D and that of "ˆ" is 0x81, two bytes that
// Windows-1252 leaves unassigned and the database refuses. A scrambled
// upper-case password never holds "¦" (the scramble of "c") nor "§" (of "b"),
// so those two stand in for them in the column. Upper-casing leaves all four
// alone, so "UPPER(SENHA) = :SENHA" still compares like with like.
const QChar kPipe(char16_t(0x008D)), kCircumflex(char16_t(0x0081));
const QChar kPipeStored(char16_t(0x00A6)), kCircumflexStored(char16_t(0x00A7));

QString toColumn(QString scrambled)
{
    return scrambled.replace(kPipe, kPipeStored).replace(kCircumflex, kCircumflexStored);
}

QString fromColumn(QString stored)
{
    return stored.replace(kPipeStored, kPipe).replace(kCircumflexStored, kCircumflex);
}

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

TUsuario::TUsuario() : m_db(nullptr)
{
}

TUsuario::TUsuario(Database &db) : m_db(&db)
{
}

Database &TUsuario::db() const
{
    return m_db ? *m_db : BancoDados();
}

TUsuario *TUsuario::atual()
{
    return g_atual;
}
void TUsuario::setAtual(TUsuario *usuario)
{
    g_atual = usuario;
}

QString TUsuario::defaultSound(char kind)
{
    switch (kind) {
    case 'C': return ProgramPath(QStringLiteral("Sons/default_compromissos.mid"));
    case 'R': return ProgramPath(QStringLiteral("Sons/default_recados.mid"));
    default: return ProgramPath(QStringLiteral("Sons/default_lembretes.mid"));
    }
}

Resultado TUsuario::Inserir()
{
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral(
                       "INSERT INTO USUARIO (LOGIN, SENHA, EMAIL, NOME, TIPO, DATA_HORA, INC_C, VER_C, "
                       "SOM_C, SOM_R, SOM_L) VALUES (:LOGIN, :SENHA, :EMAIL, :NOME, :TIPO, :DATA_HORA, "
                       ":INC_C, :VER_C, :SOM_C, :SOM_R, :SOM_L)"));
        q.setText(col("LOGIN"), Login);
        q.setText(col("SENHA"), toColumn(Senha));
        q.setText(col("EMAIL"), Email);
        q.setText(col("NOME"), Nome);
        q.setInt(col("TIPO"), Tipo);
        q.setDateTime(col("DATA_HORA"), DataHora);
        q.setInt(col("INC_C"), IncC);
        q.setInt(col("VER_C"), VerC);
        q.setText(col("SOM_C"), defaultSound('C'));
        q.setText(col("SOM_R"), defaultSound('R'));
        q.setText(col("SOM_L"), defaultSound('L'));
        q.execute();
    });
    if (r) {
        Seams::messages().show(QStringLiteral("Usuário ") + Login + QStringLiteral(" inserido com sucesso!"));
        return Resultado::Gravado;
    }
    Seams::messages().show(
        MontaMensagemErro(r.error, QStringLiteral("TUsuario"), QStringLiteral("Inserindo")),
        MessageService::Kind::Error);
    return Resultado::Falhou;
}

Resultado TUsuario::Alterar()
{
    int changed = 0;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral(
                       "UPDATE USUARIO SET LOGIN = :LOGIN, SENHA = :SENHA, EMAIL = :EMAIL, NOME = :NOME, "
                       "TIPO = :TIPO, SOM_C = :SOM_C, SOM_R = :SOM_R, SOM_L = :SOM_L, VER_C = :VER_C, "
                       "INC_C = :INC_C WHERE LOGIN = :OLD_LOGIN "));
        q.setText(col("LOGIN"), Login);
        q.setText(col("SENHA"), toColumn(Senha));
        q.setText(col("EMAIL"), Email);
        q.setText(col("NOME"), Nome);
        q.setInt(col("TIPO"), Tipo);
        q.setText(col("SOM_C"), SomC);
        q.setText(col("SOM_R"), SomR);
        q.setText(col("SOM_L"), SomL);
        q.setInt(col("VER_C"), VerC);
        q.setInt(col("INC_C"), IncC);
        q.setText(col("OLD_LOGIN"), LoginAnterior);
        q.execute();
        changed = q.rowsAffected();
    });
    if (!r) {
        Seams::messages().show(
            MontaMensagemErro(r.error, QStringLiteral("TUsuario"), QStringLiteral("Alterando")),
            MessageService::Kind::Error);
        return Resultado::Falhou;
    }
    if (changed == 0) {
        // nobody has this login any more (removed meanwhile): nothing was saved
        Seams::messages().show(QStringLiteral("Usuário ") + LoginAnterior +
                                   QStringLiteral(" não encontrado! Os dados não foram alterados."),
                               MessageService::Kind::Error);
        return Resultado::Falhou;
    }
    // the row now answers to the new login: a second change must find it
    LoginAnterior = Login;
    Seams::messages().show(QStringLiteral("Dados do usuário ") + Login +
                           QStringLiteral(" alterados com sucesso!"));
    return Resultado::Gravado;
}

bool TUsuario::Autenticar()
{
    bool found = false;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(
            t, QStringLiteral("SELECT * FROM USUARIO WHERE UPPER(LOGIN) = :LOGIN AND UPPER(SENHA) = :SENHA"));
        q.setText(col("LOGIN"), Win1252::toUpper(Login));
        q.setText(col("SENHA"), toColumn(Win1252::toUpper(Senha)));
        q.open();
        if (q.next()) {
            found = true;
            Login = q.field(col("LOGIN")).asString();
            Senha = fromColumn(q.field(col("SENHA")).asString());
            Email = q.field(col("EMAIL")).asString();
            Nome = q.field(col("NOME")).asString();
            Tipo = q.field(col("TIPO")).asInt();
            SomC = q.field(col("SOM_C")).asString();
            SomR = q.field(col("SOM_R")).asString();
            SomL = q.field(col("SOM_L")).asString();
            DataHora = q.field(col("DATA_HORA")).asDateTime();
            VerC = q.field(col("VER_C")).asInt();
            IncC = q.field(col("INC_C")).asInt();
        }
    });
    if (r && found)
        return true;
    Email.clear();
    Senha.clear();
    Tipo = -1;
    return false;
}

bool TUsuario::Carregar(QString &senha)
{
    bool found = false;
    TUsuario loaded(db());
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT * FROM USUARIO WHERE LOGIN = :LOGIN"));
        q.setText(col("LOGIN"), Login);
        q.open();
        if (q.next()) {
            found = true;
            loaded.Email = q.field(col("EMAIL")).asString();
            loaded.Nome = q.field(col("NOME")).asString();
            loaded.Senha = fromColumn(q.field(col("SENHA")).asString());
            loaded.SomC = q.field(col("SOM_C")).asString();
            loaded.SomR = q.field(col("SOM_R")).asString();
            loaded.SomL = q.field(col("SOM_L")).asString();
            loaded.DataHora = q.field(col("DATA_HORA")).asDateTime();
            loaded.VerC = q.field(col("VER_C")).asInt();
            loaded.IncC = q.field(col("INC_C")).asInt();
        }
    });
    if (!r)
        return false; // a database error leaves the object as it was
    if (!found) {
        Email.clear();
        senha.clear();
        return false;
    }
    Email = loaded.Email;
    Nome = loaded.Nome;
    Senha = loaded.Senha;
    SomC = loaded.SomC;
    SomR = loaded.SomR;
    SomL = loaded.SomL;
    DataHora = loaded.DataHora;
    VerC = loaded.VerC;
    IncC = loaded.IncC;
    senha = Senha;
    return true;
}

DbResult TUsuario::Excluir()
{
    return dbOperation(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("DELETE FROM USUARIO WHERE LOGIN = :LOGIN "));
        q.setText(col("LOGIN"), Login);
        q.execute();
    });
}

DbResult TUsuario::Outros(Database &db, const QString &login, QList<TUsuario> &usuarios)
{
    QList<TUsuario> lidos;
    const DbResult r = dbOperation(db, [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT * FROM USUARIO WHERE UPPER(LOGIN)<> :LOGIN ORDER BY LOGIN "));
        q.setText(col("LOGIN"), Win1252::toUpper(login));
        q.open();
        while (q.next()) {
            TUsuario u(db);
            u.Login = q.field(col("LOGIN")).asString();
            u.LoginAnterior = u.Login;
            u.Nome = q.field(col("NOME")).asString();
            lidos << u;
        }
    });
    usuarios = r ? lidos : QList<TUsuario>();
    return r;
}

DbResult TUsuario::Logins(Database &db, QStringList &logins)
{
    QStringList lidos;
    const DbResult r = dbOperation(db, [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT * FROM USUARIO"));
        q.open();
        while (q.next())
            lidos << q.field(col("LOGIN")).asString();
    });
    logins = r ? lidos : QStringList();
    return r;
}

DbResult TUsuario::ExisteAlgum(Database &db, bool &existe)
{
    bool algum = false;
    const DbResult r = dbOperation(db, [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT * FROM USUARIO"));
        q.open();
        algum = q.next();
    });
    existe = r && algum;
    return r;
}
