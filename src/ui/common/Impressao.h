#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

// The one way the program reaches a printer. The program uses the system's
// print set-up dialog, its default printer and Qt's print preview; tests
// install a provider that prints into a PDF file (Letter, zero margins) and
// answers the dialogs themselves.
class PrinterProvider {
public:
    virtual ~PrinterProvider() = default;

    // A printer on the default device, ready to paint on, with the document
    // name (the PDF title when it prints into a file) and the orientation.
    virtual std::unique_ptr<QPrinter> criar(const QString &documento,
                                            QPageLayout::Orientation orientacao) = 0;

    // The print set-up dialog over the printer; false when the user cancels.
    // "Print to file" in that dialog makes a PDF.
    virtual bool configurar(QPrinter &impressora, QWidget *pai) = 0;

    // Shows the pages in a print preview before anything is printed; the
    // preview calls paint with the printer to paint on, as often as it needs
    // (the preview's own print button prints through the same function).
    virtual void visualizar(QPrinter &impressora, QWidget *pai,
                            const std::function<void(QPrinter *)> &paint) = 0;
};

namespace Impressao {

PrinterProvider &impressora();
void setImpressora(std::unique_ptr<PrinterProvider> provider);
// Puts the system's printing back (tests call it between cases).
void reset();

// Opens a painter on the printer; a message in Portuguese when the device
// refuses (no printer installed, a file that cannot be written).
bool iniciar(QPainter &painter, QPrinter &impressora);

// Device units for a length in centimetres on this printer (resolution × cm ÷ 2.54).
double cm(const QPrinter &impressora, double centimetros);

} // namespace Impressao
