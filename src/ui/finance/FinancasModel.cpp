#include "ui/finance/FinancasModel.h"

#include "util/DateTime.h"
#include "util/TextoDinheiro.h"

#include <QBrush>
#include <QColor>

void FinancasModel::setLista(QList<LancamentoFinanca> lista, bool todasAsPessoas)
{
    beginResetModel();
    m_lista = std::move(lista);
    m_todas = todasAsPessoas;
    m_destaque = -1;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, ColObs, ColObs);
}

const LancamentoFinanca *FinancasModel::lancamento(int row) const
{
    return row >= 0 && row < m_lista.size() ? &m_lista.at(row) : nullptr;
}

void FinancasModel::destacar(int row)
{
    const int antes = m_destaque;
    m_destaque = row;
    for (int r : {antes, row})
        if (r >= 0 && r < rowCount())
            emit dataChanged(index(r, 0), index(r, NumColunas - 1), {Qt::BackgroundRole});
}

int FinancasModel::linhaDe(qint32 idFinanca) const
{
    for (qsizetype i = 0; i < m_lista.size(); ++i)
        if (m_lista.at(i).Financa.IdFinanca == idFinanca)
            return int(i);
    return -1;
}

int FinancasModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax<int>(1, int(m_lista.size()));
}

int FinancasModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : NumColunas;
}

QVariant FinancasModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const LancamentoFinanca *l = lancamento(index.row());
    if (!l)
        return role == Qt::BackgroundRole ? QVariant(QBrush(Qt::white)) : QVariant();
    const TFinancas &f = l->Financa;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColData: return FormatDateTime(QStringLiteral("dd/mm/yyyy"), f.Data);
        case ColValor:
            return TextoDinheiro(f.Valor) + QStringLiteral("  ") +
                   (f.TipoOperacao == 1 ? QStringLiteral("R") : QStringLiteral("P"));
        case ColObs: {
            QString obs = m_todas ? l->Pessoa.Nome : f.Obs;
            obs.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            obs.replace(QLatin1Char('\n'), QLatin1Char(' '));
            return obs;
        }
        case ColSituacao: return f.Situacao == 1 ? QStringLiteral("Quitado") : QStringLiteral("Aberto");
        }
        return {};
    case Qt::ForegroundRole: return QBrush(f.TipoOperacao == 1 ? QColor(Qt::blue) : QColor(Qt::red));
    case Qt::BackgroundRole:
        if (index.row() == m_destaque)
            return QBrush(QColor(0xAD, 0xD8, 0xE6));
        return QBrush(index.row() % 2 == 1 ? QColor(0xC0, 0xDC, 0xC0) : QColor(Qt::white));
    case Qt::TextAlignmentRole:
        if (index.column() == ColValor)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default: return {};
    }
}

QVariant FinancasModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColData: return QStringLiteral("Data");
    case ColValor: return QStringLiteral("Valor");
    case ColObs: return m_todas ? QStringLiteral("Nome") : QStringLiteral("Observação");
    case ColSituacao: return QStringLiteral("Situação");
    }
    return {};
}
