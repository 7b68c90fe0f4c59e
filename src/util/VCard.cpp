#include "util/VCard.h"

#include "util/Win1252.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

QString L(const char *s)
{
    return QString::fromLatin1(s);
}

struct Parametro {
    QString nome; // upper case; "TYPE" for the bare values of 2.1
    QString valor;
};

// One property after unfolding: the name, its parameters and the raw value.
struct Propriedade {
    int linha = 0;
    QString nome; // upper case, without its group ("item1.")
    QList<Parametro> parametros;
    QByteArray valor;

    QString parametro(const QString &nome) const
    {
        for (const Parametro &p : parametros)
            if (p.nome == nome)
                return p.valor;
        return {};
    }
    bool temParametro(const QString &nome) const
    {
        for (const Parametro &p : parametros)
            if (p.nome == nome)
                return true;
        return false;
    }
    // TYPE values, upper case, each once: "TYPE=cell,voice", "TYPE=HOME;TYPE=pref" and 2.1's bare "CELL".
    QStringList tipos() const
    {
        QStringList t;
        for (const Parametro &p : parametros)
            if (p.nome == L("TYPE"))
                for (const QString &v : p.valor.split(QLatin1Char(','), Qt::SkipEmptyParts))
                    t << v.trimmed().toUpper();
        t.removeDuplicates();
        return t;
    }
};

bool utf8Valido(const QByteArray &bytes)
{
    QStringDecoder d(QStringDecoder::Utf8);
    // the decoding happens on the conversion to QString
    const QString texto = d.decode(bytes);
    return !d.hasError();
}

int hex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Quoted-printable: "=XX" is a byte; an "=" not followed by two hex digits
// (a soft line break left by unfolding) is dropped.
QByteArray decodificarQP(const QByteArray &v)
{
    QByteArray out;
    out.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] != '=') {
            out += v[i];
            continue;
        }
        if (i + 2 < v.size() && hex(v[i + 1]) >= 0 && hex(v[i + 2]) >= 0) {
            out += char(hex(v[i + 1]) * 16 + hex(v[i + 2]));
            i += 2;
        }
    }
    return out;
}

// Splits at the separators that are not escaped by a backslash (the
// backslashes stay, for desescapar).
QStringList separar(const QString &v, QChar sep)
{
    QStringList partes;
    QString atual;
    for (qsizetype i = 0; i < v.size(); ++i) {
        const QChar c = v[i];
        if (c == QLatin1Char('\\') && i + 1 < v.size()) {
            atual += c;
            atual += v[++i];
        } else if (c == sep) {
            partes << atual;
            atual.clear();
        } else {
            atual += c;
        }
    }
    partes << atual;
    return partes;
}

QString desescapar(const QString &v, QStringList *problemas = nullptr, int linha = 0)
{
    QString out;
    out.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        const QChar c = v[i];
        if (c != QLatin1Char('\\') || i + 1 >= v.size()) {
            out += c;
            continue;
        }
        const QChar n = v[++i];
        if (n == QLatin1Char('n') || n == QLatin1Char('N'))
            out += QLatin1Char('\n');
        else if (n == QLatin1Char('\\') || n == QLatin1Char(',') || n == QLatin1Char(';') ||
                 n == QLatin1Char(':'))
            out += n;
        else {
            if (problemas)
                *problemas << QStringLiteral("Linha %1: escape inválido \"\\%2\".").arg(linha).arg(n);
            out += c;
            out += n;
        }
    }
    // CRLF written as "\r\n" by some programs: keep one line break
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

QDate lerData(QString v, bool *semAno)
{
    *semAno = false;
    v = v.trimmed();
    const qsizetype t = v.indexOf(QLatin1Char('T'));
    if (t >= 0)
        v.truncate(t);
    if (v.startsWith(L("--"))) {
        const QString md = v.mid(2).remove(QLatin1Char('-'));
        if (md.size() == 4) {
            // a leap year, so that 29 February is a valid day
            const QDate d(2000, md.left(2).toInt(), md.mid(2).toInt());
            if (d.isValid()) {
                *semAno = true;
                return d;
            }
        }
        return {};
    }
    const QString digitos = QString(v).remove(QLatin1Char('-'));
    if (digitos.size() != 8)
        return {};
    bool ok = false;
    digitos.toInt(&ok);
    if (!ok)
        return {};
    return QDate(digitos.left(4).toInt(), digitos.mid(4, 2).toInt(), digitos.mid(6, 2).toInt());
}

Contato::TipoFone tipoFone(const QStringList &tipos)
{
    if (tipos.contains(L("FAX")))
        return Contato::TipoFone::Fax;
    if (tipos.contains(L("CELL")) || tipos.contains(L("MOBILE")) || tipos.contains(L("IPHONE")))
        return Contato::TipoFone::Celular;
    if (tipos.contains(L("HOME")))
        return Contato::TipoFone::Residencial;
    if (tipos.contains(L("WORK")))
        return Contato::TipoFone::Comercial;
    return Contato::TipoFone::Outro;
}

QString rotuloTipos(const QStringList &tipos)
{
    QStringList t = tipos;
    t.removeAll(L("PREF"));
    t.removeAll(L("VOICE"));
    t.removeAll(L("INTERNET"));
    return t.join(QLatin1Char(',')).toLower();
}

// Properties that have no column but are worth keeping in the notes.
QString rotuloExtra(const QString &nome)
{
    static const QList<std::pair<const char *, const char *>> rotulos = {
        {"IMPP", "Mensageiro"},
        {"X-SKYPE", "Skype"},
        {"X-SKYPE-USERNAME", "Skype"},
        {"X-JABBER", "Jabber"},
        {"X-MSN", "MSN"},
        {"X-AIM", "AIM"},
        {"X-ICQ", "ICQ"},
        {"X-YAHOO", "Yahoo"},
        {"ANNIVERSARY", "Data comemorativa"},
        {"X-ANNIVERSARY", "Data comemorativa"},
        {"RELATED", "Relacionado"},
        {"X-SPOUSE", "Cônjuge"},
        {"X-ASSISTANT", "Assistente"},
        {"X-MANAGER", "Gerente"},
        {"GEO", "Localização"},
        {"TZ", "Fuso horário"},
        {"X-PHONETIC-FIRST-NAME", "Nome (pronúncia)"},
        {"X-PHONETIC-LAST-NAME", "Sobrenome (pronúncia)"},
    };
    for (const auto &[n, r] : rotulos)
        if (nome == QLatin1String(n))
            return QString::fromUtf8(r);
    return {};
}

class Leitor {
public:
    Leitor(const QByteArray &arquivo, bool estrito) : m_estrito(estrito)
    {
        m_utf8 = utf8Valido(arquivo);
        if (!m_utf8 && estrito)
            problema(0, QStringLiteral("o arquivo não está em UTF-8."));
        linhasLogicas(arquivo);
    }

    VCard::Leitura ler()
    {
        int profundidade = 0;
        bool temVersao = false, temFn = false, temN = false;
        QString versao;
        Contato atual;
        for (const Propriedade &p : std::as_const(m_propriedades)) {
            if (p.nome == L("BEGIN") &&
                QString::fromLatin1(p.valor).trimmed().compare(L("VCARD"), Qt::CaseInsensitive) == 0) {
                if (profundidade++ == 0) {
                    atual = Contato();
                    temVersao = temFn = temN = false;
                    versao.clear();
                }
                continue;
            }
            if (p.nome == L("END") &&
                QString::fromLatin1(p.valor).trimmed().compare(L("VCARD"), Qt::CaseInsensitive) == 0) {
                if (profundidade == 0) {
                    problema(p.linha, QStringLiteral("END:VCARD sem BEGIN:VCARD."));
                    continue;
                }
                if (--profundidade == 0) {
                    if (m_estrito) {
                        if (!temVersao)
                            problema(p.linha, QStringLiteral("cartão sem VERSION."));
                        if (!temFn && versao != L("2.1"))
                            problema(p.linha, QStringLiteral("cartão sem FN."));
                        if (!temN && versao == L("3.0"))
                            problema(p.linha, QStringLiteral("cartão 3.0 sem N."));
                    }
                    m_leitura.contatos << atual;
                }
                continue;
            }
            // an embedded card (AGENT) is not a contact of its own
            if (profundidade != 1) {
                if (profundidade == 0)
                    problema(p.linha, QStringLiteral("propriedade fora de BEGIN:VCARD ... END:VCARD."));
                continue;
            }
            if (p.nome == L("VERSION")) {
                temVersao = true;
                versao = QString::fromLatin1(p.valor).trimmed();
                if (m_estrito && versao != L("2.1") && versao != L("3.0") && versao != L("4.0"))
                    problema(p.linha, QStringLiteral("versão desconhecida \"%1\".").arg(versao));
                continue;
            }
            if (p.nome == L("FN"))
                temFn = true;
            if (p.nome == L("N"))
                temN = true;
            propriedade(p, versao, atual);
        }
        if (profundidade != 0)
            problema(m_ultimaLinha, QStringLiteral("falta END:VCARD no fim do arquivo."));
        return m_leitura;
    }

private:
    void problema(int linha, const QString &texto)
    {
        // "!": a slip that lenient reading passes over in silence
        const bool leve = texto.startsWith(QLatin1Char('!'));
        if (m_estrito || !leve)
            m_leitura.problemas << (linha > 0 ? QStringLiteral("Linha %1: ").arg(linha) : QString()) +
                                       (leve ? texto.mid(1) : texto);
    }

    static bool quotedPrintable(const QByteArray &linha)
    {
        const qsizetype doisPontos = linha.indexOf(':');
        return doisPontos > 0 && linha.left(doisPontos).toUpper().contains("QUOTED-PRINTABLE");
    }

    void linhasLogicas(const QByteArray &arquivo)
    {
        QByteArray atual;
        int linhaAtual = 0;
        int numero = 0;
        bool qp = false;
        auto fechar = [&] {
            if (!atual.trimmed().isEmpty())
                analisar(atual, linhaAtual);
            atual.clear();
        };
        const qsizetype fim = arquivo.size();
        qsizetype inicio = arquivo.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        while (inicio < fim) {
            qsizetype nl = arquivo.indexOf('\n', inicio);
            if (nl < 0)
                nl = fim;
            QByteArray linha = arquivo.mid(inicio, nl - inicio);
            ++numero;
            if (linha.endsWith('\r'))
                linha.chop(1);
            else if (m_estrito && nl < fim)
                problema(numero, QStringLiteral("linha terminada sem CR LF."));
            if (m_estrito && linha.size() > 75)
                problema(numero, QStringLiteral("linha com %1 octetos (máximo 75).").arg(linha.size()));
            inicio = nl + 1;
            if (qp && atual.endsWith('=')) {
                // a quoted-printable soft line break: the value goes on
                atual.chop(1);
                atual += (linha.startsWith(' ') || linha.startsWith('\t')) ? linha.mid(1) : linha;
                continue;
            }
            if (!linha.isEmpty() && (linha[0] == ' ' || linha[0] == '\t') && !atual.isEmpty()) {
                atual += linha.mid(1);
                continue;
            }
            fechar();
            atual = linha;
            linhaAtual = numero;
            qp = quotedPrintable(linha);
        }
        fechar();
        m_ultimaLinha = numero;
    }

    void analisar(const QByteArray &linha, int numero)
    {
        // the value starts at the first colon outside double quotes
        qsizetype doisPontos = -1;
        bool aspas = false;
        for (qsizetype i = 0; i < linha.size(); ++i) {
            if (linha[i] == '"')
                aspas = !aspas;
            else if (linha[i] == ':' && !aspas) {
                doisPontos = i;
                break;
            }
        }
        if (doisPontos <= 0) {
            problema(numero, QStringLiteral("linha sem \":\" ignorada."));
            return;
        }
        Propriedade p;
        p.linha = numero;
        p.valor = linha.mid(doisPontos + 1);
        const QString cabeca = QString::fromUtf8(linha.left(doisPontos));
        QStringList partes;
        QString parte;
        aspas = false;
        for (const QChar c : cabeca) {
            if (c == QLatin1Char('"'))
                aspas = !aspas;
            if (c == QLatin1Char(';') && !aspas) {
                partes << parte;
                parte.clear();
            } else {
                parte += c;
            }
        }
        partes << parte;
        QString nome = partes.takeFirst().trimmed().toUpper();
        const qsizetype ponto = nome.lastIndexOf(QLatin1Char('.'));
        if (ponto >= 0)
            nome = nome.mid(ponto + 1);
        static const QRegularExpression nomeValido(QStringLiteral("^[A-Z0-9-]+$"));
        if (!nomeValido.match(nome).hasMatch()) {
            problema(numero, QStringLiteral("nome de propriedade inválido \"%1\".").arg(nome));
            return;
        }
        p.nome = nome;
        for (const QString &par : std::as_const(partes)) {
            const qsizetype igual = par.indexOf(QLatin1Char('='));
            Parametro pr;
            if (igual < 0) {
                // 2.1: "HOME", "CELL", "QUOTED-PRINTABLE", "BASE64", "JPEG"
                const QString v = par.trimmed().toUpper();
                if (v == L("QUOTED-PRINTABLE") || v == L("BASE64") || v == L("8BIT") || v == L("7BIT"))
                    pr = {L("ENCODING"), v};
                else
                    pr = {L("TYPE"), v};
            } else {
                pr.nome = par.left(igual).trimmed().toUpper();
                pr.valor = par.mid(igual + 1).trimmed();
                pr.valor.remove(QLatin1Char('"'));
            }
            p.parametros << pr;
        }
        m_propriedades << p;
    }

    // The value as text: transfer encoding and character set undone.
    QString texto(const Propriedade &p, const QString &versao)
    {
        const QString codificacao = p.parametro(L("ENCODING")).toUpper();
        QByteArray bytes = p.valor;
        if (codificacao == L("QUOTED-PRINTABLE")) {
            if (m_estrito && versao != L("2.1"))
                problema(p.linha, QStringLiteral("QUOTED-PRINTABLE só existe no vCard 2.1."));
            bytes = decodificarQP(bytes);
        }
        const QString charset = p.parametro(L("CHARSET")).toUpper();
        if (charset.isEmpty() || charset == L("UTF-8") || charset == L("UTF8")) {
            if (charset.isEmpty() && !m_utf8)
                return Win1252::decode(bytes);
            if (!utf8Valido(bytes))
                return Win1252::decode(bytes);
            return QString::fromUtf8(bytes);
        }
        if (charset == L("ISO-8859-1") || charset == L("LATIN1"))
            return QString::fromLatin1(bytes);
        if (charset == L("WINDOWS-1252") || charset == L("CP1252"))
            return Win1252::decode(bytes);
        QStringDecoder d(charset.toLatin1().constData());
        if (d.isValid())
            return d.decode(bytes);
        problema(p.linha, QStringLiteral("!conjunto de caracteres desconhecido \"%1\".").arg(charset));
        return QString::fromUtf8(bytes);
    }

    QStringList componentes(const Propriedade &p, const QString &versao, int quantos)
    {
        QStringList c;
        for (const QString &s : separar(texto(p, versao), QLatin1Char(';')))
            c << desescapar(s).trimmed();
        while (c.size() < quantos)
            c << QString();
        return c;
    }

    QString simples(const Propriedade &p, const QString &versao)
    {
        const QString t = texto(p, versao);
        static const QStringList textos = {L("FN"), L("NOTE"), L("TITLE"), L("ROLE")};
        if (m_estrito && versao != L("2.1") && textos.contains(p.nome)) {
            if (separar(t, QLatin1Char(',')).size() > 1 || separar(t, QLatin1Char(';')).size() > 1)
                problema(p.linha, QStringLiteral("\",\" ou \";\" sem escape em %1.").arg(p.nome));
        }
        return desescapar(t, m_estrito ? &m_leitura.problemas : nullptr, p.linha).trimmed();
    }

    QByteArray binario(const Propriedade &p)
    {
        const QString codificacao = p.parametro(L("ENCODING")).toUpper();
        QByteArray v = p.valor.trimmed();
        if (v.startsWith("data:")) {
            // 4.0: data:image/jpeg;base64,....
            const qsizetype virgula = v.indexOf(',');
            if (virgula < 0 || !v.left(virgula).contains(";base64"))
                return {};
            v = v.mid(virgula + 1);
        } else if (codificacao != L("B") && codificacao != L("BASE64")) {
            return {};
        }
        v.replace(' ', QByteArray()).replace('\t', QByteArray());
        const auto r = QByteArray::fromBase64Encoding(v, QByteArray::AbortOnBase64DecodingErrors);
        if (!r) {
            problema(p.linha, QStringLiteral("!foto com base64 inválido."));
            return {};
        }
        return *r;
    }

    void propriedade(const Propriedade &p, const QString &versao, Contato &c)
    {
        const QString &n = p.nome;
        if (n == L("FN")) {
            c.nomeFormatado = simples(p, versao);
        } else if (n == L("N")) {
            const QStringList k = componentes(p, versao, 5);
            c.sobrenome = k[0];
            c.prenome = k[1];
            c.nomesMeio = k[2];
            c.prefixo = k[3];
            c.sufixo = k[4];
        } else if (n == L("NICKNAME")) {
            const QStringList apelidos = separar(texto(p, versao), QLatin1Char(','));
            for (const QString &a : apelidos) {
                const QString t = desescapar(a).trimmed();
                if (t.isEmpty())
                    continue;
                if (c.apelido.isEmpty())
                    c.apelido = t;
                else
                    c.extras << Contato::Extra{QStringLiteral("Apelido"), t};
            }
        } else if (n == L("ORG")) {
            const QStringList k = componentes(p, versao, 1);
            c.organizacao = k[0];
            QStringList unidades = k.mid(1);
            unidades.removeAll(QString());
            if (!unidades.isEmpty())
                c.extras << Contato::Extra{QStringLiteral("Departamento"),
                                           unidades.join(QStringLiteral(", "))};
        } else if (n == L("TITLE")) {
            c.cargo = simples(p, versao);
        } else if (n == L("ROLE")) {
            const QString r = simples(p, versao);
            if (c.cargo.isEmpty())
                c.cargo = r;
            else if (!r.isEmpty())
                c.extras << Contato::Extra{QStringLiteral("Função"), r};
        } else if (n == L("TEL")) {
            QString numero = simples(p, versao);
            if (numero.startsWith(L("tel:"), Qt::CaseInsensitive))
                numero = numero.mid(4);
            if (!numero.isEmpty())
                c.fones << Contato::Fone{tipoFone(p.tipos()), numero, rotuloTipos(p.tipos())};
        } else if (n == L("EMAIL")) {
            const QString e = simples(p, versao);
            if (!e.isEmpty())
                c.emails << Contato::Email{e, rotuloTipos(p.tipos())};
        } else if (n == L("ADR")) {
            const QStringList k = componentes(p, versao, 7);
            Contato::Endereco e;
            e.rotulo = rotuloTipos(p.tipos());
            e.caixaPostal = k[0];
            e.complemento = k[1];
            e.rua = k[2];
            e.cidade = k[3];
            e.estado = k[4];
            e.cep = k[5];
            e.pais = k[6];
            if (!e.vazio())
                c.enderecos << e;
        } else if (n == L("BDAY")) {
            bool semAno = false;
            const QString v = simples(p, versao);
            const QDate d = lerData(v, &semAno);
            if (!d.isValid()) {
                problema(p.linha, QStringLiteral("!data de aniversário inválida \"%1\".").arg(v));
                if (!v.isEmpty())
                    c.extras << Contato::Extra{QStringLiteral("Aniversário"), v};
            } else if (semAno) {
                c.extras << Contato::Extra{QStringLiteral("Aniversário"), d.toString(L("dd/MM"))};
            } else {
                c.aniversario = d;
            }
        } else if (n == L("NOTE")) {
            const QString t = simples(p, versao);
            c.notas = c.notas.isEmpty() ? t : c.notas + QLatin1Char('\n') + t;
        } else if (n == L("URL")) {
            const QString u = simples(p, versao);
            if (!u.isEmpty())
                c.sites << u;
        } else if (n == L("CATEGORIES")) {
            for (const QString &s : separar(texto(p, versao), QLatin1Char(','))) {
                const QString t = desescapar(s).trimmed();
                if (!t.isEmpty() && !c.categorias.contains(t))
                    c.categorias << t;
            }
        } else if (n == L("PHOTO")) {
            const QByteArray foto = binario(p);
            if (!foto.isEmpty() && c.foto.isEmpty())
                c.foto = foto;
        } else if (n == L("KIND")) {
            c.empresa = simples(p, versao).compare(L("org"), Qt::CaseInsensitive) == 0;
        } else if (n == L("X-ABSHOWAS")) {
            c.empresa = simples(p, versao).compare(L("COMPANY"), Qt::CaseInsensitive) == 0;
        } else if (const QString rotulo = rotuloExtra(n); !rotulo.isEmpty()) {
            const QString v = simples(p, versao);
            if (!v.isEmpty())
                c.extras << Contato::Extra{rotulo, v};
        }
    }

    bool m_estrito;
    bool m_utf8 = true;
    int m_ultimaLinha = 0;
    QList<Propriedade> m_propriedades;
    VCard::Leitura m_leitura;
};

// ---------------------------------------------------------------- writing

QString escapar(const QString &v)
{
    QString out;
    out.reserve(v.size());
    for (const QChar c : v) {
        if (c == QLatin1Char('\\'))
            out += L("\\\\");
        else if (c == QLatin1Char(','))
            out += L("\\,");
        else if (c == QLatin1Char(';'))
            out += L("\\;");
        else if (c == QLatin1Char('\n'))
            out += L("\\n");
        else if (c != QLatin1Char('\r'))
            out += c;
    }
    return out;
}

QString estruturado(const QStringList &partes)
{
    QStringList e;
    for (const QString &p : partes)
        e << escapar(p);
    return e.join(QLatin1Char(';'));
}

// Folds at 75 octets: a continuation starts with one blank, and a UTF-8
// sequence is never cut in two.
void linha(QByteArray &out, const QByteArray &conteudo)
{
    qsizetype pos = 0;
    int limite = 75;
    while (conteudo.size() - pos > limite) {
        qsizetype corte = pos + limite;
        while (corte > pos && (uchar(conteudo[corte]) & 0xC0) == 0x80)
            --corte;
        out += conteudo.mid(pos, corte - pos);
        out += "\r\n ";
        pos = corte;
        limite = 74;
    }
    out += conteudo.mid(pos);
    out += "\r\n";
}

void linha(QByteArray &out, const QString &conteudo)
{
    linha(out, conteudo.toUtf8());
}

QString tipoTel(const Contato::Fone &f)
{
    switch (f.tipo) {
    case Contato::TipoFone::Celular: return L("TEL;TYPE=CELL");
    case Contato::TipoFone::Residencial: return L("TEL;TYPE=HOME");
    case Contato::TipoFone::Comercial: return L("TEL;TYPE=WORK");
    case Contato::TipoFone::Fax: return L("TEL;TYPE=WORK,FAX");
    case Contato::TipoFone::Outro: break;
    }
    return L("TEL;TYPE=VOICE");
}

} // namespace

namespace VCard {

Leitura ler(const QByteArray &arquivo, bool estrito)
{
    return Leitor(Contato::semUtf16(arquivo), estrito).ler();
}

QByteArray escrever(const QList<Contato> &contatos, bool comFoto)
{
    QByteArray out;
    for (const Contato &c : contatos) {
        linha(out, QByteArray("BEGIN:VCARD"));
        linha(out, QByteArray("VERSION:3.0"));
        linha(out, L("FN:") + escapar(c.nomeExibido()));
        linha(out, L("N:") + estruturado({c.sobrenome, c.prenome, c.nomesMeio, c.prefixo, c.sufixo}));
        if (c.empresa)
            linha(out, QByteArray("X-ABShowAs:COMPANY"));
        if (!c.apelido.isEmpty())
            linha(out, L("NICKNAME:") + escapar(c.apelido));
        if (!c.organizacao.isEmpty())
            linha(out, L("ORG:") + escapar(c.organizacao));
        if (!c.cargo.isEmpty())
            linha(out, L("TITLE:") + escapar(c.cargo));
        for (const Contato::Fone &f : c.fones)
            linha(out, tipoTel(f) + QLatin1Char(':') + escapar(f.numero));
        for (const Contato::Email &e : c.emails)
            linha(out, L("EMAIL;TYPE=INTERNET:") + escapar(e.endereco));
        for (const Contato::Endereco &e : c.enderecos) {
            const QString tipo = e.rotulo.isEmpty() ? QString() : L(";TYPE=") + e.rotulo.toUpper();
            linha(out,
                  L("ADR") + tipo + QLatin1Char(':') +
                      estruturado({e.caixaPostal, e.complemento, e.rua, e.cidade, e.estado, e.cep, e.pais}));
        }
        if (c.aniversario.isValid())
            linha(out, L("BDAY:") + c.aniversario.toString(L("yyyy-MM-dd")));
        // a URI, not a text: nothing to escape but a line break
        for (const QString &s : c.sites)
            linha(out, L("URL:") + QString(s).remove(QLatin1Char('\r')).remove(QLatin1Char('\n')));
        if (!c.categorias.isEmpty()) {
            QStringList cats;
            for (const QString &cat : c.categorias)
                cats << escapar(cat);
            linha(out, L("CATEGORIES:") + cats.join(QLatin1Char(',')));
        }
        if (!c.notas.isEmpty())
            linha(out, L("NOTE:") + escapar(c.notas));
        if (comFoto && !c.foto.isEmpty())
            linha(out, QByteArray("PHOTO;ENCODING=b;TYPE=JPEG:") + c.foto.toBase64());
        linha(out, QByteArray("END:VCARD"));
    }
    return out;
}

} // namespace VCard
