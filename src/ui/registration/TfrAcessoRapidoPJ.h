#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QToolButton;
class TPessoaJuridica;

// "Acesso Rápido -->> Pessoa Juridica": from one company to its contact
// persons, finances and history. Opened after a save with the company
// shown, or from the main window with the first page hidden to locate a
// company first.
//
// Opened by Telas::AcessoRapidoPJ for a saved company (nothing opens for 0 or
// less) or Telas::AcessoRapidoPJSemPessoa (locate first). Its buttons open the
// company's contacts, finances and history; a button whose screen is not
// registered stays disabled.
class TfrAcessoRapidoPJ : public QDialog {
    Q_OBJECT
public:
    explicit TfrAcessoRapidoPJ(QWidget *parent = nullptr);

    // The saved company on the first page; false, with nothing taken, when
    // there is no such company.
    bool MostrarPessoa(int identificador);
    // Only the page that locates a company.
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
    // The company of this identifier and the text "group :: name :: e-mail";
    // false when it is not stored.
    static bool carregar(int identificador, TPessoaJuridica &empresa, QString &resumo);
    bool empresaLocalizada();

    int m_identificador = -1; // -1: no company located

    QTabWidget *PageControl1 = nullptr;
    QLabel *lblDados = nullptr;
    QPushButton *btnFechar = nullptr;
    QLabel *lblDados_02 = nullptr;
    QPushButton *btnLocalizar = nullptr;
    QPushButton *SpeedButton3 = nullptr;
    QToolButton *btnPessoasContato = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QCheckBox *edtAcessoRapido = nullptr;
};
