#pragma once

#include <QString>
#include <QStringList>

class Database;

// The postal-code (CEP) lookup as data: a web service first, then
// the program's own database. No widgets: the screen shows "Procurando..."
// around the web step, shows the messages it is given and fills its fields.
//
// The whole sequence, for a screen that needs nothing in between:
//
//   const ConsultaCEP::Resultado r = ConsultaCEP::ConsultarCEP(db, cep, true);
//   for (const QString &m : r.mensagens) Seams::messages().show(m, ...);
//   if (r.encontrado) { edtRua = r.rua; ...; select r.uf in the state combo (ignoring case) }
//
// Step by step, for the label and the cursor:
//
//   if (ConsultaCEP::webDisponivel()) {
//       ...label "Procurando..." in red, busy cursor, repaint...
//       const ConsultaCEP::RespostaWeb w = ConsultaCEP::buscarNaWeb(cep);
//       if (!w.encontrado()) Seams::messages().show(ConsultaCEP::mensagemNaoLocalizado(), ...);
//       ...restore the cursor, label "CEP" in black...
//       if (w.encontrado()) { fill from w.endereco; return; }
//   }
//   const ConsultaCEP::Resultado r = ConsultaCEP::buscarNaBase(db, cep, true);
//   ...
//
// Settings, section [CEP] of the settings file:
//   MODO      JSON (default), SOAP or NENHUM (no web step at all)
//   ENDERECO  JSON: the base before "/<cep>/json/" (default https://viacep.com.br/ws);
//             SOAP: the service's address, to which "/xmlnuke-php/webservice.php/ws/cep" is appended
//   NAMESPACE SOAP: the namespace of the request's operation element
namespace ConsultaCEP {

enum class Modo { Nenhum, Soap, Json };

struct Configuracao {
    Modo modo = Modo::Json;
    QString endereco;
    QString servicoNamespace;
    int limiteConexaoMs = 3000; // connecting
    int limiteTotalMs = 5000;   // the whole call

    // [CEP] of the settings file, read now (an unknown MODO counts as NENHUM).
    static Configuracao lida();
};

struct Endereco {
    QString rua;
    QString bairro;
    QString cidade;
    QString uf; // as the answer gives it, upper case; the screen selects the item equal to it, or none
};

struct RespostaWeb {
    enum class Status {
        NaoTentada,    // no network, MODO=NENHUM or no ENDERECO: nothing was sent
        Encontrado,    // an answer with a comma (SOAP) or with an address (JSON)
        NaoEncontrado, // the service's not-found answer
        Falhou,        // no connection, time-out, HTTP error, SOAP fault, unreadable answer
    };
    Status status = Status::NaoTentada;
    Endereco endereco; // when Encontrado, in Windows-1252 text and capitalised
    QString resposta;  // the service's return text (SOAP) or body (JSON), as received
    QString detalhe;   // why it failed, for a log; never shown as it is

    bool encontrado() const { return status == Status::Encontrado; }
};

enum class Fonte { Nenhuma, Web, Base };

struct Resultado {
    bool encontrado = false;
    Fonte fonte = Fonte::Nenhuma;
    QString rua;
    QString bairro;
    QString cidade;
    QString uf;            // from the database: ESTADO as stored
    QStringList mensagens; // to show, in order
    QString erro;          // a failing statement's text (also in mensagens); empty when none failed
    RespostaWeb web;       // what the web step did (status NaoTentada when it was skipped)
};

// "CEP Não localizado na WEB. Continuando pesquisa na sua base de dados...",
// shown when the web step gave no address (not found, or the call failed).
QString mensagemNaoLocalizado();
// The CEP label while the web step runs ("Procurando...", red) and after it ("CEP", black).
QString textoProcurando();
QString textoRotulo();

// True when the web step is to run: the machine is on a network
// (Seams::network()), MODO is not NENHUM and ENDERECO is set.
bool webDisponivel(const Configuracao &config = Configuracao::lida());

// The web step alone. Sends nothing when webDisponivel() is false.
RespostaWeb buscarNaWeb(const QString &cep, const Configuracao &config = Configuracao::lida());

// The local step alone: PESSOAFISICA then PESSOAJURIDICA (individuals'
// screen, pessoaFisicaPrimeiro) or the opposite (companies' screen); the
// first row of the first table that has one gives RUA, BAIRRO, CIDADE and
// ESTADO as stored. A failing statement is rolled back; its text is in erro
// and mensagens.
Resultado buscarNaBase(Database &db, const QString &cep, bool pessoaFisicaPrimeiro);

// Both steps in their order: the web first when available; the
// database when the web step was skipped or gave no address.
Resultado ConsultarCEP(Database &db, const QString &cep, bool pessoaFisicaPrimeiro,
                       const Configuracao &config = Configuracao::lida());

// --- the pieces, exposed for tests ---

// The CEP digits as the statements' integer: -1 when they are not a number.
int cepComoInteiro(const QString &cep);

// Text of the web made storable: every character Windows-1252 has is kept, an
// accented letter it lacks loses its accent, anything else is dropped.
QString paraWin1252(const QString &text);

// Lower case, then CapitalizeName, then the first letter of every word but
// the particles upper-cased the Windows-1252 way ("SÃO PAULO" -> "São Paulo").
QString capitalizar(const QString &text);

// The parsing of a SOAP return text "street, district, city, state";
// a field whose comma is missing comes out empty.
Endereco lerRespostaComVirgulas(const QString &text);

// The text of the return part of an obterLogradouro answer; false (and the
// fault string or the parser's complaint in *erro) for a fault or anything
// else that is not a SOAP answer.
bool lerRetornoSoap(const QByteArray &xml, QString *retorno, QString *erro);

// The request body of obterLogradouro (SOAP 1.1, RPC style, UTF-8).
QByteArray envelopeSoap(const QString &cep, const QString &servicoNamespace);

} // namespace ConsultaCEP
