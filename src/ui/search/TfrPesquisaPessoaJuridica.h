#pragma once

#include "model/TPessoaJuridica.h"

#include <QDialog>

#include <optional>
#include <utility>

class QShowEvent;
class TFrame_Pesquisa_Juridica;

// "Pesquisa Pessoa Jurídica": a modal window around the companies' search
// panel; a double-click on the grid closes it with the company of that row.
//
// Openers use escolher(). Through the navigator ("TfrPesquisaPessoaJuridica")
// the window returns QDialog::Accepted when a company was picked and leaves
// that company's identifier in UltimoEscolhido (0 when nobody was picked).
class TfrPesquisaPessoaJuridica : public QDialog {
    Q_OBJECT
public:
    explicit TfrPesquisaPessoaJuridica(QWidget *parent = nullptr);

    TFrame_Pesquisa_Juridica *frame() const { return Frame_Pesquisa_Juridica1; }
    // The picked company, its complete record read from the database at the
    // pick, with one statement (the group's name is not read). Nothing when
    // the window closed otherwise, or when the company was deleted since the
    // search.
    std::optional<TPessoaJuridica> escolhido() const;

    // Shows the window modally and returns the picked company.
    static std::optional<TPessoaJuridica> escolher(QWidget *owner);

    // Identifier picked in the window the navigator opened last; 0: none.
    static qint32 UltimoEscolhido;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void Frame_Pesquisa_Juridica1GridDblClick();

private:
    TFrame_Pesquisa_Juridica *Frame_Pesquisa_Juridica1 = nullptr;
    // The record read for the last pick, by identifier: the pick and the
    // opener's call after the window closed read the row once.
    mutable std::optional<std::pair<qint32, std::optional<TPessoaJuridica>>> m_lida;
};
