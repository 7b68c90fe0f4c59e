#include "model/TPessoa.h"

#include "model/Mensagens.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "util/Win1252.h"

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

const QString kQuebra = QStringLiteral("\r\n");

// The name travels as a parameter: SOUNDEX takes VARCHAR(1000) in WIN1252,
// so a quote or any other character reaches it as typed.
const QString kSemelhantesPF =
    QStringLiteral("SELECT * FROM PESSOAFISICA WHERE F_NOME = SOUNDEX(:NOME) ORDER BY NOME");
const QString kSemelhantesPJ =
    QStringLiteral("SELECT * FROM PESSOAJURIDICA WHERE F_NOME = SOUNDEX(:NOME) ORDER BY NOME");

} // namespace

TPessoa::TPessoa(Tabela tabela, Database *db) : Grupo(db ? TGrupo(*db) : TGrupo()), m_tabela(tabela), m_db(db)
{
}

Database &TPessoa::db() const
{
    return m_db ? *m_db : BancoDados();
}

QStringList TPessoa::NomesSemelhantes(bool *ok)
{
    const QString sql = m_tabela == Tabela::PessoaFisica ? kSemelhantesPF : kSemelhantesPJ;
    QStringList nomes;
    const DbResult r = dbLeitura(db(), [&](Transaction &t) {
        Query q(t, sql);
        q.setText(col("NOME"), Win1252::toUpper(Nome));
        q.open();
        while (q.next())
            nomes << q.field(col("NOME")).asString();
    });
    if (!r)
        Seams::messages().show(r.recusado ? r.error : Nome + kQuebra + sql + kQuebra + r.error,
                               MessageService::Kind::Error);
    if (ok)
        *ok = r.ok;
    return nomes;
}

std::optional<Resultado> TPessoa::AvisoNomeDuplicado(const QString &cabecalhoUmNome,
                                                     const QString &cabecalhoVariosNomes)
{
    bool ok = true;
    const QStringList nomes = NomesSemelhantes(&ok);
    // without the lookup the warning cannot be given; the write would not
    // get further anyway, and the user has already been told why
    if (!ok)
        return Resultado::Falhou;
    if (nomes.isEmpty())
        return std::nullopt;
    QString texto = nomes.size() == 1 ? cabecalhoUmNome : cabecalhoVariosNomes;
    for (const QString &nome : nomes)
        texto += nome + kQuebra;
    texto += kQuebra + QStringLiteral("Deseja continuar com o cadastro?");
    if (Seams::messages().confirm(texto))
        return std::nullopt;
    return Resultado::Recusado;
}

DbResult TPessoa::NomesVisiveis(const QString &login, QStringList &nomes) const
{
    const QString tabela =
        m_tabela == Tabela::PessoaFisica ? QStringLiteral("PESSOAFISICA") : QStringLiteral("PESSOAJURIDICA");
    QStringList lidos;
    const DbResult r = dbLeitura(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT DISTINCT(NOME) FROM %1 WHERE UPPER(LOGIN) = :LOGIN OR "
                                  "PUBLICA = :PUBLICA ORDER BY NOME")
                       .arg(tabela));
        q.setText(col("LOGIN"), Win1252::toUpper(login));
        q.setInt(col("PUBLICA"), 1);
        q.open();
        while (q.next())
            lidos << q.field(col("NOME")).asString();
    });
    nomes = r ? lidos : QStringList();
    return r;
}

DbResult TPessoa::NomeVisivel(const QString &login, const QString &nome, bool &existe) const
{
    const QString tabela =
        m_tabela == Tabela::PessoaFisica ? QStringLiteral("PESSOAFISICA") : QStringLiteral("PESSOAJURIDICA");
    bool achou = false;
    const DbResult r = dbLeitura(db(), [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT FIRST 1 NOME FROM %1 WHERE NOME = :NOME AND (UPPER(LOGIN) = :LOGIN "
                                  "OR PUBLICA = :PUBLICA)")
                       .arg(tabela));
        q.setText(col("NOME"), nome);
        q.setText(col("LOGIN"), Win1252::toUpper(login));
        q.setInt(col("PUBLICA"), 1);
        q.open();
        achou = q.next();
    });
    existe = r && achou;
    return r;
}

Resultado TPessoa::TornarPublicas(const QString &login, int *pessoas, QString *erro)
{
    int linhas = 0;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        for (const QString &sql :
             {QStringLiteral("UPDATE PESSOAJURIDICA SET PUBLICA = :PUBLICA WHERE LOGIN = :LOGIN "),
              QStringLiteral("UPDATE PESSOAFISICA SET PUBLICA = :PUBLICA WHERE LOGIN = :LOGIN ")}) {
            Query q(t, sql);
            q.setInt(col("PUBLICA"), 1);
            q.setText(col("LOGIN"), login);
            q.execute();
            linhas += q.rowsAffected();
        }
    });
    if (pessoas)
        *pessoas = r ? linhas : 0;
    if (erro)
        *erro = r ? QString() : r.texto(r.sql);
    return ContarAlteracao(r ? Resultado::Gravado : Resultado::Falhou);
}

namespace {
quint64 g_alteracoes = 0;
}

quint64 TPessoa::Alteracoes()
{
    return g_alteracoes;
}

Resultado TPessoa::ContarAlteracao(Resultado r)
{
    if (r == Resultado::Gravado)
        ++g_alteracoes;
    return r;
}

QString TPessoa::TextoRecusado(const QList<CampoTexto> &campos)
{
    for (const CampoTexto &c : campos) {
        const QString rotulo =
            QStringLiteral("Campo \"") + QString::fromUtf8(c.rotulo) + QStringLiteral("\": ");
        QString ruins;
        if (!Win1252::canEncode(*c.valor, &ruins))
            return rotulo + Win1252::unencodableMessage(ruins);
        // every character Windows-1252 holds is one byte and one UTF-16 unit
        if (c.maximo > 0 && c.valor->size() > c.maximo)
            return rotulo +
                   QStringLiteral("o texto tem %1 caracteres e cabem no máximo %2.")
                       .arg(c.valor->size())
                       .arg(c.maximo) +
                   kQuebra + QStringLiteral("Encurte-o e tente novamente.");
    }
    return {};
}

QString TPessoa::SqlInsercao() const
{
    return InstrucoesDeEscrita().inserir;
}

void TPessoa::InserirCom(Query &q)
{
    CompletarLogin();
    Vincular(q, Escrita::Insercao);
    q.execute();
    if (q.next())
        Identificador = q.field(col("IDENTIFICADOR")).asInt();
    q.close();
    NomeAntigo = Nome;
}

QStringList TPessoa::TextosRecusados() const
{
    QStringList recusas;
    for (const CampoTexto &c : CamposTexto()) {
        const QString r = TextoRecusado({c});
        if (!r.isEmpty())
            recusas << r;
    }
    return recusas;
}

void TPessoa::CompletarLogin()
{
    if (Login.isEmpty() && TUsuario::atual())
        Login = TUsuario::atual()->Login;
}

QList<TPessoa::CampoTexto> TPessoa::CamposTextoPessoa() const
{
    return {
        {"Nome", &Nome, 100},
        {"Observações", &Obs, 0},
        {"Login", &Login, 10},
        {"Banco", &NomeBanco, 30},
        {"Agência", &Agencia, 6},
        {"Conta", &NroConta, 15},
        {"Titular da conta", &TitularConta, 60},
        {"Banco 2", &NomeBanco02, 30},
        {"Agência 2", &Agencia02, 6},
        {"Conta 2", &NroConta02, 15},
        {"Titular da conta 2", &TitularConta02, 60},
        {"Banco 3", &NomeBanco03, 30},
        {"Agência 3", &Agencia03, 6},
        {"Conta 3", &NroConta03, 15},
        {"Titular da conta 3", &TitularConta03, 60},
        {"Rua", &Endereco.Rua, 100},
        {"Bairro", &Endereco.Bairro, 100},
        {"Cidade", &Endereco.Cidade, 100},
        {"Estado", &Endereco.Estado, 2},
        {"Complemento", &Endereco.Complemento, 100},
        {"VoIP", &Voip, 30},
    };
}

void TPessoa::VincularTexto(Query &q, const QStringList &nomes, const char *nome, const QString &valor)
{
    const QString n = col(nome);
    if (nomes.contains(n))
        q.setText(n, valor);
}

void TPessoa::VincularInteiro(Query &q, const QStringList &nomes, const char *nome, qint32 valor)
{
    const QString n = col(nome);
    if (nomes.contains(n))
        q.setInt(n, valor);
}

void TPessoa::VincularData(Query &q, const QStringList &nomes, const char *nome, double valor)
{
    const QString n = col(nome);
    if (!nomes.contains(n))
        return;
    if (valor == 0)
        q.setNull(n);
    else
        q.setDate(n, valor);
}

void TPessoa::VincularPessoa(Query &q, const QStringList &nomes) const
{
    VincularInteiro(q, nomes, "COD_GRUPO", Grupo.Codigo);
    VincularTexto(q, nomes, "NOME", Nome);
    if (nomes.contains(col("OBS")))
        q.setTextBlob(col("OBS"), Obs);
    VincularTexto(q, nomes, "LOGIN", Login);
    VincularInteiro(q, nomes, "PUBLICA", Publica);
    VincularTexto(q, nomes, "NOME_BANCO", NomeBanco);
    VincularTexto(q, nomes, "AGENCIA", Agencia);
    VincularTexto(q, nomes, "NRO_CONTA", NroConta);
    VincularTexto(q, nomes, "TITULAR_CONTA", TitularConta);
    VincularTexto(q, nomes, "NOME_BANCO02", NomeBanco02);
    VincularTexto(q, nomes, "AGENCIA02", Agencia02);
    VincularTexto(q, nomes, "NRO_CONTA02", NroConta02);
    VincularTexto(q, nomes, "TITULAR_CONTA02", TitularConta02);
    VincularTexto(q, nomes, "NOME_BANCO03", NomeBanco03);
    VincularTexto(q, nomes, "AGENCIA03", Agencia03);
    VincularTexto(q, nomes, "NRO_CONTA03", NroConta03);
    VincularTexto(q, nomes, "TITULAR_CONTA03", TitularConta03);
    VincularTexto(q, nomes, "RUA", Endereco.Rua);
    VincularInteiro(q, nomes, "NUMERO", Endereco.Numero);
    VincularTexto(q, nomes, "BAIRRO", Endereco.Bairro);
    VincularTexto(q, nomes, "CIDADE", Endereco.Cidade);
    VincularTexto(q, nomes, "ESTADO", Endereco.Estado);
    VincularInteiro(q, nomes, "CEP", Endereco.CEP);
    VincularInteiro(q, nomes, "CP", Endereco.CP);
    VincularTexto(q, nomes, "COMPLEMENTO", Endereco.Complemento);
    VincularInteiro(q, nomes, "ENVIAR", Endereco.Enviar);
    VincularInteiro(q, nomes, "GUIA", Guia);
    VincularTexto(q, nomes, "VOIP", Voip);
}

QString TPessoa::NomeTabela() const
{
    return m_tabela == Tabela::PessoaFisica ? QStringLiteral("PESSOAFISICA")
                                            : QStringLiteral("PESSOAJURIDICA");
}

void TPessoa::LerPessoa(const Query &q)
{
    VersaoLida = {q.assinatura(NomeTabela())};
    auto texto = [&](const char *nome) { return q.field(col(nome)).asString(); };
    auto inteiro = [&](const char *nome) { return q.field(col(nome)).asInt(); };
    Grupo.Codigo = inteiro("COD_GRUPO");
    Nome = texto("NOME");
    Obs = texto("OBS");
    Login = texto("LOGIN");
    Publica = inteiro("PUBLICA");
    NomeBanco = texto("NOME_BANCO");
    Agencia = texto("AGENCIA");
    NroConta = texto("NRO_CONTA");
    TitularConta = texto("TITULAR_CONTA");
    NomeBanco02 = texto("NOME_BANCO02");
    Agencia02 = texto("AGENCIA02");
    NroConta02 = texto("NRO_CONTA02");
    TitularConta02 = texto("TITULAR_CONTA02");
    NomeBanco03 = texto("NOME_BANCO03");
    Agencia03 = texto("AGENCIA03");
    NroConta03 = texto("NRO_CONTA03");
    TitularConta03 = texto("TITULAR_CONTA03");
    Endereco.Rua = texto("RUA");
    Endereco.Numero = inteiro("NUMERO");
    Endereco.Bairro = texto("BAIRRO");
    Endereco.Cidade = texto("CIDADE");
    Endereco.Estado = texto("ESTADO");
    Endereco.CEP = inteiro("CEP");
    Endereco.CP = inteiro("CP");
    Endereco.Complemento = texto("COMPLEMENTO");
    Endereco.Enviar = inteiro("ENVIAR");
    Guia = quint8(inteiro("GUIA"));
    Voip = texto("VOIP");
}

Resultado TPessoa::Inserir()
{
    const Instrucoes &sql = InstrucoesDeEscrita();
    CompletarLogin();
    // a text the row cannot hold is refused before the question, so the
    // user is never asked about a save that cannot happen
    const QString recusa = TextoRecusado(CamposTexto());
    if (!recusa.isEmpty()) {
        MostrarErro(recusa);
        return Resultado::Falhou;
    }
    if (const auto parar = AvisoNomeDuplicado(sql.umNomeInserindo, sql.variosNomes))
        return *parar;
    // the identifier comes back from the insert itself: a search for an equal
    // row could pick another, identical one
    qint32 novo = 0;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, sql.inserir);
        Vincular(q, Escrita::Insercao);
        q.execute();
        if (q.next())
            novo = q.field(col("IDENTIFICADOR")).asInt();
    });
    if (!r) {
        MostrarErro(r.recusado || !sql.erroComInstrucao ? r.error
                                                        : Nome + kQuebra + sql.inserir + kQuebra + r.error);
        return Resultado::Falhou;
    }
    Identificador = novo;
    NomeAntigo = Nome;
    return ContarAlteracao(Resultado::Gravado);
}

Resultado TPessoa::Alterar()
{
    const Instrucoes &sql = InstrucoesDeEscrita();
    CompletarLogin();
    const QString recusa = TextoRecusado(CamposTexto());
    if (!recusa.isEmpty()) {
        MostrarErro(recusa);
        return Resultado::Falhou;
    }
    // exact comparison: a change of letter case is a change of name
    if (Nome != NomeAntigo) {
        if (const auto parar = AvisoNomeDuplicado(sql.umNomeAlterando, sql.variosNomes))
            return *parar;
    }
    int linhas = 0;
    UltimoConflito = Conflito::Nenhum;
    Recarregada = false;
    std::unique_ptr<TPessoa> gravada;
    Versao escrita;
    const bool conferir = VersaoLida.definida();
    const QString sqlAtual = QStringLiteral("SELECT * FROM ") + NomeTabela() +
                             QStringLiteral(" WHERE IDENTIFICADOR = :IDENTIFICADOR");
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        if (conferir) {
            // the row as stored now, held until this write ends
            Query atual(t, sqlAtual + QStringLiteral(" WITH LOCK"));
            atual.setInt(col("IDENTIFICADOR"), Identificador);
            atual.open();
            if (!atual.next()) {
                UltimoConflito = Conflito::Excluida;
                return;
            }
            if (atual.assinatura(NomeTabela()) != VersaoLida.assinatura) {
                UltimoConflito = Conflito::Alterada;
                gravada = Copia();
                gravada->Ler(atual);
                return;
            }
        }
        Query q(t, sql.alterar);
        Vincular(q, Escrita::Alteracao);
        q.execute();
        linhas = q.rowsAffected();
        if (conferir && linhas > 0) {
            // the row as this write leaves it, for the next change from the same screen
            Query nova(t, sqlAtual);
            nova.setInt(col("IDENTIFICADOR"), Identificador);
            nova.open();
            if (nova.next())
                escrita.assinatura = nova.assinatura(NomeTabela());
        }
    });
    if (r && UltimoConflito == Conflito::Excluida) {
        MostrarErro(
            QStringLiteral("Este registro foi excluído por outro usuário depois que você o abriu.") +
            kQuebra +
            QStringLiteral("O que você digitou continua na tela, mas não pode ser gravado como alteração."));
        return Resultado::Falhou;
    }
    if (r && UltimoConflito == Conflito::Alterada) {
        if (Seams::messages().confirm(
                QStringLiteral("Outro usuário alterou este registro depois que você o abriu.") + kQuebra +
                QStringLiteral("Deseja ver os dados gravados por ele?") + kQuebra + kQuebra +
                QStringLiteral("Sim: a tela mostra os dados gravados e o que você digitou é descartado.") +
                kQuebra +
                QStringLiteral("Não: a tela continua com o que você digitou; gravar de novo substitui a "
                               "alteração do outro usuário."))) {
            Assumir(*gravada);
            NomeAntigo = Nome;
            UltimoConflito = Conflito::Alterada;
            Recarregada = true;
        } else {
            // the user saw the warning: the next save is a deliberate replacement
            VersaoLida = gravada->VersaoLida;
        }
        return Resultado::Falhou;
    }
    if (!r || linhas == 0) {
        // a text refused on the way to the database is all the user needs
        const QString motivo = r ? RegistroNaoEncontrado() : r.error;
        MostrarErro(r.recusado || !sql.erroComInstrucao ? motivo : motivo + kQuebra + sql.alterar);
        return Resultado::Falhou;
    }
    NomeAntigo = Nome;
    VersaoLida = escrita;
    return ContarAlteracao(Resultado::Gravado);
}

Resultado TPessoa::Excluir()
{
    const QString &sql = InstrucoesDeEscrita().excluir;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, sql);
        q.setInt(col("IDENTIFICADOR"), Identificador);
        q.execute();
    });
    return ContarAlteracao(r ? Resultado::Gravado : Resultado::Falhou);
}

bool TPessoa::LocalizarIdentificador()
{
    const QString sql = SqlLocalizar();
    std::unique_ptr<TPessoa> achada = Copia();
    bool achou = false;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, sql);
        Vincular(q, Escrita::Localizacao);
        q.open();
        if (q.next()) {
            achou = true;
            achada->Ler(q);
        }
    });
    if (!r) {
        MostrarErro(r.error);
        return false;
    }
    if (achou)
        Assumir(*achada);
    return achou;
}
