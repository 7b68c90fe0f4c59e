#pragma once

#include "model/ListaFones.h"

#include <QDialog>
#include <QString>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QShowEvent;
class QTabWidget;

// "Impressão de Telefones": the telephone lists of the individuals and/or
// companies the login may see, written as a page beside the program and
// opened in the browser for printing (by group, district, birthday month,
// name, or with history and contact persons).
class TfrFones : public QDialog {
    Q_OBJECT

public:
    explicit TfrFones(const QString &login, QWidget *parent = nullptr);

    // The kind chosen in txtTipoPessoa: 0 individuals, 1 companies, 2 both.
    int TipoPessoa() const;
    void DefinirTipoPessoa(int tipo);

    // The request a button makes, with everything the screen holds.
    ListaFones::Pedido MontarPedido(ListaFones::Lista lista) const;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int resultado) override;

private slots:
    void FormShow();
    void PageControlChange(int pagina);
    void btnImprimirClick();
    void btnTodosEmOrdemAlfabeticaClick();
    void SpeedButton2Click();
    void btnImprimirGrupoClick();
    void btnBairroClick();
    void btnMesClick();
    void SpeedButton1Click();

private:
    void criarControles();
    void Imprimir(ListaFones::Lista lista);

    QString m_login;
    int m_pagina = 0; // the page shown before a change
    bool m_mostrada = false;

    QGroupBox *txtTipoPessoa = nullptr;
    QButtonGroup *m_tipos = nullptr;
    QCheckBox *edtEndereco = nullptr;
    QCheckBox *edtContatos = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QPushButton *btnImprimir = nullptr;
    QPushButton *btnTodosEmOrdemAlfabetica = nullptr;
    QPushButton *SpeedButton2 = nullptr;
    QComboBox *txtGrupo = nullptr;
    QPushButton *btnImprimirGrupo = nullptr;
    QLineEdit *edtBairro = nullptr;
    QPushButton *btnBairro = nullptr;
    QComboBox *txtMes = nullptr;
    QCheckBox *txtData = nullptr;
    QPushButton *btnMes = nullptr;
    QLineEdit *edtNome = nullptr;
    QDateEdit *data_in = nullptr;
    QDateEdit *data_out = nullptr;
    QCheckBox *edtApenasComHistorico = nullptr;
    QPushButton *SpeedButton1 = nullptr;
};
