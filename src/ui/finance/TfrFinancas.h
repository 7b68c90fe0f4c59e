#pragma once

#include "model/ListaFinancas.h"
#include "model/PessoaFinancas.h"

#include <QDialog>

class FinancasModel;
class MoneyEdit;
class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QMenu;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QTableView;
class QToolButton;
class TPessoaFisica;
class TPessoaJuridica;

// "Finanças": the bills to pay and the amounts to receive of one individual or
// company (or, after "Entre Datas", of every person of that kind the user may
// see) due in a period, with their totals and balance. New entries are saved
// single or as a series of instalments; entries are changed, settled,
// re-typed and deleted from the grid; the list prints as "Financas.html".
class TfrFinancas : public QDialog {
    Q_OBJECT

public:
    explicit TfrFinancas(QWidget *parent = nullptr);
    ~TfrFinancas() override;

    // The person shown, loaded in full; sets the person kind too.
    void DefinirPessoa(const TPessoaFisica &pessoa);
    void DefinirPessoa(const TPessoaJuridica &empresa);

    bool TodasAsPessoas() const { return m_todas; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int resultado) override;

private slots:
    void FormShow();
    void btnSalvar_01Click();
    void btnCancelar_01Click();
    void GridClick(const QModelIndex &index);
    void GridDblClick(const QModelIndex &index);
    void GridMenu(const QPoint &posicao);
    void Aberto1Click();
    void Quitado1Click();
    void Exluir1Click();
    void AlterarParaAPagar1Click();
    void JvArrowButton1Click();
    void EntreDatas1Click();
    void btnImprimirClick();
    void btnPesquisarClick();

private:
    struct Pagina {
        QDateEdit *data = nullptr;
        MoneyEdit *valor = nullptr;
        QComboBox *forma = nullptr;
        QComboBox *situacao = nullptr;
        QPlainTextEdit *obs = nullptr;
        QComboBox *parcelar = nullptr;
        QLabel *login = nullptr;
        QLabel *status = nullptr;
    };
    QWidget *criarPagina(int indice, Pagina &p, QPushButton *&salvar, QPushButton *&cancelar);
    void criarControles();
    void MostrarCabecalho(const PessoaFinancas &pessoa);
    // Reads the list again; false (after the error) when it could not be read.
    bool Recarregar();
    void MesAtual();
    void DefinirStatus(const QString &texto);
    // The entry at the grid's current row, nullptr for none (an empty list).
    const LancamentoFinanca *LancamentoAtual() const;
    void AtualizarMenu(const LancamentoFinanca *lancamento);
    void Excluir(const LancamentoFinanca &lancamento);
    QString LoginAtual() const;

    int m_tipoPessoa = 0;
    PessoaFinancas m_pessoa;    // the person the screen was opened for
    PessoaFinancas m_escolhida; // in all-persons mode, the person of the row double-clicked
    double m_de = 0;
    double m_ate = 0;
    bool m_todas = false;
    qint32 m_alterando = -1; // ID_FINANCA of the entry being changed
    bool m_mostrada = false;

    FinancasModel *m_modelo = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    Pagina m_paginas[2];
    QPushButton *btnSalvar_01 = nullptr;
    QPushButton *btnCancelar_01 = nullptr;
    QPushButton *SpeedButton2 = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QTableView *Grid = nullptr;
    QLabel *Panel4 = nullptr;
    QPushButton *btnImprimir = nullptr;
    QLabel *pnlSaldos = nullptr;
    QToolButton *JvArrowButton1 = nullptr;
    QAction *EntreDatas1 = nullptr;
    QLabel *lblInfo = nullptr;
    QPushButton *btnPesquisar = nullptr;
    QMenu *POP_Menu = nullptr;
    QAction *Aberto1 = nullptr;
    QAction *Quitado1 = nullptr;
    QAction *Exluir1 = nullptr;
    QAction *AlterarParaAPagar1 = nullptr;
};
