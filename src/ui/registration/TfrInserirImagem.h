#pragma once

#include <QDialog>
#include <QImage>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TPessoaFisica;

// "Inserindo Imagem": adds photos to an individual's album. A double-click on
// the picture chooses the file; "Salvar" stores it with the comment and
// empties both, keeping the chosen path for another save.
//
// Opened by Telas::InserirImagem for an individual that exists (nothing opens
// otherwise).
class TfrInserirImagem : public QDialog {
    Q_OBJECT
public:
    explicit TfrInserirImagem(const TPessoaFisica &pessoa, QWidget *parent = nullptr);

    // The path of the chosen picture (kept after a save).
    const QString &caminho() const { return m_caminho; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void Image1DblClick();
    void btnSalvarClick();
    void edtAjustarClick();

private:
    void criarControles();
    void mostrarImagem();

    qint32 m_identificador = 0;
    QString m_nome;
    QString m_caminho;
    QImage m_imagem; // the chosen picture, decoded once for showing

    QFrame *pnlImagem = nullptr;
    QLabel *lblPainel = nullptr;
    QLabel *Image1 = nullptr;
    QGroupBox *grpObs = nullptr;
    QPlainTextEdit *edtObs = nullptr;
    QPushButton *btnSalvar = nullptr;
    QPushButton *btnSair = nullptr;
    QCheckBox *edtAjustar = nullptr;
};
