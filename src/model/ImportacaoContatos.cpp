#include "model/ImportacaoContatos.h"

#include "data/Query.h"
#include "model/TUsuario.h"
#include "util/DateTime.h"
#include "util/PaginaHtml.h"
#include "util/Win1252.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <tuple>

namespace {

QString L(const char *s)
{
    return QString::fromLatin1(s);
}

const QString kQuebra = QStringLiteral("\r\n");

// Names per statement of the sound-alike lookup.
constexpr int kLote = 200;
// Identifiers bound per statement of the chosen persons' export.
constexpr int kLoteEscolhidas = 500;

struct Estado {
    const char *sigla;
    const char *nome;
};
const Estado kEstados[] = {
    {"AC", "Acre"},
    {"AL", "Alagoas"},
    {"AP", "Amapá"},
    {"AM", "Amazonas"},
    {"BA", "Bahia"},
    {"CE", "Ceará"},
    {"DF", "Distrito Federal"},
    {"ES", "Espírito Santo"},
    {"GO", "Goiás"},
    {"MA", "Maranhão"},
    {"MT", "Mato Grosso"},
    {"MS", "Mato Grosso do Sul"},
    {"MG", "Minas Gerais"},
    {"PA", "Pará"},
    {"PB", "Paraíba"},
    {"PR", "Paraná"},
    {"PE", "Pernambuco"},
    {"PI", "Piauí"},
    {"RJ", "Rio de Janeiro"},
    {"RN", "Rio Grande do Norte"},
    {"RS", "Rio Grande do Sul"},
    {"RO", "Rondônia"},
    {"RR", "Roraima"},
    {"SC", "Santa Catarina"},
    {"SP", "São Paulo"},
    {"SE", "Sergipe"},
    {"TO", "Tocantins"},
};

QString semAcentos(const QString &s)
{
    QString d = s.normalized(QString::NormalizationForm_D);
    d.remove(QRegularExpression(QStringLiteral("\\p{Mn}")));
    return d;
}

// "SP", "sp", "São Paulo", "Sao Paulo": the two letters; empty when unknown.
QString sigla(const QString &estado)
{
    const QString e = semAcentos(estado.trimmed()).toUpper();
    for (const Estado &x : kEstados)
        if (e == QLatin1String(x.sigla) || e == semAcentos(QString::fromUtf8(x.nome)).toUpper())
            return QLatin1String(x.sigla);
    return {};
}

QString somenteDigitos(const QString &s)
{
    QString d;
    for (const QChar c : s)
        if (c.isDigit() && c.unicode() < 128)
            d += c;
    return d;
}

bool numeroEspecial(const QString &digitos)
{
    // toll-free and shared-cost numbers keep their leading zero
    return digitos.startsWith(L("0800")) || digitos.startsWith(L("0300")) || digitos.startsWith(L("0500")) ||
           digitos.startsWith(L("0900"));
}

QString rotuloFone(Contato::TipoFone t)
{
    switch (t) {
    case Contato::TipoFone::Celular: return QStringLiteral("Celular");
    case Contato::TipoFone::Residencial: return QStringLiteral("Fone residencial");
    case Contato::TipoFone::Comercial: return QStringLiteral("Fone comercial");
    case Contato::TipoFone::Fax: return QStringLiteral("Fax");
    case Contato::TipoFone::Outro: break;
    }
    return QStringLiteral("Telefone");
}

// The lines for the notes, "Label: value".
struct Notas {
    QStringList linhas;
    void add(const QString &rotulo, const QString &valor)
    {
        if (!valor.trimmed().isEmpty())
            linhas << rotulo + L(": ") + QString(valor).replace(QLatin1Char('\n'), L(" - ")).trimmed();
    }
};

// The street line: "Rua das Flores, 123 - fundos" gives the street, the
// number and what follows it; a second line of the street is the district.
void lerRua(const QString &ruaArquivo, TEndereco &e, Notas &notas)
{
    QStringList linhas = ruaArquivo.split(QLatin1Char('\n'));
    for (QString &l : linhas)
        l = l.trimmed();
    linhas.removeAll(QString());
    if (linhas.isEmpty())
        return;
    static const QRegularExpression comNumero(
        QStringLiteral("^(.*?)\\s*,\\s*(?:n[º°o]?\\.?\\s*)?(\\d{1,9})\\s*(?:[-,]\\s*(.*))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString primeira = linhas.takeFirst();
    if (const auto m = comNumero.match(primeira); m.hasMatch() && !m.captured(1).isEmpty()) {
        e.Rua = m.captured(1);
        e.Numero = m.captured(2).toInt();
        const QString resto = m.captured(3).trimmed();
        if (!resto.isEmpty())
            e.Complemento = e.Complemento.isEmpty() ? resto : e.Complemento + L(" - ") + resto;
    } else {
        e.Rua = primeira;
    }
    if (!linhas.isEmpty())
        e.Bairro = linhas.takeFirst();
    for (const QString &l : linhas)
        notas.add(QStringLiteral("Endereço"), l);
}

void mapearEndereco(const Contato &c, bool empresa, TEndereco &e, Notas &notas)
{
    if (c.enderecos.isEmpty())
        return;
    // an individual's home, a company's business address; the others to the notes
    const QString preferido = empresa ? L("work") : L("home");
    qsizetype escolhido = 0;
    for (qsizetype i = 0; i < c.enderecos.size(); ++i)
        if (c.enderecos[i].rotulo.contains(preferido)) {
            escolhido = i;
            break;
        }
    const Contato::Endereco &a = c.enderecos[escolhido];
    e.Complemento = a.complemento;
    lerRua(a.rua, e, notas);
    e.Cidade = a.cidade;
    if (!a.estado.trimmed().isEmpty()) {
        e.Estado = sigla(a.estado);
        if (e.Estado.isEmpty())
            notas.add(QStringLiteral("Estado"), a.estado);
    }
    const QString cep = somenteDigitos(a.cep);
    if (cep.size() == 8)
        e.CEP = cep.toInt();
    else
        notas.add(QStringLiteral("CEP"), a.cep);
    const QString cp = somenteDigitos(a.caixaPostal);
    if (!cp.isEmpty() && cp.size() <= 9)
        e.CP = cp.toInt();
    else
        notas.add(QStringLiteral("Caixa postal"), a.caixaPostal);
    const QString pais = semAcentos(a.pais.trimmed()).toUpper();
    if (!pais.isEmpty() && pais != L("BRASIL") && pais != L("BRAZIL") && pais != L("BR"))
        notas.add(QStringLiteral("País"), a.pais);
    for (qsizetype i = 0; i < c.enderecos.size(); ++i)
        if (i != escolhido) {
            const QString r = c.enderecos[i].rotulo;
            notas.add(r.isEmpty() ? QStringLiteral("Endereço") : QStringLiteral("Endereço (%1)").arg(r),
                      c.enderecos[i].texto());
        }
}

QString formatarFone(const QString &digitos)
{
    // the national digits go out as an international number; a foreign one
    // ("00" and its digits) with its own "+"
    if (digitos.isEmpty() || numeroEspecial(digitos))
        return digitos;
    if (digitos.startsWith(L("00")))
        return QLatin1Char('+') + digitos.mid(2);
    if (digitos.size() == 10 || digitos.size() == 11)
        return L("+55 ") + digitos.left(2) + QLatin1Char(' ') + digitos.mid(2, digitos.size() - 6) +
               QLatin1Char('-') + digitos.right(4);
    return digitos;
}

Contato::Endereco enderecoDe(const TEndereco &e, const QString &rotulo)
{
    Contato::Endereco a;
    a.rotulo = rotulo;
    a.rua = e.Rua;
    if (e.Numero != 0)
        a.rua += L(", ") + QString::number(e.Numero);
    if (!e.Bairro.isEmpty())
        a.rua += QLatin1Char('\n') + e.Bairro;
    a.complemento = e.Complemento;
    a.cidade = e.Cidade;
    a.estado = e.Estado.trimmed();
    if (e.CEP != 0) {
        const QString cep = QStringLiteral("%1").arg(e.CEP, 8, 10, QLatin1Char('0'));
        a.cep = cep.left(5) + QLatin1Char('-') + cep.mid(5);
    }
    if (e.CP != 0)
        a.caixaPostal = QString::number(e.CP);
    if (!a.vazio())
        a.pais = QStringLiteral("Brasil");
    return a;
}

QString obs(const QString &notas, const Notas &extras)
{
    QStringList partes;
    if (!notas.trimmed().isEmpty())
        partes << notas.trimmed();
    partes += extras.linhas;
    QString t = partes.join(QLatin1Char('\n'));
    t.replace(L("\r\n"), L("\n"));
    t.replace(QLatin1Char('\n'), kQuebra);
    return t;
}

} // namespace

namespace ImportacaoContatos {

QString NormalizarFone(const QString &numero)
{
    const QString t = numero.trimmed();
    QString d = somenteDigitos(t);
    if (d.isEmpty())
        return {};
    if (t.startsWith(QLatin1Char('+'))) {
        if (!d.startsWith(L("55")))
            return L("00") + d;
        d = d.mid(2);
    } else if (d.startsWith(L("00"))) {
        return d;
    } else if ((d.size() == 12 || d.size() == 13) && d.startsWith(L("55"))) {
        d = d.mid(2);
    }
    if (d.startsWith(QLatin1Char('0')) && !numeroEspecial(d)) {
        // 0 + area + number, or 0 + carrier + area + number
        if (d.size() == 11 || d.size() == 12)
            d = d.mid(1);
        else if (d.size() == 13 || d.size() == 14)
            d = d.mid(3);
    }
    return d;
}

void Validar(ContatoImportado &item)
{
    item.recusas = item.pessoa().TextosRecusados();
    if (item.pessoa().Nome.trimmed().isEmpty())
        item.recusas.prepend(QStringLiteral("Campo \"Nome\": o contato não tem nome."));
    for (const QString &g : std::as_const(item.categorias)) {
        const QString r = TPessoa::TextoRecusado({{"Grupo", &g, 100}});
        if (!r.isEmpty())
            item.recusas << r;
    }
}

ContatoImportado Mapear(const Contato &c)
{
    ContatoImportado item;
    const bool semNome =
        c.prenome.trimmed().isEmpty() && c.sobrenome.trimmed().isEmpty() && c.nomesMeio.trimmed().isEmpty();
    const QString org = c.organizacao.trimmed();
    // a company: said so by the file, or only an organisation's name (some
    // address books repeat it as the person's first name)
    QStringList partesNome;
    for (const QString &n : {c.prenome, c.nomesMeio, c.sobrenome})
        if (!n.trimmed().isEmpty())
            partesNome << n.trimmed();
    const QString nomeComposto = partesNome.join(QLatin1Char(' '));
    item.empresa =
        c.empresa ||
        (!org.isEmpty() && (semNome ? c.nomeFormatado.trimmed().isEmpty() || c.nomeFormatado.trimmed() == org
                                    : nomeComposto == org));
    Notas notas;
    TPessoa &p = item.pessoa();
    // the form of address has its own column: it is not repeated in the name
    if (item.empresa && !org.isEmpty())
        p.Nome = org;
    else if (!c.nomeFormatado.trimmed().isEmpty())
        p.Nome = c.nomeFormatado.trimmed();
    else if (!nomeComposto.isEmpty())
        p.Nome = nomeComposto;
    else
        p.Nome = c.nomeExibido();
    for (const QString &cat : c.categorias)
        if (!cat.trimmed().isEmpty() && !item.categorias.contains(cat.trimmed()))
            item.categorias << cat.trimmed();

    // e-mails: the first (and an individual's second) have columns
    const int colunasEmail = item.empresa ? 1 : 2;
    for (qsizetype i = 0; i < c.emails.size(); ++i) {
        const QString e = c.emails[i].endereco.trimmed();
        if (i == 0)
            (item.empresa ? item.pj.Email : item.pf.Email) = e;
        else if (i == 1 && colunasEmail == 2)
            item.pf.MSN = e;
        else
            notas.add(c.emails[i].rotulo.isEmpty() ? QStringLiteral("E-mail")
                                                   : QStringLiteral("E-mail (%1)").arg(c.emails[i].rotulo),
                      e);
    }

    // telephones: by kind into their columns; the same kind twice, a
    // number too long for the field or a kind without a column to the notes
    QList<const Contato::Fone *> semTipo;
    auto colocar = [&](QString &campo, const QString &digitos) {
        if (!campo.isEmpty() || digitos.size() > 15)
            return false;
        campo = digitos;
        return true;
    };
    for (const Contato::Fone &f : c.fones) {
        const QString d = NormalizarFone(f.numero);
        if (d.isEmpty()) {
            notas.add(rotuloFone(f.tipo), f.numero);
            continue;
        }
        bool posto = false;
        if (item.empresa) {
            TPessoaJuridica &pj = item.pj;
            if (f.tipo == Contato::TipoFone::Celular)
                posto = colocar(pj.FoneCel, d);
            else if (f.tipo == Contato::TipoFone::Fax)
                posto = colocar(pj.FoneFax, d);
            else if (d.startsWith(L("0800")))
                posto = colocar(pj.Fone0800, d);
            else if (d.startsWith(L("0300")))
                posto = colocar(pj.Fone0300, d);
            else
                posto = colocar(pj.Fone, d) || (f.tipo == Contato::TipoFone::Outro && colocar(pj.FoneCel, d));
        } else {
            TPessoaFisica &pf = item.pf;
            if (f.tipo == Contato::TipoFone::Celular)
                posto = colocar(pf.FoneCelular, d);
            else if (f.tipo == Contato::TipoFone::Residencial)
                posto = colocar(pf.FoneResidencial, d);
            else if (f.tipo == Contato::TipoFone::Comercial)
                posto = colocar(pf.FoneComercial, d);
            else if (f.tipo == Contato::TipoFone::Outro && d.size() <= 15) {
                semTipo << &f;
                continue;
            }
        }
        if (!posto)
            notas.add(rotuloFone(f.tipo), f.numero);
    }
    // a number of no kind takes a free column: a mobile's (11 digits, a 9
    // after the area code) the mobile one first
    for (const Contato::Fone *f : std::as_const(semTipo)) {
        const QString d = NormalizarFone(f->numero);
        TPessoaFisica &pf = item.pf;
        const bool celular = d.size() == 11 && d[2] == QLatin1Char('9');
        const bool posto = (celular && colocar(pf.FoneCelular, d)) || colocar(pf.FoneResidencial, d) ||
                           colocar(pf.FoneComercial, d) || colocar(pf.FoneCelular, d);
        if (!posto)
            notas.add(rotuloFone(f->tipo), f->numero);
    }

    mapearEndereco(c, item.empresa, p.Endereco, notas);

    if (item.empresa) {
        for (qsizetype i = 0; i < c.sites.size(); ++i) {
            if (i == 0 && c.sites[i].size() <= 100)
                item.pj.HomePage = c.sites[i];
            else
                notas.add(QStringLiteral("Site"), c.sites[i]);
        }
        notas.add(QStringLiteral("Cargo"), c.cargo);
        if (c.aniversario.isValid())
            notas.add(QStringLiteral("Data"), c.aniversario.toString(L("dd/MM/yyyy")));
        if (!c.foto.isEmpty())
            notas.add(QStringLiteral("Foto"), QStringLiteral("não importada (empresas não têm álbum)"));
    } else {
        TPessoaFisica &pf = item.pf;
        pf.Tratamento = c.prefixo.trimmed();
        pf.Apelido = c.apelido.trimmed();
        pf.Profissao = c.cargo.trimmed();
        if (org != pf.Nome)
            pf.LocalTrabalho = org;
        if (c.aniversario.isValid())
            pf.DataNascimento = QDateToDateTime(c.aniversario);
        for (const QString &s : c.sites)
            notas.add(QStringLiteral("Site"), s);
        // the album keeps a JPEG's own bytes; another format is not converted
        if (c.foto.startsWith("\xFF\xD8\xFF"))
            item.foto = c.foto;
        else if (!c.foto.isEmpty())
            notas.add(QStringLiteral("Foto"), QStringLiteral("não importada (não é JPEG)"));
    }
    if (!c.sufixo.trimmed().isEmpty() && !p.Nome.contains(c.sufixo.trimmed()))
        notas.add(QStringLiteral("Sufixo"), c.sufixo);
    for (const Contato::Extra &x : c.extras)
        notas.add(x.rotulo, x.valor);
    p.Obs = obs(c.notas, notas);
    Validar(item);
    return item;
}

DbResult MarcarSemelhantes(Database &db, QList<ContatoImportado> &itens)
{
    for (ContatoImportado &i : itens)
        i.semelhantes.clear();
    return dbLeitura(db, [&](Transaction &t) {
        for (const bool empresa : {false, true}) {
            // the names that can be sent: the others are blocked anyway
            QList<qsizetype> indices;
            for (qsizetype i = 0; i < itens.size(); ++i) {
                const QString &nome = itens[i].pessoa().Nome;
                if (itens[i].empresa == empresa && !nome.trimmed().isEmpty() && nome.size() <= 100 &&
                    Win1252::canEncode(nome))
                    indices << i;
            }
            for (qsizetype inicio = 0; inicio < indices.size(); inicio += kLote) {
                const qsizetype fim = std::min<qsizetype>(inicio + kLote, indices.size());
                QStringList partes;
                for (qsizetype k = inicio; k < fim; ++k)
                    partes << QStringLiteral("SELECT %1 AS N, SOUNDEX(CAST(:N%1 AS VARCHAR(100))) AS F FROM "
                                             "RDB$DATABASE")
                                  .arg(k - inicio);
                const QString sql =
                    QStringLiteral("SELECT S.N, P.NOME FROM (%1) S JOIN %2 P ON P.F_NOME = S.F"
                                   " ORDER BY S.N, P.NOME")
                        .arg(partes.join(L(" UNION ALL ")),
                             empresa ? L("PESSOAJURIDICA") : L("PESSOAFISICA"));
                Query q(t, sql);
                for (qsizetype k = inicio; k < fim; ++k)
                    q.setText(QStringLiteral("N%1").arg(k - inicio),
                              Win1252::toUpper(itens[indices[k]].pessoa().Nome));
                q.open();
                while (q.next()) {
                    ContatoImportado &item = itens[indices[inicio + q.field(L("N")).asInt()]];
                    const QString nome = q.field(L("NOME")).asString();
                    if (!item.semelhantes.contains(nome))
                        item.semelhantes << nome;
                }
            }
        }
    });
}

int PularSemelhantes(QList<ContatoImportado> &itens)
{
    int n = 0;
    for (ContatoImportado &i : itens)
        if (!i.semelhantes.isEmpty() && i.importar) {
            i.importar = false;
            i.puladoSemelhante = true;
            ++n;
        }
    return n;
}

DbResult Gravar(Database &db, QList<ContatoImportado> &itens, const Opcoes &opcoes, Resumo *resumo,
                const std::function<void(int, int)> &progresso)
{
    Resumo r;
    QList<qsizetype> escolhidos;
    for (qsizetype i = 0; i < itens.size(); ++i) {
        if (!itens[i].importar) {
            (itens[i].puladoSemelhante ? r.puladosSemelhantes : r.puladosUsuario)++;
            continue;
        }
        Validar(itens[i]);
        if (!itens[i].recusas.isEmpty()) {
            DbResult recusa;
            recusa.ok = false;
            recusa.recusado = true;
            recusa.error = itens[i].pessoa().Nome + kQuebra + itens[i].recusas.join(kQuebra);
            return recusa;
        }
        escolhidos << i;
    }
    QString login = opcoes.login;
    if (login.isEmpty() && TUsuario::atual())
        login = TUsuario::atual()->Login;
    const DbResult res = dbOperation(db, [&](Transaction &t) {
        // the groups of the categories: an existing one by its name (any
        // letter case), the others made here
        QHash<QString, qint32> grupos;
        if (opcoes.gruposPorCategoria) {
            Query g(t, QStringLiteral("SELECT COD_GRUPO, NOME_GRUPO FROM GRUPO ORDER BY COD_GRUPO"));
            g.open();
            while (g.next()) {
                const QString nome = Win1252::toUpper(g.field(L("NOME_GRUPO")).asString().trimmed());
                if (!grupos.contains(nome))
                    grupos.insert(nome, g.field(L("COD_GRUPO")).asInt());
            }
        }
        std::unique_ptr<Query> novoGrupo;
        auto grupoDe = [&](const ContatoImportado &item) {
            if (!opcoes.gruposPorCategoria || item.categorias.isEmpty())
                return opcoes.grupo;
            const QString nome = item.categorias.first();
            const QString chave = Win1252::toUpper(nome);
            if (const auto it = grupos.constFind(chave); it != grupos.cend())
                return it.value();
            if (!novoGrupo)
                novoGrupo = std::make_unique<Query>(
                    t, QStringLiteral(
                           "INSERT INTO GRUPO (NOME_GRUPO) VALUES (:NOME_GRUPO) RETURNING COD_GRUPO"));
            novoGrupo->setText(L("NOME_GRUPO"), nome);
            novoGrupo->execute();
            qint32 codigo = 0;
            if (novoGrupo->next())
                codigo = novoGrupo->field(L("COD_GRUPO")).asInt();
            novoGrupo->close();
            grupos.insert(chave, codigo);
            return codigo;
        };
        Query insPF(t, TPessoaFisica().SqlInsercao());
        Query insPJ(t, TPessoaJuridica().SqlInsercao());
        std::unique_ptr<Query> insFoto;
        int feitos = 0;
        for (const qsizetype i : std::as_const(escolhidos)) {
            ContatoImportado &item = itens[i];
            TPessoa &p = item.pessoa();
            p.Grupo.Codigo = grupoDe(item);
            p.Login = login;
            p.Publica = opcoes.publicas ? 1 : 0;
            p.InserirCom(item.empresa ? insPJ : insPF);
            if (!item.empresa && !item.foto.isEmpty()) {
                if (!insFoto)
                    insFoto = std::make_unique<Query>(
                        t, QStringLiteral(
                               "INSERT INTO IMAGEM (ID_PESSOA, FOTO, OBS) VALUES (:ID_PESSOA, :FOTO, :OBS)"));
                insFoto->setInt(L("ID_PESSOA"), p.Identificador);
                insFoto->setBlob(L("FOTO"), item.foto);
                insFoto->setText(L("OBS"), QString());
                insFoto->execute();
            }
            ++feitos;
            if (progresso)
                progresso(feitos, int(escolhidos.size()));
        }
    });
    if (!res) {
        // the rows are gone with the transaction
        for (const qsizetype i : std::as_const(escolhidos))
            itens[i].pessoa().Identificador = 0;
        return res;
    }
    r.importados = int(escolhidos.size());
    if (r.importados > 0)
        (void)TPessoa::ContarAlteracao(Resultado::Gravado);
    if (resumo)
        *resumo = r;
    return res;
}

QString PaginaPulados(const QList<ContatoImportado> &itens, const Resumo &resumo)
{
    QStringList l;
    l << QStringLiteral(
        "<HTML><HEAD><TITLE>Importação de Contatos</TITLE>"
        "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"></HEAD><BODY>");
    l << QStringLiteral("<H2>Importação de Contatos</H2>");
    l << QStringLiteral("<P>Importados: %1<BR>Pulados por serem semelhantes a pessoas já cadastradas: %2<BR>"
                        "Pulados por você: %3</P>")
             .arg(resumo.importados)
             .arg(resumo.puladosSemelhantes)
             .arg(resumo.puladosUsuario);
    l << QStringLiteral(
        "<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=3><TR><TH>Nome</TH><TH>Tipo</TH><TH>Motivo</TH></TR>");
    for (const ContatoImportado &i : itens) {
        if (i.importar)
            continue;
        QString motivo = i.puladoSemelhante
                             ? QStringLiteral("Semelhante a: ") + i.semelhantes.join(QStringLiteral("; "))
                             : QStringLiteral("Pulado por você");
        if (!i.recusas.isEmpty())
            motivo += QLatin1Char('\n') + i.recusas.join(QLatin1Char('\n'));
        l << QStringLiteral("<TR><TD>%1</TD><TD>%2</TD><TD>%3</TD></TR>")
                 .arg(TextoParaHtml(i.pessoa().Nome),
                      i.empresa ? QStringLiteral("Jurídica") : QStringLiteral("Física"),
                      TextoParaHtml(motivo));
    }
    l << QStringLiteral("</TABLE></BODY></HTML>");
    return l.join(kQuebra);
}

Contato ParaContato(const TPessoaFisica &pf, const QByteArray &foto)
{
    Contato c;
    c.nomeFormatado = pf.Nome;
    const QString nome = pf.Nome.trimmed();
    const qsizetype espaco = nome.indexOf(QLatin1Char(' '));
    c.prenome = espaco < 0 ? nome : nome.left(espaco);
    c.sobrenome = espaco < 0 ? QString() : nome.mid(espaco + 1);
    c.prefixo = pf.Tratamento;
    c.apelido = pf.Apelido;
    c.organizacao = pf.LocalTrabalho;
    c.cargo = pf.Profissao;
    if (!pf.FoneCelular.isEmpty())
        c.fones << Contato::Fone{Contato::TipoFone::Celular, formatarFone(pf.FoneCelular), {}};
    if (!pf.FoneResidencial.isEmpty())
        c.fones << Contato::Fone{Contato::TipoFone::Residencial, formatarFone(pf.FoneResidencial), {}};
    if (!pf.FoneComercial.isEmpty())
        c.fones << Contato::Fone{Contato::TipoFone::Comercial, formatarFone(pf.FoneComercial), {}};
    for (const QString &e : {pf.Email, pf.MSN})
        if (!e.isEmpty())
            c.emails << Contato::Email{e, {}};
    const Contato::Endereco a = enderecoDe(pf.Endereco, L("home"));
    if (!a.vazio())
        c.enderecos << a;
    if (pf.DataNascimento != 0)
        c.aniversario = DateTimeToQDate(pf.DataNascimento);
    c.notas = QString(pf.Obs).replace(kQuebra, L("\n"));
    if (!pf.Grupo.Nome.isEmpty())
        c.categorias << pf.Grupo.Nome;
    c.foto = foto;
    return c;
}

Contato ParaContato(const TPessoaJuridica &pj)
{
    Contato c;
    c.empresa = true;
    c.nomeFormatado = pj.Nome;
    c.organizacao = pj.Nome;
    const std::pair<Contato::TipoFone, const QString *> fones[] = {
        {Contato::TipoFone::Comercial, &pj.Fone},     {Contato::TipoFone::Fax, &pj.FoneFax},
        {Contato::TipoFone::Celular, &pj.FoneCel},    {Contato::TipoFone::Comercial, &pj.Fone0800},
        {Contato::TipoFone::Comercial, &pj.Fone0300},
    };
    for (const auto &[tipo, numero] : fones)
        if (!numero->isEmpty())
            c.fones << Contato::Fone{tipo, formatarFone(*numero), {}};
    if (!pj.Email.isEmpty())
        c.emails << Contato::Email{pj.Email, {}};
    if (!pj.HomePage.isEmpty())
        c.sites << pj.HomePage;
    const Contato::Endereco a = enderecoDe(pj.Endereco, L("work"));
    if (!a.vazio())
        c.enderecos << a;
    c.notas = QString(pj.Obs).replace(kQuebra, L("\n"));
    if (!pj.Grupo.Nome.isEmpty())
        c.categorias << pj.Grupo.Nome;
    return c;
}

DbResult Exportaveis(Database &db, const QString &login, const Filtro &filtro, bool comFoto,
                     QList<Contato> &contatos)
{
    contatos.clear();
    const QString foto = comFoto ? QStringLiteral("(SELECT FIRST 1 I.FOTO FROM IMAGEM I WHERE I.ID_PESSOA ="
                                                  " P.IDENTIFICADOR ORDER BY I.ID_IMAGEM)")
                                 : QStringLiteral("CAST(NULL AS BLOB SUB_TYPE BINARY)");
    const QString visiveis = QStringLiteral(" WHERE (UPPER(P.LOGIN) = :LOGIN OR P.PUBLICA = 1)"
                                            " AND (CAST(:GRUPO AS INTEGER) = 0 OR P.COD_GRUPO = :GRUPO)");
    const QString selectPF =
        QStringLiteral(
            "SELECT 0 AS TIPO, P.IDENTIFICADOR, P.NOME, P.TRATAMENTO, P.APELIDO, P.EMAIL, P.MSN,"
            " P.FONE_CELULAR AS FONE_A, P.FONE_RESIDENCIAL AS FONE_B, P.FONE_COMERCIAL AS FONE_C,"
            " CAST(NULL AS VARCHAR(15)) AS FONE_D, CAST(NULL AS VARCHAR(15)) AS FONE_E,"
            " P.PROFISSAO, P.LOCAL_TRABALHO, P.DATA_NASCIMENTO, CAST(NULL AS VARCHAR(100)) AS HOME_PAGE,"
            " P.RUA, P.NUMERO, P.BAIRRO, P.CIDADE, P.ESTADO, P.CEP, P.CP, P.COMPLEMENTO, P.OBS,"
            " G.NOME_GRUPO, %1 AS FOTO"
            " FROM PESSOAFISICA P LEFT JOIN GRUPO G ON G.COD_GRUPO = P.COD_GRUPO")
            .arg(foto) +
        visiveis;
    const QString selectPJ =
        QStringLiteral(
            "SELECT 1 AS TIPO, P.IDENTIFICADOR, P.NOME, NULL AS TRATAMENTO, NULL AS APELIDO, P.EMAIL,"
            " NULL AS MSN, P.FONE AS FONE_A, P.FONE_FAX AS FONE_B, P.FONE_CEL AS FONE_C,"
            " P.FONE_0800 AS FONE_D, P.FONE_0300 AS FONE_E, NULL AS PROFISSAO,"
            " NULL AS LOCAL_TRABALHO, NULL AS DATA_NASCIMENTO, P.HOME_PAGE,"
            " P.RUA, P.NUMERO, P.BAIRRO, P.CIDADE, P.ESTADO, P.CEP, P.CP, P.COMPLEMENTO, P.OBS,"
            " G.NOME_GRUPO, CAST(NULL AS BLOB SUB_TYPE BINARY) AS FOTO"
            " FROM PESSOAJURIDICA P LEFT JOIN GRUPO G ON G.COD_GRUPO = P.COD_GRUPO") +
        visiveis;

    // One row as it leaves, with the keys of the statement's ORDER BY 3, 1, 2.
    struct Linha {
        QByteArray nome; // as the database orders it: its Windows-1252 bytes
        int tipo = 0;
        qint32 id = 0;
        Contato contato;
    };
    auto ler = [&](Query &q, QList<Linha> &linhas) {
        auto texto = [&](const char *n) { return q.field(L(n)).asString(); };
        while (q.next()) {
            auto endereco = [&](TEndereco &e) {
                e.Rua = texto("RUA");
                e.Numero = q.field(L("NUMERO")).asInt();
                e.Bairro = texto("BAIRRO");
                e.Cidade = texto("CIDADE");
                e.Estado = texto("ESTADO");
                e.CEP = q.field(L("CEP")).asInt();
                e.CP = q.field(L("CP")).asInt();
                e.Complemento = texto("COMPLEMENTO");
            };
            Linha l;
            l.nome = q.field(L("NOME")).asBytes();
            l.tipo = q.field(L("TIPO")).asInt();
            l.id = q.field(L("IDENTIFICADOR")).asInt();
            if (l.tipo == 0) {
                TPessoaFisica pf(db);
                pf.Nome = texto("NOME");
                pf.Tratamento = texto("TRATAMENTO");
                pf.Apelido = texto("APELIDO");
                pf.Email = texto("EMAIL");
                pf.MSN = texto("MSN");
                pf.FoneCelular = texto("FONE_A");
                pf.FoneResidencial = texto("FONE_B");
                pf.FoneComercial = texto("FONE_C");
                pf.Profissao = texto("PROFISSAO");
                pf.LocalTrabalho = texto("LOCAL_TRABALHO");
                pf.DataNascimento = q.field(L("DATA_NASCIMENTO")).asDate();
                endereco(pf.Endereco);
                pf.Obs = texto("OBS");
                pf.Grupo.Nome = texto("NOME_GRUPO");
                l.contato = ParaContato(pf, q.field(L("FOTO")).asBytes());
            } else {
                TPessoaJuridica pj(db);
                pj.Nome = texto("NOME");
                pj.Email = texto("EMAIL");
                pj.Fone = texto("FONE_A");
                pj.FoneFax = texto("FONE_B");
                pj.FoneCel = texto("FONE_C");
                pj.Fone0800 = texto("FONE_D");
                pj.Fone0300 = texto("FONE_E");
                pj.HomePage = texto("HOME_PAGE");
                endereco(pj.Endereco);
                pj.Obs = texto("OBS");
                pj.Grupo.Nome = texto("NOME_GRUPO");
                l.contato = ParaContato(pj);
            }
            linhas << std::move(l);
        }
    };
    auto parametros = [&](Query &q) {
        q.setText(L("LOGIN"), Win1252::toUpper(login));
        q.setInt(L("GRUPO"), filtro.grupo);
    };

    if (!filtro.escolhidas) {
        return dbLeitura(db, [&](Transaction &t) {
            Query q(t, selectPF + QStringLiteral(" UNION ALL ") + selectPJ +
                           QStringLiteral(" ORDER BY 3, 1, 2"));
            parametros(q);
            q.open();
            QList<Linha> linhas;
            ler(q, linhas);
            contatos.clear();
            for (Linha &l : linhas)
                contatos << std::move(l.contato);
        });
    }

    // The chosen persons, however many: bound identifiers in batches (a text
    // of them all outgrew any column the database can compare), each batch
    // in the order of its statement, merged as the single statement would.
    auto unicos = [](QList<qint32> ids) {
        std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
        return ids;
    };
    const QList<qint32> fisicas = unicos(filtro.fisicas);
    const QList<qint32> juridicas = unicos(filtro.juridicas);
    QList<Linha> linhas;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        linhas.clear();
        for (const auto &[select, ids] : {std::pair{&selectPF, &fisicas}, std::pair{&selectPJ, &juridicas}}) {
            for (qsizetype inicio = 0; inicio < ids->size(); inicio += kLoteEscolhidas) {
                const qsizetype fim = std::min<qsizetype>(inicio + kLoteEscolhidas, ids->size());
                QStringList marcas;
                for (qsizetype k = inicio; k < fim; ++k)
                    marcas << QStringLiteral(":ID%1").arg(k - inicio);
                Query q(t, *select + QStringLiteral(" AND P.IDENTIFICADOR IN (") + marcas.join(L(", ")) +
                               QStringLiteral(")"));
                parametros(q);
                for (qsizetype k = inicio; k < fim; ++k)
                    q.setInt(QStringLiteral("ID%1").arg(k - inicio), ids->at(k));
                q.open();
                ler(q, linhas);
            }
        }
    });
    if (!r)
        return r;
    std::stable_sort(linhas.begin(), linhas.end(), [](const Linha &a, const Linha &b) {
        return std::tie(a.nome, a.tipo, a.id) < std::tie(b.nome, b.tipo, b.id);
    });
    for (Linha &l : linhas)
        contatos << std::move(l.contato);
    return r;
}

} // namespace ImportacaoContatos
