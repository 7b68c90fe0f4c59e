#pragma once

#include "model/EnderecoEtiqueta.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QSet>

// The label screen's address grid ("Repete", "Nome", "Rua", "Bairro",
// "Cidade", "UF") over the screen's collected list. Rows alternate white and
// pale green; a row picked into the selection with Ctrl is blue until the
// grid is drawn again. An empty list still shows one blank row.
class EtiquetasModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit EtiquetasModel(const QList<EnderecoEtiqueta> &enderecos, QObject *parent = nullptr);

    static QColor corLinhaImpar();
    static QColor corMarcada();

    // The list changed: drawn again, the blue marks cleared.
    void recarregar();
    void marcar(int linha);
    bool marcada(int linha) const { return m_marcadas.contains(linha); }
    // Rows that hold an address (the blank row of an empty list does not).
    int enderecos() const { return int(m_enderecos.size()); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QList<EnderecoEtiqueta> &m_enderecos;
    QSet<int> m_marcadas;
};
