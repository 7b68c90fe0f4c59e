#pragma once

#include "data/DbOperation.h"
#include "model/Resultado.h"
#include "util/DateTime.h"

#include <QString>
#include <QStringList>

#include <functional>

// The telephone lists printed as pages ("Fones_PF.html", "Fones_PF_PJ.html",
// "Fones_PJ.html"): the individuals and/or companies the login may see, by
// group, district, birthday month, name, or with their history and contact
// persons. Each list reads its persons with one statement; the counts of the
// group headers, the history entries and the contact persons come from one
// statement each, whatever the number of persons. The page is written while
// the persons are read.
namespace ListaFones {

// The kinds of persons to list (the screen's choice 0, 1, 2).
enum TipoPessoa { Fisica = 0, Juridica = 1, FisicaEJuridica = 2 };

enum class Lista {
    TodosOsGrupos, // grouped, with counts
    Grupo,         // one group, with its count
    Bairro,        // part of the district, grouped
    Aniversario,   // individuals born in a month, grouped
    Completa,      // by name, full blocks
    Resumida,      // by name, one line each
    Historico,     // by name, with the history between two dates
};

struct Pedido {
    Lista lista = Lista::TodosOsGrupos;
    int tipo = FisicaEJuridica;
    QString login;
    QString grupo;              // Grupo: the group's name as listed
    QString bairro;             // Bairro: part of the district; empty lists every district
    int mes = 1;                // Aniversario: 1 to 12
    bool comNascimento = false; // Aniversario: the birth date after the name
    QString nome;               // Completa, Resumida, Historico: part of the name; empty lists all
    TDateTime inicio = 0;       // Historico: the entries dated from inicio to fim
    TDateTime fim = 0;
    bool apenasComHistorico = true; // Historico: only persons with entries in the range
    bool endereco = true;           // street, city and state in the full blocks
    bool contatos = true;           // a company's contact persons after its block
    int larguraTela = 0;            // pixels; a screen 1024 wide gets the larger print
    TDateTime agora = 0;            // "Impresso em:"
};

// "Fones_PF.html", "Fones_PJ.html" or "Fones_PF_PJ.html".
QString Arquivo(int tipo);

// The statement of the persons; empty when the list has none for this kind
// (companies born in a month). Parameters LOGIN, PUBLICA and the list's own.
QString Comando(const Pedido &pedido);

// Every statement the list runs, in the order it runs them: the history,
// the contact persons and the group counts the list needs, then Comando.
QStringList Comandos(const Pedido &pedido);

// The page's lines, handed to `linha` one by one while the persons are read.
// A failed statement ends it with the error (the lines given so far are
// then no page at all).
DbResult Escrever(const Pedido &pedido, const std::function<void(const QString &)> &linha);

// Writes the page beside the program, replacing an older one, and opens it
// in the browser. A failed statement or a file that cannot be written is
// shown and leaves the older page as it was.
Resultado GravarEAbrir(const Pedido &pedido);

} // namespace ListaFones
