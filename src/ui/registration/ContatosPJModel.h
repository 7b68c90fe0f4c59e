#pragma once

#include "model/TContato_PJ.h"

#include <QAbstractTableModel>
#include <QList>

// The contacts of one company as the contact screens' grid shows them:
// "Nome", "Função" and "Fone" (the telephone in its display form), one row
// per contact in the order they were read.
class ContatosPJModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ContatosPJModel(QObject *parent = nullptr);

    void definir(QList<TContato_PJ> contatos);
    const QList<TContato_PJ> &contatos() const { return m_contatos; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<TContato_PJ> m_contatos;
};
