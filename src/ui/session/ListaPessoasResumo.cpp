#include "ui/session/ListaPessoasResumo.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int kRoleTipo = Qt::UserRole + 1;
constexpr int kFiguraGrande = 32;
constexpr int kFiguraPequena = 16;

// The same pictures as the tool bar's individual and company buttons.
QPixmap figura(int tipo)
{
    const QStyle::StandardPixmap sp =
        tipo == PessoaResumo::Juridica ? QStyle::SP_DirHomeIcon : QStyle::SP_FileDialogContentsView;
    return QApplication::style()->standardIcon(sp).pixmap(kFiguraGrande, kFiguraGrande);
}

class Delegate : public QStyledItemDelegate {
public:
    Delegate(ListaPessoasResumo::Estilo estilo, QObject *parent)
        : QStyledItemDelegate(parent), m_estilo(estilo)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(m_estilo == ListaPessoasResumo::Estilo::Emergencia
                        ? kFiguraGrande + 8
                        : std::max(kFiguraPequena, option.fontMetrics.height()) + 3);
        return s;
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QRect r = option.rect;
        const bool selecionada = option.state & QStyle::State_Selected;
        const QString texto = index.data().toString();
        painter->save();
        if (m_estilo == ListaPessoasResumo::Estilo::Emergencia) {
            const int tipo = index.data(kRoleTipo).toInt();
            painter->fillRect(r, selecionada ? option.palette.highlight() : option.palette.base());
            painter->drawPixmap(r.left() + 4, r.top() + 4, figura(tipo));
            painter->setPen(selecionada                      ? option.palette.highlightedText().color()
                            : tipo == PessoaResumo::Juridica ? QColor(Qt::blue)
                                                             : QColor(Qt::red));
            painter->drawText(
                QRect(r.left() + kFiguraGrande + 8, r.top(), r.width() - kFiguraGrande - 8, r.height()),
                Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, texto);
        } else {
            QColor fundo = index.row() % 2 == 0 ? QColor(Qt::white) : QColor(192, 220, 192);
            QColor cor = Qt::black;
            if (selecionada) {
                fundo = QColor(190, 200, 255);
                cor = Qt::blue;
            }
            painter->fillRect(r, fundo);
            painter->setPen(cor);
            painter->drawText(r.adjusted(2, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                              texto);
        }
        painter->restore();
    }

private:
    ListaPessoasResumo::Estilo m_estilo;
};

} // namespace

class PessoasResumoModel : public QAbstractListModel {
public:
    PessoasResumoModel(ListaPessoasResumo::Estilo estilo, QObject *parent)
        : QAbstractListModel(parent), m_estilo(estilo)
    {
    }

    std::vector<PessoaResumo> entradas;
    QStringList linhas;

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(linhas.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= linhas.size())
            return {};
        if (role == Qt::DisplayRole)
            return linhas.at(index.row());
        if (role == kRoleTipo)
            return entradas[size_t(index.row())].TipoPessoa;
        return {};
    }
    void definir(std::vector<PessoaResumo> novas)
    {
        beginResetModel();
        entradas = std::move(novas);
        linhas.clear();
        for (const PessoaResumo &p : entradas)
            linhas << (m_estilo == ListaPessoasResumo::Estilo::Emergencia ? p.LinhaEmergencia()
                                                                          : p.LinhaPesquisa());
        endResetModel();
    }

private:
    ListaPessoasResumo::Estilo m_estilo;
};

ListaPessoasResumo::ListaPessoasResumo(Estilo estilo, QWidget *parent)
    : QListView(parent), m_modelo(new PessoasResumoModel(estilo, this))
{
    setModel(m_modelo);
    setItemDelegate(new Delegate(estilo, this));
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListaPessoasResumo::Definir(std::vector<PessoaResumo> entradas)
{
    m_modelo->definir(std::move(entradas));
}

int ListaPessoasResumo::quantidade() const
{
    return m_modelo->rowCount();
}

const PessoaResumo *ListaPessoasResumo::entrada(int linha) const
{
    return linha >= 0 && size_t(linha) < m_modelo->entradas.size() ? &m_modelo->entradas[size_t(linha)]
                                                                   : nullptr;
}

QString ListaPessoasResumo::linha(int linha) const
{
    return linha >= 0 && linha < m_modelo->linhas.size() ? m_modelo->linhas.at(linha) : QString();
}
