#include "support/PessoasSemeadas.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "support/DbHelpers.h"
#include "util/DateTime.h"

#include <QStringList>
#include <QVariantMap>

namespace {

QVariant data(int ano, int mes, int dia)
{
    return QVariant(double(EncodeDate(ano, mes, dia)));
}

// One row from column values (text, int, a double as a date, a null
// QVariant as NULL); returns the key the database gave it.
int inserir(Database &db, const QString &tabela, const QString &chave, const QVariantMap &valores)
{
    int id = 0;
    const DbResult r = dbOperation(db, [&](Transaction &t) {
        QStringList nomes, parametros;
        for (auto it = valores.cbegin(); it != valores.cend(); ++it) {
            nomes << it.key();
            parametros << QLatin1Char(':') + it.key();
        }
        Query q(t, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING %4")
                       .arg(tabela, nomes.join(QLatin1Char(',')), parametros.join(QLatin1Char(',')), chave));
        for (auto it = valores.cbegin(); it != valores.cend(); ++it) {
            const QVariant &v = it.value();
            if (v.isNull())
                q.setNull(it.key());
            else if (v.typeId() == QMetaType::Int)
                q.setInt(it.key(), v.toInt());
            else if (v.typeId() == QMetaType::Double)
                q.setDate(it.key(), v.toDouble());
            else
                q.setText(it.key(), v.toString());
        }
        q.execute();
        if (q.next())
            id = q.field(0).asInt();
    });
    if (!r)
        qWarning("%s\n%s", qPrintable(r.error), qPrintable(r.sql));
    return id;
}

QVariantMap comum(const QString &login, int publica, int grupo)
{
    return {{QStringLiteral("LOGIN"), login},     {QStringLiteral("PUBLICA"), publica},
            {QStringLiteral("COD_GRUPO"), grupo}, {QStringLiteral("NUMERO"), 0},
            {QStringLiteral("CEP"), 0},           {QStringLiteral("CP"), 0},
            {QStringLiteral("ENVIAR"), 1}};
}

QVariantMap fisica(const QString &nome, const QString &login, int publica, int grupo, QVariantMap resto)
{
    QVariantMap m = comum(login, publica, grupo);
    m.insert(QStringLiteral("NOME"), nome);
    m.insert(QStringLiteral("SEXO"), 0);
    m.insert(QStringLiteral("ESTADO_CIVIL"), 0);
    m.insert(QStringLiteral("INFORMAR_ANIVERSARIO"), 0);
    m.insert(resto);
    return m;
}

QVariantMap juridica(const QString &login, int publica, int grupo, QVariantMap resto)
{
    QVariantMap m = comum(login, publica, grupo);
    m.insert(resto);
    return m;
}

} // namespace

bool PessoasSemeadas::semear(Database &db)
{
    using namespace DbHelpers;
    if (!insertUsuario(db, QStringLiteral("ana")) || !insertUsuario(db, QStringLiteral("bia")))
        return false;
    amigos = insertGrupo(db, QStringLiteral("Amigos"));
    clientes = insertGrupo(db, QStringLiteral("Clientes"));
    if (!exec(db, QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (10001, 'Vizinhos')")))
        return false;
    vizinhos = 10001;

    const QString pf = QStringLiteral("PESSOAFISICA");
    const QString pj = QStringLiteral("PESSOAJURIDICA");
    const QString id = QStringLiteral("IDENTIFICADOR");
    const QVariantMap comoAna = {{QStringLiteral("TRATAMENTO"), QStringLiteral("Dra.")},
                                 {QStringLiteral("APELIDO"), QStringLiteral("Aninha")},
                                 {QStringLiteral("EMAIL"), QStringLiteral("ana@casa.com")},
                                 {QStringLiteral("MSN"), QStringLiteral("ana@msn.com")},
                                 {QStringLiteral("FONE_RESIDENCIAL"), QStringLiteral("1132451234")},
                                 {QStringLiteral("FONE_COMERCIAL"), QStringLiteral("1140001111")},
                                 {QStringLiteral("FONE_CELULAR"), QStringLiteral("11987654321")},
                                 {QStringLiteral("PROFISSAO"), QStringLiteral("Médica")},
                                 {QStringLiteral("LOCAL_TRABALHO"), QStringLiteral("Hospital Central")},
                                 {QStringLiteral("DATA_NASCIMENTO"), data(1980, 3, 15)},
                                 {QStringLiteral("RUA"), QStringLiteral("Rua das Flores")},
                                 {QStringLiteral("BAIRRO"), QStringLiteral("Centro")},
                                 {QStringLiteral("CIDADE"), QStringLiteral("São Paulo")},
                                 {QStringLiteral("ESTADO"), QStringLiteral("SP")},
                                 {QStringLiteral("TITULO"), QStringLiteral("123456789012")},
                                 {QStringLiteral("ZONA"), 10},
                                 {QStringLiteral("SECCAO"), 100},
                                 {QStringLiteral("TIPO_CLIENTE"), 1},
                                 {QStringLiteral("CLIENTE_DESDE"), data(2026, 12, 5)}};
    ana = inserir(db, pf, id, fisica(QStringLiteral("Ana Souza"), QStringLiteral("ana"), 0, amigos, comoAna));
    QVariantMap comoCarla = comoAna;
    comoCarla.insert(QStringLiteral("TRATAMENTO"), QStringLiteral("Sra."));
    comoCarla.insert(QStringLiteral("APELIDO"), QStringLiteral("Carlinha"));
    comoCarla.insert(QStringLiteral("EMAIL"), QStringLiteral("carla@casa.com"));
    comoCarla.insert(QStringLiteral("FONE_COMERCIAL"), QVariant());
    comoCarla.insert(QStringLiteral("FONE_CELULAR"), QVariant());
    carla = inserir(db, pf, id,
                    fisica(QStringLiteral("Carla Dias"), QStringLiteral("bia"), 0, amigos, comoCarla));
    bruno = inserir(db, pf, id,
                    fisica(QStringLiteral("Bruno Lima"), QStringLiteral("bia"), 1, clientes,
                           {{QStringLiteral("TRATAMENTO"), QStringLiteral("Sr.")},
                            {QStringLiteral("APELIDO"), QStringLiteral("Bruninho")},
                            {QStringLiteral("EMAIL"), QStringLiteral("BRUNO@empresa.com")},
                            {QStringLiteral("FONE_RESIDENCIAL"), QStringLiteral("2133334444")},
                            {QStringLiteral("FONE_CELULAR"), QStringLiteral("21999998888")},
                            {QStringLiteral("PROFISSAO"), QStringLiteral("Engenheiro")},
                            {QStringLiteral("LOCAL_TRABALHO"), QStringLiteral("Construtora Alfa")},
                            {QStringLiteral("DATA_NASCIMENTO"), data(1990, 12, 15)},
                            {QStringLiteral("RUA"), QStringLiteral("Avenida Brasil")},
                            {QStringLiteral("BAIRRO"), QStringLiteral("Copacabana")},
                            {QStringLiteral("CIDADE"), QStringLiteral("Rio de Janeiro")},
                            {QStringLiteral("ESTADO"), QStringLiteral("RJ")},
                            {QStringLiteral("TITULO"), QStringLiteral("987654321098")},
                            {QStringLiteral("ZONA"), 20},
                            {QStringLiteral("SECCAO"), 200},
                            {QStringLiteral("TIPO_CLIENTE"), 1},
                            {QStringLiteral("CLIENTE_DESDE"), data(2026, 11, 20)},
                            {QStringLiteral("ENVIAR"), 0}}));
    daniel = inserir(db, pf, id,
                     fisica(QStringLiteral("Daniel Souza"), QStringLiteral("ana"), 1, vizinhos,
                            {{QStringLiteral("TRATAMENTO"), QStringLiteral("Sr.")},
                             {QStringLiteral("EMAIL"), QStringLiteral("daniel@casa.com")},
                             {QStringLiteral("FONE_COMERCIAL"), QStringLiteral("1132450000")},
                             {QStringLiteral("PROFISSAO"), QStringLiteral("Médico")},
                             {QStringLiteral("LOCAL_TRABALHO"), QStringLiteral("Clínica Sul")},
                             {QStringLiteral("RUA"), QStringLiteral("Rua Sete")},
                             {QStringLiteral("BAIRRO"), QStringLiteral("Gonzaga")},
                             {QStringLiteral("CIDADE"), QStringLiteral("Santos")},
                             {QStringLiteral("ESTADO"), QStringLiteral("SP")},
                             {QStringLiteral("TITULO"), QString(QLatin1String(""))},
                             {QStringLiteral("ZONA"), 10},
                             {QStringLiteral("SECCAO"), 101},
                             {QStringLiteral("TIPO_CLIENTE"), 0}}));
    elida = inserir(db, pf, id,
                    fisica(QStringLiteral("Élida Mota"), QStringLiteral("ana"), 0, clientes,
                           {{QStringLiteral("TRATAMENTO"), QStringLiteral("Profa.")},
                            {QStringLiteral("APELIDO"), QStringLiteral("Lida")},
                            {QStringLiteral("FONE_RESIDENCIAL"), QStringLiteral("1155556666")},
                            {QStringLiteral("PROFISSAO"), QStringLiteral("Professora")},
                            {QStringLiteral("LOCAL_TRABALHO"), QStringLiteral("Escola Norte")},
                            {QStringLiteral("DATA_NASCIMENTO"), data(1975, 12, 3)},
                            {QStringLiteral("RUA"), QStringLiteral("Rua das Palmeiras")},
                            {QStringLiteral("BAIRRO"), QStringLiteral("Centro")},
                            {QStringLiteral("CIDADE"), QStringLiteral("São Paulo")},
                            {QStringLiteral("ESTADO"), QStringLiteral("SP")},
                            {QStringLiteral("TITULO"), QStringLiteral("ABC123")},
                            {QStringLiteral("ZONA"), 11},
                            {QStringLiteral("SECCAO"), 100},
                            {QStringLiteral("TIPO_CLIENTE"), 2},
                            {QStringLiteral("CLIENTE_DESDE"), data(2026, 12, 10)},
                            {QStringLiteral("GUIA"), 1}}));

    const QVariantMap comoAlfa = {{QStringLiteral("RUA"), QStringLiteral("Rua Augusta")},
                                  {QStringLiteral("BAIRRO"), QStringLiteral("Consolação")},
                                  {QStringLiteral("CIDADE"), QStringLiteral("São Paulo")},
                                  {QStringLiteral("ESTADO"), QStringLiteral("SP")},
                                  {QStringLiteral("FONE"), QStringLiteral("1130001000")},
                                  {QStringLiteral("FONE_FAX"), QStringLiteral("1130001001")},
                                  {QStringLiteral("FONE_CEL"), QStringLiteral("11991112222")},
                                  {QStringLiteral("FONE_0800"), QStringLiteral("08007770000")},
                                  {QStringLiteral("EMAIL"), QStringLiteral("contato@alfa.com")},
                                  {QStringLiteral("HOME_PAGE"), QStringLiteral("www.alfa.com")}};
    QVariantMap m = comoAlfa;
    m.insert(QStringLiteral("NOME"), QStringLiteral("Alfa Comércio"));
    alfa = inserir(db, pj, id, juridica(QStringLiteral("ana"), 0, clientes, m));
    m.insert(QStringLiteral("NOME"), QStringLiteral("Gama Oculta"));
    gama = inserir(db, pj, id, juridica(QStringLiteral("bia"), 0, clientes, m));
    beta = inserir(db, pj, id,
                   juridica(QStringLiteral("bia"), 1, vizinhos,
                            {{QStringLiteral("NOME"), QStringLiteral("Beta Serviços")},
                             {QStringLiteral("RUA"), QStringLiteral("Rua Direita")},
                             {QStringLiteral("BAIRRO"), QStringLiteral("Centro")},
                             {QStringLiteral("CIDADE"), QStringLiteral("Campinas")},
                             {QStringLiteral("ESTADO"), QStringLiteral("SP")},
                             {QStringLiteral("FONE"), QStringLiteral("1930002000")},
                             {QStringLiteral("EMAIL"), QStringLiteral("beta@servicos.com")}}));
    delta = inserir(db, pj, id,
                    juridica(QStringLiteral("ana"), 1, amigos,
                             {{QStringLiteral("NOME"), QStringLiteral("Delta Ltda")},
                              {QStringLiteral("RUA"), QStringLiteral("Avenida Paulista")},
                              {QStringLiteral("BAIRRO"), QStringLiteral("Bela Vista")},
                              {QStringLiteral("CIDADE"), QStringLiteral("São Paulo")},
                              {QStringLiteral("ESTADO"), QStringLiteral("RJ")},
                              {QStringLiteral("FONE"), QStringLiteral("2130003000")},
                              {QStringLiteral("FONE_FAX"), QStringLiteral("2130003001")},
                              {QStringLiteral("FONE_CEL"), QStringLiteral("21992223333")},
                              {QStringLiteral("EMAIL"), QStringLiteral("delta@ltda.com")}}));

    const QString cp = QStringLiteral("CONTATO_PJ");
    auto contato = [&](int empresa, const QString &nome, const QString &fone, const QString &celular,
                       const QVariant &nascimento) {
        return inserir(db, cp, id,
                       {{QStringLiteral("IDENTIFICADOR_PJ"), empresa},
                        {QStringLiteral("NOME"), nome},
                        {QStringLiteral("FONE"), fone},
                        {QStringLiteral("CELULAR"), celular},
                        {QStringLiteral("EMAIL"),
                         nome.section(QLatin1Char(' '), 0, 0).toLower() + QStringLiteral("@contato.com")},
                        {QStringLiteral("DATA"), nascimento}});
    };
    carlos = contato(alfa, QStringLiteral("Carlos Alfa"), QStringLiteral("1130001010"),
                     QStringLiteral("11990001010"), data(1985, 12, 20));
    zeca = contato(alfa, QStringLiteral("Zeca Semdata"), QStringLiteral("1130001020"), QString(),
                   data(1899, 12, 30));
    bia = contato(beta, QStringLiteral("Bia Contato"), QStringLiteral("1930002010"), QString(),
                  data(1970, 5, 5));
    oculto = contato(gama, QStringLiteral("Oculto Contato"), QStringLiteral("1130001030"), QString(),
                     data(1980, 12, 1));
    dora = contato(delta, QStringLiteral("Dora Delta"), QStringLiteral("2130003010"), QString(), QVariant());

    return amigos && clientes && ana && bruno && carla && daniel && elida && alfa && beta && gama && delta &&
           carlos && zeca && bia && oculto && dora;
}
