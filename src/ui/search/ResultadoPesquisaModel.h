#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <functional>

// The result grid of the name searches: five columns over the frame's list
// of found persons, read cell by cell so 100,000 rows cost nothing until
// they are scrolled into view. An empty list still shows one blank row.
class ResultadoPesquisaModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Fonte {
        std::function<int()> quantidade;
        std::function<QString(int linha, int coluna)> texto;
        std::function<bool(int linha)> naGuia; // GUIA = 1: drawn pale red
    };

    ResultadoPesquisaModel(QStringList cabecalhos, Fonte fonte, QObject *parent = nullptr);

    static QColor corCabecalho();  // blue, with bold white text
    static QColor corLinhaPar();   // white: first, third... row
    static QColor corLinhaImpar(); // pale green
    static QColor corGuia();       // pale red

    // The list behind the grid changed: everything is read again.
    void recarregar();
    // Rows that hold a person (the blank row of an empty list does not).
    int pessoas() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_cabecalhos;
    Fonte m_fonte;
};
