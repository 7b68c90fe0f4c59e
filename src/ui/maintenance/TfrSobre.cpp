#include "ui/maintenance/TfrSobre.h"

#include "app/ProgramFolder.h"
#include "app/Version.h"
#include "data/ServidorRede.h"
#include "data/TDM.h"
#include "model/TPessoaFisica.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "ui/common/AppIcon.h"
#include "util/PaginaHtml.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrSobre::TfrSobre(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frSobre"));
    setWindowTitle(QStringLiteral("Sobre o Sistema"));
    setModal(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(AppIcon().pixmap(64, 64));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1 = new QLabel(QStringLiteral("Quabelo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont grande = Label1->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.8);
    grande.setBold(true);
    Label1->setFont(grande);
    Label2 = new QLabel(QStringLiteral("Versão ") + ProgramVersion(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    // on a server of the network the place is the server's, not this desktop's folder
    const ServidorRede servidor = ServidorRede::Ler();
    const bool emRede = TDM::instance() ? TDM::instance()->EmRede() : servidor.ativo();
    lblHint = new QLabel(emRede ? QStringLiteral("Versão em REDE :: ") + servidor.descricao()
                                : QStringLiteral("Versão DeskTop :: ") +
                                      QDir::toNativeSeparators(ProgramPath(QStringLiteral("DB/"))),
                         this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblHP = new QLabel(QStringLiteral("<a href=\"#\">") + PublisherWebAddress().toHtmlEscaped() +
                           QStringLiteral("</a>"),
                       this);
    lblHP->setObjectName(QStringLiteral("lblHP"));
    lblHP->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lblHP->setCursor(Qt::PointingHandCursor);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    // Enter is the administrative command's key: no button may take it
    OKButton->setAutoDefault(false);
    OKButton->setDefault(false);

    auto *grade = new QGridLayout;
    grade->addWidget(Image1, 0, 0, 3, 1);
    grade->addWidget(Label1, 0, 1);
    grade->addWidget(Label2, 1, 1);
    grade->addWidget(lblHint, 2, 1);
    grade->setColumnStretch(1, 1);
    grade->setHorizontalSpacing(16);
    auto *baixo = new QHBoxLayout;
    baixo->addWidget(lblHP);
    baixo->addStretch();
    baixo->addWidget(OKButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grade);
    layout->addSpacing(12);
    layout->addLayout(baixo);

    connect(lblHP, &QLabel::linkActivated, this, &TfrSobre::lblHPClick);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrSobre::lblHPClick()
{
    Seams::shell().open(EnderecoHomePage(PublisherWebAddress()));
}

void TfrSobre::keyReleaseEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers().testFlag(Qt::ShiftModifier)) {
        TornarPublicas();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void TfrSobre::TornarPublicas()
{
    const TUsuario *u = TUsuario::atual();
    if (!u)
        return;
    if (!Seams::messages().confirm(
            QStringLiteral("Este prcedimento deixará todas as pessoas da base de dados "
                           "marcadas como acessíveis a todos!\r\nDeseja Continuar?")))
        return;
    int pessoas = 0;
    QString erro;
    if (TPessoaFisica().TornarPublicas(u->Login, &pessoas, &erro) != Resultado::Gravado) {
        Seams::messages().show(QStringLiteral("Não foi possível tornar as pessoas acessíveis a todos.\r\n") +
                                   erro,
                               MessageService::Kind::Error);
        return;
    }
    Seams::messages().show(QStringLiteral("%1 pessoa(s) do login %2 agora estão acessíveis a todos.")
                               .arg(pessoas)
                               .arg(u->Login));
}
