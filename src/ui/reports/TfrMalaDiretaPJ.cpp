#include "ui/reports/TfrMalaDiretaPJ.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

TfrMalaDiretaPJ::TfrMalaDiretaPJ(const QString &login, QWidget *parent)
    : TfrMalaDireta(MalaDireta::Tipo::PessoaJuridica, login, parent)
{
    setObjectName(QStringLiteral("frMalaDiretaPJ"));
    txtGrupo = new QComboBox(this);
    txtGrupo->setObjectName(QStringLiteral("txtGrupo"));
    auto *rotulo = new QLabel(QStringLiteral("Grupo"), this);
    rotulo->setBuddy(txtGrupo);
    auto *area = new QVBoxLayout;
    area->addWidget(rotulo);
    area->addWidget(txtGrupo);
    area->addStretch(1);
    criarControles(area);
}

MalaDireta::Escolha TfrMalaDiretaPJ::EscolhaAtual() const
{
    MalaDireta::Escolha e;
    if (txtGrupo->currentIndex() > 0) {
        e.modo = MalaDireta::Escolha::Modo::Grupo;
        e.grupo = txtGrupo->currentData().toInt();
    }
    return e;
}
