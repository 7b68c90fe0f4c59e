#include "util/TextoDinheiro.h"

#include <QtGlobal>

// Long pages format tens of thousands of amounts: integer arithmetic only.
QString TextoDinheiro(Money valor)
{
    const qint64 raw = valor.tenThousandths();
    // |raw| without overflow at the type's minimum, rounded half away from zero to cents
    const quint64 absoluto = raw < 0 ? quint64(0) - quint64(raw) : quint64(raw);
    const quint64 centavos = (absoluto + 50) / 100;
    const quint64 inteiro = centavos / 100;
    const unsigned fracao = unsigned(centavos % 100);

    char buffer[48];
    int p = sizeof buffer;
    buffer[--p] = char('0' + fracao % 10);
    buffer[--p] = char('0' + fracao / 10);
    buffer[--p] = ',';
    quint64 resto = inteiro;
    int digitos = 0;
    do {
        if (digitos > 0 && digitos % 3 == 0)
            buffer[--p] = '.';
        buffer[--p] = char('0' + resto % 10);
        resto /= 10;
        ++digitos;
    } while (resto > 0);
    const QString numero = QString::fromLatin1(buffer + p, int(sizeof buffer) - p);
    // a negative amount that rounds to zero shows no sign
    return (raw < 0 && centavos > 0 ? QStringLiteral("-R$ ") : QStringLiteral("R$ ")) + numero;
}
