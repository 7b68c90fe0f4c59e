#pragma once

#include "model/ListaFinancas.h"

#include <QAbstractTableModel>
#include <QList>

// The finance grid: "Data", "Valor", "Observação" (or "Nome" when every
// person is listed) and "Situação". With no entries it shows one empty row.
// Receivables are blue, payables red, every second entry on light green; the
// entry being changed is light blue.
class FinancasModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Coluna { ColData, ColValor, ColObs, ColSituacao, NumColunas };

    using QAbstractTableModel::QAbstractTableModel;

    void setLista(QList<LancamentoFinanca> lista, bool todasAsPessoas);
    const QList<LancamentoFinanca> &lista() const { return m_lista; }
    // nullptr for the empty row and outside the list
    const LancamentoFinanca *lancamento(int row) const;
    // The row drawn light blue, -1 for none.
    void destacar(int row);
    int linhaDe(qint32 idFinanca) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<LancamentoFinanca> m_lista;
    bool m_todas = false;
    int m_destaque = -1;
};
