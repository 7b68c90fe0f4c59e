#include "ui/session/TfrRemoverUsuarios.h"

#include "data/TDM.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "ui/common/Help.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrRemoverUsuarios::TfrRemoverUsuarios(const QString &administrador, QWidget *parent)
    : QDialog(parent), m_administrador(administrador)
{
    setObjectName(QStringLiteral("frRemoverUsuarios"));
    setWindowTitle(QStringLiteral("Lista de Usuário"));
    setModal(true);

    edtUsuarios = new QListWidget(this);
    edtUsuarios->setObjectName(QStringLiteral("edtUsuarios"));
    QFont mono = edtUsuarios->font();
    mono.setFamily(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    edtUsuarios->setFont(mono); // the padded logins line up
    edtUsuarios->setMinimumSize(420, 260);

    btnOK = new QPushButton(QStringLiteral("&Excluir"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnSair = new QPushButton(QStringLiteral("&Fechar"), this);
    btnSair->setObjectName(QStringLiteral("btnSair"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnSair);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(edtUsuarios);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TfrRemoverUsuarios::btnOKClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    // ticked entries in red
    connect(edtUsuarios, &QListWidget::itemChanged, this, [](QListWidgetItem *item) {
        item->setForeground(item->checkState() == Qt::Checked ? QColor(Qt::red) : QColor(Qt::black));
    });
    FormShow();
}

void TfrRemoverUsuarios::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("remove_usuarios.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrRemoverUsuarios::FormShow()
{
    edtUsuarios->clear();
    QList<TUsuario> usuarios;
    const DbResult r = TUsuario::Outros(BancoDados(), m_administrador, usuarios);
    // a list read only in part must not be taken for all the users
    if (!r) {
        Seams::messages().show(r.error, MessageService::Kind::Error);
        return;
    }
    for (const TUsuario &u : std::as_const(usuarios)) {
        auto *item = new QListWidgetItem(
            u.Login.leftJustified(10, QLatin1Char(' ')) + QStringLiteral(" - ") + u.Nome, edtUsuarios);
        item->setData(LoginRole, u.Login);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void TfrRemoverUsuarios::btnOKClick()
{
    QStringList logins;
    for (int i = 0; i < edtUsuarios->count(); ++i)
        if (edtUsuarios->item(i)->checkState() == Qt::Checked)
            logins << edtUsuarios->item(i)->data(LoginRole).toString();
    for (const QString &login : std::as_const(logins)) {
        TUsuario usuario;
        usuario.Login = login;
        const DbResult r = usuario.Excluir();
        if (!r.ok)
            Seams::messages().show(
                QStringLiteral("Exitem pessoas fisicas, jurídicas ou de contato cadastradas por essa pessoa. "
                               "Para excluir o login \"") +
                    login + QStringLiteral("\" você deverá excluir essas informações primeiro."),
                MessageService::Kind::Warning);
    }
    FormShow();
}
