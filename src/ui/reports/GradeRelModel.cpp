#include "ui/reports/GradeRelModel.h"

#include <QFont>

GradeRelModel::GradeRelModel(QStringList cabecalhos, QList<int> colunasLink, Fonte fonte, QObject *parent)
    : QAbstractTableModel(parent), m_cabecalhos(std::move(cabecalhos)), m_links(std::move(colunasLink)),
      m_fonte(std::move(fonte))
{
}

QColor GradeRelModel::corLinhaPar()
{
    return QColor(Qt::white);
}

QColor GradeRelModel::corLinhaImpar()
{
    return QColor(192, 220, 192);
}

QColor GradeRelModel::corGuia()
{
    return QColor(255, 196, 196);
}

QColor GradeRelModel::corMarcada()
{
    return QColor(190, 200, 255);
}

void GradeRelModel::recarregar()
{
    beginResetModel();
    m_marcada = -1;
    endResetModel();
}

int GradeRelModel::pessoas() const
{
    return m_fonte.quantidade();
}

void GradeRelModel::marcar(int linha)
{
    const int antes = m_marcada;
    m_marcada = linha >= 0 && linha < pessoas() ? linha : -1;
    for (int l : {antes, m_marcada})
        if (l >= 0 && l < rowCount())
            emit dataChanged(index(l, 0), index(l, columnCount() - 1), {Qt::BackgroundRole});
}

int GradeRelModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(1, pessoas());
}

int GradeRelModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_cabecalhos.size());
}

QVariant GradeRelModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int linha = index.row();
    const bool temPessoa = linha < pessoas();
    const bool link = m_links.contains(index.column());
    switch (role) {
    case Qt::DisplayRole: return temPessoa ? m_fonte.texto(linha, index.column()) : QString();
    case Qt::BackgroundRole:
        if (temPessoa && linha == m_marcada)
            return corMarcada();
        if (temPessoa && m_fonte.naGuia && m_fonte.naGuia(linha))
            return corGuia();
        return linha % 2 == 0 ? corLinhaPar() : corLinhaImpar();
    case Qt::ForegroundRole: return link ? QColor(Qt::blue) : QColor(Qt::black);
    case Qt::FontRole:
        if (link) {
            QFont f;
            f.setUnderline(true);
            return f;
        }
        return {};
    default: return {};
    }
}

QVariant GradeRelModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_cabecalhos.size())
        return {};
    return role == Qt::DisplayRole ? QVariant(m_cabecalhos.at(section)) : QVariant();
}
