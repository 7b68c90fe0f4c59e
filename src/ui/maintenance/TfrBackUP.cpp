#include "ui/maintenance/TfrBackUP.h"

#include "app/ProgramFolder.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

TfrBackUP::TfrBackUP(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frBackUP"));
    setWindowTitle(QStringLiteral("Backup - Restore"));
    setModal(true);
    auto *texto = new QLabel(
        QStringLiteral(
            "A cópia de segurança e a restauração pelo programa ainda não estão disponíveis nesta versão.\n\n"
            "Com o programa fechado, copie o arquivo do banco de dados:\n") +
            ProgramPath(QStringLiteral("DB/Orvalha.FDB")),
        this);
    texto->setObjectName(QStringLiteral("lblAviso"));
    texto->setWordWrap(true);
    texto->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(texto);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}
