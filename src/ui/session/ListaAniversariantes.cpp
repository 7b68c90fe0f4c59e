#include "ui/session/ListaAniversariantes.h"

#include "model/Aniversariantes.h"

#include <QAbstractListModel>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kFigura = 16;
constexpr int kRoleHoje = Qt::UserRole + 1;

// The small pictures: a cake with a candle for today, a calendar page otherwise.
QPixmap figura(bool hoje)
{
    QPixmap pix(kFigura, kFigura);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    if (hoje) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 120, 40));
        p.drawRoundedRect(QRectF(2, 8, 12, 7), 2, 2);
        p.setBrush(QColor(255, 230, 160));
        p.drawRect(QRectF(2, 10, 12, 2));
        p.setBrush(QColor(220, 30, 30));
        p.drawRect(QRectF(7, 3, 2, 5));
        p.setBrush(QColor(255, 200, 0));
        p.drawEllipse(QRectF(6.5, 0.5, 3, 3));
    } else {
        p.setPen(QColor(60, 90, 160));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.fillRect(QRectF(3, 3, 10, 3), QColor(60, 90, 160));
        p.setPen(QColor(120, 120, 120));
        p.drawLine(QPointF(5, 9), QPointF(11, 9));
        p.drawLine(QPointF(5, 11.5), QPointF(9, 11.5));
    }
    return pix;
}

class Delegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(kFigura + 12);
        return s;
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        static const QPixmap hoje = figura(true);
        static const QPixmap outro = figura(false);
        const bool selecionada = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, selecionada ? option.palette.highlight() : option.palette.base());
        const QRect r = option.rect;
        painter->drawPixmap(r.left() + 4, r.top() + 4, index.data(kRoleHoje).toBool() ? hoje : outro);
        painter->setPen(selecionada ? option.palette.highlightedText().color()
                                    : option.palette.text().color());
        painter->drawText(QRect(r.left() + kFigura + 8, r.top(), r.width() - kFigura - 8, r.height()),
                          Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, index.data().toString());
    }
};

} // namespace

class AniversariantesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    std::vector<TPessoaFisica> pessoas;
    std::vector<bool> hoje;
    QStringList linhas;

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(linhas.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= linhas.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return linhas.at(index.row());
        if (role == kRoleHoje)
            return bool(hoje[size_t(index.row())]);
        return {};
    }
    void definir(std::vector<TPessoaFisica> novas, TDateTime dia)
    {
        beginResetModel();
        pessoas = std::move(novas);
        hoje.clear();
        linhas.clear();
        for (const TPessoaFisica &p : pessoas) {
            linhas << Aniversariantes::Linha(p);
            hoje.push_back(Aniversariantes::FazAniversario(p, dia));
        }
        endResetModel();
    }
};

ListaAniversariantes::ListaAniversariantes(QWidget *parent)
    : QListView(parent), m_modelo(new AniversariantesModel(this))
{
    setModel(m_modelo);
    setItemDelegate(new Delegate(this));
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListaAniversariantes::Definir(std::vector<TPessoaFisica> pessoas, TDateTime hoje)
{
    m_modelo->definir(std::move(pessoas), hoje);
}

void ListaAniversariantes::Limpar()
{
    m_modelo->definir({}, 0);
}

int ListaAniversariantes::quantidade() const
{
    return m_modelo->rowCount();
}

const TPessoaFisica *ListaAniversariantes::pessoa(int linha) const
{
    return linha >= 0 && size_t(linha) < m_modelo->pessoas.size() ? &m_modelo->pessoas[size_t(linha)]
                                                                  : nullptr;
}

bool ListaAniversariantes::fazAniversarioHoje(int linha) const
{
    return linha >= 0 && size_t(linha) < m_modelo->hoje.size() && m_modelo->hoje[size_t(linha)];
}
