#pragma once

#include "model/TPessoaJuridica.h"

#include <QAbstractListModel>
#include <QList>

// The companies of the contact registration's company list, one item
// "NOME :: EMAIL" per company; each item keeps its company's identifier,
// name and e-mail, so the choice never depends on parsing the text.
class EmpresasPJModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit EmpresasPJModel(QObject *parent = nullptr);

    void definir(QList<TPessoaJuridica> empresas);
    const QList<TPessoaJuridica> &empresas() const { return m_empresas; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<TPessoaJuridica> m_empresas;
};
