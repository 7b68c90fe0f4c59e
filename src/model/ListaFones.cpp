#include "model/ListaFones.h"

#include "app/ProgramFolder.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/Mensagens.h"
#include "model/PessoaResumo.h"
#include "services/Desktop.h"
#include "util/Formats.h"
#include "util/PaginaHtml.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QHash>
#include <QList>

#include <optional>

namespace ListaFones {

namespace {

const QString kCamposPF = QStringLiteral(
    "SELECT G.NOME_GRUPO, F.IDENTIFICADOR, F.TRATAMENTO, F.NOME, F.FONE_RESIDENCIAL, F.FONE_COMERCIAL,"
    "F.FONE_CELULAR, F.EMAIL, F.MSN, 1 AS TIPO_PESSOA, F.CIDADE, F.ESTADO, F.RUA, F.NUMERO, F.BAIRRO, F.CEP, "
    "F.PROFISSAO");
const QString kCamposPJ = QStringLiteral(
    "SELECT G.NOME_GRUPO, J.IDENTIFICADOR, J.CNPJ TRATAMENTO, J.NOME, J.FONE FONE_RESIDENCIAL, J.FONE_FAX "
    "FONE_COMERCIAL, J.FONE_0800 FONE_CELULAR, J.EMAIL, J.HOME_PAGE MSN, 2 AS TIPO_PESSOA, J.CIDADE, "
    "J.ESTADO, J.RUA, J.NUMERO, J.BAIRRO, J.CEP, ");

bool listaPorNome(Lista l)
{
    return l == Lista::Completa || l == Lista::Resumida || l == Lista::Historico;
}

bool temFisicas(const Pedido &p)
{
    return p.tipo != Juridica;
}

// the birthday list has no statement for companies
bool temJuridicas(const Pedido &p)
{
    return p.tipo != Fisica && p.lista != Lista::Aniversario;
}

// One statement joins individuals and companies.
bool combinada(const Pedido &p)
{
    return temFisicas(p) && temJuridicas(p);
}

// The list's own condition on alias `a` (F or J): the name goes before the
// join with GRUPO, the others after it.
struct Filtro {
    QString antes;
    QString depois;
};

Filtro filtro(const Pedido &p, QChar a)
{
    const QString x = QString(a);
    switch (p.lista) {
    case Lista::TodosOsGrupos: return {};
    case Lista::Grupo:
        return {{},
                combinada(p) ? QStringLiteral(" AND UPPER(G.NOME_GRUPO) = :NOME_GRUPO")
                             : QStringLiteral(" AND G.NOME_GRUPO = :NOME_GRUPO")};
    case Lista::Bairro:
        return {{}, QStringLiteral(" AND UPPER(") + x + QStringLiteral(".BAIRRO) LIKE :BAIRRO")};
    case Lista::Aniversario: return {{}, QStringLiteral(" AND EXTRACT(MONTH FROM F.DATA_NASCIMENTO) = :MES")};
    case Lista::Completa:
    case Lista::Resumida:
    case Lista::Historico:
        return {QStringLiteral("UPPER(") + x + QStringLiteral(".NOME) LIKE :NOME AND "), {}};
    }
    return {};
}

// " FROM PESSOAFISICA F, GRUPO G WHERE (visible) AND <name> F.COD_GRUPO = G.COD_GRUPO <others>"
QString origem(const Pedido &p, QChar a)
{
    const QString x = QString(a);
    const Filtro f = filtro(p, a);
    return QStringLiteral(" FROM ") +
           (a == QLatin1Char('F') ? QStringLiteral("PESSOAFISICA F") : QStringLiteral("PESSOAJURIDICA J")) +
           QStringLiteral(", GRUPO G WHERE (UPPER(") + x + QStringLiteral(".LOGIN) = :LOGIN OR ") + x +
           QStringLiteral(".PUBLICA = :PUBLICA) AND ") + f.antes + x +
           QStringLiteral(".COD_GRUPO = G.COD_GRUPO") + f.depois;
}

QString ordem(const Pedido &p)
{
    if (listaPorNome(p.lista))
        return QStringLiteral(" ORDER BY 4;");
    if (!combinada(p))
        return QStringLiteral(" ORDER BY 1, 3;");
    return p.lista == Lista::Bairro ? QStringLiteral(" ORDER BY 1, 15, 4;")
                                    : QStringLiteral(" ORDER BY 1, 4;");
}

// The history of every listed person in the range, one statement; each
// person's entries come in the order the person's own statement gives them
// (by date).
QString comandoHistorico(const Pedido &p)
{
    auto parte = [&p](QChar a, int tipo) {
        return QStringLiteral("SELECT H.IDEN_PESSOA, H.TIPO_PESSOA, H.DATA, H.TEXTO, H.IDENTIFICADOR FROM "
                              "HISTORICO H, ") +
               origem(p, a).mid(6) + QStringLiteral(" AND H.IDEN_PESSOA = ") + a +
               QStringLiteral(".IDENTIFICADOR AND H.TIPO_PESSOA = ") + QString::number(tipo) +
               QStringLiteral(" AND H.DATA BETWEEN :DATA_01 AND :DATA_02");
    };
    QStringList partes;
    if (temFisicas(p))
        partes << parte(QLatin1Char('F'), 0);
    if (temJuridicas(p))
        partes << parte(QLatin1Char('J'), 1);
    return partes.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(" ORDER BY 3, 5");
}

// The contact persons of every listed company, one statement, each
// company's in the order of its own list (name, function).
QString comandoContatos(const Pedido &p)
{
    return QStringLiteral("SELECT C.IDENTIFICADOR_PJ, C.NOME, C.FUNCAO, C.EMAIL, C.FONE, C.CELULAR, C.RAMAL "
                          "FROM CONTATO_PJ C, ") +
           origem(p, QLatin1Char('J')).mid(6) +
           QStringLiteral(" AND C.IDENTIFICADOR_PJ = J.IDENTIFICADOR ORDER BY C.IDENTIFICADOR_PJ, C.NOME, "
                          "C.FUNCAO, C.IDENTIFICADOR");
}

// The visible persons of each group name, for the group headers.
QString comandoContagem(const Pedido &p)
{
    const QString grupo =
        p.lista == Lista::Grupo ? QStringLiteral(" AND UPPER(G.NOME_GRUPO) = :GRUPO") : QString();
    auto parte = [&grupo](QChar a) {
        const QString x = QString(a);
        return QStringLiteral("SELECT G.NOME_GRUPO, COUNT(") + x + QStringLiteral(".IDENTIFICADOR) FROM ") +
               (a == QLatin1Char('F') ? QStringLiteral("PESSOAFISICA F")
                                      : QStringLiteral("PESSOAJURIDICA J")) +
               QStringLiteral(", GRUPO G WHERE (UPPER(") + x + QStringLiteral(".LOGIN) = :LOGIN OR ") + x +
               QStringLiteral(".PUBLICA = :PUBLICA) AND ") + x + QStringLiteral(".COD_GRUPO = G.COD_GRUPO") +
               grupo + QStringLiteral(" GROUP BY G.NOME_GRUPO");
    };
    QStringList partes;
    if (p.tipo != Juridica)
        partes << parte(QLatin1Char('F'));
    if (p.tipo != Fisica)
        partes << parte(QLatin1Char('J'));
    return partes.join(QStringLiteral(" UNION ALL "));
}

// Binds what the statement names: every statement of a list takes the same values.
void vincular(Query &q, const Pedido &p)
{
    const QStringList nomes = q.parameterNames();
    auto texto = [&](const char *nome, const QString &valor) {
        if (nomes.contains(QLatin1String(nome)))
            q.setText(QString::fromLatin1(nome), valor);
    };
    texto("LOGIN", Win1252::toUpper(p.login));
    if (nomes.contains(QStringLiteral("PUBLICA")))
        q.setInt(QStringLiteral("PUBLICA"), 1);
    texto("NOME_GRUPO", combinada(p) ? Win1252::toUpper(p.grupo) : p.grupo);
    texto("GRUPO", Win1252::toUpper(p.grupo));
    texto("BAIRRO", QLatin1Char('%') + Win1252::toUpper(p.bairro) + QLatin1Char('%'));
    texto("NOME", QLatin1Char('%') + Win1252::toUpper(p.nome) + QLatin1Char('%'));
    if (nomes.contains(QStringLiteral("MES")))
        q.setInt(QStringLiteral("MES"), p.mes);
    if (nomes.contains(QStringLiteral("DATA_01"))) {
        q.setDate(QStringLiteral("DATA_01"), p.inicio);
        q.setDate(QStringLiteral("DATA_02"), p.fim);
    }
}

struct EntradaHistorico {
    TDateTime data = 0;
    QString texto;
};

struct Contato {
    QString nome, funcao, email, fone, celular;
    int ramal = 0;
};

// history rows are kinds 0 and 1, list rows 1 and 2
quint64 chave(int tipoHistorico, qint32 identificador)
{
    return (quint64(quint32(tipoHistorico)) << 32) | quint32(identificador);
}

QString h(const QString &texto)
{
    return TextoParaHtml(texto);
}

QString titulo(const Pedido &p)
{
    const int t = qBound(0, p.tipo, 2);
    static const QString pessoas[3] = {QStringLiteral("Pessoas Físicas"), QStringLiteral("Pessoas Jurídicas"),
                                       QStringLiteral("Pessoas Físicas e Jurídicas")};
    switch (p.lista) {
    case Lista::TodosOsGrupos:
    case Lista::Grupo: return QStringLiteral(":: Telefones de ") + pessoas[t] + QStringLiteral(" ::");
    case Lista::Completa:
        // the first lacks the blank before its closing colons
        return QStringLiteral(":: Telefones de ") + pessoas[t] +
               (t == 0 ? QStringLiteral(" Em Ondem Alfabética::")
                       : QStringLiteral(" Em Ondem Alfabética ::"));
    case Lista::Resumida:
        return QStringLiteral(":: Telefones de ") + pessoas[t] +
               QStringLiteral(" Em Ondem Alfabética - Simplificado ::");
    case Lista::Bairro:
        return QStringLiteral(":: Telefones de ") + pessoas[t] +
               (t == 1 ? QStringLiteral(" :: (Bairro: ") : QStringLiteral(" :: (Bairo: ")) + h(p.bairro) +
               QStringLiteral(")");
    case Lista::Aniversario:
        if (t == 0)
            return QStringLiteral(":: Telefones de Pessoas Físicas :: por Mês de Aniversário (") +
                   FormatSettings::LongMonthNames[size_t(qBound(1, p.mes, 12) - 1)].toString() +
                   QStringLiteral(")");
        return QStringLiteral(":: Telefones de ") + pessoas[t] + QStringLiteral(" ::");
    case Lista::Historico: {
        QString s =
            t == 0 ? QStringLiteral(":: Telefones Pessoas Físicas Com Histórico Em Ondem Alfabética ::<BR>")
                   : QStringLiteral(":: Telefones de ") + pessoas[t] +
                         QStringLiteral(" Com Histórico Em Ondem Alfabética ::<BR>");
        if (!p.nome.isEmpty())
            s += QStringLiteral("Filtrado por: \"") + h(p.nome) + QLatin1Char('"');
        return s + QStringLiteral(" entre: ") + DateToStr(p.inicio) + QStringLiteral(" e ") +
               DateToStr(p.fim);
    }
    }
    return {};
}

// Writes the page while the rows arrive.
class Pagina {
public:
    Pagina(const Pedido &p, const std::function<void(const QString &)> &linha)
        : m_p(p), m_linha(linha),
          m_fonte(QStringLiteral("<font face=\"Arial\" size=\"") +
                  QString::number(p.larguraTela == 1024 ? 3 : 2) + QStringLiteral("\">"))
    {
    }

    QHash<quint64, QList<EntradaHistorico>> historicos;
    QHash<qint32, QList<Contato>> contatos;
    QHash<QString, int> contagens; // by the group name in upper case

    void cabecalho()
    {
        const QString t = titulo(m_p);
        QString barra = t;
        barra.replace(QStringLiteral("<BR>"), QStringLiteral(" "));
        m_linha(QStringLiteral("<html> <head><title>:: Orvalha -- ") + barra +
                QStringLiteral(
                    "</title></head><body bgcolor=\"#ECF4CA\"><table border=\"0\" width=\"100%\" "
                    "bgcolor=\"#ECF400\">  <tr>    <td width=\"100%\">      <p align=\"center\"><b><font "
                    "face=\"Arial\" size=\"4\" color=\"#00AAFF\">") +
                t + QStringLiteral("</font></b></td>  </tr></table>"));
        m_linha(QStringLiteral("<BR>"));
    }

    void pessoa(const PessoaResumo &pessoa)
    {
        const std::optional<QList<EntradaHistorico>> historico = historicoDe(pessoa);
        if (m_p.lista == Lista::Historico && m_p.apenasComHistorico && !historico)
            return;
        if (comGrupos() && (m_impressas == 0 || pessoa.Grupo != m_grupo))
            grupo(pessoa.Grupo);
        ++m_impressas;
        if (m_p.lista == Lista::Resumida)
            resumo(pessoa);
        else if (pessoa.TipoPessoa == PessoaResumo::Juridica)
            empresa(pessoa, historico);
        else
            fisica(pessoa, historico);
    }

    void rodape()
    {
        if (m_impressas == 0) {
            const QString resto = m_p.lista == Lista::Grupo
                                      ? QStringLiteral("há dados do grupo \"") + h(m_p.grupo) +
                                            QStringLiteral("\" a ser visualizado!")
                                      : QStringLiteral("há dados a ser visualizado!");
            m_linha(QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td><font face=\"Arial\" "
                                   "size=\"4\"><b> Não </b>") +
                    resto + QStringLiteral("</font></td></tr></table>"));
        } else if (comGrupos()) {
            m_linha(kFecha); // the last group's section
        }
        m_linha(QStringLiteral("<table border=\"0\" width=\"100%\" bgcolor=\"#00AAFF\"><tr><td "
                               "width=\"50%\">&nbsp;</td><td width=\"50%\"><p align=\"right\"><font "
                               "face=\"Arial\" color=\"#FFFFFF\" size=\"1\">Impresso em: ") +
                FormatDateTime(QStringLiteral("dd/mm/yyyy - hh:nn:ss"), m_p.agora) +
                QStringLiteral("</font></td></tr></table>"));
        m_linha(QStringLiteral("</body> </html>"));
    }

private:
    const QString kFecha = QStringLiteral("</td></tr></table>");

    bool comGrupos() const
    {
        return m_p.lista == Lista::TodosOsGrupos || m_p.lista == Lista::Grupo || m_p.lista == Lista::Bairro ||
               m_p.lista == Lista::Aniversario;
    }

    std::optional<QList<EntradaHistorico>> historicoDe(const PessoaResumo &pessoa) const
    {
        if (m_p.lista != Lista::Historico)
            return std::nullopt;
        const auto it = historicos.constFind(chave(pessoa.TipoPessoa - 1, pessoa.Identificador));
        if (it == historicos.constEnd())
            return std::nullopt;
        return *it;
    }

    // Closes the section before (also before the first) and opens this one.
    void grupo(const QString &nome)
    {
        m_grupo = nome;
        const QString maiusculo = Win1252::toUpper(nome);
        QString contagem;
        if (m_p.lista == Lista::TodosOsGrupos || m_p.lista == Lista::Grupo)
            contagem = QStringLiteral("<font face=\"Arial\" size=\"3\"> :: ") +
                       FormatFloat(QStringLiteral("00000"), contagens.value(maiusculo)) +
                       QStringLiteral(" :: </font>");
        m_linha(kFecha);
        m_linha(QStringLiteral("<table border=\"10\" width=\"100%\" bgcolor=\"#ECF490\"><tr><td><font "
                               "face=\"Arial\" size=\"4\"><b>Grupo: </b>") +
                h(maiusculo) + QStringLiteral("</font>") + contagem + QStringLiteral("<BR>"));
    }

    QString item(const QString &rotulo, const QString &valor) const
    {
        return m_fonte + QStringLiteral("<b>") + rotulo + QStringLiteral("</b>") + valor +
               QStringLiteral("</font><BR>");
    }

    static QString mailto(const QString &email)
    {
        return QStringLiteral("<a href=\"mailto:") + h(email) + QStringLiteral("\">") + h(email) +
               QStringLiteral("</a>");
    }

    void abrirBloco(const PessoaResumo &pessoa, const QString &nome)
    {
        m_linha(QStringLiteral("<table border=\"1\" width=\"100%\" cellspacing=\"0\" cellpadding=\"4\" "
                               "bgcolor=\"#FFFFFF\"><tr><td>"));
        m_linha(item(QStringLiteral("Nome: "), nome));
        if (pessoa.TipoPessoa != PessoaResumo::Juridica)
            m_linha(item(QStringLiteral("Profissão: "), h(pessoa.Profissao)));
        if (m_p.endereco) {
            m_linha(item(QStringLiteral("Rua: "), h(pessoa.Rua) + QStringLiteral(", ") + pessoa.Numero +
                                                      QStringLiteral(" - ") + h(pessoa.Bairro)));
            m_linha(m_fonte + QStringLiteral("<b>Cidade: </b>") + h(pessoa.Cidade) +
                    QStringLiteral("&nbsp;&nbsp;<b>UF: </b>") + h(pessoa.Estado) +
                    QStringLiteral("</font><BR>"));
        }
        m_linha(item(QStringLiteral("CEP: "), pessoa.Cep));
        m_linha(item(QStringLiteral("E-mail: "), mailto(pessoa.Email)));
    }

    void fones(const QString rotulos[3], const PessoaResumo &pessoa)
    {
        const QString fones[3] = {pessoa.Fone1, pessoa.Fone2, pessoa.Fone3};
        QString s = QStringLiteral("<table border=\"1\" width=\"100%\" cellspacing=\"0\" "
                                   "bordercolor=\"#C4E3DF\"><tr><td colspan=\"3\"><font face=\"Arial\" "
                                   "size=\"3\"><b>Contatos</b></font></td></tr><tr>");
        for (int i = 0; i < 3; ++i)
            s += QStringLiteral("<td width=\"33%\">") + m_fonte + QStringLiteral("<b>") + rotulos[i] +
                 QStringLiteral("</b>") + h(fones[i]) + QStringLiteral("</font></td>");
        m_linha(s + QStringLiteral("</tr></table>"));
    }

    void listaDeHistoricos(const std::optional<QList<EntradaHistorico>> &historico)
    {
        if (!historico)
            return;
        m_linha(QStringLiteral("<table border=\"0\" width=\"100%\" bgcolor=\"#ECF420\"><tr><td><font "
                               "face=\"Arial\" size=\"3\" color=\"#F55590\"><b>Lista de "
                               "Históricos</b></font></td></tr></table>"));
        int n = 0;
        for (const EntradaHistorico &e : *historico)
            m_linha(QStringLiteral("<table border=\"0\" width=\"100%\" bgcolor=\"") +
                    (n++ % 2 == 0 ? QStringLiteral("#ECF480") : QStringLiteral("#ECF4A0")) +
                    QStringLiteral("\"><tr><td>") + m_fonte + QStringLiteral("<b>") + DateToStr(e.data) +
                    QStringLiteral("</b><BR>") + h(e.texto) + QStringLiteral("</font></td></tr></table>"));
    }

    void fecharBloco()
    {
        m_linha(kFecha);
        m_linha(QStringLiteral("<BR>"));
    }

    void fisica(const PessoaResumo &pessoa, const std::optional<QList<EntradaHistorico>> &historico)
    {
        abrirBloco(pessoa, h(pessoa.Tratamento) + QLatin1Char(' ') + h(pessoa.Nome));
        m_linha(item(QStringLiteral("E-mail MSN: "), mailto(pessoa.Msn)));
        static const QString rotulos[3] = {QStringLiteral("Res.: "), QStringLiteral("Com.: "),
                                           QStringLiteral("Cel.: ")};
        fones(rotulos, pessoa);
        listaDeHistoricos(historico);
        fecharBloco();
    }

    void empresa(const PessoaResumo &pessoa, const std::optional<QList<EntradaHistorico>> &historico)
    {
        abrirBloco(pessoa, h(pessoa.Nome));
        m_linha(item(QStringLiteral("Home Page: "),
                     QStringLiteral("<a href=\"") + h(EnderecoHomePage(pessoa.Msn)) + QStringLiteral("\">") +
                         h(pessoa.Msn) + QStringLiteral("</a>")));
        static const QString rotulos[3] = {QStringLiteral("Fone: "), QStringLiteral("FAX: "),
                                           QStringLiteral("Fone 0800: ")};
        fones(rotulos, pessoa);
        if (m_p.contatos)
            listaDeContatos(contatos.value(pessoa.Identificador));
        listaDeHistoricos(historico);
        fecharBloco();
    }

    void listaDeContatos(const QList<Contato> &lista)
    {
        if (lista.isEmpty())
            return;
        m_linha(QStringLiteral("<table border=\"0\" width=\"100%\" bgcolor=\"#ECF4B0\"><tr><td><font "
                               "face=\"Arial\" size=\"3\" color=\"#F55590\"><b>Lista de "
                               "Contatos</b></font></td></tr></table>"));
        int n = 0;
        for (const Contato &c : lista) {
            const QString td = QStringLiteral("<td>") + m_fonte + QStringLiteral("<b>");
            m_linha(QStringLiteral("<table border=\"0\" width=\"100%\" bgcolor=\"") +
                    (n++ % 2 == 0 ? QStringLiteral("#ECF4D0") : QStringLiteral("#ECF4E0")) +
                    QStringLiteral("\"><tr>") + td + QStringLiteral("Nome:</b> ") + h(c.nome) +
                    QStringLiteral("</font></td>") + td + QStringLiteral("Função:</b> ") + h(c.funcao) +
                    QStringLiteral("</font></td>") + td + QStringLiteral("E-mail: </b>") + mailto(c.email) +
                    QStringLiteral("</font></td></tr><tr>") + td + QStringLiteral("Fone:</b> ") +
                    h(FormatPhone(c.fone)) + QStringLiteral("&nbsp;&nbsp;<b>Ramal:</b> ") +
                    FormatFloat(QStringLiteral("000"), c.ramal) + QStringLiteral("</font></td>") + td +
                    QStringLiteral("Celular:</b> ") + h(FormatPhone(c.celular)) +
                    QStringLiteral("</font></td><td>&nbsp;</td></tr></table>"));
        }
    }

    void resumo(const PessoaResumo &pessoa)
    {
        const bool empresa = pessoa.TipoPessoa == PessoaResumo::Juridica;
        const QString nome =
            empresa ? h(pessoa.Nome) : h(pessoa.Tratamento) + QLatin1Char(' ') + h(pessoa.Nome);
        const QString rotulos[3] = {empresa ? QStringLiteral("Fone: ") : QStringLiteral("Res.: "),
                                    empresa ? QStringLiteral("FAX: ") : QStringLiteral("Com.: "),
                                    empresa ? QStringLiteral("0800: ") : QStringLiteral("Cel.: ")};
        const QString fones[3] = {pessoa.Fone1, pessoa.Fone2, pessoa.Fone3};
        QString s = QStringLiteral("<table border=\"0\" width=\"100%\" bgcolor=\"") +
                    (m_impressas % 2 == 1 ? QStringLiteral("#ECF4B0") : QStringLiteral("#ECF480")) +
                    QStringLiteral("\"><tr><td width=\"40%\">") + m_fonte + nome +
                    QStringLiteral("</font></td>");
        for (int i = 0; i < 3; ++i)
            s += QStringLiteral("<td width=\"20%\">") + m_fonte + QStringLiteral("<b>") + rotulos[i] +
                 QStringLiteral("</b>") + h(fones[i]) + QStringLiteral("</font></td>");
        m_linha(s + QStringLiteral("</tr></table>"));
    }

    const Pedido &m_p;
    const std::function<void(const QString &)> &m_linha;
    const QString m_fonte;
    QString m_grupo;
    int m_impressas = 0;
};

void historicos(Transaction &t, const Pedido &p, Pagina &pagina)
{
    Query q(t, comandoHistorico(p));
    vincular(q, p);
    q.open();
    const Field pessoa = q.field(0), tipo = q.field(1), data = q.field(2), texto = q.field(3);
    while (q.next())
        pagina.historicos[chave(tipo.asInt(), pessoa.asInt())].append({data.asDate(), texto.asString()});
}

void contatos(Transaction &t, const Pedido &p, Pagina &pagina)
{
    Query q(t, comandoContatos(p));
    vincular(q, p);
    q.open();
    const Field empresa = q.field(0), nome = q.field(1), funcao = q.field(2), email = q.field(3),
                fone = q.field(4), celular = q.field(5), ramal = q.field(6);
    while (q.next())
        pagina.contatos[empresa.asInt()].append({nome.asString(), funcao.asString(), email.asString(),
                                                 fone.asString(), celular.asString(), ramal.asInt()});
}

void contagens(Transaction &t, const Pedido &p, Pagina &pagina)
{
    Query q(t, comandoContagem(p));
    vincular(q, p);
    q.open();
    // added by the name in upper case, as the header's count compares it
    while (q.next())
        pagina.contagens[Win1252::toUpper(q.field(0).asString())] += q.field(1).asInt();
}

} // namespace

QString Arquivo(int tipo)
{
    switch (tipo) {
    case Fisica: return QStringLiteral("Fones_PF.html");
    case Juridica: return QStringLiteral("Fones_PJ.html");
    default: return QStringLiteral("Fones_PF_PJ.html");
    }
}

QString Comando(const Pedido &p)
{
    QStringList partes;
    if (temFisicas(p))
        partes << kCamposPF +
                      (p.lista == Lista::Aniversario ? QStringLiteral(", F.DATA_NASCIMENTO") : QString()) +
                      origem(p, QLatin1Char('F'));
    if (temJuridicas(p))
        partes << kCamposPJ +
                      (combinada(p) ? QStringLiteral("J.CNPJ PROFISSAO")
                                    : QStringLiteral("J.NOME PROFISSAO")) +
                      origem(p, QLatin1Char('J'));
    if (partes.isEmpty())
        return {};
    return partes.join(QStringLiteral(" UNION ALL ")) + ordem(p);
}

namespace {

bool lerHistoricos(const Pedido &p)
{
    return p.lista == Lista::Historico;
}

bool lerContatos(const Pedido &p)
{
    return p.contatos && temJuridicas(p) && p.lista != Lista::Resumida;
}

bool lerContagens(const Pedido &p)
{
    return p.lista == Lista::TodosOsGrupos || p.lista == Lista::Grupo;
}

} // namespace

QStringList Comandos(const Pedido &p)
{
    const QString comando = Comando(p);
    if (comando.isEmpty())
        return {};
    QStringList comandos;
    if (lerHistoricos(p))
        comandos << comandoHistorico(p);
    if (lerContatos(p))
        comandos << comandoContatos(p);
    if (lerContagens(p))
        comandos << comandoContagem(p);
    return comandos << comando;
}

DbResult Escrever(const Pedido &p, const std::function<void(const QString &)> &linha)
{
    Pagina pagina(p, linha);
    pagina.cabecalho();
    const QString comando = Comando(p);
    if (!comando.isEmpty()) {
        const DbResult r = dbOperation(BancoDados(), [&](Transaction &t) {
            if (lerHistoricos(p))
                historicos(t, p, pagina);
            if (lerContatos(p))
                contatos(t, p, pagina);
            if (lerContagens(p))
                contagens(t, p, pagina);
            Query q(t, comando);
            vincular(q, p);
            q.open();
            const LeitorPessoaResumo leitor(q, true);
            std::optional<Field> nascimento;
            if (p.lista == Lista::Aniversario && p.comNascimento)
                nascimento = q.field(QStringLiteral("DATA_NASCIMENTO"));
            while (q.next()) {
                PessoaResumo pessoa = leitor.Ler();
                if (nascimento)
                    pessoa.Nome += QStringLiteral(" (") + DateToStr(nascimento->asDate()) + QLatin1Char(')');
                pagina.pessoa(pessoa);
            }
        });
        if (!r)
            return r;
    }
    pagina.rodape();
    return {};
}

Resultado GravarEAbrir(const Pedido &p)
{
    const QString caminho = ProgramPath(Arquivo(p.tipo));
    GravadorPagina pagina(caminho);
    const DbResult r = Escrever(p, [&pagina](const QString &l) { pagina.Linha(l); });
    if (!r) {
        MostrarErro(r.texto(r.sql));
        return Resultado::Falhou; // the older page stays as it was
    }
    QString erro;
    if (!pagina.Concluir(&erro)) {
        MostrarErro(erro);
        return Resultado::Falhou;
    }
    OpenWithShell(caminho);
    return Resultado::Gravado;
}

} // namespace ListaFones
