#include "ui/registration/ContatosPJModel.h"

#include "util/TextUtils.h"

#include <QColor>
#include <QFont>

ContatosPJModel::ContatosPJModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void ContatosPJModel::definir(QList<TContato_PJ> contatos)
{
    beginResetModel();
    m_contatos = std::move(contatos);
    endResetModel();
}

int ContatosPJModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_contatos.size());
}

int ContatosPJModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant ContatosPJModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_contatos.size() || role != Qt::DisplayRole)
        return {};
    const TContato_PJ &c = m_contatos.at(index.row());
    switch (index.column()) {
    case 0: return c.Nome;
    case 1: return c.Funcao;
    case 2: return FormatPhone(c.Fone);
    default: return {};
    }
}

QVariant ContatosPJModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case 0: return QStringLiteral("Nome");
        case 1: return QStringLiteral("Função");
        case 2: return QStringLiteral("Fone");
        default: return {};
        }
    }
    if (role == Qt::FontRole) {
        QFont f;
        f.setBold(true);
        return f;
    }
    if (role == Qt::ForegroundRole)
        return QColor(Qt::white);
    if (role == Qt::BackgroundRole)
        return QColor(Qt::blue);
    return {};
}
