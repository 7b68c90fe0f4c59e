#pragma once

#include "model/PesquisaNome.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class GroupList;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class ResultadoPesquisaModel;

// What the two name-search panels share: the precise and phonetic name
// searches, the group search, the result grid and the pick by double-click.
// A search is one statement; its rows become the panel's list only when the
// whole statement succeeded, and a failed search empties list and grid, so
// the grid never shows persons the list does not hold.
class FramePesquisa : public QWidget {
    Q_OBJECT
public:
    // The search modes both panels have; the group mode differs per panel.
    static constexpr int ModoFonetico = 0;
    static constexpr int ModoNome = 3;

    ~FramePesquisa() override;

    // Position in the found list of the person picked by double-click, -1 for none.
    int IndiceEscolhido() const { return m_indiceEscolhido; }

    // Runs the search of `modo` and shows its result (one statement).
    void Pesquisar(int modo);
    // Redraws the grid from the found list.
    void MostrarResultado();
    // Fills txtGrupo with every group, none selected. A failure leaves it empty, silently.
    void CarregarGrupos();

    QTableView *grade() const { return Grid; }
    // The hints of the precise and of the phonetic name search.
    static QString DicaNome();
    static QString DicaFonetica();
    // The statement a mode runs (empty for a mode the panel does not have).
    QString comandoDe(int modo) const;

signals:
    // The grid was double-clicked (IndiceEscolhido is already set).
    void gradeDuploClique();

protected:
    FramePesquisa(QStringList cabecalhos, QWidget *parent);

    // Built by the constructor; the panels place them.
    QGroupBox *GroupBox1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *edtNome = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *edtNomeF = nullptr;
    QPushButton *SpeedButton4 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    GroupList *txtGrupo = nullptr;
    QPushButton *SpeedButton3 = nullptr;
    QTableView *Grid = nullptr;

    // Ties the controls to their handlers and lays them out; `extra` (the
    // nickname box) goes between the name and group boxes.
    void montar(QWidget *extra);

    virtual int modoGrupo() const = 0;
    // The search of a mode with what the user typed or chose (the login is
    // set by Pesquisar); none for a mode the panel does not have.
    virtual std::optional<PesquisaNome> pesquisa(int modo) const;
    // The statement of a search on the panel's kind; empty when it has none.
    virtual QString comando(PesquisaNome::Por criterio) const = 0;
    // Runs the search into the found list, which changes only when the
    // whole statement went through (and is emptied when it failed).
    virtual DbResult buscar(const PesquisaNome &pesquisa) = 0;

    virtual int quantidade() const = 0;
    virtual QString texto(int linha, int coluna) const = 0;
    virtual bool naGuia(int linha) const = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void SpeedButton1Click();
    void edtNomeKeyDown();
    void SpeedButton3Click();
    void txtGrupoCloseUp();
    void GridDblClick();
    void FrameEnter();

private:
    int m_indiceEscolhido = -1;
    int m_linhaClicada = -1; // the grid row under the double-click, -1 outside the rows
    ResultadoPesquisaModel *m_modelo = nullptr;
    QMetaObject::Connection m_foco;
};
