#pragma once

#include "model/TFoto.h"

#include <QByteArray>
#include <QDialog>
#include <QImage>
#include <QList>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QToolButton;
class TPessoaFisica;

// "Álbum": browses an individual's photos one at a time, in the order they
// were added. Only the list of identifiers and comments is kept; the shown
// photo's bytes are read when it is shown, and they are what "Salvar
// Alteração" and "Salvar Como" write, so a photo is never re-compressed.
//
// Opened by Telas::Album for an individual that exists (nothing opens
// otherwise); "Nova Imagem" opens Telas::InserirImagem.
class TfrAlbum : public QDialog {
    Q_OBJECT
public:
    explicit TfrAlbum(const TPessoaFisica &pessoa, QWidget *parent = nullptr);

    int posicao() const { return m_posicao; }
    int quantidade() const { return int(m_fotos.size()); }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void FormShow();
    // btnPrimeiro 1, btnAnterior 2, btnProximo 3, btnUltimo 4
    void Navegar(int tag);
    void ImagemDblClick();
    void btnExcluirClick();
    void btnAtualizarClick();
    void SpeedButton1Click();
    void btnNovaImagemClick();
    void edtAjustaClick();

private:
    void criarControles();
    void CarregarAlbum();
    void MostrarFoto();
    void mostrarImagem();
    bool temFotos() const { return !m_fotos.isEmpty(); }

    qint32 m_identificador = 0;
    QString m_nome;
    QString m_apelido;
    bool m_mostrado = false;

    QList<TFoto> m_fotos; // identifiers and comments, no pictures
    int m_posicao = -1;
    QByteArray m_bytes; // the shown picture as it is (or will be) stored
    QImage m_imagem;    // the shown picture, decoded

    QFrame *pnlImagem = nullptr;
    QLabel *lblPainel = nullptr;
    QLabel *Imagem = nullptr;
    QLabel *lblComentarios = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QToolButton *btnPrimeiro = nullptr;
    QToolButton *btnAnterior = nullptr;
    QToolButton *btnProximo = nullptr;
    QToolButton *btnUltimo = nullptr;
    QLabel *lblResumo = nullptr;
    QPushButton *btnExcluir = nullptr;
    QPushButton *btnAtualizar = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QPushButton *btnNovaImagem = nullptr;
    QPushButton *btnSair = nullptr;
    QCheckBox *edtAjusta = nullptr;
};
