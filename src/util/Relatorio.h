#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

class QImage;
class QPainter;

// The banded list reports: a definition (page, margins, bands, items, all in
// millimetres) is laid out over the rows of a query into a prepared document,
// one display list per page, which is painted on any device (the preview, a
// printer, a PDF), saved to our own file, loaded back and exported as HTML.
namespace Relatorio {

struct Fonte {
    QString familia = QStringLiteral("Arial");
    double pontos = 10;
    bool negrito = false;
    bool operator==(const Fonte &o) const = default;
};

// The rows of the report's query: the column names once, a value list per row.
struct Dados {
    QStringList colunas;
    QList<QStringList> linhas;
};

class Registro {
public:
    Registro(const Dados &dados, int linha) : m_dados(dados), m_linha(linha) {}
    // The column's value; empty for a column the query does not have.
    QString valor(const QString &coluna) const;

private:
    const Dados &m_dados;
    int m_linha;
};

enum class TipoItem {
    Rotulo,    // fixed text
    Campo,     // a column's value
    Expressao, // computed from the row
    Sistema,   // the report's title after the item's text
};

struct Item {
    TipoItem tipo = TipoItem::Rotulo;
    double esquerda = 0;
    double topo = 0;
    QString texto; // Rotulo: the text; Campo: the column; Sistema: the prefix
    Fonte fonte;
    bool centralizado = false; // centred across the band
    std::function<QString(const Registro &)> expressao;
    // Receives the text about to be printed and may replace it.
    std::function<QString(const QString &)> aoImprimir;
};

enum class TipoBanda { CabecalhoPagina, CabecalhoGrupo, Detalhe };

struct Banda {
    TipoBanda tipo = TipoBanda::Detalhe;
    double altura = 0;
    QColor fundo; // invalid: none
    bool linhaAcima = false;
    bool linhaAbaixo = false;
    QList<Item> itens;
    // Group header: a new group whenever this value changes.
    std::function<QString(const Registro &)> quebra;
};

struct Definicao {
    QString titulo;
    QSizeF pagina{215.9, 279.4};
    QMarginsF margens{12.7, 12.7, 12.7, 12.7};
    QList<Banda> bandas;
};

// The prepared pages. Boxes are in millimetres from the paper's top-left.
struct Texto {
    QRectF caixa;
    quint16 fonte = 0; // into Documento::fontes
    bool centralizado = false;
    QString texto;
};
struct Fundo {
    QRectF caixa;
    QRgb cor = 0;
};
struct Traco {
    QPointF de;
    QPointF ate;
};
struct Pagina {
    QList<Fundo> fundos;
    QList<Traco> tracos;
    QList<Texto> textos;
};
struct Documento {
    QString titulo;
    QSizeF tamanho{215.9, 279.4};
    QList<Fonte> fontes;
    QList<Pagina> paginas;
};

// Lays out every row. A band that does not fit below the last one starts a
// new page (under the page header); a group header goes to the next page
// together with its first detail, so it never ends a page alone.
// `paginaPronta` is told every finished page (the count so far); returning
// false stops the layout there.
Documento Preparar(const Definicao &definicao, const Dados &dados,
                   const std::function<bool(const Documento &)> &paginaPronta = {});

// Paints page `pagina` (0-based) with `pixelsPorMm` device pixels per millimetre,
// the paper's top-left at the painter's origin.
void Pintar(QPainter &painter, const Documento &documento, int pagina, double pixelsPorMm);
// The page on a white image at the given resolution.
QImage Imagem(const Documento &documento, int pagina, double pixelsPorMm);

// The saved-report file: magic, version, the size of the display list and the
// display list as one zlib stream. Loading checks every count, index and box,
// so a damaged or hostile file gives an error, never a crash.
QByteArray Serializar(const Documento &documento);
bool Desserializar(const QByteArray &bytes, Documento *documento, QString *erro);
bool Gravar(const Documento &documento, const QString &caminho, QString *erro);
bool Carregar(const QString &caminho, Documento *documento, QString *erro);

// The pages as one HTML document (texts escaped, placed in millimetres).
QString Html(const Documento &documento);

} // namespace Relatorio
