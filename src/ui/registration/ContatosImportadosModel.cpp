#include "ui/registration/ContatosImportadosModel.h"

#include <QBrush>
#include <QColor>

namespace {

const QColor kBloqueado(255, 205, 205);
const QColor kSemelhante(255, 240, 180);
const QColor kPulado(225, 225, 225);

} // namespace

ContatosImportadosModel::ContatosImportadosModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void ContatosImportadosModel::definir(QList<ContatoImportado> itens)
{
    beginResetModel();
    m_itens = std::move(itens);
    endResetModel();
    emit alterado();
}

void ContatosImportadosModel::definirGrupo(const QString &nomeGrupo, bool porCategoria)
{
    m_grupo = nomeGrupo;
    m_porCategoria = porCategoria;
    if (!m_itens.isEmpty())
        emit dataChanged(index(0, Grupo), index(rowCount() - 1, Grupo));
}

void ContatosImportadosModel::atualizarTudo()
{
    if (!m_itens.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, Colunas - 1));
    emit alterado();
}

int ContatosImportadosModel::bloqueados() const
{
    int n = 0;
    for (const ContatoImportado &i : m_itens)
        n += i.importar && !i.recusas.isEmpty() ? 1 : 0;
    return n;
}

int ContatosImportadosModel::escolhidos() const
{
    int n = 0;
    for (const ContatoImportado &i : m_itens)
        n += i.importar ? 1 : 0;
    return n;
}

int ContatosImportadosModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_itens.size());
}

int ContatosImportadosModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Colunas;
}

QString *ContatosImportadosModel::texto(ContatoImportado &item, int coluna) const
{
    TPessoa &p = item.pessoa();
    const bool pj = item.empresa;
    switch (coluna) {
    case Nome: return &p.Nome;
    case Email: return pj ? &item.pj.Email : &item.pf.Email;
    case Email2: return pj ? nullptr : &item.pf.MSN;
    case Fone1: return pj ? &item.pj.Fone : &item.pf.FoneCelular;
    case Fone2: return pj ? &item.pj.FoneFax : &item.pf.FoneResidencial;
    case Fone3: return pj ? &item.pj.FoneCel : &item.pf.FoneComercial;
    case Profissao: return pj ? nullptr : &item.pf.Profissao;
    case LocalTrabalho: return pj ? &item.pj.HomePage : &item.pf.LocalTrabalho;
    case Rua: return &p.Endereco.Rua;
    case Bairro: return &p.Endereco.Bairro;
    case Cidade: return &p.Endereco.Cidade;
    case Estado: return &p.Endereco.Estado;
    case Complemento: return &p.Endereco.Complemento;
    case Observacoes: return &p.Obs;
    default: return nullptr;
    }
}

QVariant ContatosImportadosModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_itens.size())
        return {};
    const ContatoImportado &item = m_itens[index.row()];
    const int c = index.column();
    if (role == Qt::CheckStateRole && c == Importar)
        return item.importar ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::BackgroundRole) {
        if (!item.importar)
            return QBrush(kPulado);
        if (!item.recusas.isEmpty())
            return QBrush(kBloqueado);
        if (!item.semelhantes.isEmpty())
            return QBrush(kSemelhante);
        return {};
    }
    if (role == Qt::ToolTipRole && c == Problemas && !item.recusas.isEmpty())
        return item.recusas.join(QStringLiteral("\n"));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (c) {
    case Importar: return {};
    case Tipo: return item.empresa ? QStringLiteral("Jurídica") : QStringLiteral("Física");
    case Grupo: return m_porCategoria && !item.categorias.isEmpty() ? item.categorias.first() : m_grupo;
    case Semelhante: return item.semelhantes.join(QStringLiteral("; "));
    case Problemas:
        return QStringList(item.recusas)
            .replaceInStrings(QStringLiteral("\r\n"), QStringLiteral(" "))
            .join(QStringLiteral(" | "));
    case Numero:
        return item.pessoa().Endereco.Numero ? QString::number(item.pessoa().Endereco.Numero) : QString();
    default: break;
    }
    ContatoImportado &mutavel = const_cast<ContatoImportado &>(item);
    const QString *t = texto(mutavel, c);
    if (!t)
        return {};
    if (c == Observacoes && role == Qt::DisplayRole)
        return QString(*t).replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
    return *t;
}

bool ContatosImportadosModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_itens.size())
        return false;
    ContatoImportado &item = m_itens[index.row()];
    const int c = index.column();
    if (c == Importar && role == Qt::CheckStateRole) {
        item.importar = value.toInt() == Qt::Checked;
        item.puladoSemelhante = false;
    } else if (role == Qt::EditRole && c == Numero) {
        bool ok = false;
        const int n = value.toString().trimmed().toInt(&ok);
        if (!ok && !value.toString().trimmed().isEmpty())
            return false;
        item.pessoa().Endereco.Numero = ok ? n : 0;
    } else if (role == Qt::EditRole) {
        QString *t = texto(item, c);
        if (!t)
            return false;
        QString novo = value.toString();
        if (c == Observacoes)
            novo.replace(QStringLiteral(" / "), QStringLiteral("\r\n"));
        *t = novo;
        ImportacaoContatos::Validar(item);
    } else {
        return false;
    }
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), Colunas - 1));
    emit alterado();
    return true;
}

Qt::ItemFlags ContatosImportadosModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Importar)
        return f | Qt::ItemIsUserCheckable;
    ContatoImportado &item = const_cast<ContatoImportado &>(m_itens[index.row()]);
    if (index.column() == Numero || texto(item, index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ContatosImportadosModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const char *const titulos[Colunas] = {"Importar",
                                                 "Nome",
                                                 "Tipo",
                                                 "Grupo",
                                                 "Semelhante a",
                                                 "Problemas",
                                                 "E-mail",
                                                 "E-mail 2",
                                                 "Celular / Fone",
                                                 "Residencial / Fax",
                                                 "Comercial / Celular",
                                                 "Profissão",
                                                 "Local de trabalho / Site",
                                                 "Rua",
                                                 "Número",
                                                 "Bairro",
                                                 "Cidade",
                                                 "UF",
                                                 "Complemento",
                                                 "Observações"};
    return section >= 0 && section < Colunas ? QString::fromUtf8(titulos[section]) : QVariant();
}
