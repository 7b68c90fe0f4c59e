#include "ui/session/TfrNovoUsuario.h"

#include "model/TUsuario.h"
#include "services/Seams.h"
#include "ui/common/BlinkingLabel.h"
#include "ui/common/Help.h"
#include "util/DateTime.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString blank(const QLineEdit *e)
{
    return e->text().trimmed();
}
} // namespace

TfrNovoUsuario::TfrNovoUsuario(Modo modo, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frNovoUsuario"));
    setWindowTitle(QStringLiteral("Novo Usuário"));
    setModal(true);

    Label5 = new QLabel(QStringLiteral("Cadastro de Novo Usuário!"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont f = Label5->font();
    f.setPointSize(f.pointSize() + 3);
    f.setBold(true);
    Label5->setFont(f);
    Label5->setStyleSheet(QStringLiteral("color: #000080;"));

    auto edit = [this](const char *name, int max, bool password) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(max);
        if (password)
            e->setEchoMode(QLineEdit::Password);
        e->installEventFilter(this);
        return e;
    };
    edtLogin = edit("edtLogin", 10, false);
    edtSenha = edit("edtSenha", 10, true);
    edtConfirmaSenha = edit("edtConfirmaSenha", 10, true);
    edtEmail = edit("edtEmail", 100, false);
    edtEmail->setToolTip(QStringLiteral("Sua senha será enviada para este email, caso você a esqueça!!"));
    edtNome = edit("edtNome", 100, false);
    edtNome->setToolTip(QStringLiteral("Informe seu nome!"));
    edtTipoUsuario = new QCheckBox(QStringLiteral("Usuario podera inserir novos usuarios?"), this);
    edtTipoUsuario->setObjectName(QStringLiteral("edtTipoUsuario"));

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(QStringLiteral("Login"), edtLogin);
    form->addRow(QStringLiteral("Senha"), edtSenha);
    form->addRow(QStringLiteral("Confirma Senha"), edtConfirmaSenha);
    form->addRow(QStringLiteral("E-mail"), edtEmail);
    form->addRow(QStringLiteral("Nome"), edtNome);
    form->addRow(QString(), edtTipoUsuario);

    auto *nota = new BlinkingLabel(
        QStringLiteral("Sua senha será enviada para o email acima caso você a esqueça!!"), this);
    nota->setObjectName(QStringLiteral("lblNota"));
    nota->setAlignment(Qt::AlignCenter);

    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setAutoDefault(false);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setObjectName(QStringLiteral("btnSair"));
    btnSair->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnSair);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label5);
    layout->addSpacing(6);
    layout->addLayout(form);
    layout->addWidget(nota);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    edtLogin->setMinimumWidth(280);

    connect(btnOk, &QPushButton::clicked, this, &TfrNovoUsuario::btnOkClick);
    connect(btnSair, &QPushButton::clicked, this, &TfrNovoUsuario::btnSairClick);

    if (modo != Modo::Normal) {
        m_primeiro = true;
        edtTipoUsuario->setChecked(true);
        edtTipoUsuario->setEnabled(false);
        if (modo == Modo::PrimeiroUsuario) {
            setWindowTitle(QStringLiteral("Cadastro do Primeiro Usuário"));
            Label5->setText(QStringLiteral("Iniciando o uso da Quabelo!"));
        }
    }
}

bool TfrNovoUsuario::modoPrimeiroUsuario() const
{
    return m_primeiro;
}

void TfrNovoUsuario::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("novo_usuario.htm"));
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return; // Enter never closes the window by itself
    QDialog::keyPressEvent(event);
}

bool TfrNovoUsuario::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == edtLogin)
                edtSenha->setFocus();
            else if (watched == edtSenha)
                edtConfirmaSenha->setFocus();
            else if (watched == edtConfirmaSenha)
                edtEmail->setFocus();
            else if (watched == edtEmail || watched == edtNome)
                btnOkClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrNovoUsuario::btnOkClick()
{
    auto refuse = [](const QString &text, QLineEdit *field) {
        Seams::messages().show(text, MessageService::Kind::Warning);
        field->setFocus();
    };
    if (blank(edtLogin).isEmpty())
        return refuse(QStringLiteral("O campo LOGIN não pode ficar em branco!!"), edtLogin);
    if (blank(edtSenha).isEmpty())
        return refuse(QStringLiteral("O campo SENHA não pode ficar em branco!!"), edtSenha);
    if (blank(edtConfirmaSenha).isEmpty())
        return refuse(QStringLiteral("O campo CONFIRMA SENHA não pode ficar em branco!!"), edtConfirmaSenha);
    if (!IsValidEmailAddress(blank(edtEmail)))
        return refuse(QStringLiteral("O campo EMAIL não pode ficar em branco!!"), edtEmail);
    if (edtSenha->text() != edtConfirmaSenha->text())
        return refuse(QStringLiteral("Confirmação de SENHA inválida"), edtSenha);
    if (blank(edtNome).isEmpty())
        return refuse(QStringLiteral("O campo NOME não pode ficar em branco!!"), edtNome);

    TUsuario u;
    u.Login = edtLogin->text();
    u.Senha = ScrambleText(Win1252::toUpper(edtSenha->text()), 10);
    u.Email = edtEmail->text();
    u.Nome = edtNome->text();
    u.DataHora = QDateTimeToDateTime(Seams::clock().now());
    u.VerC = 1;
    u.IncC = 1;
    u.Tipo = edtTipoUsuario->isChecked() ? 1 : 0;
    if (u.Inserir() != Resultado::Gravado)
        return; // the message was shown; the typing stays for a correction
    m_ultimo = u.Login;
    if (m_primeiro) {
        accept();
        return;
    }
    for (QLineEdit *e : {edtLogin, edtSenha, edtConfirmaSenha, edtEmail, edtNome})
        e->clear();
    edtLogin->setFocus();
}

void TfrNovoUsuario::btnSairClick()
{
    reject();
}
