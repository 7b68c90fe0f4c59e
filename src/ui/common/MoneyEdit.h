#pragma once

#include "util/Money.h"

#include <QLineEdit>

// An entry field for an amount: "1.234,56", "12,3456" or "R$ 10,00", at most
// four decimals, kept exact (no floating point on the way).
class MoneyEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit MoneyEdit(QWidget *parent = nullptr);

    // The amount typed; *ok false (and zero) when the text is no amount.
    Money value(bool *ok = nullptr) const;
    // Two decimals, or as many as the amount needs up to four.
    void setValue(Money value);
};
