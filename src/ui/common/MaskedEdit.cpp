#include "ui/common/MaskedEdit.h"

MaskedEdit::MaskedEdit(QWidget *parent) : QLineEdit(parent)
{
}

MaskedEdit::MaskedEdit(const QString &mask, QWidget *parent) : QLineEdit(parent)
{
    setMascara(mask);
}

bool MaskedEdit::setMascara(const QString &mask)
{
    const QString typed = digits();
    m_mask = EditMask(mask);
    // Qt re-reads the old text through the new mask, which shifts it
    // around: start from an empty field and put the characters back
    setInputMask(QString());
    clear();
    setInputMask(m_mask.qtInputMask());
    if (typed.isEmpty())
        return true;
    if (setValue(typed))
        return true;
    setValue(QString());
    return false;
}

QString MaskedEdit::value() const
{
    return m_mask.isEmpty() ? text() : m_mask.value(displayText());
}

bool MaskedEdit::setValue(const QString &value)
{
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
