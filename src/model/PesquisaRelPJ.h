#pragma once

#include "data/DbOperation.h"
#include "model/TPessoaJuridica.h"

#include <QList>
#include <QString>

class Database;

// The filters of the companies' search list: 12 numbered searches over the
// companies a login may see, each one statement joining GRUPO, every value
// a parameter (the phonetic name too). Records come back complete, group
// name included, read by the same filler as the name search.
class PesquisaRelPJ {
public:
    enum Filtro : int {
        NomeFonetico = 0,
        Rua = 1,
        Bairro = 2,
        Cidade = 3,
        Estado = 4,
        LetraInicial = 5,
        Grupo = 6,
        FoneComercial = 7,
        Fax = 8,
        Celular = 9,
        Nome = 10,
        FoneTodos = 11,
    };
    static constexpr int Quantidade = 12;

    int Numero = Nome;
    // The text of the filter's control: part of the name or address (any
    // letter case), the state, the first letter, or telephone digits as typed.
    QString Texto;
    qint32 CodigoGrupo = 0; // filter 6: the group's stored code
    QString Login;

    static QString Comando(int numero);

    // As PesquisaRelPF::Executar.
    DbResult Executar(Database &db, QList<TPessoaJuridica> &empresas) const;
};
