#include "ui/session/TfrConexaoRede.h"

#include "data/ServidorRede.h"
#include "data/TDM.h"
#include "services/Seams.h"
#include "ui/common/Help.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const QString kAjuda = QStringLiteral("rede.htm");
}

TfrConexaoRede::TfrConexaoRede(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frConexaoRede"));
    setWindowTitle(QStringLiteral(":: Banco de Dados em Rede ::"));

    chkRede = new QCheckBox(QStringLiteral("Usar o banco de dados de um servidor da rede"), this);
    chkRede->setObjectName(QStringLiteral("chkRede"));
    edtHost = new QLineEdit(this);
    edtHost->setObjectName(QStringLiteral("edtHost"));
    edtHost->setMaxLength(255);
    edtPorta = new QSpinBox(this);
    edtPorta->setObjectName(QStringLiteral("edtPorta"));
    edtPorta->setRange(1, 65535);
    edtBanco = new QLineEdit(this);
    edtBanco->setObjectName(QStringLiteral("edtBanco"));
    edtBanco->setMaxLength(255);
    edtBanco->setMinimumWidth(320);
    edtUsuario = new QLineEdit(this);
    edtUsuario->setObjectName(QStringLiteral("edtUsuario"));
    edtUsuario->setMaxLength(63);
    edtSenha = new QLineEdit(this);
    edtSenha->setObjectName(QStringLiteral("edtSenha"));
    edtSenha->setEchoMode(QLineEdit::Password);
    edtSenha->setMaxLength(63);

    btnTestar = new QPushButton(QStringLiteral("&Testar Conexão"), this);
    btnTestar->setObjectName(QStringLiteral("btnTestar"));
    btnGravar = new QPushButton(QStringLiteral("&Gravar"), this);
    btnGravar->setObjectName(QStringLiteral("btnGravar"));
    btnCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnAjuda = new QPushButton(QStringLiteral("A&juda"), this);
    btnAjuda->setObjectName(QStringLiteral("btnAjuda"));
    for (QPushButton *b : {btnTestar, btnGravar, btnCancelar, btnAjuda})
        b->setAutoDefault(false);

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("Servidor (nome ou IP)"), edtHost);
    campos->addRow(QStringLiteral("Porta"), edtPorta);
    campos->addRow(QStringLiteral("Banco de dados no servidor"), edtBanco);
    campos->addRow(QStringLiteral("Usuário do servidor"), edtUsuario);
    campos->addRow(QStringLiteral("Senha do servidor"), edtSenha);
    auto *dica = new QLabel(QStringLiteral("Sem servidor, o programa usa o banco de dados da pasta DB, "
                                           "ao lado do programa."),
                            this);
    dica->setWordWrap(true);
    dica->setStyleSheet(QStringLiteral("color: #606060;"));
    auto *botoes = new QHBoxLayout;
    botoes->addWidget(btnTestar);
    botoes->addStretch();
    botoes->addWidget(btnGravar);
    botoes->addWidget(btnCancelar);
    botoes->addWidget(btnAjuda);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(chkRede);
    layout->addLayout(campos);
    layout->addWidget(dica);
    layout->addLayout(botoes);

    const ServidorRede s = ServidorRede::Ler();
    chkRede->setChecked(s.ativo());
    edtHost->setText(s.host);
    edtPorta->setValue(s.porta);
    edtBanco->setText(s.banco);
    edtUsuario->setText(s.usuario);
    edtSenha->setText(s.senha);
    chkRedeClick();

    connect(chkRede, &QCheckBox::toggled, this, &TfrConexaoRede::chkRedeClick);
    connect(btnTestar, &QPushButton::clicked, this, &TfrConexaoRede::btnTestarClick);
    connect(btnGravar, &QPushButton::clicked, this, &TfrConexaoRede::btnGravarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnAjuda, &QPushButton::clicked, this, [] { OpenHelp(kAjuda); });
}

void TfrConexaoRede::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(kAjuda);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrConexaoRede::chkRedeClick()
{
    const bool rede = chkRede->isChecked();
    for (QWidget *w :
         std::initializer_list<QWidget *>{edtHost, edtPorta, edtBanco, edtUsuario, edtSenha, btnTestar})
        w->setEnabled(rede);
}

ServidorRede TfrConexaoRede::LerCampos() const
{
    ServidorRede s;
    if (chkRede->isChecked())
        s.host = edtHost->text().trimmed();
    s.porta = edtPorta->value();
    s.banco = edtBanco->text().trimmed();
    s.usuario = edtUsuario->text().trimmed();
    s.senha = edtSenha->text();
    return s;
}

void TfrConexaoRede::btnTestarClick()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString erro = LerCampos().Testar();
    QApplication::restoreOverrideCursor();
    if (erro.isEmpty())
        Seams::messages().show(QStringLiteral("Conexão bem sucedida com o banco de dados \"") +
                               LerCampos().descricao() + QStringLiteral("\"."));
    else
        Seams::messages().show(erro, MessageService::Kind::Warning);
}

void TfrConexaoRede::btnGravarClick()
{
    const ServidorRede s = LerCampos();
    if (chkRede->isChecked()) {
        if (s.host.isEmpty()) {
            Seams::messages().show(QStringLiteral("Informe o nome ou o endereço do servidor."),
                                   MessageService::Kind::Warning);
            edtHost->setFocus();
            return;
        }
        if (s.banco.isEmpty()) {
            Seams::messages().show(QStringLiteral("Informe o caminho do banco de dados no servidor."),
                                   MessageService::Kind::Warning);
            edtBanco->setFocus();
            return;
        }
    }
    if (!s.Gravar()) {
        Seams::messages().show(
            QStringLiteral("Não foi possível gravar as configurações de rede no arquivo "
                           "Orvalha.ini.\r\nVerifique se o arquivo pode ser alterado e se os "
                           "campos não têm caracteres especiais."),
            MessageService::Kind::Error);
        return;
    }
    // the new place takes effect at once: the login list comes from there
    if (TDM *dm = TDM::instance()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QString erro;
        const bool ok = dm->ConectarDeNovo(&erro);
        QApplication::restoreOverrideCursor();
        if (!ok) {
            Seams::messages().show(erro, MessageService::Kind::Error);
            return;
        }
    }
    accept();
}
