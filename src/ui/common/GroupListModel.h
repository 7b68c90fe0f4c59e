#pragma once

#include "model/TGrupo.h"

#include <QAbstractListModel>
#include <QList>

class Database;

// The groups as the entry screens and the search frames list them, one
// item "0007 :: Amigos" per group in name order. The group code is kept
// with the item (CodigoRole); parsing it back from the text breaks at code
// 10000.
class GroupListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { CodigoRole = Qt::UserRole + 1, NomeRole };

    explicit GroupListModel(QObject *parent = nullptr);
    explicit GroupListModel(Database &db, QObject *parent = nullptr);

    // Reads the groups again, with one statement. A failure is rolled back
    // without a message and leaves the list empty; the caller decides what
    // to say.
    bool recarregar();

    const QList<TGrupo> &grupos() const { return m_grupos; }
    int codigo(int row) const;           // -1 outside the list
    int linhaDoCodigo(int codigo) const; // -1 when no such group

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    Database *m_db = nullptr;
    QList<TGrupo> m_grupos;
};
