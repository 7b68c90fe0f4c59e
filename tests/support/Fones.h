#pragma once

#include "ui/common/MaskedEdit.h"

#include <QString>
#include <QTest>

// The telephone numbers the fields must take, as a user types them: an old
// number without its area code (typed after the empty area code), a
// landline and a mobile.
struct FoneDeTeste {
    const char *caso;
    QString digitos;
    QString mostrado; // how the field shows the number stored
};

inline QList<FoneDeTeste> FonesDeTeste()
{
    return {{"8 digits", QStringLiteral("32451234"), QStringLiteral("(__)3245-1234")},
            {"10 digits", QStringLiteral("1132451234"), QStringLiteral("(11)3245-1234")},
            {"11 digits", QStringLiteral("11987654321"), QStringLiteral("(11)98765-4321")}};
}

// Empties the field and types the digits key by key.
inline void DigitarFone(MaskedEdit *fone, const QString &digitos)
{
    fone->setValue(QString());
    fone->setFocus();
    fone->setCursorPosition(digitos.size() == 8 ? 4 : 0);
    QTest::keyClicks(fone, digitos);
}
