#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QToolButton;

// "Acesso Rápido -->> Pessoa Fisica": from one individual to the album, the
// finances and the history. Opened after a save with the person shown, or
// from the main window with the first page hidden to locate a person first.
//
// Opened by Telas::AcessoRapidoPF for a saved person (nothing opens for 0 or
// less) or Telas::AcessoRapidoPFSemPessoa (locate first). Its buttons open the
// album, finances and history of the person located; a button whose screen is
// not registered stays disabled.
class TfrAcessoRapidoPF : public QDialog {
    Q_OBJECT
public:
    explicit TfrAcessoRapidoPF(QWidget *parent = nullptr);

    // The saved person on the first page; false, with nothing taken, when
    // there is no such individual.
    bool MostrarPessoa(int identificador);
    // Only the page that locates a person.
    void OcultarDados();

    int identificador() const { return m_identificador; }

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void edtAcessoRapidoClick(bool checked);
    void btnLocalizarClick();
    void btnPessoasContatoClick();
    void SpeedButton1Click();
    void SpeedButton2Click();

private:
    void criarControles();
    bool pessoaLocalizada();

    int m_identificador = -1; // -1: no person located

    QTabWidget *PageControl1 = nullptr;
    QLabel *lblDados = nullptr;
    QPushButton *SpeedButton3 = nullptr;
    QLabel *lblDados_02 = nullptr;
    QPushButton *btnLocalizar = nullptr;
    QPushButton *btnFechar = nullptr;
    QToolButton *btnPessoasContato = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QCheckBox *edtAcessoRapido = nullptr;
};
