#pragma once

#include <QComboBox>

class Database;
class GroupListModel;

// The group choice of the entry screens ("0007 :: Amigos"). The code is read
// from the item, never from its text, so codes of 10000 and more work.
class GroupList : public QComboBox {
    Q_OBJECT
public:
    explicit GroupList(QWidget *parent = nullptr);
    explicit GroupList(Database &db, QWidget *parent = nullptr);

    // Fills the list again with one statement; the first group is then
    // selected (none when there are no groups). A failure is rolled back
    // without a message and leaves the list empty.
    bool recarregar();

    // The code of the selected group, -1 when none is selected.
    int codigoSelecionado() const;
    // Selects the group with this code; false (selection unchanged) when
    // the list has no such group.
    bool selecionarCodigo(int codigo);

    GroupListModel *grupos() const { return m_model; }

signals:
    // The selection changed to this group (-1: none).
    void grupoSelecionado(int codigo);

private:
    GroupList(GroupListModel *model, QWidget *parent);
    GroupListModel *m_model;
};
