#pragma once

#include "ui/common/Impressao.h"

#include <QPrinter>
#include <QStringList>

// Prints into a PDF file on Letter paper with zero margins, so tests read the
// pages back with pdfinfo / pdftotext. The set-up dialog is answered from
// `aceitar`; the preview paints straight into the file.
class PdfPrinter : public PrinterProvider {
public:
    QString arquivo;        // where the next printer prints
    bool aceitar = true;    // the set-up dialog's answer
    int configurados = 0;   // set-up dialogs shown
    int visualizados = 0;   // previews shown
    QStringList documentos; // names of the documents created, in order
    int resolucao = 600;

    std::unique_ptr<QPrinter> criar(const QString &documento, QPageLayout::Orientation orientacao) override
    {
        documentos << documento;
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(arquivo);
        p->setResolution(resolucao);
        p->setPageSize(QPageSize(QPageSize::Letter));
        p->setPageOrientation(orientacao);
        p->setFullPage(true);
        p->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        p->setDocName(documento);
        return p;
    }
    bool configurar(QPrinter &, QWidget *) override
    {
        ++configurados;
        return aceitar;
    }
    void visualizar(QPrinter &impressora, QWidget *, const std::function<void(QPrinter *)> &paint) override
    {
        ++visualizados;
        paint(&impressora);
    }

    // Installs a fresh one printing into `arquivo` and returns it (owned by the seam).
    static PdfPrinter &Install(const QString &arquivo)
    {
        auto p = std::make_unique<PdfPrinter>();
        p->arquivo = arquivo;
        PdfPrinter &ref = *p;
        Impressao::setImpressora(std::move(p));
        return ref;
    }
};
