#include "model/PesquisaFinancas.h"

#include "data/Query.h"
#include "util/DateTime.h"
#include "util/PaginaHtml.h"
#include "util/TextUtils.h"
#include "util/TextoDinheiro.h"
#include "util/Win1252.h"

#include <QDate>

namespace PesquisaFinancas {

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

QString metade(const Filtro &f, bool empresa)
{
    const QString p = empresa ? QStringLiteral("PJ") : QStringLiteral("PF");
    QStringList s;
    s << QStringLiteral("SELECT")
      << p + QStringLiteral(".IDENTIFICADOR, ") + p + QStringLiteral(".NOME, ") +
             (empresa ? QStringLiteral("1") : QStringLiteral("0")) + QStringLiteral(" AS TIPO,")
      << QStringLiteral("G.NOME_GRUPO,")
      << QStringLiteral("F.OBS, F.VALOR, F.DATA, F.TIPO_OPERACAO, F.FORMAP_PAGAMENTO, F.SITUACAO,")
      << (empresa ? QStringLiteral("PJ.FONE AS FONE, PJ.EMAIL")
                  : QStringLiteral("PF.FONE_RESIDENCIAL AS FONE, PF.EMAIL"))
      << (empresa ? QStringLiteral("FROM PESSOAJURIDICA PJ, GRUPO G, FINANCAS F")
                  : QStringLiteral("FROM PESSOAFISICA PF, GRUPO G, FINANCAS F"))
      << QStringLiteral("WHERE")
      << QStringLiteral(
             "%1.COD_GRUPO = G.COD_GRUPO AND %1.IDENTIFICADOR = F.ID_PESSOA AND F.TIPO_PESSOA = %2")
             .arg(p, empresa ? QStringLiteral("1") : QStringLiteral("0"))
      << QStringLiteral("and (UPPER(%1.LOGIN) = :LOGIN OR %1.PUBLICA = :PUBLICA) ").arg(p)
      << QStringLiteral("AND F.DATA BETWEEN :DATA_01 AND :DATA_02 ")
      << QStringLiteral("AND UPPER(%1.NOME) LIKE :NOME").arg(p)
      // an entry stored without notes is still found when no notes are asked for
      << QStringLiteral("AND UPPER(COALESCE(F.OBS, '')) LIKE :OBS");
    if (f.TipoOperacao != 2)
        s << QStringLiteral("AND TIPO_OPERACAO = :TIPO_OPERACAO ");
    if (f.Situacao != 2)
        s << QStringLiteral("AND SITUACAO = :SITUACAO ");
    return s.join(QLatin1Char('\n'));
}

QString selecao(const Filtro &f)
{
    // the kind right after the identifier: an individual and a company with
    // the same number stay next to each other without interleaving
    return metade(f, false) + QStringLiteral("\nUNION ALL\n") + metade(f, true) +
           QStringLiteral("\nORDER BY 1, 3, 7, 6");
}

const QString kResumos = QStringLiteral("select id_pessoa, tipo_pessoa, tipo_operacao, sum(valor) as Valor "
                                        "from financas where DATA BETWEEN :DATA1 "
                                        "AND :DATA2 group by id_pessoa, tipo_pessoa, tipo_operacao");

QString padrao(const QString &texto)
{
    return QLatin1Char('%') + Win1252::toUpper(texto) + QLatin1Char('%');
}

const QString kAzul = QStringLiteral("#0000FF");
const QString kVermelho = QStringLiteral("#FF0000");

QString fonte(const QString &cor, const QString &texto, const QString &tamanho = QStringLiteral("2"))
{
    return QStringLiteral("<font face=\"Arial\" size=\"") + tamanho + QStringLiteral("\" color=\"") + cor +
           QStringLiteral("\">") + texto + QStringLiteral("</font>");
}

// TextoParaHtml, without its copies for the usual text that has nothing to escape
QString paraHtml(const QString &texto)
{
    for (QChar c : texto)
        if (c == u'<' || c == u'>' || c == u'&' || c == u'"' || c == u'\r' || c == u'\n')
            return TextoParaHtml(texto);
    return texto;
}

// "dd/mm/yyyy" without the pattern formatter: a long page has one per row
QString dataCurta(double dia)
{
    const QDate d = DateTimeToQDate(dia);
    if (!d.isValid())
        return FormatDateTime(QStringLiteral("dd/mm/yyyy"), dia);
    const int a = d.year();
    const char texto[] = {char('0' + d.day() / 10),   char('0' + d.day() % 10),   '/',
                          char('0' + d.month() / 10), char('0' + d.month() % 10), '/',
                          char('0' + a / 1000 % 10),  char('0' + a / 100 % 10),   char('0' + a / 10 % 10),
                          char('0' + a % 10)};
    return QString::fromLatin1(texto, sizeof texto);
}

QString dinheiro(Money valor)
{
    return TextoDinheiro(valor) + QStringLiteral("  ");
}

} // namespace

DbResult Selecionar(Database &db, const Filtro &filtro, QList<Linha> &linhas)
{
    QList<Linha> lidas;
    const QString sql = selecao(filtro);
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, sql);
        q.setText(col("NOME"), padrao(filtro.Nome));
        q.setText(col("OBS"), padrao(filtro.Obs));
        q.setDate(col("DATA_01"), filtro.De);
        q.setDate(col("DATA_02"), filtro.Ate);
        q.setInt(col("PUBLICA"), 1);
        q.setText(col("LOGIN"), Win1252::toUpper(filtro.Login));
        if (filtro.TipoOperacao != 2)
            q.setInt(col("TIPO_OPERACAO"), filtro.TipoOperacao);
        if (filtro.Situacao != 2)
            q.setInt(col("SITUACAO"), filtro.Situacao);
        q.open();
        while (q.next()) {
            Linha l;
            l.IdPessoa = q.field(0).asInt();
            l.Nome = q.field(1).asString();
            l.Tipo = q.field(2).asInt();
            l.Grupo = q.field(3).asString();
            l.Obs = q.field(4).asString();
            l.Valor = Money::fromRaw(q.field(5).asScaled(4));
            l.Data = q.field(6).asDate();
            l.TipoOperacao = quint8(q.field(7).asInt());
            l.FormaPagamento = quint8(q.field(8).asInt());
            l.Situacao = quint8(q.field(9).asInt());
            l.Fone = q.field(10).asString();
            l.Email = q.field(11).asString();
            lidas << l;
        }
    });
    linhas = r ? lidas : QList<Linha>();
    return r;
}

DbResult ResumosDoMes(Database &db, double dia, Resumos &resumos)
{
    const QDate d = DateTimeToQDate(dia);
    const QDate primeiro(d.year(), d.month(), 1);
    Resumos lidos;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, kResumos);
        q.setDate(col("DATA1"), QDateToDateTime(primeiro));
        q.setDate(col("DATA2"), QDateToDateTime(primeiro.addMonths(1).addDays(-1)));
        q.open();
        while (q.next()) {
            Resumo &resumo = lidos[{q.field(1).asInt(), q.field(0).asInt()}];
            const Money soma = Money::fromRaw(q.field(3).asScaled(4));
            const int tipo = q.field(2).asInt();
            if (tipo == 0)
                resumo.Pagar += soma;
            else if (tipo == 1)
                resumo.Receber += soma;
        }
    });
    resumos = r ? lidos : Resumos();
    return r;
}

QString ComandoSelecao(const Filtro &filtro)
{
    return selecao(filtro);
}

QString ComandoResumos()
{
    return kResumos;
}

QString Cabecalho(const Linha &linha)
{
    return linha.Nome + QStringLiteral(" :: ") + FormatPhone(linha.Fone) + QStringLiteral(" :: ") +
           linha.Email;
}

namespace {

QString textoResumo(const QString &mes, const Resumo &resumo)
{
    return QStringLiteral("<font size=\"1\">(Resumo de <b>") + mes + QStringLiteral("</b>) ") +
           QStringLiteral("<font color=\"#FF0000\">Pagar:") + TextoDinheiro(resumo.Pagar) +
           QStringLiteral("</font> <font color=\"#0000FF\">Receber:") + TextoDinheiro(resumo.Receber) +
           QStringLiteral("</font></font>");
}

} // namespace

QString TextoResumo(double dia, const Resumo &resumo)
{
    return textoResumo(FormatDateTime(QStringLiteral("mmmm"), dia), resumo);
}

TotaisFinancas Totais(const QList<Linha> &linhas)
{
    TotaisFinancas t;
    for (const Linha &l : linhas)
        t.Somar(l.TipoOperacao, l.Situacao, l.Valor);
    return t;
}

QString Pagina(const Filtro &filtro, const QList<Linha> &linhas, const Resumos &resumos,
               const QString &nomeUsuario, double agora)
{
    const QString data = QStringLiteral("dd/mm/yyyy");
    const QString quebra = QStringLiteral("\r\n");
    const TotaisFinancas t = Totais(linhas);
    QString html;
    if (linhas.isEmpty()) {
        html = QStringLiteral(
            "<html> <head> <title>:: Acompanhamento das Financas::</title> </head> <body "
            "bgcolor=\"#FEFAC0\"> "
            "<table border=\"0\" width=\"100%\" bgcolor=\"#ECF49\">   <tr>     <td width=\"100%\"><font "
            "face=\"Arial\" size=\"3\"><b>Não há dados a exibir!</b></font></td>   </tr> </table></body> "
            "</html>");
    } else {
        html +=
            QStringLiteral("<html> <head><title>:: Acompanhamento das Financas ::</title></head><body "
                           "bgcolor=\"#ECF4CA\">") +
            quebra +
            QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">") +
            quebra;
        html += QStringLiteral("<p align=\"center\"><font face=\"Arial\" size=\"4\"><b>:: Acompanhamento das "
                               "Financas entre ") +
                FormatDateTime(data, filtro.De) + QStringLiteral(" e ") + FormatDateTime(data, filtro.Ate) +
                QStringLiteral(" ::</b></font></p>") + quebra + QStringLiteral("<BR>") + quebra;
        html += QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td>") + quebra;

        const QString cabecalhoColunas =
            QStringLiteral("<table border=\"0\" width=\"100%\" cellspacing=\"1\"> <tr bgcolor=\"#C0DCC0\">") +
            QStringLiteral("<td width=\"10%\"><font face=\"Arial\" size=\"2\"><b>Data</b></font></td>") +
            QStringLiteral("<td><font face=\"Arial\" size=\"2\"><b>Observação</b></font></td>") +
            QStringLiteral("<td width=\"14%\"><font face=\"Arial\" size=\"2\"><b>Valor</b></font></td>") +
            QStringLiteral("<td width=\"9%\"><font face=\"Arial\" size=\"2\"><b>Situação</b></font></td>") +
            QStringLiteral("<td width=\"8%\"><font face=\"Arial\" size=\"2\"><b>Tipo</b></font></td></tr>");
        // a long page: one growing text, every cell appended in place
        html.reserve(html.size() + linhas.size() * 1000 + 4096);
        const QString mes = FormatDateTime(QStringLiteral("mmmm"), filtro.De);
        const auto celula = [&html](const QString &cor, const QString &texto) {
            html += QStringLiteral("<td><font face=\"Arial\" size=\"2\" color=\"");
            html += cor;
            html += QStringLiteral("\">");
            html += texto;
            html += QStringLiteral("</font></td>");
        };
        ChavePessoa anterior(-1, 0);
        for (qsizetype i = 0; i < linhas.size(); ++i) {
            const Linha &l = linhas.at(i);
            const ChavePessoa chave(l.Tipo, l.IdPessoa);
            if (i == 0 || chave != anterior) {
                if (i > 0) {
                    html += QStringLiteral("</table>");
                    html += quebra;
                    html += QStringLiteral("<BR>");
                    html += quebra;
                }
                html += QStringLiteral("<table border=\"0\" width=\"100%\" bgcolor=\"#C4E3DF\"><tr><td><font "
                                       "face=\"Arial\" size=\"3\"><b>");
                html += paraHtml(Cabecalho(l));
                html += QStringLiteral("</b> :: ");
                html += textoResumo(mes, resumos.value(chave));
                html += QStringLiteral(" :: </font></td></tr></table>");
                html += quebra;
                html += cabecalhoColunas;
                html += quebra;
                anterior = chave;
            }
            const bool receber = l.TipoOperacao == 1;
            const QString &cor = receber ? kAzul : kVermelho;
            html += i % 2 == 1 ? QStringLiteral("<tr bgcolor=\"#ECF466\">")
                               : QStringLiteral("<tr bgcolor=\"#ECF4BB\">");
            celula(cor, dataCurta(l.Data));
            celula(cor, paraHtml(l.Obs));
            celula(cor, dinheiro(l.Valor));
            celula(cor, l.Situacao == 1 ? QStringLiteral("Quitado") : QStringLiteral("Aberto"));
            celula(cor, receber ? QStringLiteral("Receber") : QStringLiteral("Pagar"));
            html += QStringLiteral("</tr>");
            html += quebra;
        }
        html += QStringLiteral("</table>") + quebra;

        html += QStringLiteral("<p><font face=\"Arial\" size=\"3\"><b>Resumo Geral:</b></font><BR>") + quebra;
        auto resumo = [&](const QString &rotulo, Money total, Money aberto, Money quitado,
                          const QString &cor) {
            html += fonte(cor, QStringLiteral("<b>") + rotulo + QStringLiteral("</b> ") + dinheiro(total) +
                                   QStringLiteral(" <b>Aberto:</b> ") + dinheiro(aberto) +
                                   QStringLiteral(" <b>Quitado:</b> ") + dinheiro(quitado)) +
                    QStringLiteral("<BR>") + quebra;
        };
        if (!t.Receber.isZero())
            resumo(QStringLiteral("A Receber:"), t.Receber, t.ReceberAberto, t.ReceberQuitado, kAzul);
        if (!t.Pagar.isZero())
            resumo(QStringLiteral("A Pagar:"), t.Pagar, t.PagarAberto, t.PagarQuitado, kVermelho);
        html += QStringLiteral("</p>") + quebra;
        html += QStringLiteral("<p><font face=\"Arial\" size=\"1\">Gerado por ") +
                TextoParaHtml(nomeUsuario) + QStringLiteral(" em :") +
                FormatDateTime(QStringLiteral("dd/mm/yyyy :: hh:nn:ss"), agora) +
                QStringLiteral("</font></p>") + quebra;
        html += QStringLiteral("</td></tr></table>") + quebra + QStringLiteral("</body> </html>");
    }

    html += quebra + QStringLiteral("<table border=\"0\" width=\"100%\" bgcolor=\"#ECF4BB\"><tr>") +
            QStringLiteral("<td>") +
            fonte(kVermelho, QStringLiteral("<b>Saldo à pagar: </b>") + dinheiro(t.Pagar)) +
            QStringLiteral("</td>") + QStringLiteral("<td>") +
            fonte(kAzul, QStringLiteral("<b>Saldo à receber: </b>") + dinheiro(t.Receber)) +
            QStringLiteral("</td>") + QStringLiteral("<td>") +
            fonte(t.Saldo() > Money() ? kAzul : kVermelho,
                  QStringLiteral("<b>Saldo: </b>") + dinheiro(t.Saldo())) +
            QStringLiteral("</td></tr></table>") + quebra;
    return html;
}

} // namespace PesquisaFinancas
