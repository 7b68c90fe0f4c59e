#include "ui/finance/TfrAlteraParcela.h"

#include "services/Seams.h"
#include "ui/common/MoneyEdit.h"
#include "ui/common/TeclasDeEntrada.h"
#include "util/DateTime.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TfrAlteraParcela::TfrAlteraParcela(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frAlteraParcela"));
    setWindowTitle(QStringLiteral("Altera Parcela"));
    setModal(true);

    edtValorParcela = new MoneyEdit(this);
    edtValorParcela->setObjectName(QStringLiteral("edtValorParcela"));
    edtData_01 = new QDateEdit(this);
    edtData_01->setObjectName(QStringLiteral("edtData_01"));
    edtData_01->setCalendarPopup(true);
    edtData_01->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    btnSalvar_01 = new QPushButton(QStringLiteral("Salvar"), this);
    btnSalvar_01->setObjectName(QStringLiteral("btnSalvar_01"));
    btnCancelar_01 = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar_01->setObjectName(QStringLiteral("btnCancelar_01"));

    auto *grade = new QGridLayout;
    auto *lblValor = new QLabel(QStringLiteral("Valor Parcela"), this);
    lblValor->setBuddy(edtValorParcela);
    auto *lblData = new QLabel(QStringLiteral("Vencimento Parcela"), this);
    lblData->setBuddy(edtData_01);
    grade->addWidget(lblValor, 0, 0);
    grade->addWidget(lblData, 0, 1);
    grade->addWidget(edtValorParcela, 1, 0);
    grade->addWidget(edtData_01, 1, 1);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnSalvar_01);
    botoes->addWidget(btnCancelar_01);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grade);
    layout->addLayout(botoes);
    TeclasDeEntrada::Aplicar(this, TeclasDeEntrada::Esc::Cancela);

    connect(btnSalvar_01, &QPushButton::clicked, this, &TfrAlteraParcela::btnSalvar_01Click);
    connect(btnCancelar_01, &QPushButton::clicked, this, &TfrAlteraParcela::btnCancelar_01Click);
}

void TfrAlteraParcela::Definir(double data, Money valor)
{
    edtData_01->setDate(DateTimeToQDate(data));
    edtValorParcela->setValue(valor);
    m_valor = valor;
}

double TfrAlteraParcela::Data() const
{
    return QDateToDateTime(edtData_01->date());
}

Money TfrAlteraParcela::Valor() const
{
    return m_valor;
}

void TfrAlteraParcela::btnSalvar_01Click()
{
    bool ok = false;
    const Money valor = edtValorParcela->value(&ok);
    if (!ok) {
        Seams::messages().show(QStringLiteral("Valor inválido! Use o formato 1.234,56."),
                               MessageService::Kind::Warning);
        edtValorParcela->setFocus();
        return;
    }
    m_valor = valor;
    m_salvo = true;
    accept();
}

void TfrAlteraParcela::btnCancelar_01Click()
{
    m_salvo = false;
    reject();
}
