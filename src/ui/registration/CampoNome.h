#pragma once

#include "data/DbOperation.h"

#include <QComboBox>
#include <QStringList>

#include <functional>

class QKeyEvent;
class QWheelEvent;

// The name field of the entry screens: an editable combo without a drop-down
// button and without automatic completion, whose list holds every distinct
// name the current user may see, stepped through with the arrow keys.
//
// The list is read the first time it is used (an arrow key, the wheel, the
// pop-up), not when the screen opens: with a hundred thousand persons that
// reading costs more than the rest of the screen, and most openings never
// step through the names.
class CampoNome : public QComboBox {
public:
    // Reads every name of the list, in the database's order; false leaves it empty.
    using Leitor = std::function<DbResult(QStringList &nomes)>;

    explicit CampoNome(QWidget *parent = nullptr);

    // The list is to be read again with `leitor` when next used; the text is emptied.
    void Esquecer(Leitor leitor);
    // Reads the list now unless it has been read; the typed text stays. A
    // failed reading leaves the list empty, to be tried again when next used.
    void CarregarLista();
    bool ListaCarregada() const { return m_carregada; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void showPopup() override;

private:
    Leitor m_leitor;
    bool m_carregada = false;
};
