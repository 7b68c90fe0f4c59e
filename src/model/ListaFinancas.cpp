#include "model/ListaFinancas.h"

#include "data/Query.h"
#include "util/DateTime.h"
#include "util/PaginaHtml.h"
#include "util/TextUtils.h"
#include "util/TextoDinheiro.h"
#include "util/Win1252.h"

namespace {

QString col(const char *name)
{
    return QString::fromLatin1(name);
}

// The person's columns come under fixed names so one reader serves both kinds.
const QString kColunasFinanca = QStringLiteral("F.ID_FINANCA, F.ID_PESSOA, F.TIPO_PESSOA, F.VALOR, F.DATA, "
                                               "F.TIPO_OPERACAO, F.FORMAP_PAGAMENTO, F.LOGIN, "
                                               "F.OBS, F.SITUACAO, ");
const QString kColunasPF = QStringLiteral(
    "PF.NOME, PF.TRATAMENTO, PF.APELIDO, PF.LOCAL_TRABALHO, PF.EMAIL, PF.MSN AS EMAIL2, PF.FONE_RESIDENCIAL "
    "AS "
    "FONE1, PF.FONE_COMERCIAL AS FONE2, PF.FONE_CELULAR AS FONE3 FROM FINANCAS F, PESSOAFISICA PF WHERE ");
const QString kColunasPJ = QStringLiteral(
    "PJ.NOME, CAST(NULL AS VARCHAR(30)) AS TRATAMENTO, CAST(NULL AS VARCHAR(60)) AS APELIDO, CAST(NULL AS "
    "VARCHAR(60)) AS LOCAL_TRABALHO, PJ.EMAIL, PJ.HOME_PAGE AS EMAIL2, PJ.FONE AS FONE1, PJ.FONE_FAX AS "
    "FONE2, "
    "PJ.FONE_CEL AS FONE3 FROM FINANCAS F, PESSOAJURIDICA PJ WHERE ");

QString sql(const ListaFinancas::Filtro &f)
{
    const QString p = f.TipoPessoa == 0 ? QStringLiteral("PF") : QStringLiteral("PJ");
    QString s = QStringLiteral("SELECT ") + kColunasFinanca + (f.TipoPessoa == 0 ? kColunasPF : kColunasPJ);
    if (f.TodasAsPessoas)
        // every person of the kind the user may see, never another user's private ones
        s += QStringLiteral(
                 "F.TIPO_PESSOA = :TIPO_PESSOA AND %1.IDENTIFICADOR = F.ID_PESSOA AND (UPPER(%1.LOGIN) "
                 "= :LOGIN OR %1.PUBLICA = :PUBLICA) ")
                 .arg(p);
    else
        s += QStringLiteral("%1.IDENTIFICADOR = :ID_PESSOA AND F.ID_PESSOA = :ID_PESSOA AND F.TIPO_PESSOA = "
                            ":TIPO_PESSOA AND %1.IDENTIFICADOR = F.ID_PESSOA ")
                 .arg(p);
    s += QStringLiteral("AND F.DATA BETWEEN :DATA_01 AND :DATA_02 ORDER BY F.DATA, F.VALOR, %1.NOME, "
                        "F.TIPO_OPERACAO, F.SITUACAO ")
             .arg(p);
    return s;
}

QString fonte(const QString &cor, const QString &texto, const QString &tamanho = QStringLiteral("2"))
{
    return QStringLiteral("<font face=\"Arial\" size=\"") + tamanho + QStringLiteral("\" color=\"") + cor +
           QStringLiteral("\">") + texto + QStringLiteral("</font>");
}

const QString kAzul = QStringLiteral("#0000FF");
const QString kVermelho = QStringLiteral("#FF0000");
const QString kPreto = QStringLiteral("#000000");

QString dinheiro(Money valor)
{
    return TextoDinheiro(valor) + QStringLiteral("  ");
}

QString celula(const QString &conteudo, const QString &largura = {})
{
    return (largura.isEmpty() ? QStringLiteral("<td>")
                              : QStringLiteral("<td width=\"") + largura + QStringLiteral("\">")) +
           conteudo + QStringLiteral("</td>");
}

} // namespace

void TotaisFinancas::Somar(quint8 tipoOperacao, quint8 situacao, Money valor)
{
    const bool quitado = situacao == 1;
    if (tipoOperacao == 1) {
        Receber += valor;
        (quitado ? ReceberQuitado : ReceberAberto) += valor;
    } else {
        Pagar += valor;
        (quitado ? PagarQuitado : PagarAberto) += valor;
    }
}

namespace ListaFinancas {

DbResult Carregar(Database &db, const Filtro &filtro, QList<LancamentoFinanca> &lista)
{
    QList<LancamentoFinanca> lidos;
    const QString texto = sql(filtro);
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, texto);
        q.setInt(col("TIPO_PESSOA"), filtro.TipoPessoa);
        if (filtro.TodasAsPessoas) {
            q.setText(col("LOGIN"), Win1252::toUpper(filtro.Login));
            q.setInt(col("PUBLICA"), 1);
        } else {
            q.setInt(col("ID_PESSOA"), filtro.IdPessoa);
        }
        q.setDate(col("DATA_01"), filtro.De);
        q.setDate(col("DATA_02"), filtro.Ate);
        q.open();
        while (q.next()) {
            LancamentoFinanca l;
            TFinancas &f = l.Financa;
            f.IdFinanca = q.field(0).asInt();
            f.IdPessoa = q.field(1).asInt();
            f.TipoPessoa = q.field(2).asInt();
            f.Valor = Money::fromRaw(q.field(3).asScaled(4));
            f.Data = q.field(4).asDate();
            f.TipoOperacao = quint8(q.field(5).asInt());
            f.FormaPagamento = quint8(q.field(6).asInt());
            f.Login = q.field(7).asString();
            f.Obs = q.field(8).asString();
            f.Situacao = quint8(q.field(9).asInt());
            PessoaFinancas &p = l.Pessoa;
            p.Identificador = f.IdPessoa;
            p.Tipo = f.TipoPessoa;
            p.Nome = q.field(10).asString();
            p.Tratamento = q.field(11).asString();
            p.Apelido = q.field(12).asString();
            p.LocalTrabalho = q.field(13).asString();
            p.Email = q.field(14).asString();
            p.Email2 = q.field(15).asString();
            p.Fone1 = q.field(16).asString();
            p.Fone2 = q.field(17).asString();
            p.Fone3 = q.field(18).asString();
            lidos << l;
        }
    });
    lista = r ? lidos : QList<LancamentoFinanca>();
    return r;
}

QString Comando(const Filtro &filtro)
{
    return sql(filtro);
}

TotaisFinancas Totais(const QList<LancamentoFinanca> &lista)
{
    TotaisFinancas t;
    for (const LancamentoFinanca &l : lista)
        t.Somar(l.Financa.TipoOperacao, l.Financa.Situacao, l.Financa.Valor);
    return t;
}

QString TextoSaldos(const TotaisFinancas &totais)
{
    return QStringLiteral("A pagar: ") + dinheiro(totais.Pagar) + QStringLiteral(" -- A receber: ") +
           dinheiro(totais.Receber) + QStringLiteral(" ==>> Saldo: ") + dinheiro(totais.Saldo());
}

QStringList LinhasPagina(const Pagina &pagina, const QList<LancamentoFinanca> &lista)
{
    const QString data = QStringLiteral("dd/mm/yyyy");
    QStringList linhas;
    linhas << QStringLiteral("<html> <head> <title>:: Acompanhamento das Financas::</title> </head> <body "
                             "bgcolor=\"#FEFAC0\">")
           << QStringLiteral(
                  "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");

    if (pagina.TodasAsPessoas) {
        linhas << QStringLiteral("<p>") +
                      fonte(kPreto,
                            QStringLiteral("<b>Exibindo TODAS as contas a pagar e a receber entre ") +
                                FormatDateTime(data, pagina.De) + QStringLiteral(" e ") +
                                FormatDateTime(data, pagina.Ate) + QStringLiteral("</b>"),
                            QStringLiteral("3")) +
                      QStringLiteral("</p>");
    } else {
        const PessoaFinancas &p = pagina.Pessoa;
        const bool empresa = p.Tipo != 0;
        linhas << QStringLiteral(
                      "<table border=\"0\" width=\"100%\" bgcolor=\"#ECF4BB\"> <tr> <td colspan=\"3\">") +
                      fonte(kPreto,
                            QStringLiteral("<b>") + TextoParaHtml(p.Cabecalho()) + QStringLiteral("</b>"),
                            QStringLiteral("3")) +
                      QStringLiteral("</td> </tr>");
        linhas << QStringLiteral("<tr> <td colspan=\"3\">") +
                      fonte(kPreto, QStringLiteral("<b>E-mail:</b> ") + TextoParaHtml(p.Email) +
                                        (empresa ? QStringLiteral("   :::   <b>Home Page:</b> ")
                                                 : QStringLiteral("   :::   <b>E-mail MSN:</b> ")) +
                                        TextoParaHtml(p.Email2)) +
                      QStringLiteral("</td> </tr>");
        const QStringList rotulos =
            empresa ? QStringList{QStringLiteral("<b>Fone:</b> "), QStringLiteral("<b>Fone Fax.:</b> "),
                                  QStringLiteral("<b>Fone Cel.:</b> ")}
                    : QStringList{QStringLiteral("<b>Fone Res.:</b> "), QStringLiteral("<b>Fone Com.:</b> "),
                                  QStringLiteral("<b>Fone Cel.:</b> ")};
        const QStringList fones = {p.Fone1, p.Fone2, p.Fone3};
        QString linha = QStringLiteral("<tr> ");
        for (int i = 0; i < 3; ++i)
            linha += celula(fonte(kPreto, rotulos.at(i) + TextoParaHtml(FormatPhone(fones.at(i)))),
                            QStringLiteral("33%"));
        linhas << linha + QStringLiteral(" </tr> </table>");
    }

    if (lista.isEmpty()) {
        linhas << QStringLiteral("<p>") +
                      fonte(kPreto, QStringLiteral("<b>Não há dados a exibir!</b>"), QStringLiteral("3")) +
                      QStringLiteral("</p>");
    } else {
        QString cabecalho = QStringLiteral("<table border=\"0\" width=\"100%\" cellspacing=\"1\"> <tr "
                                           "bgcolor=\"#C0DCC0\">");
        for (const QString &titulo :
             {QStringLiteral("Data"), QStringLiteral("Observação"), QStringLiteral("A Pagar"),
              QStringLiteral("A Receber"), QStringLiteral("Situação"),
              pagina.TodasAsPessoas ? QStringLiteral("Nome") : QStringLiteral("Login")})
            cabecalho += celula(fonte(kPreto, QStringLiteral("<b>") + titulo + QStringLiteral("</b>")));
        linhas << cabecalho + QStringLiteral("</tr>");
    }

    for (qsizetype i = 0; i < lista.size(); ++i) {
        const TFinancas &f = lista.at(i).Financa;
        const bool receber = f.TipoOperacao == 1;
        const QString cor = receber ? kAzul : kVermelho;
        const QString valor = TextoParaHtml(dinheiro(f.Valor));
        const QString nada = QStringLiteral("--");
        QString linha = QStringLiteral("<tr bgcolor=\"") +
                        (i % 2 == 1 ? QStringLiteral("#ECF466") : QStringLiteral("#ECF4BB")) +
                        QStringLiteral("\">");
        linha += celula(fonte(cor, FormatDateTime(data, f.Data)), QStringLiteral("10%"));
        linha += celula(fonte(cor, TextoParaHtml(f.Obs)));
        linha += celula(fonte(cor, receber ? nada : valor), QStringLiteral("13%"));
        linha += celula(fonte(cor, receber ? valor : nada), QStringLiteral("13%"));
        linha += celula(fonte(cor, f.Situacao == 1 ? QStringLiteral("Quitado") : QStringLiteral("Aberto")),
                        QStringLiteral("9%"));
        linha += celula(fonte(cor, TextoParaHtml(pagina.TodasAsPessoas ? lista.at(i).Pessoa.Nome : f.Login)),
                        QStringLiteral("15%"));
        linhas << linha + QStringLiteral("</tr>");
    }

    const TotaisFinancas t = Totais(lista);
    if (!lista.isEmpty()) {
        linhas << QStringLiteral("</table>")
               << QStringLiteral("<p>") +
                      fonte(kPreto, QStringLiteral("<b>Resumo:</b>"), QStringLiteral("3")) +
                      QStringLiteral("<BR>");
        auto resumo = [&](const QString &rotulo, Money total, Money aberto, Money quitado,
                          const QString &cor) {
            linhas << fonte(cor, QStringLiteral("<b>") + rotulo + QStringLiteral("</b> ") + dinheiro(total) +
                                     QStringLiteral(" <b>Aberto:</b> ") + dinheiro(aberto) +
                                     QStringLiteral(" <b>Quitado:</b> ") + dinheiro(quitado)) +
                          QStringLiteral("<BR>");
        };
        if (!t.Receber.isZero())
            resumo(QStringLiteral("A Receber:"), t.Receber, t.ReceberAberto, t.ReceberQuitado, kAzul);
        if (!t.Pagar.isZero())
            resumo(QStringLiteral("A Pagar:"), t.Pagar, t.PagarAberto, t.PagarQuitado, kVermelho);
        linhas << QStringLiteral("</p>");
    }

    linhas << QStringLiteral("<p>") +
                  fonte(kVermelho, QStringLiteral("<b>Saldo à pagar: </b>") + dinheiro(t.Pagar)) +
                  QStringLiteral("<BR>")
           << fonte(kAzul, QStringLiteral("<b>Saldo à receber: </b>") + dinheiro(t.Receber)) +
                  QStringLiteral("<BR>")
           << fonte(t.Saldo() > Money() ? kAzul : kVermelho,
                    QStringLiteral("<b>Saldo: </b>") + dinheiro(t.Saldo())) +
                  QStringLiteral("</p>")
           << QStringLiteral("<p>") +
                  fonte(kPreto,
                        QStringLiteral("Gerado por ") + TextoParaHtml(pagina.NomeUsuario) +
                            QStringLiteral(" em :") +
                            FormatDateTime(QStringLiteral("dd/mm/yyyy :: hh:nn:ss"), pagina.Agora),
                        QStringLiteral("1")) +
                  QStringLiteral("</p>")
           << QStringLiteral("</body> </html>");
    return linhas;
}

} // namespace ListaFinancas
