#pragma once

#include "model/TPessoaFisica.h"
#include "util/DateTime.h"

#include <QListView>

#include <vector>

class AniversariantesModel;

// The birthday list of the main window: one line per individual, with a
// party picture for whoever has a birthday today (by day and month).
class ListaAniversariantes : public QListView {
    Q_OBJECT
public:
    explicit ListaAniversariantes(QWidget *parent = nullptr);

    // Replaces the records; `hoje` decides the pictures.
    void Definir(std::vector<TPessoaFisica> pessoas, TDateTime hoje);
    void Limpar();
    int quantidade() const;
    const TPessoaFisica *pessoa(int linha) const;
    bool fazAniversarioHoje(int linha) const;

private:
    AniversariantesModel *m_modelo;
};
