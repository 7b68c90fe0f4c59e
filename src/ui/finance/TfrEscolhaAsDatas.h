#pragma once

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QPushButton;

// "Escolha as Datas": a pair of dates (and, where the caller shows it, the
// "all persons" check box). The caller reads them after the dialog closes,
// however it was closed.
class TfrEscolhaAsDatas : public QDialog {
    Q_OBJECT

public:
    // data_in starts ten days before today, data_out today.
    explicit TfrEscolhaAsDatas(QWidget *parent = nullptr);

    // Day numbers from 30/12/1899 (dates only).
    double DataInicial() const;
    double DataFinal() const;
    void DefinirDatas(double inicial, double final);
    bool TodasAsPessoas() const;
    // edtPessoas is hidden unless the caller shows it.
    void MostrarTodasAsPessoas(bool mostrar);

private slots:
    void SpeedButton1Click();

private:
    QDateEdit *data_in = nullptr;
    QDateEdit *data_out = nullptr;
    QCheckBox *edtPessoas = nullptr;
    QPushButton *SpeedButton1 = nullptr;
};
