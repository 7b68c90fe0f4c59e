#include "ui/common/GroupList.h"

#include "ui/common/GroupListModel.h"

GroupList::GroupList(QWidget *parent) : GroupList(new GroupListModel, parent)
{
}

GroupList::GroupList(Database &db, QWidget *parent) : GroupList(new GroupListModel(db), parent)
{
}

GroupList::GroupList(GroupListModel *model, QWidget *parent) : QComboBox(parent), m_model(model)
{
    m_model->setParent(this);
    setModel(m_model);
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int) { emit grupoSelecionado(codigoSelecionado()); });
}

bool GroupList::recarregar()
{
    const bool ok = m_model->recarregar();
    setCurrentIndex(m_model->rowCount() > 0 ? 0 : -1);
    return ok;
}

int GroupList::codigoSelecionado() const
{
    const QVariant codigo = currentData(GroupListModel::CodigoRole);
    return codigo.isValid() ? codigo.toInt() : -1;
}

bool GroupList::selecionarCodigo(int codigo)
{
    const int row = m_model->linhaDoCodigo(codigo);
    if (row < 0)
        return false;
    setCurrentIndex(row);
    return true;
}
