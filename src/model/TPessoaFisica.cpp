#include "model/TPessoaFisica.h"

#include "model/Mensagens.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "services/Seams.h"

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

const QString kQuebra = QStringLiteral("\r\n");

const QString kUmNome = QStringLiteral("Já temos uma pessoa física cadastrada com este nome:\r\n");
const QString kVariosNomes =
    QStringLiteral("Já temos as seguintes pessoas físicas cadastradas com este nome:\r\n");

const QString kInserir = QStringLiteral(
    "INSERT INTO PESSOAFISICA (COD_GRUPO, NOME, TRATAMENTO, OBS, APELIDO, EMAIL,"
    " FONE_RESIDENCIAL, FONE_COMERCIAL, FONE_CELULAR, PROFISSAO, LOCAL_TRABALHO,"
    " DATA_NASCIMENTO, SEXO, ESTADO_CIVIL, RUA, NUMERO, BAIRRO, CIDADE, ESTADO, CEP, CP,"
    " COMPLEMENTO, INFORMAR_ANIVERSARIO, ENVIAR, CPF, MSN, PUBLICA, LOGIN, TITULO, ZONA,"
    " SECCAO, CARTAO_VISA, COD_VISA, CARTAO_MASTER, COD_MASTER, TIPO_CLIENTE, RG,"
    " CLIENTE_DESDE, VENDEDORA, GUIA, NOME_BANCO, AGENCIA, NRO_CONTA, TITULAR_CONTA, VOIP,"
    " P_MATRICULA, P_DATA_ENTRADA, P_DATA_DISPENSA, NOME_BANCO02, AGENCIA02, NRO_CONTA02,"
    " TITULAR_CONTA02, NOME_BANCO03, AGENCIA03, NRO_CONTA03, TITULAR_CONTA03) VALUES"
    " (:COD_GRUPO, :NOME, :TRATAMENTO, :OBS, :APELIDO, :EMAIL, :FONE_RESIDENCIAL,"
    " :FONE_COMERCIAL, :FONE_CELULAR, :PROFISSAO, :LOCAL_TRABALHO, :DATA_NASCIMENTO, :SEXO,"
    " :ESTADO_CIVIL, :RUA, :NUMERO, :BAIRRO, :CIDADE, :ESTADO, :CEP, :CP, :COMPLEMENTO,"
    " :INFORMAR_ANIVERSARIO, :ENVIAR, :CPF, :MSN, :PUBLICA, :LOGIN, :TITULO, :ZONA, :SECCAO,"
    " :CARTAO_VISA, :COD_VISA, :CARTAO_MASTER, :COD_MASTER, :TIPO_CLIENTE, :RG, :CLIENTE_DESDE,"
    " :VENDEDORA, :GUIA, :NOME_BANCO, :AGENCIA, :NRO_CONTA, :TITULAR_CONTA, :VOIP,"
    " :P_MATRICULA, :P_DATA_ENTRADA, :P_DATA_DISPENSA, :NOME_BANCO02, :AGENCIA02, :NRO_CONTA02,"
    " :TITULAR_CONTA02, :NOME_BANCO03, :AGENCIA03, :NRO_CONTA03, :TITULAR_CONTA03) "
    "RETURNING IDENTIFICADOR");

const QString kAlterar = QStringLiteral(
    "UPDATE PESSOAFISICA SET COD_GRUPO = :COD_GRUPO, NOME = :NOME, TRATAMENTO = :TRATAMENTO,"
    " OBS = :OBS, APELIDO = :APELIDO, EMAIL = :EMAIL, FONE_RESIDENCIAL = :FONE_RESIDENCIAL,"
    " FONE_COMERCIAL = :FONE_COMERCIAL, FONE_CELULAR = :FONE_CELULAR, PROFISSAO = :PROFISSAO,"
    " LOCAL_TRABALHO = :LOCAL_TRABALHO, DATA_NASCIMENTO = :DATA_NASCIMENTO, SEXO = :SEXO,"
    " ESTADO_CIVIL = :ESTADO_CIVIL, RUA = :RUA, NUMERO = :NUMERO, BAIRRO = :BAIRRO, CIDADE ="
    " :CIDADE, ESTADO = :ESTADO, CEP = :CEP, CP = :CP, COMPLEMENTO = :COMPLEMENTO,"
    " INFORMAR_ANIVERSARIO = :INFORMAR_ANIVERSARIO, ENVIAR = :ENVIAR, CPF = :CPF, MSN = :MSN,"
    " PUBLICA = :PUBLICA, LOGIN = :LOGIN, TITULO = :TITULO, ZONA = :ZONA, SECCAO = :SECCAO,"
    " CARTAO_VISA = :CARTAO_VISA, COD_VISA = :COD_VISA, CARTAO_MASTER = :CARTAO_MASTER,"
    " COD_MASTER = :COD_MASTER, TIPO_CLIENTE = :TIPO_CLIENTE, RG = :RG, CLIENTE_DESDE ="
    " :CLIENTE_DESDE, VENDEDORA = :VENDEDORA, GUIA = :GUIA,  NOME_BANCO = :NOME_BANCO, AGENCIA"
    " = :AGENCIA, NRO_CONTA = :NRO_CONTA, TITULAR_CONTA = :TITULAR_CONTA, VOIP = :VOIP,"
    " NOME_BANCO02 = :NOME_BANCO02, AGENCIA02 = :AGENCIA02, NRO_CONTA02 = :NRO_CONTA02,"
    " TITULAR_CONTA02 = :TITULAR_CONTA02, NOME_BANCO03 = :NOME_BANCO03, AGENCIA03 = :AGENCIA03,"
    " NRO_CONTA03 = :NRO_CONTA03, TITULAR_CONTA03 = :TITULAR_CONTA03, P_MATRICULA ="
    " :P_MATRICULA, P_DATA_ENTRADA = :P_DATA_ENTRADA, P_DATA_DISPENSA = :P_DATA_DISPENSA WHERE"
    " IDENTIFICADOR = :IDENTIFICADOR ");

const QString kExcluir = QStringLiteral("DELETE FROM PESSOAFISICA  WHERE IDENTIFICADOR = :IDENTIFICADOR ");

const QString kCarregar =
    QStringLiteral("SELECT * FROM PESSOAFISICA P, GRUPO G  WHERE IDENTIFICADOR = :IDENTIFICADOR AND"
                   " P.COD_GRUPO = G.COD_GRUPO ");

const QString kLocalizar =
    QStringLiteral("SELECT * FROM PESSOAFISICA WHERE COD_GRUPO = :COD_GRUPO AND NOME = :NOME AND TRATAMENTO ="
                   " :TRATAMENTO AND  OBS = :OBS AND  APELIDO = :APELIDO AND  EMAIL = :EMAIL AND "
                   " FONE_RESIDENCIAL = :FONE_RESIDENCIAL AND  FONE_COMERCIAL = :FONE_COMERCIAL AND"
                   " FONE_CELULAR = :FONE_CELULAR AND PROFISSAO = :PROFISSAO AND LOCAL_TRABALHO ="
                   " :LOCAL_TRABALHO AND  SEXO = :SEXO AND ESTADO_CIVIL = :ESTADO_CIVIL AND  RUA = :RUA AND "
                   " NUMERO = :NUMERO AND  BAIRRO = :BAIRRO AND  CIDADE = :CIDADE AND  ESTADO = :ESTADO AND "
                   " CEP = :CEP AND  CP = :CP AND  COMPLEMENTO = :COMPLEMENTO AND  INFORMAR_ANIVERSARIO ="
                   " :INFORMAR_ANIVERSARIO AND  ENVIAR = :ENVIAR AND  CPF = :CPF AND  MSN = :MSN AND  PUBLICA"
                   " = :PUBLICA AND  LOGIN = :LOGIN AND  TITULO = :TITULO AND  ZONA = :ZONA AND  SECCAO ="
                   " :SECCAO AND CARTAO_VISA = :CARTAO_VISA AND  COD_VISA = :COD_VISA AND  CARTAO_MASTER ="
                   " :CARTAO_MASTER AND  COD_MASTER = :COD_MASTER AND  TIPO_CLIENTE = :TIPO_CLIENTE AND  RG ="
                   " :RG AND  VENDEDORA = :VENDEDORA AND  GUIA = :GUIA AND NOME_BANCO = :NOME_BANCO AND"
                   " AGENCIA = :AGENCIA AND  NRO_CONTA = :NRO_CONTA AND  TITULAR_CONTA = :TITULAR_CONTA AND"
                   " VOIP = :VOIP AND NOME_BANCO02 = :NOME_BANCO02 AND  AGENCIA02 = :AGENCIA02 AND "
                   " NRO_CONTA02 = :NRO_CONTA02 AND  TITULAR_CONTA02 = :TITULAR_CONTA02 AND NOME_BANCO03 ="
                   " :NOME_BANCO03 AND  AGENCIA03 = :AGENCIA03 AND  NRO_CONTA03 = :NRO_CONTA03 AND "
                   " TITULAR_CONTA03 = :TITULAR_CONTA03 AND P_MATRICULA = :P_MATRICULA");

// The statement that copies the row :MODELO with another :COMPLEMENTO. The
// column list comes from the database, so a column added to the table is
// copied too.
QString sqlCopia(Transaction &t)
{
    Query q(t, QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) AS NOME FROM RDB$RELATION_FIELDS"
                              " WHERE RDB$RELATION_NAME = 'PESSOAFISICA' AND TRIM(RDB$FIELD_NAME) NOT IN"
                              " ('IDENTIFICADOR', 'COMPLEMENTO', 'F_NOME') ORDER BY RDB$FIELD_POSITION"));
    q.open();
    QStringList colunas;
    while (q.next())
        colunas << q.field(QStringLiteral("NOME")).asString();
    const QString lista = colunas.join(QStringLiteral(", "));
    return QStringLiteral(
               "INSERT INTO PESSOAFISICA (%1, COMPLEMENTO) SELECT %1, :COMPLEMENTO FROM PESSOAFISICA"
               " WHERE IDENTIFICADOR = :MODELO")
        .arg(lista);
}

} // namespace

TPessoaFisica::TPessoaFisica() : TPessoa(Tabela::PessoaFisica, nullptr)
{
}

TPessoaFisica::TPessoaFisica(Database &db) : TPessoa(Tabela::PessoaFisica, &db)
{
}

QList<TPessoa::CampoTexto> TPessoaFisica::CamposTexto() const
{
    QList<CampoTexto> campos = CamposTextoPessoa();
    campos += {
        {"Tratamento", &Tratamento, 30},
        {"Apelido", &Apelido, 60},
        {"E-mail", &Email, 100},
        {"Fone residencial", &FoneResidencial, 15},
        {"Fone comercial", &FoneComercial, 15},
        {"Celular", &FoneCelular, 15},
        {"Profissão", &Profissao, 30},
        {"Local de trabalho", &LocalTrabalho, 60},
        {"CPF", &CPF, 11},
        {"E-mail 2", &MSN, 100},
        {"Título de eleitor", &Titulo, 13},
        {"Cartão Visa", &CartaoVisa, 16},
        {"Cartão Master", &CartaoMaster, 16},
        {"RG", &RG, 15},
        {"Vendedora", &Vendedora, 10},
        {"Matrícula", &Matricula, 30},
    };
    return campos;
}

void TPessoaFisica::Vincular(Query &q, Escrita escrita) const
{
    // only an insert stores no birth date when asked not to
    const double dataNascimento = escrita == Escrita::Insercao && SemDataNascimento ? 0 : DataNascimento;
    const QStringList nomes = q.parameterNames();
    VincularPessoa(q, nomes);
    VincularInteiro(q, nomes, "IDENTIFICADOR", Identificador);
    VincularTexto(q, nomes, "TRATAMENTO", Tratamento);
    VincularTexto(q, nomes, "APELIDO", Apelido);
    VincularTexto(q, nomes, "EMAIL", Email);
    VincularTexto(q, nomes, "FONE_RESIDENCIAL", FoneResidencial);
    VincularTexto(q, nomes, "FONE_COMERCIAL", FoneComercial);
    VincularTexto(q, nomes, "FONE_CELULAR", FoneCelular);
    VincularTexto(q, nomes, "PROFISSAO", Profissao);
    VincularTexto(q, nomes, "LOCAL_TRABALHO", LocalTrabalho);
    VincularData(q, nomes, "DATA_NASCIMENTO", dataNascimento);
    VincularInteiro(q, nomes, "SEXO", Sexo);
    VincularInteiro(q, nomes, "ESTADO_CIVIL", EstadoCivil);
    VincularInteiro(q, nomes, "INFORMAR_ANIVERSARIO", InformarAniversario);
    VincularTexto(q, nomes, "CPF", CPF);
    VincularTexto(q, nomes, "MSN", MSN);
    VincularTexto(q, nomes, "TITULO", Titulo);
    VincularInteiro(q, nomes, "ZONA", Zona);
    VincularInteiro(q, nomes, "SECCAO", Seccao);
    VincularTexto(q, nomes, "CARTAO_VISA", CartaoVisa);
    VincularTexto(q, nomes, "CARTAO_MASTER", CartaoMaster);
    VincularInteiro(q, nomes, "COD_VISA", CodVisa);
    VincularInteiro(q, nomes, "COD_MASTER", CodMaster);
    VincularInteiro(q, nomes, "TIPO_CLIENTE", TipoCliente);
    VincularTexto(q, nomes, "RG", RG);
    VincularData(q, nomes, "CLIENTE_DESDE", ClienteDesde);
    VincularTexto(q, nomes, "VENDEDORA", Vendedora);
    VincularTexto(q, nomes, "P_MATRICULA", Matricula);
    VincularData(q, nomes, "P_DATA_ENTRADA", DataEntrada);
    VincularData(q, nomes, "P_DATA_DISPENSA", DataDispensa);
}

void TPessoaFisica::Ler(const Query &q)
{
    auto texto = [&](const char *nome) { return q.field(col(nome)).asString(); };
    auto inteiro = [&](const char *nome) { return q.field(col(nome)).asInt(); };
    auto data = [&](const char *nome) { return q.field(col(nome)).asDate(); };
    LerPessoa(q);
    Identificador = inteiro("IDENTIFICADOR");
    Tratamento = texto("TRATAMENTO");
    Apelido = texto("APELIDO");
    Email = texto("EMAIL");
    FoneResidencial = texto("FONE_RESIDENCIAL");
    FoneComercial = texto("FONE_COMERCIAL");
    FoneCelular = texto("FONE_CELULAR");
    Profissao = texto("PROFISSAO");
    LocalTrabalho = texto("LOCAL_TRABALHO");
    DataNascimento = data("DATA_NASCIMENTO");
    Sexo = quint8(inteiro("SEXO"));
    EstadoCivil = quint8(inteiro("ESTADO_CIVIL"));
    InformarAniversario = quint8(inteiro("INFORMAR_ANIVERSARIO"));
    CPF = texto("CPF");
    MSN = texto("MSN");
    Titulo = texto("TITULO");
    Zona = inteiro("ZONA");
    Seccao = inteiro("SECCAO");
    CartaoVisa = texto("CARTAO_VISA");
    CartaoMaster = texto("CARTAO_MASTER");
    CodVisa = inteiro("COD_VISA");
    CodMaster = inteiro("COD_MASTER");
    TipoCliente = inteiro("TIPO_CLIENTE");
    RG = texto("RG");
    ClienteDesde = data("CLIENTE_DESDE");
    Vendedora = texto("VENDEDORA");
    Matricula = texto("P_MATRICULA");
    DataEntrada = data("P_DATA_ENTRADA");
    DataDispensa = data("P_DATA_DISPENSA");
}

DbResult TPessoaFisica::CopiarComComplementos(const QStringList &complementos,
                                              const std::function<void()> &copiada) const
{
    return dbOperation(db(), [&](Transaction &t) {
        Query q(t, sqlCopia(t));
        for (const QString &complemento : complementos) {
            q.setText(col("COMPLEMENTO"), complemento);
            q.setInt(col("MODELO"), Identificador);
            q.execute();
            if (copiada)
                copiada();
        }
    });
}

bool TPessoaFisica::Carregar()
{
    TPessoaFisica lida(*this);
    bool achou = false;
    const DbResult r = dbOperation(db(), [&](Transaction &t) {
        Query q(t, kCarregar);
        q.setInt(col("IDENTIFICADOR"), Identificador);
        q.open();
        if (q.next()) {
            achou = true;
            lida.Ler(q);
            lida.Grupo.Nome = q.field(col("NOME_GRUPO")).asString();
        }
    });
    if (!r || !achou)
        return false;
    *this = lida;
    return true;
}

QString TPessoaFisica::SqlLocalizar() const
{
    // a date of 0 is NULL in the row, which no "=" matches
    QString sql = kLocalizar;
    const std::pair<double, const char *> datas[] = {
        {DataNascimento, "AND DATA_NASCIMENTO = :DATA_NASCIMENTO"},
        {DataEntrada, "AND P_DATA_ENTRADA = :P_DATA_ENTRADA"},
        {DataDispensa, "AND P_DATA_DISPENSA = :P_DATA_DISPENSA"},
        {ClienteDesde, "AND CLIENTE_DESDE = :CLIENTE_DESDE"},
    };
    for (const auto &[data, linha] : datas)
        if (data != 0)
            sql += kQuebra + col(linha);
    return sql;
}

const TPessoa::Instrucoes &TPessoaFisica::InstrucoesDeEscrita() const
{
    static const Instrucoes instrucoes{kInserir, kAlterar, kExcluir, kUmNome, kUmNome, kVariosNomes, true};
    return instrucoes;
}

std::unique_ptr<TPessoa> TPessoaFisica::Copia() const
{
    return std::make_unique<TPessoaFisica>(*this);
}

void TPessoaFisica::Assumir(const TPessoa &lida)
{
    *this = static_cast<const TPessoaFisica &>(lida);
}
