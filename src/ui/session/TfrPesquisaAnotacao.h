#pragma once

#include "model/TAnotacao.h"

#include <QDialog>
#include <QList>
#include <QString>

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QToolButton;
class QWidget;

// "Pesquisa Anotações": finds the current user's diary notes by a word,
// optionally between two dates, shows them one at a time and prints them as
// the page "Anot.html" beside the program.
class TfrPesquisaAnotacao : public QDialog {
    Q_OBJECT

public:
    // `login` is the current user's login as stored.
    explicit TfrPesquisaAnotacao(const QString &login, QWidget *parent = nullptr);
    ~TfrPesquisaAnotacao() override;

    // The notes of the last search, in date order. They outlive the window:
    // opening it again shows their count until the next search.
    static QList<TAnotacao> NotasEncontradas;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void btnPesquisaClick();
    void SpeedButton1Click();
    void data_inCloseUp();
    void data_outCloseUp();
    void btnPrimeiroClick();
    void btnProximoClick();
    void btnAnteriorClick();
    void btnUltimoClick();
    void btnImpressaoClick();
    void ImprimirAtual1Click();

private:
    void criarControles();
    // comDatas: page 2's statement with its word and dates; otherwise page 1's.
    void Pesquisar(const QString &palavra, bool comDatas);
    void MostrarNota(int i);
    void HabilitarNavegacao(bool primeiro, bool anterior, bool proximo, bool ultimo);
    void Imprimir(bool todas);

    QString m_login;
    int NotaAtual = 0;
    QString m_palavraPesquisada; // the word of the last search made in this window

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QLineEdit *edtPesquisa = nullptr;
    QPushButton *btnPesquisa = nullptr;
    QLineEdit *edtTexto = nullptr;
    QDateEdit *data_in = nullptr;
    QDateEdit *data_out = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QPushButton *btnPrimeiro = nullptr;
    QPushButton *btnProximo = nullptr;
    QPushButton *btnAnterior = nullptr;
    QPushButton *btnUltimo = nullptr;
    QLabel *lblRes = nullptr;
    QPlainTextEdit *txtTexto = nullptr;
    QToolButton *btnImpressao = nullptr;
    QAction *ImprimirAtual1 = nullptr;
    bool m_shown = false;
};
