#include "ui/reports/TfrMeuPreview.h"

#include "services/Seams.h"
#include "ui/common/Impressao.h"
#include "util/PaginaHtml.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The page drawn at the preview's zoom on a grey surround.
class VistaPagina : public QWidget {
public:
    explicit VistaPagina(const TfrMeuPreview &p, QWidget *pai) : QWidget(pai), m_p(p) {}
    double pixelsPorMm() const { return logicalDpiX() / 25.4 * m_p.zoom() / 100.0; }
    void ajustar()
    {
        const QSizeF t = m_p.documento().tamanho;
        setFixedSize(int(t.width() * pixelsPorMm()) + 20, int(t.height() * pixelsPorMm()) + 20);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::gray);
        const QSizeF t = m_p.documento().tamanho;
        const double s = pixelsPorMm();
        painter.translate(10, 10);
        painter.fillRect(QRectF(0, 0, t.width() * s, t.height() * s), Qt::white);
        Relatorio::Pintar(painter, m_p.documento(), m_p.pagina() - 1, s);
    }

private:
    const TfrMeuPreview &m_p;
};

const QString kFiltro = QStringLiteral("QuickReport file (*.QRP)");

} // namespace

TfrMeuPreview::TfrMeuPreview(Relatorio::Documento documento, QWidget *owner)
    : QWidget(owner, Qt::Window), m_documento(std::move(documento))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("TfrMeuPreview"));
    setWindowTitle(QStringLiteral("Criando relatório, por favor aguarde..."));
    auto *barra = new QHBoxLayout;
    btnAbrir = botao(QStringLiteral("btnAbrir"), QStringLiteral("Abrir um relatório salvo em disco"),
                     QStringLiteral("Abrir"));
    btnSalvar = botao(QStringLiteral("btnSalvar"), QStringLiteral("Salvar o relatório em disco"),
                      QStringLiteral("Salvar"));
    btnSalvarPDF =
        botao(QStringLiteral("btnSalvarPDF"), QStringLiteral("Salvar em PDF"), QStringLiteral("PDF"));
    // the hints are swapped on purpose: "Menos zoom" zooms out
    btnZoomMais = botao(QStringLiteral("btnZoomMais"), QStringLiteral("Menos zoom"), QStringLiteral("-"));
    btnZoomMenos = botao(QStringLiteral("btnZoomMenos"), QStringLiteral("Mais zoom"), QStringLiteral("+"));
    btnPrimeira =
        botao(QStringLiteral("btnPrimeira"), QStringLiteral("Primeira página"), QStringLiteral("|<"));
    btnAnterior =
        botao(QStringLiteral("btnAnterior"), QStringLiteral("Página anterior"), QStringLiteral("<"));
    btnProxima = botao(QStringLiteral("btnProxima"), QStringLiteral("Próxima página"), QStringLiteral(">"));
    btnUltima = botao(QStringLiteral("btnUltima"), QStringLiteral("Última página"), QStringLiteral(">|"));
    btnConfiguraImpressora = botao(QStringLiteral("btnConfiguraImpressora"),
                                   QStringLiteral("Configurar impressora"), QStringLiteral("Configurar"));
    btnImprimir =
        botao(QStringLiteral("btnImprimir"), QStringLiteral("Imprimir"), QStringLiteral("Imprimir"));
    ToolButton13 = botao(QStringLiteral("ToolButton13"), QStringLiteral("Fechar"), QStringLiteral("Fechar"));
    for (QToolButton *b :
         {btnAbrir, btnSalvar, btnSalvarPDF, btnZoomMais, btnZoomMenos, btnPrimeira, btnAnterior, btnProxima,
          btnUltima, btnConfiguraImpressora, btnImprimir, ToolButton13})
        barra->addWidget(b);
    lblPreparando = new QLabel(this);
    lblPreparando->setObjectName(QStringLiteral("lblPreparando"));
    lblPreparando->setVisible(false);
    barra->addWidget(lblPreparando);
    barra->addStretch();

    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("QRPreview"));
    m_area->setAlignment(Qt::AlignHCenter);
    auto *vista = new VistaPagina(*this, m_area);
    QRPreview = vista;
    m_area->setWidget(vista);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(barra);
    layout->addWidget(m_area, 1);

    connect(btnAbrir, &QToolButton::clicked, this, &TfrMeuPreview::btnAbrirClick);
    connect(btnSalvar, &QToolButton::clicked, this, &TfrMeuPreview::btnSalvarClick);
    connect(btnSalvarPDF, &QToolButton::clicked, this, &TfrMeuPreview::btnSalvarPDFClick);
    connect(btnZoomMais, &QToolButton::clicked, this, &TfrMeuPreview::btnZoomMaisClick);
    connect(btnZoomMenos, &QToolButton::clicked, this, &TfrMeuPreview::btnZoomMenosClick);
    connect(btnPrimeira, &QToolButton::clicked, this, [this] { irPara(1); });
    connect(btnAnterior, &QToolButton::clicked, this, [this] { irPara(m_pagina - 1); });
    connect(btnProxima, &QToolButton::clicked, this, [this] { irPara(m_pagina + 1); });
    connect(btnUltima, &QToolButton::clicked, this, [this] { irPara(int(m_documento.paginas.size())); });
    connect(btnConfiguraImpressora, &QToolButton::clicked, this, &TfrMeuPreview::btnConfiguraImpressoraClick);
    connect(btnImprimir, &QToolButton::clicked, this, &TfrMeuPreview::btnImprimirClick);
    connect(ToolButton13, &QToolButton::clicked, this, &QWidget::close);

    if (QScreen *tela = owner ? owner->screen() : screen())
        setGeometry(tela->availableGeometry());
    vista->ajustar();
    atualizar();
}

TfrMeuPreview::~TfrMeuPreview() = default;

QToolButton *TfrMeuPreview::botao(const QString &nome, const QString &dica, const QString &texto)
{
    auto *b = new QToolButton(this);
    b->setObjectName(nome);
    b->setToolTip(dica);
    b->setText(texto);
    return b;
}

void TfrMeuPreview::irPara(int pagina)
{
    m_pagina = std::clamp(pagina, 1, std::max(1, int(m_documento.paginas.size())));
    m_salvo.clear();
    QRPreview->update();
    atualizar();
}

void TfrMeuPreview::atualizar()
{
    const int total = int(m_documento.paginas.size());
    if (m_salvo.isEmpty())
        setWindowTitle(QStringLiteral(":: Exibindo Consulta :: Página %1 de %2")
                           .arg(m_pagina, 2, 10, QLatin1Char('0'))
                           .arg(total, 2, 10, QLatin1Char('0')));
    else
        setWindowTitle(QStringLiteral("Viewing saved report - %1 - %2 pages").arg(m_salvo).arg(total));
    btnPrimeira->setEnabled(m_pagina > 1);
    btnAnterior->setEnabled(m_pagina > 1);
    btnProxima->setEnabled(m_pagina < total);
    btnUltima->setEnabled(m_pagina < total);
    if (m_preparando)
        lblPreparando->setText(QStringLiteral("Preparando o relatório... %1 páginas").arg(total));
}

void TfrMeuPreview::btnZoomMaisClick()
{
    if (m_zoom > 10) {
        m_zoom -= 5;
        static_cast<VistaPagina *>(QRPreview)->ajustar();
    }
}

void TfrMeuPreview::btnZoomMenosClick()
{
    if (m_zoom < 200) {
        m_zoom += 5;
        static_cast<VistaPagina *>(QRPreview)->ajustar();
    }
}

void TfrMeuPreview::Preparando(bool preparando)
{
    m_preparando = preparando;
    for (QToolButton *b : {btnAbrir, btnSalvar, btnSalvarPDF, btnConfiguraImpressora, btnImprimir})
        b->setEnabled(!preparando);
    lblPreparando->setVisible(preparando);
    atualizar();
}

void TfrMeuPreview::Acrescentar(const Relatorio::Documento &parcial)
{
    m_documento.titulo = parcial.titulo;
    m_documento.tamanho = parcial.tamanho;
    m_documento.fontes = parcial.fontes;
    for (qsizetype i = m_documento.paginas.size(); i < parcial.paginas.size(); ++i)
        m_documento.paginas.append(parcial.paginas.at(i));
    atualizar();
}

void TfrMeuPreview::Concluir(Relatorio::Documento documento)
{
    m_documento = std::move(documento);
    m_pagina = std::clamp(m_pagina, 1, std::max(1, int(m_documento.paginas.size())));
    QRPreview->update();
    Preparando(false);
}

bool TfrMeuPreview::Abrir(const QString &arquivo)
{
    Relatorio::Documento d;
    QString erro;
    if (!Relatorio::Carregar(arquivo, &d, &erro)) {
        Seams::messages().show(erro, MessageService::Kind::Error);
        return false;
    }
    m_documento = std::move(d);
    irPara(1);
    m_salvo = QFileInfo(arquivo).fileName();
    static_cast<VistaPagina *>(QRPreview)->ajustar();
    atualizar();
    return true;
}

void TfrMeuPreview::btnAbrirClick()
{
    const QString f = Seams::input().openFileName(QStringLiteral("Load report"), QString(), kFiltro);
    if (!f.isEmpty())
        (void)Abrir(f);
}

bool TfrMeuPreview::ImprimirEm(QPrinter &impressora)
{
    impressora.setFullPage(true); // the report's positions are from the paper's edge
    QPainter painter;
    if (!Impressao::iniciar(painter, impressora))
        return false;
    const double s = impressora.resolution() / 25.4;
    for (int i = 0; i < m_documento.paginas.size(); ++i) {
        if (i > 0 && !impressora.newPage())
            return false;
        Relatorio::Pintar(painter, m_documento, i, s);
    }
    return painter.end();
}

bool TfrMeuPreview::Salvar(const QString &arquivo)
{
    const QString ext = QFileInfo(arquivo).suffix().toLower();
    QString erro;
    bool ok = false;
    if (ext == QLatin1String("htm") || ext == QLatin1String("html")) {
        ok = GravarPagina(arquivo, Relatorio::Html(m_documento), &erro);
    } else if (ext == QLatin1String("pdf")) {
        auto p = Impressao::impressora().criar(m_documento.titulo, QPageLayout::Portrait);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(arquivo);
        p->setPageSize(QPageSize(QPageSize::Letter));
        return ImprimirEm(*p);
    } else {
        ok = Relatorio::Gravar(m_documento, arquivo, &erro);
    }
    if (!ok)
        Seams::messages().show(erro, MessageService::Kind::Error);
    return ok;
}

void TfrMeuPreview::btnSalvarClick()
{
    QString f = Seams::input().saveFileName(QStringLiteral("Save report"), QString(),
                                            kFiltro + QStringLiteral(";;Documento HTML (*.htm *.html)"));
    if (f.isEmpty())
        return;
    if (QFileInfo(f).suffix().isEmpty())
        f += QStringLiteral(".QRP");
    (void)Salvar(f);
}

void TfrMeuPreview::btnSalvarPDFClick()
{
    QString f = Seams::input().saveFileName(QStringLiteral("Salvar em PDF"), QString(),
                                            QStringLiteral("Documento PDF (*.pdf)"));
    if (f.isEmpty())
        return;
    if (QFileInfo(f).suffix().toLower() != QLatin1String("pdf"))
        f += QStringLiteral(".pdf");
    (void)Salvar(f);
}

void TfrMeuPreview::btnConfiguraImpressoraClick()
{
    if (!m_impressora)
        m_impressora = Impressao::impressora().criar(m_documento.titulo, QPageLayout::Portrait);
    if (!Impressao::impressora().configurar(*m_impressora, this))
        m_impressora.reset();
}

void TfrMeuPreview::btnImprimirClick()
{
    if (!m_impressora)
        m_impressora = Impressao::impressora().criar(m_documento.titulo, QPageLayout::Portrait);
    (void)ImprimirEm(*m_impressora);
}
