#include "ui/common/MoneyEdit.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

MoneyEdit::MoneyEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-0-9.,R$ ]{0,30}")), this));
    setValue(Money());
}

Money MoneyEdit::value(bool *ok) const
{
    const QString t = text().trimmed();
    if (t.isEmpty()) {
        if (ok)
            *ok = true;
        return Money();
    }
    return Money::fromString(t, ok);
}

void MoneyEdit::setValue(Money value)
{
    QString t = value.toDecimalString(4);
    // "12,3400" shows as "12,34"; the last two decimals only when they count
    while (t.endsWith(QLatin1Char('0')) && t.indexOf(QLatin1Char(',')) < t.size() - 3)
        t.chop(1);
    setText(t);
}
