#pragma once

#include <QDialog>

class ContatosImportadosModel;
class GroupListModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

// "Importar Contatos": a vCard or CSV file chosen, its contacts shown in a
// preview grid (each to import or skip, sound-alikes and texts that cannot
// be stored marked, cells editable to mend them), then stored all together
// in one transaction, with a summary and a page of the skipped ones.
class TfrImportarContatos : public QDialog {
    Q_OBJECT
public:
    explicit TfrImportarContatos(const QString &login, QWidget *parent = nullptr);

    // Reads a file into the preview (the chooser's answer, or a test's).
    bool Abrir(const QString &arquivo);
    ContatosImportadosModel *modelo() const { return m_modelo; }

private slots:
    void btnAbrirClick();
    void btnPularSemelhantesClick();
    void btnImportarClick();
    void btnAjudaClick();
    void AtualizarEstado();

private:
    void criarControles();

    QPushButton *btnAbrir = nullptr;
    QLabel *lblArquivo = nullptr;
    QComboBox *cbxGrupo = nullptr;
    QCheckBox *chkCategorias = nullptr;
    QCheckBox *chkPublicas = nullptr;
    QPushButton *btnPularSemelhantes = nullptr;
    QTableView *GRID = nullptr;
    QLabel *lblResumo = nullptr;
    QProgressBar *pbProgresso = nullptr;
    QPushButton *btnImportar = nullptr;
    QPushButton *btnAjuda = nullptr;
    QPushButton *btnSair = nullptr;

    QString m_login;
    ContatosImportadosModel *m_modelo = nullptr;
    GroupListModel *m_grupos = nullptr;
};
