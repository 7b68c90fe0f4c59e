#pragma once

#include "model/TContato_PJ.h"

#include <QDialog>
#include <QList>

class ContatosPJModel;
class MaskedEdit;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTableView;
class QVBoxLayout;
class QWidget;

// "Contato PJ": the contact persons of one company. The opener gives the
// company (DefinirEmpresa) and shows the screen; the user adds contacts,
// changes one picked from the grid with a double-click, deletes one with the
// Delete key or all of them, and prints the company's contact sheet.
//
// Registered as "TfrContatoPJ" {"identificador": company id, "nome": company
// name, "caption": window caption}.
class TfrContatoPJ : public QDialog {
    Q_OBJECT
public:
    explicit TfrContatoPJ(QWidget *parent = nullptr);

    void DefinirEmpresa(qint32 identificadorPJ, const QString &nomePJ);
    qint32 IdentificadorPJ() const { return m_identificadorPJ; }
    const QString &NomePJ() const { return m_nomePJ; }
    // true while a contact picked from the grid is being changed
    bool Alterando() const { return m_alterando; }
    const QList<TContato_PJ> &Contatos() const;

    // Reads the company's contacts again (one statement, in name and job
    // order) and redraws the grid; false, with the error shown, on failure.
    bool CarregarContatos();

    // Opens the screen for change of one contact of the company already
    // given: the contacts are read, the contact's fields filled and the
    // caption names it. False when the company has no such contact.
    bool AbrirParaAlterar(qint32 identificadorContato);

    static QString CaptionInserindo(const QString &nomePJ);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // What a save needs besides the name; the company registration asks for
    // a chosen company here.
    virtual bool PodeGravar() { return true; }
    virtual void FormShow();
    virtual void FormKeyDown(QKeyEvent *event);

    // The screen's layout, for a screen that adds its own boxes above.
    QVBoxLayout *layoutPrincipal() const { return m_layout; }
    void VoltarAInserir();

private slots:
    void btnEnviarClick();
    void SpeedButton1Click(); // "Cancelar"
    void SpeedButton2Click(); // "Excluir Todos"
    void btnSairClick();
    void btnImprimirClick();
    void GridDblClick();
    void GridKeyDown(QKeyEvent *event);

private:
    void criarControles();
    void MostrarContato(const TContato_PJ &contato);
    void MostrarGrade();

    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *edtNome = nullptr;
    QLineEdit *edtEmail = nullptr;
    QLineEdit *edtFuncao = nullptr;
    MaskedEdit *edtFone = nullptr;
    QLineEdit *edtRamal = nullptr;
    MaskedEdit *edtCelular = nullptr;
    QPlainTextEdit *edtObs = nullptr;
    MaskedEdit *edtDataNascimento = nullptr;
    QPushButton *btnEnviar = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QPushButton *SpeedButton2 = nullptr;
    QPushButton *btnSair = nullptr;
    QTableView *Grid = nullptr;
    QWidget *pnlImprimir = nullptr;
    QPushButton *btnImprimir = nullptr;
    QVBoxLayout *m_layout = nullptr;

    ContatosPJModel *m_grade = nullptr;
    TContato_PJ m_contato; // every save writes into this one
    qint32 m_identificadorPJ = 0;
    QString m_nomePJ;
    bool m_alterando = false;
};
