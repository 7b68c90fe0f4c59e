#pragma once

#include "model/ItemHistorico.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// The history grid: "Data", "Texto", "Imagem"; rows alternate white and pale
// green, and the picture column reads "Ver  Imagem" in blue underlined text.
class HistoricoModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Coluna { ColData, ColTexto, ColImagem, NumColunas };

    using QAbstractTableModel::QAbstractTableModel;

    void setItens(QList<ItemHistorico> itens);
    const QList<ItemHistorico> &itens() const { return m_itens; }
    // nullptr outside the list
    const ItemHistorico *item(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<ItemHistorico> m_itens;
};
