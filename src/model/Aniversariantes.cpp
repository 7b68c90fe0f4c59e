#include "model/Aniversariantes.h"

#include "data/Query.h"
#include "data/TDM.h"
#include "util/PaginaHtml.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QSet>

namespace {

// The lists read the columns they show and the identifier that opens the
// person; the group is checked below.
const QString kCampos = QStringLiteral(
    "SELECT IDENTIFICADOR, COD_GRUPO, NOME, APELIDO, EMAIL, FONE_RESIDENCIAL, FONE_COMERCIAL, FONE_CELULAR, "
    "DATA_NASCIMENTO FROM PESSOAFISICA ");
const QString kDoMes =
    kCampos + QStringLiteral("WHERE ((UPPER(LOGIN) = :LOGIN) OR (PUBLICA = :PUBLICA)) AND EXTRACT(MONTH FROM "
                             "DATA_NASCIMENTO) = :MES AND INFORMAR_ANIVERSARIO = :INFORMAR_ANIVERSARIO ORDER "
                             "BY EXTRACT(MONTH FROM "
                             "DATA_NASCIMENTO), EXTRACT(DAY FROM DATA_NASCIMENTO), NOME");
const QString kImprimirMes =
    kCampos + QStringLiteral("WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) AND EXTRACT(MONTH FROM "
                             "DATA_NASCIMENTO) = :MES AND INFORMAR_ANIVERSARIO = :INFORMAR_ANIVERSARIO ORDER "
                             "BY EXTRACT(MONTH FROM "
                             "DATA_NASCIMENTO), EXTRACT(DAY FROM DATA_NASCIMENTO), NOME");
const QString kImprimirTodos =
    kCampos + QStringLiteral("WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) AND "
                             "INFORMAR_ANIVERSARIO = :INFORMAR_ANIVERSARIO ORDER BY EXTRACT("
                             "MONTH FROM DATA_NASCIMENTO), EXTRACT(DAY FROM DATA_NASCIMENTO), "
                             "NOME");

DbResult ler(const QString &sql, const QString &login, int mes, std::vector<TPessoaFisica> &pessoas)
{
    pessoas.clear();
    const DbResult r = dbLeitura(BancoDados(), [&](Transaction &t) {
        Query q(t, sql);
        q.setText(QStringLiteral("LOGIN"), Win1252::toUpper(login));
        q.setInt(QStringLiteral("PUBLICA"), 1);
        if (mes > 0)
            q.setInt(QStringLiteral("MES"), mes);
        q.setInt(QStringLiteral("INFORMAR_ANIVERSARIO"), 1);
        q.open();
        // like the telephone lists, which join GRUPO: a person whose group
        // row is gone cannot be opened, so it is not listed either
        QSet<qint32> grupos;
        {
            Query g(t, QStringLiteral("SELECT COD_GRUPO FROM GRUPO"));
            g.open();
            while (g.next())
                grupos.insert(g.field(0).asInt());
        }
        while (q.next()) {
            if (!grupos.contains(q.field(QStringLiteral("COD_GRUPO")).asInt()))
                continue;
            TPessoaFisica p;
            p.Identificador = q.field(QStringLiteral("IDENTIFICADOR")).asInt();
            p.Grupo.Codigo = q.field(QStringLiteral("COD_GRUPO")).asInt();
            p.Nome = q.field(QStringLiteral("NOME")).asString();
            p.Apelido = q.field(QStringLiteral("APELIDO")).asString();
            p.Email = q.field(QStringLiteral("EMAIL")).asString();
            p.FoneResidencial = q.field(QStringLiteral("FONE_RESIDENCIAL")).asString();
            p.FoneComercial = q.field(QStringLiteral("FONE_COMERCIAL")).asString();
            p.FoneCelular = q.field(QStringLiteral("FONE_CELULAR")).asString();
            p.DataNascimento = q.field(QStringLiteral("DATA_NASCIMENTO")).asDate();
            pessoas.push_back(std::move(p));
        }
    });
    if (!r)
        pessoas.clear();
    return r;
}

int mesDe(TDateTime data)
{
    int ano = 0, mes = 0, dia = 0;
    DecodeDate(data, ano, mes, dia);
    return mes;
}

} // namespace

namespace Aniversariantes {

std::vector<TPessoaFisica> DoMesAtual(const QString &login, int mes, DbResult *resultado)
{
    std::vector<TPessoaFisica> pessoas;
    const DbResult r = ler(kDoMes, login, mes, pessoas);
    if (resultado)
        *resultado = r;
    return pessoas;
}

QString ComandoDoMes()
{
    return kDoMes;
}

QString ComandoTodos()
{
    return kImprimirTodos;
}

QString Linha(const TPessoaFisica &p)
{
    return FormatDateTime(QStringLiteral("dd/mm"), p.DataNascimento) + QStringLiteral(" -- ") + p.Nome +
           QStringLiteral(" :: ") + p.Apelido + QStringLiteral(" : ") + p.Email + QStringLiteral(" : ") +
           FormatPhone(p.FoneCelular) + QStringLiteral(" : ") + FormatPhone(p.FoneComercial);
}

bool FazAniversario(const TPessoaFisica &p, TDateTime hoje)
{
    int a1 = 0, m1 = 0, d1 = 0, a2 = 0, m2 = 0, d2 = 0;
    DecodeDate(p.DataNascimento, a1, m1, d1);
    DecodeDate(hoje, a2, m2, d2);
    return m1 == m2 && d1 == d2;
}

DbResult Pagina(Lista lista, const QString &login, TDateTime agora, QStringList &linhas)
{
    linhas.clear();
    std::vector<TPessoaFisica> pessoas;
    const DbResult r = lista == DoMes ? ler(kImprimirMes, login, mesDe(agora), pessoas)
                                      : ler(kImprimirTodos, login, 0, pessoas);
    if (!r)
        return r;
    const QString titulo = lista == DoMes
                               ? QStringLiteral(":: Lista de Aniversariantes do mês de ") +
                                     FormatDateTime(QStringLiteral("mmmm"), agora) + QStringLiteral(" ::")
                               : QStringLiteral(":: Lista de Aniversariantes ::");
    linhas << QStringLiteral(
                  "<html> <head><title>:: Lumisto - Aniversariantes ::</title></head><body "
                  "bgcolor=\"#ECF4CA\"><table border=\"0\" width=\"100%\" bgcolor=\"#ECF400\">  <tr>    "
                  "<td width=\"100%\">      <p align=\"center\"><b><font face=\"Arial\" size=\"4\" "
                  "color=\"#0000FF\">") +
                  TextoParaHtml(titulo) + QStringLiteral("</font></b></td>  </tr></table>");
    linhas << QStringLiteral("<BR>");
    int contador = 0;
    for (const TPessoaFisica &p : pessoas) {
        contador = contador % 2 + 1;
        QString fone = QStringLiteral("..");
        if (!p.FoneComercial.isEmpty())
            fone = QStringLiteral("Com.: ") + FormatPhone(p.FoneComercial);
        else if (!p.FoneCelular.isEmpty())
            fone = QStringLiteral("Cel.: ") + FormatPhone(p.FoneCelular);
        else if (!p.FoneResidencial.isEmpty())
            fone = QStringLiteral("Res.: ") + FormatPhone(p.FoneResidencial);
        const QString abertura =
            contador == 1
                ? QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td><table border=\"0\" "
                                 "width=\"100%\" height=\"28\" bgcolor=\"#ECF4C0\"><tr><td width=\"5%\" "
                                 "height=\"22\"><p align=\"center\">")
                : QStringLiteral("<table border=\"0\" width=\"100%\"><tr><td> <table border=\"0\" "
                                 "width=\"100%\" height=\"28\" bgcolor=\"#ECF4CF\"><tr><td width=\"5%\" "
                                 "height=\"22\"><p align=\"center\">");
        linhas << abertura + FormatDateTime(QStringLiteral("dd/mm"), p.DataNascimento) +
                      QStringLiteral("</td><td width=\"15%\" height=\"22\"><p align=\"left\">") +
                      TextoParaHtml(p.Apelido) +
                      QStringLiteral("</td><td width=\"60%\" height=\"22\"><p align=\"left\">") +
                      TextoParaHtml(p.Nome) +
                      QStringLiteral(" </td><td width=\"20%\" height=\"22\"><p align=\"left\">") +
                      TextoParaHtml(fone) + QStringLiteral("</td></tr></table></td></tr></table>");
    }
    linhas << QStringLiteral(
                  "<table border=\"0\" width=\"100%\" bgcolor=\"#00AAFF\">  <tr>    <td width=\"100%\">  "
                  "    <p align=\"left\"><font face=\"Arial\" color=\"#FFFFFF\" size=\"1\">") +
                  FormatDateTime(QStringLiteral("\"Lista Gerada em: \"dd/mm/yy - hh:nn:ss"), agora) +
                  QStringLiteral("</font></td>  </tr></table>");
    linhas << QStringLiteral("</body> </html>");
    return r;
}

} // namespace Aniversariantes
