#pragma once

#include "model/ImportacaoContatos.h"

#include <QAbstractTableModel>

// The preview grid of an import: one row per contact of the file, the
// check box of the first column says import or skip, the texts can be
// edited to mend what cannot be stored, and a row shows its marks
// (sound-alike names, refused texts).
class ContatosImportadosModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Coluna {
        Importar,
        Nome,
        Tipo,
        Grupo,
        Semelhante,
        Problemas,
        Email,
        Email2,
        Fone1,
        Fone2,
        Fone3,
        Profissao,
        LocalTrabalho,
        Rua,
        Numero,
        Bairro,
        Cidade,
        Estado,
        Complemento,
        Observacoes,
        Colunas
    };

    explicit ContatosImportadosModel(QObject *parent = nullptr);

    void definir(QList<ContatoImportado> itens);
    QList<ContatoImportado> &itens() { return m_itens; }
    const QList<ContatoImportado> &itens() const { return m_itens; }
    // The group column shows the categories or the one chosen group.
    void definirGrupo(const QString &nomeGrupo, bool porCategoria);
    // The marks after the sound-alikes were looked up again.
    void atualizarTudo();

    int bloqueados() const; // rows to import that cannot be stored yet
    int escolhidos() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void alterado();

private:
    QString *texto(ContatoImportado &item, int coluna) const;
    QList<ContatoImportado> m_itens;
    QString m_grupo;
    bool m_porCategoria = false;
};
