#include "ui/common/TeclasDeEntrada.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>

namespace TeclasDeEntrada {

namespace {

void semBotaoPadrao(QDialog *tela)
{
    for (QPushButton *b : tela->findChildren<QPushButton *>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

bool ehEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Sits on the dialog itself: it sees the keys the fields left, before the
// dialog's own handling clicks a default button or rejects.
class Filtro : public QObject {
public:
    Filtro(QDialog *tela, Esc esc) : QObject(tela), m_tela(tela), m_esc(esc) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_tela)
            return false;
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::ChildPolished: semBotaoPadrao(m_tela); break;
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            // a button made inside a panel after the screen was shown is only
            // found here, before the dialog looks for its default button
            if (ehEnter(key)) {
                semBotaoPadrao(m_tela);
            } else if (m_esc == Esc::NaoFecha && key->matches(QKeySequence::Cancel)) {
                key->accept();
                return true;
            }
            break;
        }
        default: break;
        }
        return false;
    }

private:
    QDialog *m_tela;
    Esc m_esc;
};

} // namespace

void Aplicar(QDialog *tela, Esc esc)
{
    semBotaoPadrao(tela);
    tela->installEventFilter(new Filtro(tela, esc));
}

} // namespace TeclasDeEntrada
