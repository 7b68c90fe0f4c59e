#pragma once

#include <QString>

class Database;

// A small population for the person lists, seen by the user "ana": her own
// private and public rows, the public rows of "bia" and bia's private rows
// (which ana never sees). Groups "Amigos", "Clientes" and "Vizinhos", the
// last one with code 10001.
//
// Individuals (owner/public, group, what the filters look at):
//   Ana Souza     ana/0 Amigos   born 15/03/1980, São Paulo SP, Centro, Rua das Flores,
//                 res 1132451234, com 1140001111, cel 11987654321, Médica at Hospital Central,
//                 title 123456789012 zone 10 section 100, interest 1 since 05/12/2026, mail 1
//   Bruno Lima    bia/1 Clientes born 15/12/1990, Rio de Janeiro RJ, Copacabana, e-mail in
//                 capitals, interest 1 since 20/11/2026, Engenheiro at Construtora Alfa, mail 0
//   Carla Dias    bia/0 Amigos   like Ana in almost everything (never listed for ana)
//   Daniel Souza  ana/1 Vizinhos no birth date, Santos SP, com 1132450000, empty title,
//                 zone 10 section 101, Médico, interest 0, no nickname, mail 1
//   Élida Mota    ana/0 Clientes born 03/12/1975, São Paulo SP, Centro, title ABC123,
//                 zone 11 section 100, Professora, interest 2, mail 1, emergency guide
// Companies:
//   Alfa Comércio ana/0 Clientes São Paulo SP, Consolação, Rua Augusta, fone 1130001000,
//                 fax 1130001001, cel 11991112222; contacts Carlos Alfa (born 20/12/1985)
//                 and Zeca Semdata (no birth date: stored as 30/12/1899)
//   Beta Serviços bia/1 Vizinhos Campinas SP, Centro, fone 1930002000; contact Bia Contato
//                 (born 05/05/1970)
//   Gama Oculta   bia/0 Clientes like Alfa; contact Oculto Contato (born 01/12/1980)
//   Delta Ltda    ana/1 Amigos   São Paulo RJ, fone 2130003000, fax 2130003001,
//                 cel 21992223333; contact Dora Delta (no date at all)
struct PessoasSemeadas {
    int amigos = 0, clientes = 0, vizinhos = 0;
    int ana = 0, bruno = 0, carla = 0, daniel = 0, elida = 0;
    int alfa = 0, beta = 0, gama = 0, delta = 0;
    int carlos = 0, zeca = 0, bia = 0, oculto = 0, dora = 0;

    // Adds the users "ana" and "bia" and every row; false on any failure.
    bool semear(Database &db);
};
