#include "ui/common/Impressao.h"

#include "services/Seams.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

class SystemPrinter : public PrinterProvider {
public:
    std::unique_ptr<QPrinter> criar(const QString &documento, QPageLayout::Orientation orientacao) override
    {
        const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
        auto p = padrao.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                 : std::make_unique<QPrinter>(padrao, QPrinter::HighResolution);
        p->setDocName(documento);
        p->setPageOrientation(orientacao);
        return p;
    }
    bool configurar(QPrinter &impressora, QWidget *pai) override
    {
        QPrintDialog dialogo(&impressora, pai);
        return dialogo.exec() == QDialog::Accepted;
    }
    void visualizar(QPrinter &impressora, QWidget *pai, const std::function<void(QPrinter *)> &paint) override
    {
        QPrintPreviewDialog previa(&impressora, pai);
        previa.setWindowTitle(impressora.docName());
        QObject::connect(&previa, &QPrintPreviewDialog::paintRequested, &previa,
                         [&](QPrinter *p) { paint(p); });
        previa.exec();
    }
};

std::unique_ptr<PrinterProvider> &atual()
{
    static std::unique_ptr<PrinterProvider> provider = std::make_unique<SystemPrinter>();
    return provider;
}

} // namespace

namespace Impressao {

PrinterProvider &impressora()
{
    return *atual();
}

void setImpressora(std::unique_ptr<PrinterProvider> provider)
{
    atual() = provider ? std::move(provider) : std::make_unique<SystemPrinter>();
}

void reset()
{
    atual() = std::make_unique<SystemPrinter>();
}

bool iniciar(QPainter &painter, QPrinter &impressora)
{
    if (painter.begin(&impressora))
        return true;
    Seams::messages().show(
        impressora.outputFormat() == QPrinter::PdfFormat
            ? QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(impressora.outputFileName())
            : QStringLiteral("Não foi possível iniciar a impressão.\r\n"
                             "Verifique se há uma impressora instalada."),
        MessageService::Kind::Error);
    return false;
}

double cm(const QPrinter &impressora, double centimetros)
{
    return impressora.resolution() * centimetros / 2.54;
}

} // namespace Impressao
