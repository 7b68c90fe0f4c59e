#pragma once

#include <QString>

// The postal address every person owns (the address columns of PESSOAFISICA
// and PESSOAJURIDICA). Telephones, postal code and box hold digits only.
class TEndereco {
public:
    QString Rua;         // RUA
    qint32 Numero = 0;   // NUMERO
    QString Bairro;      // BAIRRO
    QString Cidade;      // CIDADE
    QString Estado;      // ESTADO, two letters
    qint32 CEP = 0;      // CEP
    qint32 CP = 0;       // CP, post-office box
    QString Complemento; // COMPLEMENTO
    qint32 Enviar = 0;   // ENVIAR, 1: mail may be sent to this address
};
