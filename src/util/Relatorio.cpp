#include "util/Relatorio.h"

#include "util/PaginaHtml.h"

#include <QDataStream>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QSaveFile>

#include <cmath>
#include <zlib.h>

namespace Relatorio {

QString Registro::valor(const QString &coluna) const
{
    const int i = m_dados.colunas.indexOf(coluna);
    const QStringList &linha = m_dados.linhas.at(m_linha);
    return i < 0 || i >= linha.size() ? QString() : linha.at(i);
}

namespace {

// height of a line of text in the font, in mm
double alturaLinha(const Fonte &f)
{
    return f.pontos * 25.4 / 72.0 * 1.25;
}

class Montador {
public:
    Montador(const Definicao &d, Documento &doc) : m_def(d), m_doc(doc) {}

    quint16 fonte(const Fonte &f)
    {
        const qsizetype i = m_doc.fontes.indexOf(f);
        if (i >= 0)
            return quint16(i);
        m_doc.fontes << f;
        return quint16(m_doc.fontes.size() - 1);
    }

    void colocar(const Banda &b, const Registro *r, double y)
    {
        Pagina &p = m_doc.paginas.last();
        const double x0 = m_def.margens.left();
        const double largura = m_def.pagina.width() - m_def.margens.left() - m_def.margens.right();
        if (b.fundo.isValid())
            p.fundos << Fundo{QRectF(x0, y, largura, b.altura), b.fundo.rgb()};
        if (b.linhaAcima)
            p.tracos << Traco{QPointF(x0, y), QPointF(x0 + largura, y)};
        if (b.linhaAbaixo)
            p.tracos << Traco{QPointF(x0, y + b.altura), QPointF(x0 + largura, y + b.altura)};
        for (const Item &it : b.itens) {
            QString t;
            switch (it.tipo) {
            case TipoItem::Rotulo: t = it.texto; break;
            case TipoItem::Campo: t = r ? r->valor(it.texto) : QString(); break;
            case TipoItem::Expressao: t = r && it.expressao ? it.expressao(*r) : QString(); break;
            case TipoItem::Sistema: t = it.texto + m_def.titulo; break;
            }
            if (it.aoImprimir)
                t = it.aoImprimir(t);
            if (t.isEmpty())
                continue;
            const double h = alturaLinha(it.fonte);
            const QRectF caixa = it.centralizado ? QRectF(x0, y + it.topo, largura, h)
                                                 : QRectF(x0 + it.esquerda, y + it.topo,
                                                          std::max(1.0, largura - it.esquerda), h);
            p.textos << Texto{caixa, fonte(it.fonte), it.centralizado, t};
        }
    }

    const Definicao &m_def;
    Documento &m_doc;
};

} // namespace

Documento Preparar(const Definicao &definicao, const Dados &dados,
                   const std::function<bool(const Documento &)> &paginaPronta)
{
    Documento doc;
    doc.titulo = definicao.titulo;
    doc.tamanho = definicao.pagina;
    Montador m(definicao, doc);

    const Banda *cabecalho = nullptr;
    const Banda *grupo = nullptr;
    const Banda *detalhe = nullptr;
    for (const Banda &b : definicao.bandas) {
        if (b.tipo == TipoBanda::CabecalhoPagina)
            cabecalho = &b;
        else if (b.tipo == TipoBanda::CabecalhoGrupo)
            grupo = &b;
        else
            detalhe = &b;
    }
    const double topo = definicao.margens.top();
    const double fim = definicao.pagina.height() - definicao.margens.bottom();
    double y = 0;
    bool parar = false;
    auto novaPagina = [&] {
        if (!doc.paginas.isEmpty() && paginaPronta && !paginaPronta(doc))
            parar = true;
        doc.paginas << Pagina{};
        y = topo;
        if (cabecalho) {
            m.colocar(*cabecalho, nullptr, y);
            y += cabecalho->altura;
        }
    };
    novaPagina();

    const double hDetalhe = detalhe ? detalhe->altura : 0;
    // a page that holds only its header takes the next band whatever its
    // height, so a band taller than the page cannot loop
    bool vazia = true;
    QString chave;
    for (int i = 0; i < dados.linhas.size() && !parar; ++i) {
        const Registro r(dados, i);
        bool comCabecalho = false;
        if (grupo && grupo->quebra) {
            const QString k = grupo->quebra(r);
            if (i == 0 || k != chave) {
                chave = k;
                // the header and its first detail stay together
                if (!vazia && y + grupo->altura + hDetalhe > fim + 1e-9) {
                    novaPagina();
                    vazia = true;
                }
                m.colocar(*grupo, &r, y);
                y += grupo->altura;
                comCabecalho = true;
                vazia = false;
            }
        }
        if (detalhe) {
            if (!vazia && !comCabecalho && y + hDetalhe > fim + 1e-9)
                novaPagina();
            m.colocar(*detalhe, &r, y);
            y += hDetalhe;
            vazia = false;
        }
    }
    if (!parar && paginaPronta)
        paginaPronta(doc);
    return doc;
}

void Pintar(QPainter &painter, const Documento &documento, int pagina, double pixelsPorMm)
{
    if (pagina < 0 || pagina >= documento.paginas.size())
        return;
    const Pagina &p = documento.paginas.at(pagina);
    const double s = pixelsPorMm;
    auto r = [s](const QRectF &c) { return QRectF(c.x() * s, c.y() * s, c.width() * s, c.height() * s); };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Fundo &f : p.fundos)
        painter.fillRect(r(f.caixa), QColor::fromRgb(f.cor));
    painter.setPen(QPen(Qt::black, std::max(1.0, 0.2 * s)));
    for (const Traco &t : p.tracos)
        painter.drawLine(QPointF(t.de.x() * s, t.de.y() * s), QPointF(t.ate.x() * s, t.ate.y() * s));
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    QList<QFont> fontes;
    for (const Fonte &f : documento.fontes) {
        QFont q(f.familia);
        // the size in device pixels, whatever the device's resolution
        q.setPointSizeF(std::max(0.1, f.pontos * 25.4 / 72.0 * s * 72.0 / std::max(1, dpi)));
        q.setBold(f.negrito);
        fontes << q;
    }
    painter.setPen(Qt::black);
    for (const Texto &t : p.textos) {
        if (t.fonte < fontes.size())
            painter.setFont(fontes.at(t.fonte));
        painter.drawText(
            r(t.caixa),
            Qt::TextSingleLine | Qt::AlignTop | (t.centralizado ? Qt::AlignHCenter : Qt::AlignLeft), t.texto);
    }
    painter.restore();
}

QImage Imagem(const Documento &documento, int pagina, double pixelsPorMm)
{
    QImage img(QSize(int(std::ceil(documento.tamanho.width() * pixelsPorMm)),
                     int(std::ceil(documento.tamanho.height() * pixelsPorMm))),
               QImage::Format_RGB32);
    img.setDotsPerMeterX(int(pixelsPorMm * 1000));
    img.setDotsPerMeterY(int(pixelsPorMm * 1000));
    img.fill(Qt::white);
    QPainter painter(&img);
    Pintar(painter, documento, pagina, pixelsPorMm);
    return img;
}

namespace {

const QByteArray kMagica("LUMIREL\x1a", 8);
constexpr quint16 kVersao = 1;
// a display list larger than this is no report of ours
constexpr quint64 kMaximo = quint64(1) << 30;

void escrever(QDataStream &s, const QRectF &r)
{
    s << r.x() << r.y() << r.width() << r.height();
}

// Reads the display list with every count checked against what is left,
// so a hostile count cannot make us allocate or loop.
class Leitor {
public:
    explicit Leitor(const QByteArray &b) : m_s(b)
    {
        m_s.setByteOrder(QDataStream::LittleEndian);
        m_s.setFloatingPointPrecision(QDataStream::DoublePrecision);
        m_tamanho = b.size();
    }
    bool ok() const { return m_ok && m_s.status() == QDataStream::Ok; }
    qint64 resta() const { return m_tamanho - m_s.device()->pos(); }

    quint32 contagem(qint64 tamanhoMinimo)
    {
        quint32 n = 0;
        m_s >> n;
        if (!ok() || qint64(n) * tamanhoMinimo > resta())
            m_ok = false;
        return m_ok ? n : 0;
    }
    double numero(double minimo, double maximo)
    {
        double d = 0;
        m_s >> d;
        if (!std::isfinite(d) || d < minimo || d > maximo)
            m_ok = false;
        return d;
    }
    QString texto()
    {
        const quint32 n = contagem(2);
        if (!m_ok)
            return {};
        QString t(qsizetype(n), Qt::Uninitialized);
        for (quint32 i = 0; i < n; ++i) {
            quint16 c = 0;
            m_s >> c;
            t[qsizetype(i)] = QChar(c);
        }
        return t;
    }
    QRectF caixa(const QSizeF &pagina)
    {
        const double x = numero(-1, pagina.width() + 1);
        const double y = numero(-1, pagina.height() + 1);
        const double w = numero(0, pagina.width() + 2);
        const double h = numero(0, pagina.height() + 2);
        return QRectF(x, y, w, h);
    }
    template <typename T>
    T bruto()
    {
        T v{};
        m_s >> v;
        return v;
    }
    void falha() { m_ok = false; }

private:
    QDataStream m_s;
    qint64 m_tamanho = 0;
    bool m_ok = true;
};

void escreverTexto(QDataStream &s, const QString &t)
{
    s << quint32(t.size());
    for (QChar c : t)
        s << quint16(c.unicode());
}

} // namespace

QByteArray Serializar(const Documento &d)
{
    QByteArray lista;
    {
        QDataStream s(&lista, QIODevice::WriteOnly);
        s.setByteOrder(QDataStream::LittleEndian);
        s.setFloatingPointPrecision(QDataStream::DoublePrecision);
        escreverTexto(s, d.titulo);
        s << d.tamanho.width() << d.tamanho.height();
        s << quint32(d.fontes.size());
        for (const Fonte &f : d.fontes) {
            escreverTexto(s, f.familia);
            s << f.pontos << quint8(f.negrito ? 1 : 0);
        }
        s << quint32(d.paginas.size());
        for (const Pagina &p : d.paginas) {
            s << quint32(p.fundos.size());
            for (const Fundo &f : p.fundos) {
                escrever(s, f.caixa);
                s << quint32(f.cor);
            }
            s << quint32(p.tracos.size());
            for (const Traco &t : p.tracos)
                s << t.de.x() << t.de.y() << t.ate.x() << t.ate.y();
            s << quint32(p.textos.size());
            for (const Texto &t : p.textos) {
                escrever(s, t.caixa);
                s << t.fonte << quint8(t.centralizado ? 1 : 0);
                escreverTexto(s, t.texto);
            }
        }
    }
    QByteArray saida = kMagica;
    {
        QDataStream s(&saida, QIODevice::Append);
        s.setByteOrder(QDataStream::LittleEndian);
        s << kVersao << quint64(lista.size());
    }
    uLongf n = compressBound(uLong(lista.size()));
    QByteArray z(qsizetype(n), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef *>(z.data()), &n, reinterpret_cast<const Bytef *>(lista.constData()),
              uLong(lista.size()), Z_DEFAULT_COMPRESSION);
    z.resize(qsizetype(n));
    return saida + z;
}

bool Desserializar(const QByteArray &bytes, Documento *documento, QString *erro)
{
    auto falhou = [erro](const QString &t) {
        if (erro)
            *erro = t;
        return false;
    };
    const QString danificado = QStringLiteral("O arquivo não é um relatório salvo ou está danificado.");
    const int cabecalho = kMagica.size() + 2 + 8;
    if (bytes.size() < cabecalho || !bytes.startsWith(kMagica))
        return falhou(danificado);
    quint16 versao = 0;
    quint64 tamanho = 0;
    {
        QDataStream s(bytes.mid(kMagica.size(), 10));
        s.setByteOrder(QDataStream::LittleEndian);
        s >> versao >> tamanho;
    }
    if (versao != kVersao)
        return falhou(QStringLiteral("O relatório foi salvo por outra versão do programa."));
    if (tamanho > kMaximo)
        return falhou(danificado);

    // inflate no further than the declared size
    QByteArray lista(qsizetype(tamanho), Qt::Uninitialized);
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return falhou(danificado);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData() + cabecalho));
    z.avail_in = uInt(bytes.size() - cabecalho);
    z.next_out = reinterpret_cast<Bytef *>(lista.data());
    z.avail_out = uInt(tamanho);
    const int rc = inflate(&z, Z_FINISH);
    const bool completo = rc == Z_STREAM_END && z.total_out == tamanho;
    inflateEnd(&z);
    if (!completo)
        return falhou(danificado);

    Leitor l(lista);
    Documento d;
    d.titulo = l.texto();
    const double w = l.numero(10, 2000);
    const double h = l.numero(10, 2000);
    d.tamanho = QSizeF(w, h);
    const quint32 nFontes = l.contagem(4 + 8 + 1);
    if (nFontes > 65535)
        l.falha();
    for (quint32 i = 0; i < nFontes && l.ok(); ++i) {
        Fonte f;
        f.familia = l.texto();
        f.pontos = l.numero(1, 200);
        f.negrito = l.bruto<quint8>() != 0;
        d.fontes << f;
    }
    const quint32 nPaginas = l.contagem(12);
    for (quint32 i = 0; i < nPaginas && l.ok(); ++i) {
        Pagina p;
        const quint32 nf = l.contagem(36);
        for (quint32 j = 0; j < nf && l.ok(); ++j) {
            const QRectF c = l.caixa(d.tamanho);
            p.fundos << Fundo{c, l.bruto<quint32>()};
        }
        const quint32 nt = l.contagem(32);
        for (quint32 j = 0; j < nt && l.ok(); ++j) {
            const double x1 = l.numero(-1, w + 1), y1 = l.numero(-1, h + 1);
            const double x2 = l.numero(-1, w + 1), y2 = l.numero(-1, h + 1);
            p.tracos << Traco{QPointF(x1, y1), QPointF(x2, y2)};
        }
        const quint32 nx = l.contagem(39);
        for (quint32 j = 0; j < nx && l.ok(); ++j) {
            Texto t;
            t.caixa = l.caixa(d.tamanho);
            t.fonte = l.bruto<quint16>();
            t.centralizado = l.bruto<quint8>() != 0;
            t.texto = l.texto();
            if (t.fonte >= d.fontes.size())
                l.falha();
            p.textos << t;
        }
        d.paginas << p;
    }
    if (!l.ok() || l.resta() != 0 || d.paginas.isEmpty())
        return falhou(danificado);
    *documento = std::move(d);
    return true;
}

bool Gravar(const Documento &documento, const QString &caminho, QString *erro)
{
    QSaveFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(Serializar(documento)) < 0 || !f.commit()) {
        if (erro)
            *erro = QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(caminho);
        return false;
    }
    return true;
}

bool Carregar(const QString &caminho, Documento *documento, QString *erro)
{
    QFile f(caminho);
    if (!f.exists() || !f.open(QIODevice::ReadOnly)) {
        if (erro)
            *erro = QStringLiteral("Error!  File does not exist");
        return false;
    }
    if (f.size() > qint64(kMaximo)) {
        if (erro)
            *erro = QStringLiteral("O arquivo não é um relatório salvo ou está danificado.");
        return false;
    }
    return Desserializar(f.readAll(), documento, erro);
}

QString Html(const Documento &d)
{
    QString h;
    const auto mm = [](double v) { return QString::number(v, 'f', 2) + QStringLiteral("mm"); };
    h += QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"windows-1252\"><title>") +
         TextoParaHtml(d.titulo) + QStringLiteral("</title></head>\n<body style=\"background:#ccc\">\n");
    for (const Pagina &p : d.paginas) {
        h += QStringLiteral(
                 "<div style=\"position:relative;background:#fff;margin:10px auto;width:%1;height:%2\">\n")
                 .arg(mm(d.tamanho.width()), mm(d.tamanho.height()));
        for (const Fundo &f : p.fundos)
            h += QStringLiteral(
                     "<div style=\"position:absolute;left:%1;top:%2;width:%3;height:%4;background:%5\">"
                     "</div>\n")
                     .arg(mm(f.caixa.x()), mm(f.caixa.y()), mm(f.caixa.width()), mm(f.caixa.height()),
                          QColor::fromRgb(f.cor).name());
        for (const Traco &t : p.tracos)
            h +=
                QStringLiteral(
                    "<div style=\"position:absolute;left:%1;top:%2;width:%3;border-top:1px solid #000\">"
                    "</div>\n")
                    .arg(mm(std::min(t.de.x(), t.ate.x())), mm(t.de.y()), mm(std::abs(t.ate.x() - t.de.x())));
        for (const Texto &t : p.textos) {
            const Fonte f = t.fonte < d.fontes.size() ? d.fontes.at(t.fonte) : Fonte{};
            h += QStringLiteral("<div style=\"position:absolute;left:%1;top:%2;width:%3;white-space:nowrap;"
                                "font-family:%4;font-size:%5pt;%6%7\">")
                     .arg(mm(t.caixa.x()), mm(t.caixa.y()), mm(t.caixa.width()), TextoParaHtml(f.familia),
                          QString::number(f.pontos),
                          f.negrito ? QStringLiteral("font-weight:bold;") : QString(),
                          t.centralizado ? QStringLiteral("text-align:center") : QString()) +
                 TextoParaHtml(t.texto) + QStringLiteral("</div>\n");
        }
        h += QStringLiteral("</div>\n");
    }
    h += QStringLiteral("</body></html>\n");
    return h;
}

} // namespace Relatorio
