#pragma once

#include "util/Relatorio.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPrinter;
class QScrollArea;
class QToolButton;

// The program's own preview of a prepared report: page view, zoom, page
// navigation, printing, saving and loading the report, HTML and PDF export.
// It is not modal and destroys itself when closed.
class TfrMeuPreview : public QWidget {
    Q_OBJECT
public:
    explicit TfrMeuPreview(Relatorio::Documento documento, QWidget *owner = nullptr);
    ~TfrMeuPreview() override;

    const Relatorio::Documento &documento() const { return m_documento; }
    int pagina() const { return m_pagina; } // 1-based
    int zoom() const { return m_zoom; }
    void irPara(int pagina);

    // Saves by the name's extension: .htm/.html an HTML document, .pdf a PDF
    // through the printer, anything else our own report file.
    bool Salvar(const QString &arquivo);
    // Loads a saved report; a missing or damaged file is shown and changes nothing.
    bool Abrir(const QString &arquivo);
    // Prints every page on `impressora`; false when the device refuses.
    bool ImprimirEm(QPrinter &impressora);

    // A long report is shown while it is still being laid out: the window
    // opens on the first pages, takes the pages finished since (`parcial`
    // holds every page so far) and finally the whole document. Until then
    // the commands that need every page (save, print, load) are off and a
    // label tells how far the layout has come.
    void Preparando(bool preparando);
    bool preparando() const { return m_preparando; }
    void Acrescentar(const Relatorio::Documento &parcial);
    void Concluir(Relatorio::Documento documento);

private:
    void btnAbrirClick();
    void btnSalvarClick();
    void btnSalvarPDFClick();
    void btnZoomMaisClick();
    void btnZoomMenosClick();
    void btnConfiguraImpressoraClick();
    void btnImprimirClick();
    void atualizar();
    QToolButton *botao(const QString &nome, const QString &dica, const QString &texto);

    Relatorio::Documento m_documento;
    bool m_preparando = false;
    QLabel *lblPreparando = nullptr;
    int m_pagina = 1;
    int m_zoom = 120;
    QString m_salvo; // the loaded file's name, for the caption
    std::unique_ptr<QPrinter> m_impressora;
    QScrollArea *m_area = nullptr;
    QWidget *QRPreview = nullptr;
    QToolButton *btnAbrir = nullptr;
    QToolButton *btnSalvar = nullptr;
    QToolButton *btnSalvarPDF = nullptr;
    QToolButton *btnZoomMais = nullptr;
    QToolButton *btnZoomMenos = nullptr;
    QToolButton *btnPrimeira = nullptr;
    QToolButton *btnAnterior = nullptr;
    QToolButton *btnProxima = nullptr;
    QToolButton *btnUltima = nullptr;
    QToolButton *btnConfiguraImpressora = nullptr;
    QToolButton *btnImprimir = nullptr;
    QToolButton *ToolButton13 = nullptr;
};
