#include "ui/maintenance/TfrSugestoes.h"

#include "app/Version.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "services/Sugestao.h"
#include "ui/common/TeclasDeEntrada.h"
#include "util/DateTime.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kAtencao = QStringLiteral("Atenção");

} // namespace

TfrSugestoes::TfrSugestoes(QWidget *parent, const QString &assunto) : QDialog(parent)
{
    setObjectName(QStringLiteral("frSugestoes"));
    setWindowTitle(QStringLiteral("Sugestões -- Críticas -- Dúvidas"));
    setModal(true);
    criarControles();
    edtAssunto->setText(assunto);
    TeclasDeEntrada::Aplicar(this, TeclasDeEntrada::Esc::NaoFecha);
    connect(btnEnviar, &QPushButton::clicked, this, &TfrSugestoes::btnEnviarClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    FormShow();
}

void TfrSugestoes::criarControles()
{
    lblDe = new QLabel(this);
    lblDe->setObjectName(QStringLiteral("lblDe"));
    edtAssunto = new QLineEdit(this);
    edtAssunto->setObjectName(QStringLiteral("edtAssunto"));
    edtAssunto->setMaxLength(200);
    msg = new QPlainTextEdit(this);
    msg->setObjectName(QStringLiteral("msg"));
    msg->setMinimumSize(460, 220);
    btnEnviar = new QPushButton(QStringLiteral("Enviar"), this);
    btnEnviar->setObjectName(QStringLiteral("btnEnviar"));
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setObjectName(QStringLiteral("btnSair"));
    lblStatus = new QLabel(QStringLiteral("Enviando Mensagem!"), this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    lblStatus->hide();

    auto *botoes = new QHBoxLayout;
    botoes->addWidget(lblStatus);
    botoes->addStretch();
    botoes->addWidget(btnEnviar);
    botoes->addWidget(btnSair);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblDe);
    layout->addWidget(new QLabel(QStringLiteral("Assunto"), this));
    layout->addWidget(edtAssunto);
    layout->addWidget(new QLabel(QStringLiteral("Mensagem"), this));
    layout->addWidget(msg, 1);
    layout->addLayout(botoes);
}

void TfrSugestoes::FormShow()
{
    const TUsuario *u = TUsuario::atual();
    lblDe->setText(QStringLiteral("DE: ") + (u ? u->Login : QString()) + QStringLiteral(" -- ") +
                   (u ? u->Email : QString()));
}

void TfrSugestoes::btnEnviarClick()
{
    const TUsuario *u = TUsuario::atual();
    const QString nome = u ? u->Nome : QString();
    const QString email = u ? u->Email : QString();
    const QString recusa = RecusaSugestao(edtAssunto->text(), msg->toPlainText(), nome, email);
    if (!recusa.isEmpty()) {
        Seams::messages().show(recusa, MessageService::Kind::Warning);
        return;
    }
    btnEnviar->setEnabled(false);
    lblStatus->show();
    // the send blocks: let the status show first
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString suporte = SupportAddress();
    const MailMessage m = MontarSugestao(nome, email, edtAssunto->text(), msg->toPlainText(), suporte,
                                         QDateTimeToDateTime(Seams::clock().now()));
    QString erro;
    // the server's reason goes after the fixed text: a wrong [SMTP] section
    // would otherwise be hard to find
    if (Seams::mail().send(m, &erro))
        Seams::messages().showTitled(kAtencao,
                                     QStringLiteral("Mensagem enviado com sucesso para o email \"") +
                                         suporte + QStringLiteral("\"!"));
    else
        Seams::messages().showTitled(
            kAtencao,
            QStringLiteral("Não foi possível a conexão com o Servidor de E-mail da Orvalha.\r\nO e-mail do "
                           "desenvolvedor é ") +
                PublisherContactEmail() + QStringLiteral("\r\n\r\n") + erro,
            MessageService::Kind::Warning);
    btnEnviar->setEnabled(true);
    lblStatus->hide();
}
