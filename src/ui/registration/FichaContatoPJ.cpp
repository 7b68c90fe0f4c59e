#include "ui/registration/FichaContatoPJ.h"

#include "util/Formats.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QStringList>

namespace {

QString esc(const QString &texto)
{
    return texto.toHtmlEscaped();
}

QString mailto(const QString &email)
{
    if (email.isEmpty())
        return {};
    return QStringLiteral("<a href=\"mailto:") + esc(email) + QStringLiteral("\">") + esc(email) +
           QStringLiteral("</a>");
}

QString linkHomePage(const QString &homePage)
{
    if (homePage.isEmpty())
        return {};
    return QStringLiteral("<a href=\"") + esc(EnderecoHomePage(homePage)) + QStringLiteral("\">") +
           esc(homePage) + QStringLiteral("</a>");
}

const QString kFonteContato = QStringLiteral("<font face=\"Arial\" size=\"3\" color=\"#000000\">");

} // namespace

QString FichaContatoPJ(const TPessoaJuridica &empresa, const QList<TContato_PJ> &contatos)
{
    const QString nome = esc(empresa.Nome);
    QStringList linhas;
    // head and title bar
    linhas << QStringLiteral("<html> <head> <meta http-equiv=\"Content-Type\" content=\"text/html; "
                             "charset=windows-1252\"> <title>:: Orvalha -- Contatos de ") +
                  nome +
                  QStringLiteral("</title> </head> <body bgcolor=\"#ECF4CA\"> "
                                 "<table border=\"0\" width=\"100%\" bgcolor=\"#ECF400\"> <tr> "
                                 "<td width=\"100%\"> <p align=\"center\"><font face=\"Arial\" size=\"4\" "
                                 "color=\"#00AAFF\"><b>Contatos de ") +
                  nome + QStringLiteral("</b></font></p></td> </tr> </table>");
    linhas << QStringLiteral("<BR>");
    // the company
    linhas << QStringLiteral("<table border=\"1\" width=\"100%\" cellpadding=\"4\"> <tr> <td width=\"100%\">"
                             "<font face=\"Arial\" size=\"3\"><b>Nome: </b>") +
                  nome +
                  QStringLiteral("</font> <table border=\"1\" width=\"100%\" bordercolor=\"#C4E3DF\"> "
                                 "<tr> <td colspan=\"3\"><font face=\"Arial\" size=\"3\"><b>Contatos "
                                 "Principais</b></font></td> </tr> <tr> <td><font face=\"Arial\" "
                                 "size=\"3\">Fone: ") +
                  esc(FormatPhone(empresa.Fone)) +
                  QStringLiteral("</font></td> <td><font face=\"Arial\" size=\"3\">FAX: ") +
                  esc(FormatPhone(empresa.FoneFax)) +
                  QStringLiteral("</font></td> <td><font face=\"Arial\" size=\"3\">Fone 0800: ") +
                  esc(FormatFone0800(empresa.Fone0800)) +
                  QStringLiteral(
                      "</font></td> </tr> <tr> <td><font face=\"Arial\" size=\"3\"><b>Email: </b>") +
                  mailto(empresa.Email) +
                  QStringLiteral("</font></td> <td colspan=\"2\"><font face=\"Arial\" size=\"3\"><b>Home "
                                 "Page: </b>") +
                  linkHomePage(empresa.HomePage) + QStringLiteral("</font></td> </tr> </table>");
    linhas << QStringLiteral("</td> </tr> </table> <BR>");
    // the contacts, coloured by turns as in the screen's grid
    for (qsizetype i = 0; i < contatos.size(); ++i) {
        const TContato_PJ &c = contatos.at(i);
        const QString fundo = i % 2 == 0 ? QStringLiteral("#FFFFFF") : QStringLiteral("#C0DCC0");
        linhas << QStringLiteral("<table border=\"0\" width=\"100%\" bgcolor=\"") + fundo +
                      QStringLiteral("\"> <tr> <td width=\"40%\">") + kFonteContato +
                      QStringLiteral("<b>Nome:</b> ") + esc(c.Nome) +
                      QStringLiteral("</font></td> <td width=\"30%\">") + kFonteContato +
                      QStringLiteral("<b>Função:</b> ") + esc(c.Funcao) +
                      QStringLiteral("</font></td> <td width=\"30%\">") + kFonteContato +
                      QStringLiteral("<b>E-mail: </b>") + mailto(c.Email) +
                      QStringLiteral("</font></td> </tr>");
        linhas << QStringLiteral("<tr> <td width=\"40%\">") + kFonteContato +
                      QStringLiteral("<b>Fone:</b> ") + esc(FormatPhone(c.Fone)) +
                      QStringLiteral("&nbsp;&nbsp;<b>Ramal:</b> ") +
                      FormatFloat(QStringLiteral("000"), c.Ramal) +
                      QStringLiteral("</font></td> <td width=\"60%\" colspan=\"2\">") + kFonteContato +
                      QStringLiteral("<b>Celular:</b> ") + esc(FormatPhone(c.Celular)) +
                      QStringLiteral("</font></td> </tr> </table>");
        linhas << QStringLiteral("<hr>");
    }
    linhas << QStringLiteral("</body> </html>");
    return linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
