#include "ui/registration/HistoricoModel.h"

#include "util/DateTime.h"

#include <QBrush>
#include <QColor>
#include <QFont>

void HistoricoModel::setItens(QList<ItemHistorico> itens)
{
    beginResetModel();
    m_itens = std::move(itens);
    endResetModel();
}

const ItemHistorico *HistoricoModel::item(int row) const
{
    return row >= 0 && row < m_itens.size() ? &m_itens.at(row) : nullptr;
}

int HistoricoModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_itens.size());
}

int HistoricoModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : NumColunas;
}

QVariant HistoricoModel::data(const QModelIndex &index, int role) const
{
    const ItemHistorico *i = item(index.row());
    if (!i)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColData: return FormatDateTime(QStringLiteral("dd/mm/yyyy"), i->Data);
        case ColTexto: {
            // one line per row; the whole text is in the tool tip and the editor
            QString texto = i->Texto;
            texto.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            texto.replace(QLatin1Char('\n'), QLatin1Char(' '));
            texto.replace(QLatin1Char('\r'), QLatin1Char(' '));
            return texto;
        }
        case ColImagem: return i->TemImagem ? QStringLiteral("Ver  Imagem") : QString();
        }
        return {};
    case Qt::ToolTipRole:
        if (index.column() == ColTexto) {
            QString texto = i->Texto;
            texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            return texto;
        }
        return {};
    case Qt::BackgroundRole:
        return QBrush(index.row() % 2 == 0 ? QColor(Qt::white) : QColor(0xE6, 0xF5, 0xE6));
    case Qt::ForegroundRole:
        if (index.column() == ColImagem)
            return QBrush(QColor(Qt::blue));
        return QBrush(QColor(Qt::black));
    case Qt::FontRole:
        if (index.column() == ColImagem) {
            QFont f;
            f.setUnderline(true);
            return f;
        }
        return {};
    }
    return {};
}

QVariant HistoricoModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColData: return QStringLiteral("Data");
    case ColTexto: return QStringLiteral("Texto");
    case ColImagem: return QStringLiteral("Imagem");
    }
    return {};
}
