#include "ui/reports/TfrMalaDiretaPF.h"

#include <QComboBox>
#include <QTabWidget>
#include <QVBoxLayout>

TfrMalaDiretaPF::TfrMalaDiretaPF(const QString &login, QWidget *parent)
    : TfrMalaDireta(MalaDireta::Tipo::PessoaFisica, login, parent)
{
    setObjectName(QStringLiteral("frMalaDiretaPF"));
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);

    auto *grupo = new QWidget(PageControl1);
    txtGrupo = new QComboBox(grupo);
    txtGrupo->setObjectName(QStringLiteral("txtGrupo"));
    (new QVBoxLayout(grupo))->addWidget(txtGrupo);
    PageControl1->addTab(grupo, QStringLiteral(":: Grupo ::"));

    auto *mes = new QWidget(PageControl1);
    txtMes = new QComboBox(mes);
    txtMes->setObjectName(QStringLiteral("txtMes"));
    txtMes->addItems({QStringLiteral("Janeiro"), QStringLiteral("Fevereiro"), QStringLiteral("Março"),
                      QStringLiteral("Abril"), QStringLiteral("Maio"), QStringLiteral("Junho"),
                      QStringLiteral("Julho"), QStringLiteral("Agosto"), QStringLiteral("Setembro"),
                      QStringLiteral("Outubro"), QStringLiteral("Novembro"), QStringLiteral("Dezembro")});
    (new QVBoxLayout(mes))->addWidget(txtMes);
    PageControl1->addTab(mes, QStringLiteral(":: Aniverssariantes ::"));

    auto *area = new QVBoxLayout;
    area->addWidget(PageControl1);
    criarControles(area);
}

MalaDireta::Escolha TfrMalaDiretaPF::EscolhaAtual() const
{
    MalaDireta::Escolha e;
    if (PageControl1->currentIndex() == 1) {
        e.modo = MalaDireta::Escolha::Modo::Aniversario;
        e.mes = txtMes->currentIndex() + 1;
    } else if (txtGrupo->currentIndex() > 0) {
        e.modo = MalaDireta::Escolha::Modo::Grupo;
        e.grupo = txtGrupo->currentData().toInt();
    }
    return e;
}
