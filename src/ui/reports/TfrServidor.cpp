#include "ui/reports/TfrServidor.h"

#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/TeclasDeEntrada.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kSecao = QStringLiteral("MALA_DIRETA");
}

TfrServidor::TfrServidor(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frServidor"));
    setWindowTitle(QStringLiteral("Definição de Assunto e Texto para o Corpo da Mensagem"));
    setModal(true);

    edtAssunto = new QLineEdit(this);
    edtAssunto->setObjectName(QStringLiteral("edtAssunto"));
    edtCorpo = new QPlainTextEdit(this);
    edtCorpo->setObjectName(QStringLiteral("edtCorpo"));
    btnContinuar = new QPushButton(QStringLiteral("Continuar...."), this);
    btnContinuar->setObjectName(QStringLiteral("btnContinuar"));

    auto *lblAssunto = new QLabel(QStringLiteral("Assunto"), this);
    lblAssunto->setBuddy(edtAssunto);
    auto *lblCorpo = new QLabel(QStringLiteral("Corpo"), this);
    lblCorpo->setBuddy(edtCorpo);
    auto *nota = new QLabel(
        QStringLiteral("A mala direta personalizada será enviada como arquivo em anexo no formato RTF."),
        this);
    nota->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblAssunto);
    layout->addWidget(edtAssunto);
    layout->addWidget(lblCorpo);
    layout->addWidget(edtCorpo, 1);
    layout->addWidget(nota);
    layout->addWidget(btnContinuar, 0, Qt::AlignRight);
    resize(480, 340);

    TeclasDeEntrada::Aplicar(this);

    edtAssunto->setText(ReadSettingText(kSecao, QStringLiteral("ASSUNTO")));
    // the file keeps "\r\n" as "<BR>"; the editor shows plain line breaks
    QString corpo = ReadSettingMultiline(kSecao, QStringLiteral("CORPO"));
    corpo.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    edtCorpo->setPlainText(corpo);

    connect(btnContinuar, &QPushButton::clicked, this, &TfrServidor::btnContinuarClick);
}

QString TfrServidor::Assunto() const
{
    return edtAssunto->text();
}

QString TfrServidor::Corpo() const
{
    QString corpo = edtCorpo->toPlainText();
    corpo.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return corpo;
}

void TfrServidor::btnContinuarClick()
{
    accept();
}

// kept however the dialog closes, as typed
void TfrServidor::done(int resultado)
{
    if (!WriteSettingText(kSecao, QStringLiteral("ASSUNTO"), Assunto()) ||
        !WriteSettingMultiline(kSecao, QStringLiteral("CORPO"), Corpo()))
        Seams::messages().show(
            QStringLiteral("O assunto e o corpo da mensagem não puderam ser guardados no arquivo "
                           "de configuração (ele não aceita algum caractere digitado ou não "
                           "pode ser gravado). Eles valem só para este envio."),
            MessageService::Kind::Warning);
    QDialog::done(resultado);
}
