#pragma once

#include "model/TPessoaFisica.h"

#include <QDialog>

#include <optional>
#include <utility>

class QShowEvent;
class TframePesquisaNome;

// "Pesquisa Pessoa Física": a modal window around the individuals' search
// panel; a double-click on the grid closes it with the person of that row.
//
// Openers use escolher(), other screens Telas::EscolherPessoaFisica, which gives
// the identifier picked (0: nobody) and leaves it in UltimoEscolhido.
class TfrPesquisaPessoaFisica : public QDialog {
    Q_OBJECT
public:
    explicit TfrPesquisaPessoaFisica(QWidget *parent = nullptr);

    TframePesquisaNome *frame() const { return framePesquisaNome1; }
    // The picked individual, its complete record (group name included) read
    // from the database at the pick, with one statement. Nothing when the
    // window closed otherwise, or when the person was deleted (or its group
    // removed) since the search.
    std::optional<TPessoaFisica> escolhido() const;

    // Shows the window modally and returns the picked individual.
    static std::optional<TPessoaFisica> escolher(QWidget *owner);

    // Identifier picked in the window the navigator opened last; 0: none.
    static qint32 UltimoEscolhido;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void framePesquisaNome1GridDblClick();

private:
    TframePesquisaNome *framePesquisaNome1 = nullptr;
    // The record read for the last pick, by identifier: the pick and the
    // opener's call after the window closed read the row once.
    mutable std::optional<std::pair<qint32, std::optional<TPessoaFisica>>> m_lida;
};
