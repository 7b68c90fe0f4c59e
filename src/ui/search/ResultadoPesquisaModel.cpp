#include "ui/search/ResultadoPesquisaModel.h"

#include <QColor>
#include <QFont>

ResultadoPesquisaModel::ResultadoPesquisaModel(QStringList cabecalhos, Fonte fonte, QObject *parent)
    : QAbstractTableModel(parent), m_cabecalhos(std::move(cabecalhos)), m_fonte(std::move(fonte))
{
}

QColor ResultadoPesquisaModel::corCabecalho()
{
    return QColor(Qt::blue);
}

QColor ResultadoPesquisaModel::corLinhaPar()
{
    return QColor(Qt::white);
}

QColor ResultadoPesquisaModel::corLinhaImpar()
{
    return QColor(192, 220, 192);
}

QColor ResultadoPesquisaModel::corGuia()
{
    return QColor(255, 196, 196);
}

void ResultadoPesquisaModel::recarregar()
{
    beginResetModel();
    endResetModel();
}

int ResultadoPesquisaModel::pessoas() const
{
    return m_fonte.quantidade();
}

int ResultadoPesquisaModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(1, pessoas());
}

int ResultadoPesquisaModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_cabecalhos.size());
}

QVariant ResultadoPesquisaModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int linha = index.row();
    const bool temPessoa = linha < pessoas();
    switch (role) {
    case Qt::DisplayRole:
        if (!temPessoa)
            return QString();
        if (index.column() == 0)
            return QStringLiteral("%1").arg(linha + 1, 4, 10, QLatin1Char('0'));
        return m_fonte.texto(linha, index.column());
    case Qt::BackgroundRole:
        if (temPessoa && m_fonte.naGuia(linha))
            return corGuia();
        return linha % 2 == 0 ? corLinhaPar() : corLinhaImpar();
    case Qt::ForegroundRole: return QColor(Qt::black);
    default: return {};
    }
}

QVariant ResultadoPesquisaModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_cabecalhos.size())
        return {};
    switch (role) {
    case Qt::DisplayRole: return m_cabecalhos.at(section);
    case Qt::BackgroundRole: return corCabecalho();
    case Qt::ForegroundRole: return QColor(Qt::white);
    case Qt::FontRole: {
        QFont f;
        f.setBold(true);
        return f;
    }
    default: return {};
    }
}
