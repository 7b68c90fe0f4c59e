#include "model/TPessoaJuridica.h"

#include "model/Mensagens.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "services/Seams.h"
#include "util/Win1252.h"

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

const QString kUmNomeInserindo = QStringLiteral("Já temos uma pessoa jurídica cadastrada com este nome:\r\n");
// the change's header has always been written without the accent
const QString kUmNomeAlterando = QStringLiteral("Já temos uma pessoa juridica cadastrada com este nome:\r\n");
const QString kVariosNomes =
    QStringLiteral("Já temos as seguintes pessoas jurídicas cadastradas com este nome:\r\n");

const QString kVisiveis = QStringLiteral(
    "SELECT IDENTIFICADOR, NOME, EMAIL FROM PESSOAJURIDICA WHERE UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA "
    "ORDER BY NOME");

// FONE0800 and FONE0300 are the parameters of FONE_0800 and FONE_0300.
// The identifier comes back from the insert itself: a search for an equal
// row could pick another, identical one.
const QString kInserir =
    QStringLiteral("INSERT INTO PESSOAJURIDICA (COD_GRUPO, NOME, OBS, CNPJ, IE, FONE, FONE_FAX, FONE_CEL,"
                   " FONE_0800, FONE_0300, EMAIL, HOME_PAGE, RUA, NUMERO, BAIRRO, CIDADE, ESTADO, CEP, CP,"
                   " COMPLEMENTO, ENVIAR, PUBLICA, LOGIN, GUIA, VOIP, NOME_BANCO, AGENCIA, NRO_CONTA,"
                   " TITULAR_CONTA, NOME_BANCO02, AGENCIA02, NRO_CONTA02, TITULAR_CONTA02, NOME_BANCO03,"
                   " AGENCIA03, NRO_CONTA03, TITULAR_CONTA03) VALUES (:COD_GRUPO, :NOME, :OBS, :CNPJ, :IE,"
                   " :FONE, :FONE_FAX, :FONE_CEL, :FONE0800, :FONE0300, :EMAIL, :HOME_PAGE, :RUA, :NUMERO,"
                   " :BAIRRO, :CIDADE, :ESTADO, :CEP, :CP, :COMPLEMENTO, :ENVIAR, :PUBLICA, :LOGIN, :GUIA,"
                   " :VOIP, :NOME_BANCO, :AGENCIA, :NRO_CONTA, :TITULAR_CONTA, :NOME_BANCO02, :AGENCIA02,"
                   " :NRO_CONTA02, :TITULAR_CONTA02, :NOME_BANCO03, :AGENCIA03, :NRO_CONTA03,"
                   " :TITULAR_CONTA03)"
                   " RETURNING IDENTIFICADOR");

const QString kAlterar = QStringLiteral(
    "UPDATE PESSOAJURIDICA SET  COD_GRUPO = :COD_GRUPO, NOME = :NOME, OBS = :OBS, CNPJ = :CNPJ,"
    " IE = :IE, FONE = :FONE, FONE_FAX = :FONE_FAX, FONE_CEL = :FONE_CEL, FONE_0800 ="
    " :FONE0800, FONE_0300 = :FONE0300, EMAIL = :EMAIL, HOME_PAGE = :HOME_PAGE, RUA = :RUA,"
    " NUMERO = :NUMERO, BAIRRO = :BAIRRO, CIDADE = :CIDADE, ESTADO = :ESTADO, CEP = :CEP, CP ="
    " :CP, COMPLEMENTO = :COMPLEMENTO, ENVIAR = :ENVIAR, PUBLICA = :PUBLICA, LOGIN = :LOGIN,"
    " GUIA = :GUIA, VOIP = :VOIP, NOME_BANCO = :NOME_BANCO, AGENCIA = :AGENCIA, NRO_CONTA ="
    " :NRO_CONTA, TITULAR_CONTA = :TITULAR_CONTA, NOME_BANCO02 = :NOME_BANCO02, AGENCIA02 ="
    " :AGENCIA02, NRO_CONTA02 = :NRO_CONTA02, TITULAR_CONTA02 = :TITULAR_CONTA02, NOME_BANCO03"
    " = :NOME_BANCO03, AGENCIA03 = :AGENCIA03, NRO_CONTA03 = :NRO_CONTA03, TITULAR_CONTA03 ="
    " :TITULAR_CONTA03 WHERE IDENTIFICADOR = :IDENTIFICADOR ");

const QString kExcluir = QStringLiteral("DELETE FROM PESSOAJURIDICA  WHERE IDENTIFICADOR = :IDENTIFICADOR ");

const QString kCarregar =
    QStringLiteral("SELECT * FROM PESSOAJURIDICA WHERE IDENTIFICADOR = :IDENTIFICADOR ");

const QString kLocalizar =
    QStringLiteral("SELECT * FROM PESSOAJURIDICA WHERE COD_GRUPO = :COD_GRUPO AND NOME = :NOME AND OBS = :OBS"
                   " AND CNPJ = :CNPJ AND IE = :IE AND FONE = :FONE AND FONE_FAX = :FONE_FAX AND FONE_CEL ="
                   " :FONE_CEL AND FONE_0800 = :FONE0800 AND FONE_0300 = :FONE0300 AND EMAIL = :EMAIL AND"
                   " HOME_PAGE = :HOME_PAGE AND RUA = :RUA AND NUMERO = :NUMERO AND BAIRRO = :BAIRRO AND"
                   " CIDADE = :CIDADE AND ESTADO = :ESTADO AND CEP = :CEP AND CP = :CP AND COMPLEMENTO ="
                   " :COMPLEMENTO AND ENVIAR = :ENVIAR AND PUBLICA = :PUBLICA AND LOGIN = :LOGIN AND GUIA ="
                   " :GUIA");

} // namespace

TPessoaJuridica::TPessoaJuridica() : TPessoa(Tabela::PessoaJuridica, nullptr)
{
}

TPessoaJuridica::TPessoaJuridica(Database &db) : TPessoa(Tabela::PessoaJuridica, &db)
{
}

QList<TPessoa::CampoTexto> TPessoaJuridica::CamposTexto() const
{
    QList<CampoTexto> campos = CamposTextoPessoa();
    campos += {
        {"CNPJ", &CNPJ, 30},          {"Inscrição estadual", &IE, 30}, {"Fone", &Fone, 15},
        {"Fax", &FoneFax, 15},        {"Celular", &FoneCel, 15},       {"Fone 0800", &Fone0800, 15},
        {"Fone 0300", &Fone0300, 15}, {"E-mail", &Email, 100},         {"Home page", &HomePage, 100},
    };
    return campos;
}

void TPessoaJuridica::Vincular(Query &q, Escrita) const
{
    const QStringList nomes = q.parameterNames();
    VincularPessoa(q, nomes);
    VincularInteiro(q, nomes, "IDENTIFICADOR", Identificador);
    VincularTexto(q, nomes, "CNPJ", CNPJ);
    VincularTexto(q, nomes, "IE", IE);
    VincularTexto(q, nomes, "FONE", Fone);
    VincularTexto(q, nomes, "FONE_FAX", FoneFax);
    VincularTexto(q, nomes, "FONE_CEL", FoneCel);
    VincularTexto(q, nomes, "FONE0800", Fone0800);
    VincularTexto(q, nomes, "FONE0300", Fone0300);
    VincularTexto(q, nomes, "EMAIL", Email);
    VincularTexto(q, nomes, "HOME_PAGE", HomePage);
}

void TPessoaJuridica::Ler(const Query &q)
{
    auto texto = [&](const char *nome) { return q.field(col(nome)).asString(); };
    LerPessoa(q);
    Identificador = q.field(col("IDENTIFICADOR")).asInt();
    CNPJ = texto("CNPJ");
    IE = texto("IE");
    Fone = texto("FONE");
    FoneFax = texto("FONE_FAX");
    FoneCel = texto("FONE_CEL");
    Fone0800 = texto("FONE_0800");
    Fone0300 = texto("FONE_0300");
    Email = texto("EMAIL");
    HomePage = texto("HOME_PAGE");
}

DbResult TPessoaJuridica::Visiveis(Database &db, const QString &login, QList<TPessoaJuridica> &empresas)
{
    QList<TPessoaJuridica> lidas;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, kVisiveis);
        q.setText(col("LOGIN"), Win1252::toUpper(login));
        q.setInt(col("PUBLICA"), 1);
        q.open();
        while (q.next()) {
            TPessoaJuridica e(db);
            e.Identificador = q.field(col("IDENTIFICADOR")).asInt();
            e.Nome = q.field(col("NOME")).asString();
            e.Email = q.field(col("EMAIL")).asString();
            lidas << e;
        }
    });
    empresas = r ? lidas : QList<TPessoaJuridica>();
    return r;
}

bool TPessoaJuridica::Carregar(qint32 identificador)
{
    TPessoaJuridica lida(*this);
    bool achou = false;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kCarregar);
        q.setInt(col("IDENTIFICADOR"), identificador);
        q.open();
        if (q.next()) {
            achou = true;
            lida.Ler(q);
        }
    });
    if (!r) {
        MostrarErro(r.error);
        return false;
    }
    if (!achou)
        return false;
    // the statement does not join GRUPO: a name kept from another group would be wrong
    if (lida.Grupo.Codigo != Grupo.Codigo)
        lida.Grupo.Nome.clear();
    *this = lida;
    return true;
}

QString TPessoaJuridica::SqlLocalizar() const
{
    return kLocalizar;
}

const TPessoa::Instrucoes &TPessoaJuridica::InstrucoesDeEscrita() const
{
    static const Instrucoes instrucoes{kInserir,         kAlterar,     kExcluir, kUmNomeInserindo,
                                       kUmNomeAlterando, kVariosNomes, false};
    return instrucoes;
}

std::unique_ptr<TPessoa> TPessoaJuridica::Copia() const
{
    return std::make_unique<TPessoaJuridica>(*this);
}

void TPessoaJuridica::Assumir(const TPessoa &lida)
{
    *this = static_cast<const TPessoaJuridica &>(lida);
}
