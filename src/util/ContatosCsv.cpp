#include "util/ContatosCsv.h"

#include "util/Win1252.h"

#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

QString L(const char *s)
{
    return QString::fromLatin1(s);
}

const QString kVarios = QStringLiteral(" ::: ");

QChar detectarSeparador(const QString &texto)
{
    int virgulas = 0, pontosVirgula = 0;
    bool aspas = false;
    for (const QChar c : texto) {
        if (c == QLatin1Char('"'))
            aspas = !aspas;
        else if (!aspas && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!aspas && c == QLatin1Char(','))
            ++virgulas;
        else if (!aspas && c == QLatin1Char(';'))
            ++pontosVirgula;
    }
    return pontosVirgula > virgulas ? QLatin1Char(';') : QLatin1Char(',');
}

// Day/month order of a date such as 03/12/1985: a part above 12 decides;
// otherwise files separated by ";" (a Brazilian spreadsheet's) are
// day-first and those separated by "," month-first.
QDate lerData(const QString &valor, QChar separador, bool *semAno)
{
    *semAno = false;
    const QString v = valor.trimmed();
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})"));
    static const QRegularExpression soMes(QStringLiteral("^--(\\d{2})-?(\\d{2})$"));
    static const QRegularExpression barras(QStringLiteral("^(\\d{1,2})[/.](\\d{1,2})[/.](\\d{2,4})$"));
    if (const auto m = iso.match(v); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (const auto m = soMes.match(v); m.hasMatch()) {
        const QDate d(2000, m.captured(1).toInt(), m.captured(2).toInt());
        *semAno = d.isValid();
        return d;
    }
    if (const auto m = barras.match(v); m.hasMatch()) {
        int a = m.captured(1).toInt(), b = m.captured(2).toInt(), ano = m.captured(3).toInt();
        if (ano == 0)
            return {};
        if (m.captured(3).size() == 2)
            ano += ano > 30 ? 1900 : 2000;
        bool diaPrimeiro = separador == QLatin1Char(';');
        if (a > 12)
            diaPrimeiro = true;
        else if (b > 12)
            diaPrimeiro = false;
        return diaPrimeiro ? QDate(ano, b, a) : QDate(ano, a, b);
    }
    return {};
}

Contato::TipoFone tipoPorRotulo(const QString &rotulo)
{
    const QString r = rotulo.toLower();
    if (r.contains(L("fax")))
        return Contato::TipoFone::Fax;
    if (r.contains(L("mobile")) || r.contains(L("cell")) || r.contains(L("celular")))
        return Contato::TipoFone::Celular;
    if (r.contains(L("home")) || r.contains(L("residencial")))
        return Contato::TipoFone::Residencial;
    if (r.contains(L("work")) || r.contains(L("business")) || r.contains(L("comercial")) ||
        r.contains(L("company")))
        return Contato::TipoFone::Comercial;
    return Contato::TipoFone::Outro;
}

QString semMarca(QString rotulo)
{
    // "* Mobile": the webmail marks the preferred value with an asterisk
    if (rotulo.startsWith(L("* ")))
        rotulo = rotulo.mid(2);
    return rotulo.trimmed();
}

QStringList varios(const QString &v)
{
    QStringList r;
    for (const QString &p : v.split(kVarios))
        if (!p.trimmed().isEmpty())
            r << p.trimmed();
    return r;
}

// The indexed columns of the webmail layout, "Phone 2 - Value": kind, number, field.
using Indexados = QMap<QString, QMap<int, QMap<QString, QString>>>;

Contato contato(const QStringList &cabecalhos, const QStringList &campos, QChar separador,
                QStringList &problemas, int registro)
{
    Contato c;
    Indexados ind;
    QMap<QString, Contato::Endereco> enderecosDesktop;
    static const QRegularExpression indexado(QStringLiteral("^(.+?) (\\d+) - (.+)$"));
    static const QRegularExpression emailDesktop(QStringLiteral("^E-mail( \\d)? Address$"));
    static const QRegularExpression enderecoDesktop(QStringLiteral(
        "^(Home|Business|Other) (Street|Street 2|Street 3|City|State|Postal Code|Country/Region|"
        "Country|PO Box|Address PO Box)$"));
    for (qsizetype i = 0; i < cabecalhos.size() && i < campos.size(); ++i) {
        const QString &h = cabecalhos[i];
        const QString v = QString(campos[i]).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed();
        if (v.isEmpty())
            continue;
        if (const auto m = indexado.match(h); m.hasMatch()) {
            ind[m.captured(1)][m.captured(2).toInt()][m.captured(3)] = v;
            continue;
        }
        if (const auto m = emailDesktop.match(h); m.hasMatch()) {
            c.emails << Contato::Email{v, {}};
            continue;
        }
        if (const auto m = enderecoDesktop.match(h); m.hasMatch()) {
            Contato::Endereco &e = enderecosDesktop[m.captured(1)];
            e.rotulo = m.captured(1) == L("Business") ? L("work") : m.captured(1).toLower();
            const QString campo = m.captured(2);
            if (campo == L("Street"))
                e.rua = e.rua.isEmpty() ? v : v + QLatin1Char('\n') + e.rua;
            else if (campo.startsWith(L("Street ")))
                e.rua = e.rua.isEmpty() ? v : e.rua + QLatin1Char('\n') + v;
            else if (campo == L("City"))
                e.cidade = v;
            else if (campo == L("State"))
                e.estado = v;
            else if (campo == L("Postal Code"))
                e.cep = v;
            else if (campo.startsWith(L("Country")))
                e.pais = v;
            else
                e.caixaPostal = v;
            continue;
        }
        if (h == L("Name") || h == L("Display Name"))
            c.nomeFormatado = v;
        else if (h == L("Given Name") || h == L("First Name"))
            c.prenome = v;
        else if (h == L("Additional Name") || h == L("Middle Name"))
            c.nomesMeio = v;
        else if (h == L("Family Name") || h == L("Last Name"))
            c.sobrenome = v;
        else if (h == L("Name Prefix") || h == L("Title"))
            c.prefixo = v;
        else if (h == L("Name Suffix") || h == L("Suffix"))
            c.sufixo = v;
        else if (h == L("Nickname"))
            c.apelido = v;
        else if (h == L("Organization Name") || h == L("Company"))
            c.organizacao = v;
        else if (h == L("Organization Title") || h == L("Job Title"))
            c.cargo = v;
        else if (h == L("Organization Department") || h == L("Department"))
            c.extras << Contato::Extra{QStringLiteral("Departamento"), v};
        else if (h == L("Notes"))
            c.notas = v;
        else if (h == L("Web Page") || h == L("Personal Web Page"))
            c.sites << v;
        else if (h == L("Group Membership") || h == L("Labels")) {
            for (const QString &g : varios(v))
                if (!g.startsWith(QLatin1Char('*')))
                    c.categorias << g;
        } else if (h == L("Categories")) {
            for (const QString &g : v.split(QRegularExpression(QStringLiteral("[;,]")), Qt::SkipEmptyParts))
                c.categorias << g.trimmed();
        } else if (h == L("Birthday")) {
            bool semAno = false;
            const QDate d = lerData(v, separador, &semAno);
            if (v.startsWith(L("0/0/")))
                continue;
            if (!d.isValid()) {
                problemas << QStringLiteral("Registro %1: data de aniversário inválida \"%2\".")
                                 .arg(registro)
                                 .arg(v);
                c.extras << Contato::Extra{QStringLiteral("Aniversário"), v};
            } else if (semAno) {
                c.extras << Contato::Extra{QStringLiteral("Aniversário"), d.toString(L("dd/MM"))};
            } else {
                c.aniversario = d;
            }
        } else if (h.endsWith(L("Phone")) || h.endsWith(L("Phone 2")) || h.endsWith(L("Fax")) ||
                   h == L("Pager")) {
            c.fones << Contato::Fone{tipoPorRotulo(h), v, h};
        } else if (h == L("Anniversary")) {
            if (!v.startsWith(L("0/0/")))
                c.extras << Contato::Extra{QStringLiteral("Data comemorativa"), v};
        }
    }
    for (auto kind = ind.cbegin(); kind != ind.cend(); ++kind) {
        for (auto n = kind.value().cbegin(); n != kind.value().cend(); ++n) {
            const QMap<QString, QString> &f = n.value();
            const QString rotulo = semMarca(f.value(L("Type"), f.value(L("Label"))));
            const QString valor = f.value(L("Value"));
            if (kind.key() == L("E-mail")) {
                for (const QString &e : varios(valor))
                    c.emails << Contato::Email{e, rotulo.toLower()};
            } else if (kind.key() == L("Phone")) {
                for (const QString &t : varios(valor))
                    c.fones << Contato::Fone{tipoPorRotulo(rotulo), t, rotulo};
            } else if (kind.key() == L("Address")) {
                Contato::Endereco e;
                e.rotulo = rotulo.toLower();
                e.rua = f.value(L("Street"));
                e.cidade = f.value(L("City"));
                e.caixaPostal = f.value(L("PO Box"));
                e.estado = f.value(L("Region"));
                e.cep = f.value(L("Postal Code"));
                e.pais = f.value(L("Country"));
                e.complemento = f.value(L("Extended Address"));
                if (e.vazio())
                    e.rua = f.value(L("Formatted"));
                if (!e.vazio())
                    c.enderecos << e;
            } else if (kind.key() == L("Organization")) {
                if (c.organizacao.isEmpty())
                    c.organizacao = f.value(L("Name"));
                if (c.cargo.isEmpty())
                    c.cargo = f.value(L("Title"));
                if (!f.value(L("Department")).isEmpty())
                    c.extras << Contato::Extra{QStringLiteral("Departamento"), f.value(L("Department"))};
            } else if (kind.key() == L("Website")) {
                c.sites << varios(valor);
            } else if (!valor.isEmpty()) {
                // IM, Relation, Event, Custom Field: kept with their label
                c.extras << Contato::Extra{
                    rotulo.isEmpty() ? kind.key() : kind.key() + L(" (") + rotulo + L(")"), valor};
            }
        }
    }
    for (const QString &chave : {L("Home"), L("Business"), L("Other")})
        if (enderecosDesktop.contains(chave) && !enderecosDesktop[chave].vazio())
            c.enderecos << enderecosDesktop[chave];
    return c;
}

QString campoCsv(const QString &v)
{
    if (v.contains(QLatin1Char(',')) || v.contains(QLatin1Char('"')) || v.contains(QLatin1Char('\n')) ||
        v.contains(QLatin1Char('\r')) || v.contains(QLatin1Char(';')))
        return QLatin1Char('"') + QString(v).replace(QLatin1Char('"'), L("\"\"")) + QLatin1Char('"');
    return v;
}

QString rotuloFone(Contato::TipoFone t)
{
    switch (t) {
    case Contato::TipoFone::Celular: return L("Mobile");
    case Contato::TipoFone::Residencial: return L("Home");
    case Contato::TipoFone::Comercial: return L("Work");
    case Contato::TipoFone::Fax: return L("Work Fax");
    case Contato::TipoFone::Outro: break;
    }
    return L("Other");
}

} // namespace

namespace ContatosCsv {

QList<QStringList> registros(const QString &texto, QChar separador)
{
    QList<QStringList> linhas;
    QStringList atual;
    QString campo;
    bool aspas = false, algo = false;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (aspas) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < texto.size() && texto[i + 1] == QLatin1Char('"')) {
                    campo += c;
                    ++i;
                } else {
                    aspas = false;
                }
            } else {
                campo += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            aspas = true;
            algo = true;
        } else if (c == separador) {
            atual << campo;
            campo.clear();
            algo = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < texto.size() && texto[i + 1] == QLatin1Char('\n'))
                ++i;
            if (algo || !campo.isEmpty()) {
                atual << campo;
                linhas << atual;
            }
            atual.clear();
            campo.clear();
            algo = false;
        } else {
            campo += c;
            algo = true;
        }
    }
    if (algo || !campo.isEmpty()) {
        atual << campo;
        linhas << atual;
    }
    return linhas;
}

Leitura ler(const QByteArray &arquivo)
{
    Leitura l;
    QByteArray bytes = Contato::semUtf16(arquivo);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.mid(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8.decode(bytes);
    if (utf8.hasError()) {
        l.windows1252 = true;
        texto = Win1252::decode(bytes);
    }
    l.separador = detectarSeparador(texto);
    const QList<QStringList> linhas = registros(texto, l.separador);
    if (linhas.isEmpty())
        return l;
    QStringList cabecalhos;
    for (const QString &h : linhas.first())
        cabecalhos << h.trimmed();
    for (qsizetype i = 1; i < linhas.size(); ++i) {
        if (linhas[i].size() != cabecalhos.size())
            l.problemas << QStringLiteral("Registro %1: %2 campos, o cabeçalho tem %3.")
                               .arg(i)
                               .arg(linhas[i].size())
                               .arg(cabecalhos.size());
        Contato c = contato(cabecalhos, linhas[i], l.separador, l.problemas, int(i));
        if (!c.nomeExibido().isEmpty() || !c.emails.isEmpty() || !c.fones.isEmpty())
            l.contatos << c;
    }
    return l;
}

QByteArray escrever(const QList<Contato> &contatos)
{
    qsizetype emails = 1, fones = 1, enderecos = 1, sites = 1;
    for (const Contato &c : contatos) {
        emails = std::max(emails, c.emails.size());
        fones = std::max(fones, c.fones.size());
        enderecos = std::max(enderecos, c.enderecos.size());
        sites = std::max(sites, c.sites.size());
    }
    QStringList cab = {L("Name"),        L("Given Name"), L("Additional Name"),
                       L("Family Name"), L("Nickname"),   L("Name Prefix"),
                       L("Birthday"),    L("Notes"),      L("Group Membership")};
    for (qsizetype i = 1; i <= emails; ++i)
        cab << L("E-mail %1 - Type").arg(i) << L("E-mail %1 - Value").arg(i);
    for (qsizetype i = 1; i <= fones; ++i)
        cab << L("Phone %1 - Type").arg(i) << L("Phone %1 - Value").arg(i);
    for (qsizetype i = 1; i <= enderecos; ++i)
        for (const char *f :
             {"Type", "Street", "City", "PO Box", "Region", "Postal Code", "Country", "Extended Address"})
            cab << L("Address %1 - %2").arg(i).arg(L(f));
    cab << L("Organization 1 - Name") << L("Organization 1 - Title");
    for (qsizetype i = 1; i <= sites; ++i)
        cab << L("Website %1 - Value").arg(i);

    QString out;
    auto escreverLinha = [&](const QStringList &campos) {
        QStringList q;
        for (const QString &c : campos)
            q << campoCsv(c);
        out += q.join(QLatin1Char(',')) + L("\r\n");
    };
    escreverLinha(cab);
    for (const Contato &c : contatos) {
        QStringList l = {c.nomeExibido(),
                         c.prenome,
                         c.nomesMeio,
                         c.sobrenome,
                         c.apelido,
                         c.prefixo,
                         c.aniversario.isValid() ? c.aniversario.toString(L("yyyy-MM-dd")) : QString(),
                         c.notas,
                         c.categorias.join(kVarios)};
        for (qsizetype i = 0; i < emails; ++i)
            l << (i < c.emails.size() ? QStringList{L("* Other"), c.emails[i].endereco}
                                      : QStringList{{}, {}});
        for (qsizetype i = 0; i < fones; ++i)
            l << (i < c.fones.size() ? QStringList{rotuloFone(c.fones[i].tipo), c.fones[i].numero}
                                     : QStringList{{}, {}});
        for (qsizetype i = 0; i < enderecos; ++i) {
            if (i < c.enderecos.size()) {
                const Contato::Endereco &e = c.enderecos[i];
                const QString tipo =
                    e.rotulo.isEmpty() ? QString() : e.rotulo.left(1).toUpper() + e.rotulo.mid(1);
                l << tipo << e.rua << e.cidade << e.caixaPostal << e.estado << e.cep << e.pais
                  << e.complemento;
            } else {
                for (int k = 0; k < 8; ++k)
                    l << QString();
            }
        }
        l << c.organizacao << c.cargo;
        for (qsizetype i = 0; i < sites; ++i)
            l << (i < c.sites.size() ? c.sites[i] : QString());
        escreverLinha(l);
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

} // namespace ContatosCsv
