#include "ui/session/TfrPrimeiroUsuario.h"

#include "app/Version.h"
#include "services/Desktop.h"
#include "ui/common/BlinkingLabel.h"
#include "util/TextUtils.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrPrimeiroUsuario::TfrPrimeiroUsuario(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frPrimeiroUsuario"));
    setWindowTitle(QStringLiteral("Ajuda"));
    setModal(true);

    auto *lblSaudacao = new QLabel(
        QStringLiteral(
            "Prezado(a) Usuário(a),\nEste aplicativo vem sendo continuamente desenvolvido desde agosto "
            "de 2003. Caso você sinta necessidade, por favor, peça-nos ajuda pelo e-mail ") +
            PublisherSupportEmail() + QStringLiteral(" que rapidamente lhe responderemos."),
        this);
    lblSaudacao->setObjectName(QStringLiteral("lblSaudacao"));
    lblSaudacao->setWordWrap(true);
    auto *lblNovo =
        new BlinkingLabel(QStringLiteral("Para ADICIONAR um novo usuário, por favor, clique no botão "
                                         "\"Adicionar Usuário(s)\" da janela anterior."),
                          this);
    lblNovo->setObjectName(QStringLiteral("lblNovo"));
    lblNovo->setWordWrap(true);
    auto *lblMensageiro = new QLabel(PublisherMessenger(), this);
    lblMensageiro->setObjectName(QStringLiteral("lblMensageiro"));

    auto *btnLerManual = new QPushButton(QStringLiteral("Ler o Manual (Formato PDF)"), this);
    btnLerManual->setObjectName(QStringLiteral("btnLerManual"));
    auto *btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setObjectName(QStringLiteral("btnSair"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnLerManual);
    buttons->addStretch();
    buttons->addWidget(btnSair);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSaudacao);
    layout->addSpacing(8);
    layout->addWidget(lblNovo);
    layout->addSpacing(8);
    layout->addWidget(lblMensageiro);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(460);

    connect(btnLerManual, &QPushButton::clicked, this, &TfrPrimeiroUsuario::btnLerManualClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrPrimeiroUsuario::btnLerManualClick()
{
    OpenWithShell(QStringLiteral("http://") + PublisherWebAddress());
}
