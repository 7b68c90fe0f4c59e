#pragma once

#include <QByteArray>
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QShowEvent;

// "Mostra Imagem...": the picture of one history entry, read when the window
// is shown. "Salvar Como..." writes the stored bytes as they are; "Limpar
// Imagem" removes the picture from the entry.
class TfrMostraImg : public QDialog {
    Q_OBJECT

public:
    explicit TfrMostraImg(qint32 identificador, QWidget *parent = nullptr);

    // The stored picture's bytes (empty: none).
    const QByteArray &Imagem() const { return m_bytes; }

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void btnSalvar_Em_DiscoClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void edtAjustaClick();

private:
    void mostrarImagem();

    qint32 m_identificador;
    QByteArray m_bytes;
    bool m_mostrada = false;

    QScrollArea *ScrollBox1 = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *btnSalvar_Em_Disco = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QPushButton *SpeedButton2 = nullptr;
    QCheckBox *edtAjusta = nullptr;
};
