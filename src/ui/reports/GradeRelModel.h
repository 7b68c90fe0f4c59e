#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QStringList>

#include <functional>

// The result grid of the person lists, read cell by cell from the screen's
// list of found persons, so a list of 100,000 costs nothing until it is
// scrolled into view. Rows alternate white and pale green, a person of the
// emergency guide is pale red, the row being opened is pale blue; the link
// columns are blue and underlined. An empty list still shows one blank row.
class GradeRelModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Fonte {
        std::function<int()> quantidade;
        std::function<QString(int linha, int coluna)> texto;
        std::function<bool(int linha)> naGuia; // may be empty
    };

    GradeRelModel(QStringList cabecalhos, QList<int> colunasLink, Fonte fonte, QObject *parent = nullptr);

    static QColor corLinhaPar();
    static QColor corLinhaImpar();
    static QColor corGuia();
    static QColor corMarcada();

    // The list behind the grid changed: everything is read again.
    void recarregar();
    // Rows that hold a person (the blank row of an empty list does not).
    int pessoas() const;
    // The row painted pale blue while its screen is open; -1 for none.
    void marcar(int linha);
    int marcada() const { return m_marcada; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_cabecalhos;
    QList<int> m_links;
    Fonte m_fonte;
    int m_marcada = -1;
};
