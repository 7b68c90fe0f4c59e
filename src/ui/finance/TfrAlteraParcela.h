#pragma once

#include "util/Money.h"

#include <QDialog>

class MoneyEdit;
class QDateEdit;
class QPushButton;

// "Altera Parcela": the amount and the due date of one instalment. The caller
// reads them back when Salvo() says the user saved.
class TfrAlteraParcela : public QDialog {
    Q_OBJECT

public:
    explicit TfrAlteraParcela(QWidget *parent = nullptr);

    void Definir(double data, Money valor);
    double Data() const;
    Money Valor() const;
    bool Salvo() const { return m_salvo; }

private slots:
    void btnSalvar_01Click();
    void btnCancelar_01Click();

private:
    MoneyEdit *edtValorParcela = nullptr;
    QDateEdit *edtData_01 = nullptr;
    QPushButton *btnSalvar_01 = nullptr;
    QPushButton *btnCancelar_01 = nullptr;
    bool m_salvo = false;
    Money m_valor;
};
