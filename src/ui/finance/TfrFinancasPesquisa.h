#pragma once

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// "Impressão de Finanças": the entries of every individual and company the
// user may see, due in a range and filtered by name, notes, situation and
// type, written as "Financas.html" grouped by person with each person's
// monthly summary, a general summary and the balance.
class TfrFinancasPesquisa : public QDialog {
    Q_OBJECT

public:
    explicit TfrFinancasPesquisa(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void btnPesquisarClick();

private:
    QDateEdit *data_in = nullptr;
    QDateEdit *data_out = nullptr;
    QComboBox *edtSituacao_02 = nullptr;
    QComboBox *edtTipo_Operacao = nullptr;
    QLineEdit *edtNome = nullptr;
    QLineEdit *edtNomeF = nullptr;
    QPushButton *btnPesquisar = nullptr;
    QLabel *Label1 = nullptr;
};
