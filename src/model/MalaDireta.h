#pragma once

#include "data/DbOperation.h"
#include "model/Resultado.h"
#include "util/DateTime.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Database;
class Query;
class QTemporaryFile;
class QTextDocument;

// Mail merge: a letter template in rich text with placeholders ("<|Nome|>")
// filled once per addressee, every letter stored in MALA_DIRETA, all of them
// joined into "MalaDireta/MalaPF.RTF" (a page each) and, when asked, each
// handed to the mail program or sent through the [SMTP] account.
//
// The placeholders are replaced in the document, never in RTF text: a word
// processor may split "<|Profissão|>" across runs and escapes, and the value
// takes the format of the placeholder's first character.
namespace MalaDireta {

enum class Tipo { PessoaFisica, PessoaJuridica };

// The captions of the placeholders, in the order the screens list them.
QStringList Rotulos(Tipo tipo);
// "<|" + caption + "|>"
QString Token(const QString &rotulo);

// Which persons get a letter: all, one group, or (individuals) those born in
// a month. Only persons the login may see and whose ENVIAR is 1.
struct Escolha {
    enum class Modo { Todos, Grupo, Aniversario };
    Modo modo = Modo::Todos;
    int grupo = 0; // Grupo: the group's code
    int mes = 1;   // Aniversario: 1 to 12
};

// The statement that reads the addressees (parameters LOGIN, PUBLICA,
// ENVIAR and, by the choice, COD_GRUPO or MES).
QString Comando(Tipo tipo, const Escolha &escolha);

// Replaces every occurrence of the placeholder in the document with the
// value, in the placeholder's format. Returns how many were replaced.
int SubstituirTodos(QTextDocument &documento, const QString &token, const QString &valor);
// Every placeholder of `valores` (token -> value) in one pass: a value is
// never searched again, so a name holding "<|CEP|>" stays as typed.
int Substituir(QTextDocument &documento, const QHash<QString, QString> &valores);

// The folder and files of a run, under the program's folder.
QString Pasta();            // "MalaDireta/"
QString ArquivoCarta();     // "MalaDireta/Mala.RTF": the last letter alone
QString ArquivoDocumento(); // "MalaDireta/MalaPF.RTF": every letter, a page each
// The copy of letter `numero` (from 1) that goes with its own message:
// "MalaDireta/envio/0001/Mala.RTF". The mail program reads it after the
// hand-off returns, so each message keeps its own file.
QString ArquivoEnvio(int numero);

struct Pedido {
    Tipo tipo = Tipo::PessoaFisica;
    Escolha escolha;
    QString login;                // the current user's login as stored
    TDateTime agora = 0;          // "<|Data|>" and "<|Hora|>", taken once for the run
    bool copiasParaEnvio = false; // a copy of each letter for its own message
};

// Progress shown while a run works: a text, done and total.
using Progresso = std::function<void(const QString &texto, int feitos, int total)>;

// One letter of a run, in the run's order.
struct Destino {
    QString nome;
    QString email;
};

// What a run made. Until it is assembled, the letters wait in a temporary
// file beside the document.
struct Geracao {
    Geracao();
    ~Geracao();
    Geracao(Geracao &&) noexcept;
    Geracao &operator=(Geracao &&) noexcept;

    DbResult resultado;
    QList<Destino> cartas;
    QByteArray ultimaCarta; // the last letter's RTF
    QByteArray cabecalho;   // the joined document's header
    std::unique_ptr<QTemporaryFile> corpo;
};

// The values of the placeholders for the current row of `q` (read with
// Comando), token -> value.
QHash<QString, QString> Valores(Tipo tipo, const Query &q, TDateTime agora);

// The run: deletes the user's earlier letters, reads the addressees with one
// statement, fills the template once for each (in name order), stores each
// letter and writes it into the joined document. The template is only read:
// every letter starts from the same copy. Any database or file error rolls
// everything back (the earlier letters stay) and ends the run with the error
// and no letters; no addressee leaves the earlier letters deleted.
Geracao Gerar(Database &db, const Pedido &pedido, const QTextDocument &modelo,
              const Progresso &progresso = {});

// How the letters go out by e-mail.
struct Envio {
    bool email = false;       // e-mail mode
    bool paraTodos = false;   // one message blind-copied to every addressee, only the chosen files
    bool apenasAnexo = false; // the chosen files without the letter
    bool smtp = false;        // through the [SMTP] account instead of the mail program
    QString assunto;
    QString corpo;      // line breaks as typed
    QStringList anexos; // full paths
};

// Writes "MalaDireta/MalaPF.RTF" and "MalaDireta/Mala.RTF" from the run,
// sends the letters as `envio` says, and asks whether to open the document.
// Gravado when the files were written (a mail that failed is reported and
// does not undo them); Falhou, with the error shown, otherwise.
Resultado MontarDocumento(Geracao &geracao, const Envio &envio, const Progresso &progresso = {});

// The whole run of the screens after their checks: Gerar, its messages
// ("Não há dados a emitir!", the database's error) and MontarDocumento.
Resultado Executar(Database &db, const Pedido &pedido, const QTextDocument &modelo, const Envio &envio,
                   const Progresso &progresso = {});

// The messages of the run.
QString MensagemSemDados();  // "Não há dados a emitir!"
QString PerguntaSucesso();   // "Mala Direta Gerada com Sucesso!..."
QString MensagemSemAnexos(); // send-to-all without chosen files

} // namespace MalaDireta
