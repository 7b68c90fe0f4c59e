#include "ui/registration/EmpresasPJModel.h"

EmpresasPJModel::EmpresasPJModel(QObject *parent) : QAbstractListModel(parent)
{
}

void EmpresasPJModel::definir(QList<TPessoaJuridica> empresas)
{
    beginResetModel();
    m_empresas = std::move(empresas);
    endResetModel();
}

int EmpresasPJModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_empresas.size());
}

QVariant EmpresasPJModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_empresas.size())
        return {};
    const TPessoaJuridica &e = m_empresas.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return e.Nome + QStringLiteral(" :: ") + e.Email;
    if (role == Qt::UserRole)
        return e.Identificador;
    return {};
}
