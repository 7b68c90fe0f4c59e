#pragma once

#include "model/TPessoa_.h"

#include <QDialog>
#include <QList>

class GradeRelModel;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTabWidget;
class QTableView;

// "Pesquisa Pessoa Jurídica, Fisica e Contato": individuals, companies and
// the companies' contact persons in one grid sorted by name, found by part
// of the name, first letter, month of birth or group. A double-click opens
// the entry screen of the row's kind for change; the list is not read again
// afterwards. "Exportar Contatos", shown while the list has rows, offers its
// individuals and companies (not the contact persons) to the contact export.
// The active tab is kept in [RelTotal] PageControl.
class TfrRelPTotal : public QDialog {
    Q_OBJECT
public:
    explicit TfrRelPTotal(QWidget *parent = nullptr);
    ~TfrRelPTotal() override;

    // Runs search kind `busca` (a PesquisaRelPTotal::Tipo) and redraws the grid.
    void Pesquisar(int busca);
    void MostrarResultado();
    // The group names in txtGrupo, each with its code; a failure is silent.
    void CarregarGrupos();

    const QList<TPessoa_> &PessoasEncontradas() const { return m_linhas; }
    QTableView *grade() const { return GRIDPF; }
    GradeRelModel *modelo() const { return m_modelo; }

protected:
    void showEvent(QShowEvent *event) override;
    void done(int resultado) override;

private slots:
    void FormShow();
    void GRIDPFDblClick(const QModelIndex &index);
    void btnExportarClick();

private:
    QString texto(int linha, int coluna) const;

    QTabWidget *PageControl = nullptr;
    QLineEdit *edtNome = nullptr;
    QComboBox *txtLetraIni = nullptr;
    QComboBox *txtMes = nullptr;
    QComboBox *txtGrupo = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QTableView *GRIDPF = nullptr;
    QWidget *Panel22 = nullptr;
    QPushButton *btnExportar = nullptr;
    GradeRelModel *m_modelo = nullptr;

    QList<TPessoa_> m_linhas;
    bool m_mostrada = false;
};
