#include "ui/common/MaskedEdit.h"

#include <QKeyEvent>

MaskedEdit::MaskedEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &MaskedEdit::voltarMascaraMenor);
}

MaskedEdit::MaskedEdit(const QString &mask, QWidget *parent) : MaskedEdit(parent)
{
    setMascara(mask);
}

bool MaskedEdit::setMascara(const QString &mask)
{
    return setMascaras(mask.isEmpty() ? QStringList() : QStringList{mask});
}

bool MaskedEdit::setMascaras(const QStringList &masks)
{
    const QString typed = digits();
    m_mascaras = masks;
    trocarMascara(0);
    if (typed.isEmpty())
        return true;
    if (setValue(typed))
        return true;
    setValue(QString());
    return false;
}

void MaskedEdit::trocarMascara(int indice)
{
    m_indice = indice;
    m_mask = EditMask(m_mascaras.value(indice));
    // Qt re-reads the old text through the new mask, which shifts it
    // around: start from an empty field and put the characters back
    setInputMask(QString());
    clear();
    setInputMask(m_mask.qtInputMask());
}

QString MaskedEdit::value() const
{
    return m_mask.isEmpty() ? text() : m_mask.value(displayText());
}

bool MaskedEdit::setValue(const QString &value)
{
    if (m_mascaras.size() > 1) {
        for (int i = 0; i < m_mascaras.size(); ++i) {
            const std::optional<QString> shown = EditMask(m_mascaras.at(i)).shownText(value);
            if (!shown)
                continue;
            if (i != m_indice)
                trocarMascara(i);
            setText(*shown);
            return true;
        }
        return false;
    }
    const std::optional<QString> shown = m_mask.shownText(value);
    if (!shown)
        return false;
    setText(*shown);
    return true;
}

QString MaskedEdit::digits() const
{
    return m_mask.isEmpty() ? text() : m_mask.characters(displayText());
}

bool MaskedEdit::isComplete() const
{
    return m_mask.isComplete(displayText());
}

void MaskedEdit::keyPressEvent(QKeyEvent *event)
{
    // a character typed at the end of a full field goes on in the next,
    // larger mask: the eleventh digit of a mobile number is never dropped
    const QString typed = event->text();
    if (m_indice + 1 < m_mascaras.size() && typed.size() == 1 && !hasSelectedText() &&
        (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0 &&
        cursorPosition() >= displayText().size() && digits().size() == m_mask.inputPlaces()) {
        const QString maior = digits() + typed;
        const std::optional<QString> shown = EditMask(m_mascaras.at(m_indice + 1)).shownText(maior);
        if (shown && EditMask(m_mascaras.at(m_indice + 1)).characters(*shown) == maior) {
            trocarMascara(m_indice + 1);
            setText(*shown);
            setCursorPosition(int(displayText().size()));
            emit textEdited(text());
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void MaskedEdit::voltarMascaraMenor()
{
    if (m_indice == 0)
        return;
    const QString typed = digits();
    const EditMask menor(m_mascaras.at(m_indice - 1));
    if (typed.size() > menor.inputPlaces())
        return;
    const std::optional<QString> shown = menor.shownText(typed);
    if (!shown)
        return;
    // the cursor stays after the same number of characters typed
    const QString antes = m_mask.characters(displayText().left(cursorPosition()));
    trocarMascara(m_indice - 1);
    setText(*shown);
    int posicao = 0;
    for (int contados = 0; posicao < displayText().size() && contados < antes.size(); ++posicao)
        if (m_mask.places().value(posicao).kind != EditMask::Kind::Literal)
            ++contados;
    setCursorPosition(posicao);
}
