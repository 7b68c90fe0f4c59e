#pragma once

#include "model/PessoaResumo.h"

#include <QListView>

#include <vector>

class PessoasResumoModel;

// The telephone lists of the main window (emergency guide and search by
// name): one line per individual or company, drawn in the list's own style.
class ListaPessoasResumo : public QListView {
    Q_OBJECT
public:
    enum class Estilo {
        Emergencia, // large pictures; individuals in red, companies in blue
        Pesquisa,   // compact rows alternating white and money green
    };

    explicit ListaPessoasResumo(Estilo estilo, QWidget *parent = nullptr);

    void Definir(std::vector<PessoaResumo> entradas);
    void Limpar() { Definir({}); }
    int quantidade() const;
    const PessoaResumo *entrada(int linha) const;
    QString linha(int linha) const;

private:
    PessoasResumoModel *m_modelo;
};
