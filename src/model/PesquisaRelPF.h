#pragma once

#include "data/DbOperation.h"
#include "model/TPessoaFisica.h"

#include <QList>
#include <QString>

class Database;

// The filters of the individuals' search list: 26 numbered searches over the
// individuals a login may see (its own rows, any letter case, and the public
// ones), each one statement joining GRUPO. Every value typed by the user
// travels as a parameter, the phonetic name included. The records come back
// complete, group name included, read by the same filler as the name search.
class PesquisaRelPF {
public:
    enum Filtro : int {
        NomeFonetico = 0,
        Apelido = 1,
        Email = 2,
        DataNascimento = 3,
        DiaNascimento = 4,
        MesNascimento = 5,
        AnoNascimento = 6,
        Rua = 7,
        Bairro = 8,
        Cidade = 9,
        Estado = 10,
        DiaEMes = 11,
        LetraInicial = 12,
        Grupo = 13,
        FoneResidencial = 14,
        FoneCelular = 15,
        FoneComercial = 16,
        Interesse = 17,
        InteressePeriodo = 18,
        Nome = 19,
        FoneTodos = 20,
        Titulo = 21,
        Zona = 22,
        Seccao = 23,
        Profissao = 24,
        LocalTrabalho = 25,
    };
    static constexpr int Quantidade = 26;

    int Numero = Nome;
    // The text of the filter's control: the part of a name, nickname, e-mail,
    // address, profession or work place looked for (any letter case); the
    // telephone digits (as typed); the state; the first letter; the voter
    // title; the zone or section; the day ("01"...) of filters 4 and 11; the year.
    QString Texto;
    int Mes = 1;            // filters 5 and 11: 1...12
    double Data = 0;        // filter 3: the birth date; 18: the first day of the period
    double DataFinal = 0;   // filter 18: the last day of the period
    int TipoCliente = 0;    // filters 17 and 18: 0...3
    qint32 CodigoGrupo = 0; // filter 13: the group's stored code
    QString Login;          // whose private rows are found too

    // The statement of a filter; empty for a number that is none.
    static QString Comando(int numero);

    // Runs the filter. The list gets the rows only when the whole statement
    // went through; a failure (a day or year that is not a number is refused
    // before anything runs) empties it and is an error for the caller to
    // show, never "nobody found".
    DbResult Executar(Database &db, QList<TPessoaFisica> &pessoas) const;
};
