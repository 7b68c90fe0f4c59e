#pragma once

#include "ui/search/FramePesquisa.h"

#include <QList>

// Finds companies visible to the current user by part of the name, by the
// sound of the name or by group, and lets the user pick one by
// double-clicking the grid.
class TFrame_Pesquisa_Juridica : public FramePesquisa {
    Q_OBJECT
public:
    static constexpr int ModoGrupo = 1;

    explicit TFrame_Pesquisa_Juridica(QWidget *parent = nullptr);

    // The companies of the last search, as the grid shows
    // them, in the statement's order. Empty after a failed search.
    const QList<PessoaEncontrada> &PessoasEncontradas() const { return m_pessoas; }

protected:
    int modoGrupo() const override { return ModoGrupo; }
    QString comando(PesquisaNome::Por criterio) const override;
    DbResult buscar(const PesquisaNome &pesquisa) override;
    int quantidade() const override { return int(m_pessoas.size()); }
    QString texto(int linha, int coluna) const override;
    bool naGuia(int linha) const override { return m_pessoas.at(linha).Guia == 1; }

private:
    QList<PessoaEncontrada> m_pessoas;
};
