#pragma once

#include "data/DbOperation.h"
#include "model/Resultado.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

class GradeRelModel;
class GroupList;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTabWidget;
class QTableView;

// What the individuals' and the companies' search lists share: the filter
// tabs over a result grid, the numbered filters with "ok" buttons, the link
// columns of the grid, exporting the persons listed, deleting with Ctrl+Shift on the name, changing with a
// double-click, the page "Acomp.html" and the help on F1. A search is one
// statement; a failed one shows its error and leaves list and grid empty
// together. After an entry screen or a deletion the last filter runs again.
class TfrRelPessoas : public QDialog {
    Q_OBJECT
public:
    ~TfrRelPessoas() override;

    // Runs filter `filtro`, rebuilds the list and redraws the grid.
    void Pesquisar(int filtro);
    void MostrarResultado();
    // Fills txtGrupo with every group ("0007 :: Amigos"); a failure leaves it
    // as it is, silently.
    void CarregarGrupos();
    // The filter last run, -1 before the first search.
    int UltimoFiltro() const { return m_ultimoFiltro; }

    QTableView *grade() const { return Grid; }
    GradeRelModel *modelo() const { return m_modelo; }

protected:
    TfrRelPessoas(const QString &titulo, QStringList cabecalhos, QList<int> colunasLink, QWidget *parent);

    // The filter's statement run into the screen's list, which is emptied
    // when it fails.
    virtual DbResult executar(int filtro) = 0;
    // What the user reads when a search failed.
    virtual QString mensagemDeErro(const DbResult &r) const = 0;
    virtual int quantidade() const = 0;
    virtual QString texto(int linha, int coluna) const = 0;
    virtual bool naGuia(int linha) const = 0;
    virtual QString nomeDe(int linha) const = 0;
    virtual Resultado excluir(int linha) = 0;
    // A click on a link column of a person's row.
    virtual void abrirColuna(int linha, int coluna) = 0;
    // The entry screen of the row's person, for change.
    virtual void abrirParaAlterar(int linha) = 0;
    virtual QStringList pagina() const = 0;
    // The identifiers of the persons the list holds, by kind, for the
    // contact export.
    virtual void escolhidos(QList<qint32> &fisicas, QList<qint32> &juridicas) const = 0;
    virtual QString paginaDeAjuda() const = 0;
    // A key pressed in the grid with this row current (-1: none).
    virtual void teclaNaGrade(int /*tecla*/, int /*linha*/) {}
    virtual void FormShow();

    // A tab with a grid of filter rows: label, field, "ok".
    QGridLayout *novaAba(const char *nome, const QString &titulo);
    // One filter row; `botao` may be null.
    void linha(QGridLayout *aba, const QString &rotulo, QWidget *campo, QPushButton *botao);
    QPushButton *botaoOk(const char *nome, int filtro);
    // Enter runs the filter.
    QLineEdit *edit(const char *nome, int filtro, int maximo = 0);
    // A drop-down list whose choice runs the filter (-1: none), drawn in the
    // lists' colours.
    QComboBox *lista(const char *nome, const QStringList &itens, int filtro);
    // A telephone: Enter always searches, "ok" only with something typed.
    QLineEdit *telefone(QGridLayout *aba, const char *edit, const char *botao, const QString &rotulo,
                        const QString &dica, int filtro);
    static QString dicaTelefone(const QString &primeiraLinha);

    // The "Nome" tab: precise and phonetic name, `extra` rows, first letter.
    void abaNome(int filtroNome, int filtroFonetico, int filtroLetra,
                 const std::function<void(QGridLayout *)> &extra = {});
    void abaEndereco(int rua, int bairro, int cidade, int estado, bool botaoExtraBairro);
    void abaGrupo(int filtro);
    // Lays the tabs, grid and lower panel out; the subclass has made its tabs.
    void montar();

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QTabWidget *PageControl = nullptr;
    QTableView *Grid = nullptr;
    QWidget *Panel22 = nullptr;
    QPushButton *btnImprimir = nullptr;
    QPushButton *btnExportar = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *edtNome = nullptr;
    QLineEdit *edtNomeF = nullptr;
    QComboBox *txtLetraIni = nullptr;
    QLineEdit *edtRua = nullptr;
    QLineEdit *edtBairro = nullptr;
    QLineEdit *edtCidade = nullptr;
    QComboBox *edtEstado = nullptr;
    GroupList *txtGrupo = nullptr;

private slots:
    void GridClick(const QModelIndex &index);
    void GridDblClick(const QModelIndex &index);
    void btnImprimirClick();
    void btnExportarClick();

private:
    GradeRelModel *m_modelo = nullptr;
    int m_ultimoFiltro = -1;
    bool m_mostrada = false;
};
