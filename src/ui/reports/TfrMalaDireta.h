#pragma once

#include "model/MalaDireta.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListView;
class QMenu;
class QProgressBar;
class QStringListModel;
class QPushButton;
class QShowEvent;
class QTextEdit;
class QToolButton;
class QVBoxLayout;

// What the two mail merge screens share: the template editor with its
// toolbar and placeholders, the attachments, and the run. The individuals'
// and the companies' screens add their choice of addressees.
class TfrMalaDireta : public QDialog {
    Q_OBJECT

public:
    // The RTF file the template was last opened from or saved to.
    const QString &ArquivoModelo() const { return m_arquivoModelo; }
    // Loads an RTF file into the editor; false, with the reason shown, when
    // it cannot be read.
    bool CarregarModelo(const QString &arquivo);

protected:
    TfrMalaDireta(MalaDireta::Tipo tipo, const QString &login, QWidget *parent);
    // Builds the controls; the subclass's addressee choice goes into `area`.
    void criarControles(QVBoxLayout *area);
    // The addressees the screen's controls choose.
    virtual MalaDireta::Escolha EscolhaAtual() const = 0;
    // Called on first show, after the groups are in txtGrupo.
    virtual void FormShow();

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QComboBox *txtGrupo = nullptr;

private slots:
    void btnAbrirClick();
    void btnSalvarClick();
    void btnSalvarComoClick();
    void btnNovoClick();
    void btnAlterarFonteClick();
    void InserirImagemClick();
    void IncluirAnexoClick();
    void JvArrowButton1Click();
    void MalaDiretaViaEmailClick();
    void DefinirAssuntoClick();

private:
    QString Titulo() const;
    bool Salvar(const QString &arquivo);
    void InserirDado(const QString &rotulo);
    void Gerar(bool email);
    void MostrarResumo(const QString &texto, int feitos, int total);

    MalaDireta::Tipo m_tipo;
    QString m_login;
    QString m_arquivoModelo;
    bool m_mostrada = false;
    int m_imagens = 0;

    QPushButton *btnAbrir = nullptr;
    QPushButton *btnSalvar = nullptr;
    QPushButton *btnSalvarComo = nullptr;
    QPushButton *btnAlterarFonte = nullptr;
    QPushButton *btnNovo = nullptr;
    QToolButton *btnInseriDados = nullptr;
    QTextEdit *Texto = nullptr;
    QPushButton *IncluirAnexo = nullptr;
    QListView *Anexos = nullptr;
    QStringListModel *m_anexos = nullptr;
    QCheckBox *edtApenasAnexo = nullptr;
    QFrame *pnlResumo = nullptr;
    QLabel *lblResumo = nullptr;
    QProgressBar *pbResumo = nullptr;
    QToolButton *JvArrowButton1 = nullptr;
};
