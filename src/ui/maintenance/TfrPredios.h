#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;
class TPessoaFisica;

// "Repetindo Apartamentos": the entry screen opens it instead of inserting a
// new individual when Ctrl is held on saving. It generates one address
// complement per apartment of a building and inserts one copy of the
// individual per complement.
//
// Navigator: "TfrPredios" with args {"pessoa": QVariant::fromValue<void *>(p)},
// p a TPessoaFisica * filled from the entry screen, valid for the call. The
// record's Endereco.Complemento and Identificador are changed by a save.
class TfrPredios : public QDialog {
    Q_OBJECT
public:
    explicit TfrPredios(TPessoaFisica &pessoa, QWidget *parent = nullptr);

    // More lines than this in one go are refused with a message.
    static constexpr int kMaximoLinhas = 5000;

    // The complements of a building, blocks first, then floors, then numbers:
    // "Apto: 101 " with one block, "Apto: 101 Bloco: A" with more.
    static QStringList GerarComplementos(int inicial, int final, int andares, int incremento, int blocos,
                                         QChar blocoInicial);

    // Complements generated so far (the lines of Memo1).
    QStringList complementos() const { return m_linhas; }

private slots:
    void btnGerarClick();
    void btnGravaNoBancoDadosClick();

private:
    void criarControles();
    bool recusar(const QString &texto, QLineEdit *campo);

    TPessoaFisica &m_pessoa;
    QStringList m_linhas;

    QLineEdit *edtNroAptoInicial = nullptr;
    QLineEdit *edtNroAptoFinal = nullptr;
    QLineEdit *edtNumerodeAndares = nullptr;
    QLineEdit *edtNroDeBlocos = nullptr;
    QLineEdit *edtBlocoInicial = nullptr;
    QLineEdit *edtIncrementoPorAndar = nullptr;
    QPushButton *btnGerar = nullptr;
    QPushButton *Button1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QWidget *pnlGravar = nullptr;
    QPushButton *btnGravaNoBancoDados = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
};
