#pragma once

#include "ui/search/FramePesquisa.h"

#include <QList>

// Finds individuals visible to the current user by part of the name, by the
// sound of the name, by part of the nickname or by group, and lets the user
// pick one by double-clicking the grid.
class TframePesquisaNome : public FramePesquisa {
    Q_OBJECT
public:
    static constexpr int ModoApelido = 1;
    static constexpr int ModoGrupo = 2;

    explicit TframePesquisaNome(QWidget *parent = nullptr);

    // The individuals of the last search, as the grid shows
    // them, in the statement's order. Empty after a failed search.
    const QList<PessoaEncontrada> &PessoasEncontradas() const { return m_pessoas; }

protected:
    int modoGrupo() const override { return ModoGrupo; }
    std::optional<PesquisaNome> pesquisa(int modo) const override;
    QString comando(PesquisaNome::Por criterio) const override;
    DbResult buscar(const PesquisaNome &pesquisa) override;
    int quantidade() const override { return int(m_pessoas.size()); }
    QString texto(int linha, int coluna) const override;
    bool naGuia(int linha) const override { return m_pessoas.at(linha).Guia == 1; }

private slots:
    void SpeedButton2Click();

private:
    QGroupBox *GroupBox2 = nullptr;
    QLineEdit *edtApelido = nullptr;
    QPushButton *SpeedButton2 = nullptr;

    QList<PessoaEncontrada> m_pessoas;
};
