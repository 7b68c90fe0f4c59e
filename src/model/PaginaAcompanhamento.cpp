#include "model/PaginaAcompanhamento.h"

#include "util/PaginaHtml.h"
#include "util/TextUtils.h"

namespace {

QString cabecalho(const QString &tipo)
{
    return QStringLiteral(" <table border=\"0\" width=\"100%\" bgcolor=\"#ECF490\">   <tr>     <td "
                          "width=\"10%\"><font face=\"Arial\" size=\"4\"color=\"#000000\"><p "
                          "align=\"center\"><b>") +
           tipo + QStringLiteral("</p></b></font></td>   </tr> </table><BR><BR>");
}

// The person's first table: name and group, e-mail, and a third cell
// (Msn for individuals, Home for companies).
QString abertura(int posicao, const QString &nome, const QString &grupo, const QString &email,
                 const QString &rotulo3, const QString &valor3)
{
    const QString cor = posicao % 2 == 0 ? QStringLiteral("#ECF4BB") : QStringLiteral("#ECF466");
    return QStringLiteral(" <table border=\"0\" width=\"100%\"bgcolor=\"") + cor +
           QStringLiteral("\"> <tr> <td width=\"100%\"> <table border=\"0\" width=\"100%\">   <tr>     <td "
                          "width=\"50%\"><font face=\"Arial\" size=\"3\">") +
           nome + QStringLiteral("</font><font face=\"Arial\" size=\"1\"> (") + TextoParaHtml(grupo) +
           QStringLiteral(")</font></td>") +
           QStringLiteral("     <td width=\"25%\"><font face=\"Arial\" size=\"2\"><b>E-mail: </b>") +
           TextoParaHtml(email) + QStringLiteral("</font></td>") +
           QStringLiteral("     <td width=\"25%\"><font face=\"Arial\" size=\"2\"><b>") + rotulo3 +
           QStringLiteral(" </b>") + TextoParaHtml(valor3) + QStringLiteral("</font></td>") +
           QStringLiteral("   </tr>") + QStringLiteral(" </table>") +
           QStringLiteral("       <table border=\"0\" width=\"100%\">") + QStringLiteral("         <tr>");
}

const QString kFecho = QStringLiteral("         </tr>") + QStringLiteral("       </table>") +
                       QStringLiteral("</td></tr></table>");

QString celula(const QString &largura, const QString &rotulo, const QString &valor,
               const QString &fim = QStringLiteral("</font></td>"))
{
    return QStringLiteral("           <td width=\"") + largura +
           QStringLiteral("%\"><font face=\"Arial\" size=\"2\"><b>") + rotulo + QStringLiteral("</b> ") +
           TextoParaHtml(valor) + fim;
}

QString inicio()
{
    return QStringLiteral("<html> <head> <title>:: Acompanhamento ::</title> </head> <body "
                          "bgcolor=\"#FEFAC0\">");
}

QString fim()
{
    return QStringLiteral("</body> </html>");
}

} // namespace

QStringList PaginaAcompanhamento(const QList<TPessoaFisica> &pessoas)
{
    QStringList l{inicio(), cabecalho(QStringLiteral("Pessoa Física"))};
    for (int i = 0; i < pessoas.size(); ++i) {
        const TPessoaFisica &p = pessoas.at(i);
        l << abertura(i, TextoParaHtml(p.Tratamento) + QLatin1Char(' ') + TextoParaHtml(p.Nome), p.Grupo.Nome,
                      p.Email, QStringLiteral("Msn:"), p.MSN) +
                 celula(QStringLiteral("33"), QStringLiteral("Res.:"), FormatPhone(p.FoneResidencial)) +
                 celula(QStringLiteral("33"), QStringLiteral("Com.:"), FormatPhone(p.FoneComercial),
                        QStringLiteral("</font> </td>")) +
                 celula(QStringLiteral("34"), QStringLiteral("Cel.:"), FormatPhone(p.FoneCelular)) + kFecho;
    }
    l << fim();
    return l;
}

QStringList PaginaAcompanhamento(const QList<TPessoaJuridica> &empresas)
{
    QStringList l{inicio(), cabecalho(QStringLiteral("Pessoa Jurídica"))};
    const QString largura = QStringLiteral("20");
    for (int i = 0; i < empresas.size(); ++i) {
        const TPessoaJuridica &e = empresas.at(i);
        l << abertura(i, TextoParaHtml(e.Nome), e.Grupo.Nome, e.Email, QStringLiteral("Home:"), e.HomePage) +
                 celula(largura, QStringLiteral("Res.:"), FormatPhone(e.Fone)) +
                 celula(largura, QStringLiteral("Fax.:"), FormatPhone(e.FoneFax),
                        QStringLiteral("</font> </td>")) +
                 celula(largura, QStringLiteral("Cel.:"), FormatPhone(e.FoneCel)) +
                 celula(largura, QStringLiteral("0800:"), e.Fone0800) +
                 celula(largura, QStringLiteral("0300:"), e.Fone0300) + kFecho;
    }
    l << fim();
    return l;
}
