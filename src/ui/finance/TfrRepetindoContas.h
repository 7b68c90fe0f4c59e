#pragma once

#include "model/TFinancas.h"

#include <QDialog>
#include <QList>

class MoneyEdit;
class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListView;
class QStringListModel;
class QPushButton;
class QShowEvent;
class QToolButton;

// Turns a new bill into a series of instalments, the amount split among them
// or repeated in each, due monthly or some days apart; single instalments can
// be corrected before saving. Nothing is written before "Salvar", and then
// the whole series or nothing.
class TfrRepetindoContas : public QDialog {
    Q_OBJECT

public:
    // `modelo` gives every instalment its person, kind, type, means, situation,
    // login, notes, and the total and first due date; the caller sets the caption.
    TfrRepetindoContas(const TFinancas &modelo, int quantidade, QWidget *parent = nullptr);

    const QList<TFinancas> &Serie() const { return m_serie; }

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void btnGerarNClick();
    void GerarsemDIVIDIRasparcelas1Click();
    void GerarsemDIVIDIRasparcelasnummesmodiadoms1Click();
    void Semprenomesmodiadoms1Click();
    void ListaParcelasDblClick();
    void btnSalvarClick();
    void SpeedButton1Click();

private:
    void Gerar(bool dividir, bool mensal);
    void MostrarSerie();

    TFinancas m_modelo;
    int m_quantidade;
    QList<TFinancas> m_serie;
    bool m_mostrada = false;

    MoneyEdit *edtValor_01 = nullptr;
    QLineEdit *edtNumeroParcelas = nullptr;
    MoneyEdit *edtValorParcela = nullptr;
    QDateEdit *edtData_01 = nullptr;
    QLineEdit *edtVencimentoProximas = nullptr;
    QToolButton *btnGerarN = nullptr;
    QAction *GerarsemDIVIDIRasparcelas1 = nullptr;
    QAction *GerarsemDIVIDIRasparcelasnummesmodiadoms1 = nullptr;
    QAction *Semprenomesmodiadoms1 = nullptr;
    QListView *ListaParcelas = nullptr;
    QStringListModel *m_linhas = nullptr;
    QLabel *lblSomatorioParcelas = nullptr;
    QPushButton *btnSalvar = nullptr;
    QPushButton *SpeedButton1 = nullptr;
};
