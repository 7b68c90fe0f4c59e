#pragma once

#include <QDialog>

class GroupListModel;
class QKeyEvent;
class QLineEdit;
class QModelIndex;
class QShowEvent;
class QStandardItemModel;
class QTableView;
class QToolButton;

// "Grupo de Contatos": lists the groups and creates, renames and deletes
// them. The entry screens open it from their new-group button and fill
// their group lists again when it closes.
class TfrGrupos : public QDialog {
    Q_OBJECT
public:
    explicit TfrGrupos(QWidget *parent = nullptr);

    // The question of both delete paths: the database deletes the group's
    // persons with it.
    static QString perguntaExcluir();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void FormShow();
    void FormKeyDown(QKeyEvent *event);
    void btnNovoClick(); // also "Alterar" and "Excluir": the button's tag is the pending operation
    void btnGravarClick();
    void btnCancelarClick();
    void btnSairClick();
    void GRIDDblClick(const QModelIndex &index);
    void GRIDKeyDown(QKeyEvent *event);

private:
    enum Operacao { Nenhuma = 0, Novo = 1, Alterar = 2, Excluir = 3 };

    void criarControles();
    void Carregar();
    void MostrarGrade();
    void Alternar(bool edicao);

    QToolButton *btnNovo = nullptr;
    QToolButton *btnAlterar = nullptr;
    QToolButton *btnGravar = nullptr;
    QToolButton *btnCancelar = nullptr;
    QToolButton *btnExcluir = nullptr;
    QToolButton *btnSair = nullptr;
    QLineEdit *edtNomeGrupo = nullptr;
    QTableView *GRID = nullptr;

    GroupListModel *m_grupos = nullptr; // as last loaded
    QStandardItemModel *m_grade = nullptr;
    int m_operacao = Nenhuma;
    int m_codigo = 0; // picked by double-click; -1 after showing, 0 after a cancel or an operation
};
