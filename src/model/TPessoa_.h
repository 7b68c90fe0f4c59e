#pragma once

#include <QString>

// One row of the grouped list of individuals, companies and contact persons.
struct TPessoa_ {
    static constexpr int Fisica = 0;
    static constexpr int Juridica = 1;
    static constexpr int Contato = 2;

    int Tipo = Fisica;          // TIPO
    qint32 Identificador = 0;   // the key in the row's own table
    qint32 IdentificadorPJ = 0; // a contact person's company; 0 for the other kinds
    QString Nome;
    // individual: home, mobile, business; company: FONE, fax, mobile;
    // contact person: FONE, mobile, FONE again
    QString Fone1;
    QString Fone2;
    QString Fone3;
    QString Fone4; // the e-mail address
};
