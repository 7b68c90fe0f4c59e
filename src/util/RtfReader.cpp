#include "util/RtfReader.h"

#include "util/Win1252.h"

#include <QBuffer>
#include <QColor>
#include <QCryptographicHash>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <array>

namespace {

const QString kNaoRtf = QStringLiteral("O arquivo não está no formato RTF.");
const QString kDanificado = QStringLiteral("O arquivo RTF está incompleto ou danificado.");

// all the pictures of one file together, so many moderate pictures cannot
// exhaust memory either
constexpr qsizetype kMaxTodasImagens = 256 * 1024 * 1024;
// a run of \uc fallback characters longer than this is not a real one
constexpr int kMaxUc = 16;
// twips (1/1440 inch) per pixel at 96 pixels per inch
constexpr double kTwipsPorPixel = 15.0;

enum class Destino { Texto, Ignorar, TabelaFontes, TabelaCores, Imagem };

struct Caractere {
    int fonte = -1; // -1: the document's default font (\deff)
    int meiosPontos = 24;
    bool negrito = false;
    bool italico = false;
    bool sublinhado = false;
    bool riscado = false;
    int cor = 0;      // index into the colour table; 0 is "auto"
    int fundo = 0;    // the same for the highlight
    int vertical = 0; // 1 superscript, 2 subscript
    bool operator==(const Caractere &) const = default;
};

struct Paragrafo {
    int alinhamento = 0; // 0 left, 1 centre, 2 right, 3 justified
    int esquerda = 0;    // twips
    int direita = 0;
    int primeira = 0;
    int antes = 0;
    int depois = 0;
    QList<QTextOption::Tab> tabs;
    QTextOption::TabType proximoTab = QTextOption::LeftTab;
    bool quebraAntes = false; // \pagebb
};

struct Estado {
    Caractere chr;
    Paragrafo par;
    Destino destino = Destino::Texto;
    int uc = 1;
};

struct Imagem {
    QByteArray dados;
    int tipo = 0; // 0 a kind we do not read, 1 PNG, 2 JPEG
    int picw = 0;
    int pich = 0;
    int goalw = 0;
    int goalh = 0;
    int escalaX = 100;
    int escalaY = 100;
    int meioByte = -1; // the first hex digit of a byte, while the second is awaited
};

// Destinations passed over whole even without "\*".
bool ignorarDestino(QByteArrayView w)
{
    static const char *const kLista[] = {"stylesheet",   "info",       "header",    "headerl",
                                         "headerr",      "headerf",    "footer",    "footerl",
                                         "footerr",      "footerf",    "footnote",  "annotation",
                                         "fldinst",      "objdata",    "xe",        "tc",
                                         "txe",          "rxe",        "listtable", "listoverridetable",
                                         "revtbl",       "rsidtbl",    "filetbl",   "nonshppict",
                                         "private",      "pgdsctbl",   "themedata", "colorschememapping",
                                         "latentstyles", "datastore",  "xmlnstbl",  "generator",
                                         "mmathPr",      "template",   "docvar",    "bkmkstart",
                                         "bkmkend",      "pnseclvl",   "fchars",    "lchars",
                                         "comment",      "title",      "author",    "operator",
                                         "subject",      "keywords",   "doccomm",   "buptim",
                                         "creatim",      "printim",    "revtim",    "hlinkbase",
                                         "userprops",    "background", "shpinst",   "shptxt",
                                         "atnid",        "atnauthor",  "atrfstart", "atrfend",
                                         "ftnsep",       "ftnsepc",    "ftncn",     "aftnsep",
                                         "aftnsepc",     "aftncn",     "blipuid",   "picprop",
                                         "falt",         "panose",     "fname",     "leveltext",
                                         "levelnumbers"};
    for (const char *d : kLista)
        if (w == QByteArrayView(d))
            return true;
    return false;
}

bool eLetra(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool eDigito(char c)
{
    return c >= '0' && c <= '9';
}
int valorHex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Leitor {
public:
    Leitor(const QByteArray &rtf, QTextDocument *documento)
        : m_rtf(rtf), m_doc(documento), m_cursor(documento)
    {
        for (int b = 0; b < 256; ++b)
            m_tabela[size_t(b)] = Win1252::toChar(static_cast<unsigned char>(b));
    }

    bool ler(QString *erro)
    {
        qsizetype inicio = 0;
        while (inicio < m_rtf.size() && (m_rtf[inicio] == ' ' || m_rtf[inicio] == '\r' ||
                                         m_rtf[inicio] == '\n' || m_rtf[inicio] == '\t'))
            ++inicio;
        if (!QByteArrayView(m_rtf).sliced(inicio).startsWith("{\\rtf"))
            return falha(erro, kNaoRtf);
        m_pos = inicio;
        while (m_pos < m_rtf.size() && m_erro.isEmpty() && !m_fim) {
            const char c = m_rtf[m_pos];
            if (c == '{') {
                ++m_pos;
                abrirGrupo();
            } else if (c == '}') {
                ++m_pos;
                fecharGrupo();
            } else if (c == '\\') {
                ++m_pos;
                controle();
            } else {
                ++m_pos;
                byteDeTexto(static_cast<unsigned char>(c));
            }
        }
        if (m_erro.isEmpty() && !m_fim)
            m_erro = kDanificado; // the root group never closed
        if (!m_erro.isEmpty())
            return falha(erro, m_erro);
        descarregar();
        aplicarBloco();
        return true;
    }

private:
    bool falha(QString *erro, const QString &texto)
    {
        m_doc->clear();
        if (erro)
            *erro = texto;
        return false;
    }

    Estado &estado() { return m_pilha.back(); }

    // -- groups

    void abrirGrupo()
    {
        m_pular = 0;
        if (m_pilha.size() >= RtfReader::kMaxDepth) {
            m_erro = QStringLiteral("O arquivo RTF tem grupos aninhados demais (mais de %1 níveis).")
                         .arg(RtfReader::kMaxDepth);
            return;
        }
        m_pilha.push_back(m_pilha.isEmpty() ? Estado{} : m_pilha.back());
        m_inicioGrupo = true;
        m_asterisco = false;
    }

    void fecharGrupo()
    {
        m_pular = 0;
        m_inicioGrupo = false;
        m_asterisco = false;
        if (m_pilha.isEmpty()) {
            m_erro = kDanificado;
            return;
        }
        if (m_pilha.size() == 1) {
            // the root group stays: the last paragraph still takes its format
            m_fim = true;
            return;
        }
        const Estado saindo = m_pilha.takeLast();
        if (saindo.destino == Destino::TabelaFontes && !m_nomeFonte.isEmpty())
            guardarFonte();
        if (saindo.destino == Destino::Imagem && m_pilha.back().destino != Destino::Imagem)
            inserirImagem();
    }

    // -- control words and symbols

    void controle()
    {
        if (m_pos >= m_rtf.size()) {
            m_erro = kDanificado;
            return;
        }
        const char c = m_rtf[m_pos];
        if (!eLetra(c)) {
            ++m_pos;
            simbolo(c);
            return;
        }
        const qsizetype inicio = m_pos;
        while (m_pos < m_rtf.size() && eLetra(m_rtf[m_pos]))
            ++m_pos;
        // a word longer than any real one is read whole and then ignored
        const QByteArrayView palavra =
            m_pos - inicio <= 32 ? QByteArrayView(m_rtf).sliced(inicio, m_pos - inicio) : QByteArrayView("?");
        bool temParametro = false;
        qint64 parametro = 0;
        bool negativo = false;
        if (m_pos + 1 < m_rtf.size() && m_rtf[m_pos] == '-' && eDigito(m_rtf[m_pos + 1])) {
            negativo = true;
            ++m_pos;
        }
        while (m_pos < m_rtf.size() && eDigito(m_rtf[m_pos])) {
            temParametro = true;
            if (parametro < 100000000000LL)
                parametro = parametro * 10 + (m_rtf[m_pos] - '0');
            ++m_pos;
        }
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ')
            ++m_pos;
        if (negativo)
            parametro = -parametro;
        const int p = int(qBound<qint64>(-2147483647LL, parametro, 2147483647LL));
        palavraDeControle(palavra, temParametro, p);
    }

    void simbolo(char c)
    {
        const bool inicio = m_inicioGrupo;
        m_inicioGrupo = false;
        if (c == '*') {
            m_asterisco = inicio; // only at the start of a group does it mark a destination
            return;
        }
        if (c == '\'') {
            int byte = -1;
            if (m_pos + 1 < m_rtf.size()) {
                const int a = valorHex(m_rtf[m_pos]);
                const int b = valorHex(m_rtf[m_pos + 1]);
                if (a >= 0 && b >= 0) {
                    byte = a * 16 + b;
                    m_pos += 2;
                }
            }
            if (byte < 0)
                return; // a broken escape is passed over
            if (m_pular > 0) {
                --m_pular;
                return;
            }
            caractere(m_tabela[size_t(byte)]);
            return;
        }
        if (m_pular > 0) {
            --m_pular;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}': caractere(QLatin1Char(c)); break;
        case '~': caractere(QChar(0x00A0)); break;
        case '_': caractere(QChar(0x2011)); break;
        case '\r':
        case '\n':
            if (estado().destino == Destino::Texto)
                fimParagrafo();
            break;
        case '\t': caractere(QLatin1Char('\t')); break;
        default: // \- (optional hyphen), \| \: (index marks)
            break;
        }
    }

    void palavraDeControle(QByteArrayView w, bool temParametro, int p)
    {
        const bool asterisco = m_asterisco;
        m_inicioGrupo = false;
        m_asterisco = false;
        Estado &e = estado();

        if (w == "bin") {
            binario(temParametro ? p : 0);
            return;
        }
        if (e.destino == Destino::Ignorar)
            return;
        if (m_pular > 0) {
            --m_pular;
            return;
        }

        // destinations
        if (asterisco) {
            if (w != "shppict")
                e.destino = Destino::Ignorar;
            return;
        }
        if (w == "fonttbl") {
            e.destino = Destino::TabelaFontes;
            m_nomeFonte.clear();
            return;
        }
        if (w == "colortbl") {
            e.destino = Destino::TabelaCores;
            m_r = m_g = m_b = 0;
            m_temCor = false;
            return;
        }
        if (w == "pict") {
            e.destino = Destino::Imagem;
            m_imagem = Imagem{};
            return;
        }
        if (ignorarDestino(w)) {
            e.destino = Destino::Ignorar;
            return;
        }
        if (w == "u") {
            caractere(QChar(char16_t(p < 0 ? p + 65536 : p)));
            m_pular = e.uc;
            return;
        }
        if (w == "uc") {
            e.uc = qBound(0, p, kMaxUc);
            return;
        }

        switch (e.destino) {
        case Destino::TabelaFontes:
            if (w == "f") {
                if (!m_nomeFonte.isEmpty())
                    guardarFonte();
                m_fonteAtual = p;
            }
            return;
        case Destino::TabelaCores:
            if (w == "red" || w == "green" || w == "blue") {
                (w == "red" ? m_r : w == "green" ? m_g : m_b) = qBound(0, p, 255);
                m_temCor = true;
            }
            return;
        case Destino::Imagem: palavraDeImagem(w, p); return;
        case Destino::Ignorar: return;
        case Destino::Texto: break;
        }
        palavraDeTexto(w, temParametro, p);
    }

    void palavraDeImagem(QByteArrayView w, int p)
    {
        if (w == "pngblip")
            m_imagem.tipo = 1;
        else if (w == "jpegblip")
            m_imagem.tipo = 2;
        else if (w == "wmetafile" || w == "emfblip" || w == "macpict" || w == "dibitmap" || w == "wbitmap" ||
                 w == "pmmetafile")
            m_imagem.tipo = 0;
        else if (w == "picw")
            m_imagem.picw = p;
        else if (w == "pich")
            m_imagem.pich = p;
        else if (w == "picwgoal")
            m_imagem.goalw = p;
        else if (w == "pichgoal")
            m_imagem.goalh = p;
        else if (w == "picscalex")
            m_imagem.escalaX = p;
        else if (w == "picscaley")
            m_imagem.escalaY = p;
    }

    void palavraDeTexto(QByteArrayView w, bool temParametro, int p)
    {
        Estado &e = estado();
        Caractere &c = e.chr;
        Paragrafo &par = e.par;
        const bool liga = !temParametro || p != 0;
        // paragraphs and breaks
        if (w == "par") {
            fimParagrafo();
        } else if (w == "line") {
            caractere(QChar(QChar::LineSeparator));
        } else if (w == "tab") {
            caractere(QLatin1Char('\t'));
        } else if (w == "page") {
            quebraDePagina();
        } else if (w == "sect") {
            fimParagrafo();
        } else if (w == "cell" || w == "nestcell") {
            m_celulaPendente = true;
        } else if (w == "row" || w == "nestrow") {
            m_celulaPendente = false;
            fimParagrafo();
        } else if (w == "pard") {
            par = Paragrafo{};
        } else if (w == "plain") {
            c = Caractere{};
        }
        // paragraph format
        else if (w == "ql") {
            par.alinhamento = 0;
        } else if (w == "qc") {
            par.alinhamento = 1;
        } else if (w == "qr") {
            par.alinhamento = 2;
        } else if (w == "qj" || w == "qd") {
            par.alinhamento = 3;
        } else if (w == "li") {
            par.esquerda = p;
        } else if (w == "ri") {
            par.direita = p;
        } else if (w == "fi") {
            par.primeira = p;
        } else if (w == "sb") {
            par.antes = p;
        } else if (w == "sa") {
            par.depois = p;
        } else if (w == "pagebb") {
            par.quebraAntes = liga;
        } else if (w == "tqr") {
            par.proximoTab = QTextOption::RightTab;
        } else if (w == "tqc") {
            par.proximoTab = QTextOption::CenterTab;
        } else if (w == "tqdec") {
            par.proximoTab = QTextOption::DelimiterTab;
        } else if (w == "tx" || w == "tb") {
            if (par.tabs.size() < 64 && p >= 0) {
                QTextOption::Tab t(p / kTwipsPorPixel, par.proximoTab,
                                   par.proximoTab == QTextOption::DelimiterTab ? QLatin1Char(',') : QChar());
                par.tabs.append(t);
            }
            par.proximoTab = QTextOption::LeftTab;
        }
        // character format
        else if (w == "b") {
            c.negrito = liga;
        } else if (w == "i") {
            c.italico = liga;
        } else if (w == "ulnone") {
            c.sublinhado = false;
        } else if (w.startsWith("ul") && w != "ulc") {
            c.sublinhado = liga;
        } else if (w == "strike" || w == "striked") {
            c.riscado = liga;
        } else if (w == "f") {
            c.fonte = p;
        } else if (w == "fs") {
            c.meiosPontos = qBound(2, temParametro ? p : 24, 3276);
        } else if (w == "cf") {
            c.cor = p;
        } else if (w == "cb" || w == "highlight" || w == "chcbpat") {
            c.fundo = p;
        } else if (w == "super") {
            c.vertical = 1;
        } else if (w == "sub") {
            c.vertical = 2;
        } else if (w == "nosupersub") {
            c.vertical = 0;
        }
        // characters
        else if (w == "emdash") {
            caractere(QChar(0x2014));
        } else if (w == "endash") {
            caractere(QChar(0x2013));
        } else if (w == "bullet") {
            caractere(QChar(0x2022));
        } else if (w == "lquote") {
            caractere(QChar(0x2018));
        } else if (w == "rquote") {
            caractere(QChar(0x2019));
        } else if (w == "ldblquote") {
            caractere(QChar(0x201C));
        } else if (w == "rdblquote") {
            caractere(QChar(0x201D));
        } else if (w == "emspace") {
            caractere(QChar(0x2003));
        } else if (w == "enspace") {
            caractere(QChar(0x2002));
        } else if (w == "qmspace") {
            caractere(QChar(0x2005));
        }
        // document
        else if (w == "deff") {
            m_fontePadrao = p;
        } else if (w == "ansicpg") {
            paginaDeCodigo(p);
        }
    }

    // \binN: N raw bytes, part of a picture or passed over.
    void binario(int n)
    {
        if (n < 0 || n > m_rtf.size() - m_pos) {
            m_erro = kDanificado;
            return;
        }
        if (estado().destino == Destino::Imagem) {
            if (!cabeNaImagem(n))
                return;
            m_imagem.dados.append(m_rtf.constData() + m_pos, n);
        }
        m_pos += n;
    }

    void paginaDeCodigo(int cp)
    {
        if (cp == 1252 || cp < 1250 || cp > 1258)
            return;
        const QByteArray nome = "windows-" + QByteArray::number(cp);
        QStringDecoder decodificador(nome.constData());
        if (!decodificador.isValid())
            return;
        for (int b = 0x80; b < 256; ++b) {
            const char byte = char(b);
            const QString s = decodificador.decode(QByteArrayView(&byte, 1));
            decodificador.resetState();
            if (s.size() == 1)
                m_tabela[size_t(b)] = s.at(0);
        }
    }

    // -- text

    void byteDeTexto(unsigned char b)
    {
        m_inicioGrupo = false;
        m_asterisco = false;
        if (b == '\r' || b == '\n')
            return;
        Estado &e = estado();
        if (e.destino == Destino::Imagem) {
            const int v = valorHex(char(b));
            if (v < 0)
                return;
            if (m_imagem.meioByte < 0) {
                m_imagem.meioByte = v;
            } else {
                if (!cabeNaImagem(1))
                    return;
                m_imagem.dados.append(char(m_imagem.meioByte * 16 + v));
                m_imagem.meioByte = -1;
            }
            return;
        }
        if (e.destino == Destino::Ignorar)
            return;
        if (m_pular > 0) {
            --m_pular;
            return;
        }
        if (b == '\t') {
            caractere(QLatin1Char('\t'));
            return;
        }
        if (b < 0x20)
            return;
        caractere(m_tabela[b]);
    }

    void caractere(QChar ch)
    {
        switch (estado().destino) {
        case Destino::Texto: break;
        case Destino::TabelaFontes:
            if (ch == QLatin1Char(';'))
                guardarFonte();
            else if (m_nomeFonte.size() < 256)
                m_nomeFonte += ch;
            return;
        case Destino::TabelaCores:
            if (ch == QLatin1Char(';')) {
                if (m_cores.size() < 4096)
                    m_cores.append(m_temCor ? QColor(m_r, m_g, m_b) : QColor());
                m_r = m_g = m_b = 0;
                m_temCor = false;
            }
            return;
        case Destino::Imagem:
        case Destino::Ignorar: return;
        }
        if (m_celulaPendente) {
            m_celulaPendente = false;
            acrescentar(QLatin1Char('\t'));
        }
        acrescentar(ch);
    }

    void acrescentar(QChar ch)
    {
        const Caractere &c = estado().chr;
        if (!m_texto.isEmpty() && !(c == m_formatoTexto))
            descarregar();
        if (m_texto.isEmpty())
            m_formatoTexto = c;
        m_texto += ch;
        m_temConteudo = true;
    }

    void descarregar()
    {
        if (m_texto.isEmpty())
            return;
        m_cursor.insertText(m_texto, formato(m_formatoTexto));
        m_texto.clear();
    }

    QTextCharFormat formato(const Caractere &c) const
    {
        QTextCharFormat f;
        const QString familia =
            m_fontes.value(c.fonte < 0 ? m_fontePadrao : c.fonte, m_fontes.value(m_fontePadrao));
        if (!familia.isEmpty())
            f.setFontFamilies(QStringList{familia});
        f.setFontPointSize(c.meiosPontos / 2.0);
        f.setFontWeight(c.negrito ? QFont::Bold : QFont::Normal);
        f.setFontItalic(c.italico);
        f.setFontUnderline(c.sublinhado);
        f.setFontStrikeOut(c.riscado);
        const QColor cor = m_cores.value(c.cor);
        if (c.cor > 0 && cor.isValid())
            f.setForeground(cor);
        const QColor fundo = m_cores.value(c.fundo);
        if (c.fundo > 0 && fundo.isValid())
            f.setBackground(fundo);
        if (c.vertical == 1)
            f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (c.vertical == 2)
            f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        return f;
    }

    // -- paragraphs

    void aplicarBloco()
    {
        const Paragrafo &par = estado().par;
        QTextBlockFormat f;
        static const Qt::Alignment kAlinhamentos[4] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                                       Qt::AlignJustify};
        f.setAlignment(kAlinhamentos[qBound(0, par.alinhamento, 3)]);
        f.setLeftMargin(par.esquerda / kTwipsPorPixel);
        f.setRightMargin(par.direita / kTwipsPorPixel);
        f.setTextIndent(par.primeira / kTwipsPorPixel);
        f.setTopMargin(par.antes / kTwipsPorPixel);
        f.setBottomMargin(par.depois / kTwipsPorPixel);
        if (!par.tabs.isEmpty())
            f.setTabPositions(par.tabs);
        if (par.quebraAntes || m_quebraNoBloco)
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        m_cursor.setBlockFormat(f);
        m_cursor.setBlockCharFormat(formato(estado().chr));
    }

    void fimParagrafo()
    {
        descarregar();
        m_celulaPendente = false;
        aplicarBloco();
        m_cursor.insertBlock();
        m_temConteudo = false;
        m_quebraNoBloco = false;
    }

    // A page break ends the paragraph it is in; at the start of a paragraph it
    // only moves that paragraph to a new page (as "\par\page" is written).
    void quebraDePagina()
    {
        descarregar();
        if (m_temConteudo)
            fimParagrafo();
        m_quebraNoBloco = true;
    }

    // -- tables of fonts and pictures

    void guardarFonte()
    {
        QString nome = m_nomeFonte.trimmed();
        m_nomeFonte.clear();
        if (nome.endsWith(QLatin1Char(';')))
            nome.chop(1);
        if (m_fonteAtual >= 0 && !nome.isEmpty() && m_fontes.size() < 4096)
            m_fontes.insert(m_fonteAtual, nome);
    }

    bool cabeNaImagem(qsizetype n)
    {
        if (m_imagem.dados.size() + n > RtfReader::kMaxPictureBytes ||
            m_totalImagens + n > kMaxTodasImagens) {
            m_erro = QStringLiteral("O arquivo RTF tem uma imagem grande demais (o limite é de %1 MB).")
                         .arg(RtfReader::kMaxPictureBytes / (1024 * 1024));
            return false;
        }
        m_totalImagens += n;
        return true;
    }

    void inserirImagem()
    {
        Imagem img = std::move(m_imagem);
        m_imagem = Imagem{};
        if (img.tipo == 0 || img.dados.isEmpty())
            return; // a kind we do not show (metafiles): its place stays empty
        QBuffer buffer(&img.dados);
        buffer.open(QIODevice::ReadOnly);
        QImageReader leitor(&buffer, img.tipo == 1 ? QByteArrayLiteral("png") : QByteArrayLiteral("jpeg"));
        const QSize tamanho = leitor.size();
        if (tamanho.isValid() &&
            (tamanho.width() > RtfReader::kMaxPictureSide || tamanho.height() > RtfReader::kMaxPictureSide)) {
            m_erro =
                QStringLiteral("O arquivo RTF tem uma imagem grande demais (%1 x %2 pontos; o limite é de "
                               "%3 pontos por lado).")
                    .arg(tamanho.width())
                    .arg(tamanho.height())
                    .arg(RtfReader::kMaxPictureSide);
            return;
        }
        QImage imagem;
        if (!tamanho.isValid() || !leitor.read(&imagem) || imagem.isNull())
            return; // a damaged picture is left out, the text still reads
        descarregar();
        if (m_celulaPendente) {
            m_celulaPendente = false;
            acrescentar(QLatin1Char('\t'));
            descarregar();
        }
        const QString nome =
            QStringLiteral("rtf-imagem-") +
            QString::fromLatin1(
                QCryptographicHash::hash(img.dados, QCryptographicHash::Sha1).toHex().left(20));
        if (!m_doc->resource(QTextDocument::ImageResource, QUrl(nome)).isValid())
            m_doc->addResource(QTextDocument::ImageResource, QUrl(nome), imagem);
        QTextImageFormat f;
        f.setName(nome);
        double largura = imagem.width();
        double altura = imagem.height();
        if (img.goalw > 0 && img.goalh > 0) {
            largura = img.goalw / kTwipsPorPixel;
            altura = img.goalh / kTwipsPorPixel;
        }
        largura *= qBound(1, img.escalaX, 1000) / 100.0;
        altura *= qBound(1, img.escalaY, 1000) / 100.0;
        f.setWidth(qMax(1.0, largura));
        f.setHeight(qMax(1.0, altura));
        m_cursor.insertImage(f);
        m_temConteudo = true;
    }

    const QByteArray &m_rtf;
    QTextDocument *m_doc;
    QTextCursor m_cursor;
    qsizetype m_pos = 0;
    QString m_erro;
    bool m_fim = false;

    QList<Estado> m_pilha;
    bool m_inicioGrupo = false;
    bool m_asterisco = false;
    int m_pular = 0; // fallback characters still to pass over after \u

    std::array<QChar, 256> m_tabela{};
    QHash<int, QString> m_fontes;
    int m_fontePadrao = 0;
    int m_fonteAtual = -1;
    QString m_nomeFonte;
    QList<QColor> m_cores;
    int m_r = 0;
    int m_g = 0;
    int m_b = 0;
    bool m_temCor = false;

    Imagem m_imagem;
    qsizetype m_totalImagens = 0;

    QString m_texto;
    Caractere m_formatoTexto;
    bool m_temConteudo = false;
    bool m_quebraNoBloco = false;
    bool m_celulaPendente = false;
};

} // namespace

namespace RtfReader {

bool read(const QByteArray &rtf, QTextDocument *document, QString *error)
{
    document->clear();
    Leitor leitor(rtf, document);
    return leitor.ler(error);
}

} // namespace RtfReader
