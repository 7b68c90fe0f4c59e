#pragma once

#include "model/EnderecoEtiqueta.h"

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// Collects the addresses for labels and envelopes by one filter at a time:
// the persons the login may see whose ENVIAR flag is 1. Every text the user
// typed is bound as a parameter, never pasted into the statement.
namespace PesquisaEtiquetas {

// The kinds (the position of the kind choice).
enum Tipo { Fisicas = 0, Juridicas = 1, FisicasEJuridicas = 2 };

// The filters (the numbers the filter buttons carry).
enum Filtro {
    Nome = 0,
    Rua = 1,
    Bairro = 2,
    Cidade = 3,
    Estado = 4,
    Grupos = 5,
    MesNascimento = 16,
    TituloEleitor = 17,
    Zona = 18,
    Seccao = 19,
    Profissao = 20,
    LocalTrabalho = 21,
    EnderecoCompleto = 25,
};

struct Pedido {
    int tipo = FisicasEJuridicas;
    int filtro = Nome;
    QString login;
    bool contatos = true; // append the contact persons of the matching companies
    bool ctrl = false;    // individuals: the profession after the name
    bool shift = false;   // individuals: the work place under the name
    QString texto;        // name, street, district, city, state, voter title, profession, work place
    int numero = 0;       // month (1 to 12), zone, section
    QStringList grupos;   // group names
    QString bairro;       // complete address: part of the district
    QString cidade;       // complete address: part of the city
    QString uf;           // complete address: the state
    QStringList ruasExcluidas;
    bool ordemNumero = false; // complete address: ordered by street and number
};

// The filters of birthdays, voters and professional data list individuals only.
int TipoEfetivo(const Pedido &p);

// The statements the collection runs, in order (individuals, companies,
// contact persons as the kind asks). Parameters LOGIN, PUBLICA, ENVIAR and
// the filter's own.
QString ComandoFisicas(const Pedido &p);
QString ComandoJuridicas(const Pedido &p);
QString ComandoContatos(const Pedido &p);

// Fills `enderecos` (emptied first): companies, then individuals, then the
// contact persons. A failing statement is shown with its text and the
// error, and what was collected before it stays; false then.
bool Pesquisar(Database &db, const Pedido &p, QList<EnderecoEtiqueta> *enderecos);

} // namespace PesquisaEtiquetas
