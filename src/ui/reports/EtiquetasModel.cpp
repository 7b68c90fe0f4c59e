#include "ui/reports/EtiquetasModel.h"

namespace {

const QString kCabecalhos[] = {QStringLiteral("Repete"), QStringLiteral("Nome"),   QStringLiteral("Rua"),
                               QStringLiteral("Bairro"), QStringLiteral("Cidade"), QStringLiteral("UF")};

} // namespace

EtiquetasModel::EtiquetasModel(const QList<EnderecoEtiqueta> &enderecos, QObject *parent)
    : QAbstractTableModel(parent), m_enderecos(enderecos)
{
}

QColor EtiquetasModel::corLinhaImpar()
{
    return QColor(192, 220, 192);
}

QColor EtiquetasModel::corMarcada()
{
    return QColor(0, 0, 255);
}

void EtiquetasModel::recarregar()
{
    beginResetModel();
    m_marcadas.clear();
    endResetModel();
}

void EtiquetasModel::marcar(int linha)
{
    if (linha < 0 || linha >= enderecos())
        return;
    m_marcadas.insert(linha);
    emit dataChanged(index(linha, 0), index(linha, columnCount() - 1));
}

int EtiquetasModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(1, enderecos());
}

int EtiquetasModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(std::size(kCabecalhos));
}

QVariant EtiquetasModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= enderecos())
        return {};
    const int linha = index.row();
    switch (role) {
    case Qt::DisplayRole: {
        const EnderecoEtiqueta &e = m_enderecos.at(linha);
        switch (index.column()) {
        case 0: return QStringLiteral("Repetir");
        case 1: return e.NomeNaLista();
        case 2: return e.Rua;
        case 3: return e.Bairro;
        case 4: return e.Cidade;
        case 5: return e.Estado;
        default: return {};
        }
    }
    case Qt::BackgroundRole:
        if (m_marcadas.contains(linha))
            return corMarcada();
        return linha % 2 == 0 ? QColor(Qt::white) : corLinhaImpar();
    case Qt::ForegroundRole:
        if (m_marcadas.contains(linha))
            return QColor(Qt::white);
        return index.column() == 0 ? QColor(Qt::blue) : QColor(Qt::black);
    default: return {};
    }
}

QVariant EtiquetasModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= int(std::size(kCabecalhos)))
        return QAbstractTableModel::headerData(section, orientation, role);
    return kCabecalhos[section];
}
