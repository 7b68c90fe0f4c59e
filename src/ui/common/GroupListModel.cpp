#include "ui/common/GroupListModel.h"

#include "data/TDM.h"

GroupListModel::GroupListModel(QObject *parent) : QAbstractListModel(parent)
{
}

GroupListModel::GroupListModel(Database &db, QObject *parent) : QAbstractListModel(parent), m_db(&db)
{
}

bool GroupListModel::recarregar()
{
    QList<TGrupo> lidos;
    const DbResult r = TGrupo::Todos(m_db ? *m_db : BancoDados(), lidos);
    beginResetModel();
    m_grupos = lidos;
    endResetModel();
    return r.ok;
}

int GroupListModel::codigo(int row) const
{
    return row >= 0 && row < m_grupos.size() ? m_grupos.at(row).Codigo : -1;
}

int GroupListModel::linhaDoCodigo(int codigo) const
{
    for (int i = 0; i < m_grupos.size(); ++i)
        if (m_grupos.at(i).Codigo == codigo)
            return i;
    return -1;
}

int GroupListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_grupos.size());
}

QVariant GroupListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_grupos.size())
        return {};
    const TGrupo &g = m_grupos.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return g.Rotulo();
    case CodigoRole: return g.Codigo;
    case NomeRole: return g.Nome;
    default: return {};
    }
}

QHash<int, QByteArray> GroupListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(CodigoRole, "codigo");
    names.insert(NomeRole, "nome");
    return names;
}
