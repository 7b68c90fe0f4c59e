#pragma once

#include <QDialog>
#include <QList>

class GroupListModel;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

// "Exportar Contatos": the persons the user sees (all, one group's, or the
// ones chosen in a person list) written to a vCard 3.0 or a CSV file.
class TfrExportarContatos : public QDialog {
    Q_OBJECT
public:
    // `fisicas` and `juridicas`: the persons chosen in a list, offered as a
    // third choice when there are any.
    explicit TfrExportarContatos(const QString &login, QList<qint32> fisicas = {},
                                 QList<qint32> juridicas = {}, QWidget *parent = nullptr);

    // Writes the chosen persons to `arquivo`; false (reason shown) on failure.
    bool Exportar(const QString &arquivo);

private slots:
    void btnExportarClick();
    void btnAjudaClick();
    void AtualizarEstado();

private:
    void criarControles();

    QRadioButton *rbTodos = nullptr;
    QRadioButton *rbGrupo = nullptr;
    QRadioButton *rbEscolhidos = nullptr;
    QComboBox *cbxGrupo = nullptr;
    QRadioButton *rbVCard = nullptr;
    QRadioButton *rbCsv = nullptr;
    QCheckBox *chkFoto = nullptr;
    QPushButton *btnExportar = nullptr;
    QPushButton *btnAjuda = nullptr;
    QPushButton *btnSair = nullptr;

    QString m_login;
    QList<qint32> m_fisicas;
    QList<qint32> m_juridicas;
    GroupListModel *m_grupos = nullptr;
};
