#pragma once

#include "data/DbOperation.h"
#include "model/Resultado.h"
#include "model/TEndereco.h"
#include "model/TGrupo.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class Database;
class Query;

// What individuals (TPessoaFisica) and companies (TPessoaJuridica) share: the
// common columns, the owned address and group, the similar-names lookup
// behind the duplicate-name warning, and making a login's persons public.
class TPessoa {
public:
    virtual ~TPessoa() = default;

    qint32 Identificador = 0; // IDENTIFICADOR, 0 for a person not stored yet

    QString Nome;           // NOME
    QString Obs;            // OBS
    QString Login;          // LOGIN, the owner; empty: the current user's on writing
    qint32 Publica = 0;     // PUBLICA, 1: visible to every user
    QString NomeBanco;      // NOME_BANCO
    QString Agencia;        // AGENCIA
    QString NroConta;       // NRO_CONTA
    QString TitularConta;   // TITULAR_CONTA
    QString NomeBanco02;    // NOME_BANCO02
    QString Agencia02;      // AGENCIA02
    QString NroConta02;     // NRO_CONTA02
    QString TitularConta02; // TITULAR_CONTA02
    QString NomeBanco03;    // NOME_BANCO03
    QString Agencia03;      // AGENCIA03
    QString NroConta03;     // NRO_CONTA03
    QString TitularConta03; // TITULAR_CONTA03
    TEndereco Endereco;     // the address columns
    TGrupo Grupo;           // COD_GRUPO (and NOME_GRUPO where a load joins GRUPO)
    quint8 Guia = 0;        // GUIA, 1: listed in the emergency tab
    QString Voip;           // VOIP
    // The name the row had when the entry screen showed it: a change whose
    // name equals it (exactly) skips the duplicate-name warning. Set again
    // after every successful insert or change.
    QString NomeAntigo;

    // The row as this record last read or wrote it. A change made from it is
    // refused when someone else (another desktop on the network edition)
    // changed or deleted the row in between: nothing is silently overwritten.
    struct Versao {
        QByteArray assinatura; // digest of the stored columns as read
        bool definida() const { return !assinatura.isEmpty(); }
    };
    Versao VersaoLida;
    // What the last Alterar found: Alterada (someone else changed the row;
    // with Recarregada the record now holds the stored row, otherwise it
    // keeps what the user typed and a new save replaces the other change)
    // or Excluida (the row is gone; the record keeps what was typed).
    enum class Conflito { Nenhum, Alterada, Excluida };
    Conflito UltimoConflito = Conflito::Nenhum;
    bool Recarregada = false;

    // Writes a new row after the duplicate-name warning and takes the
    // identifier the database gave it. Recusado: the user declined the
    // warning. Falhou: a text cannot be stored or the database refused, and
    // the reason has been shown (with the name and the statement for an
    // individual).
    [[nodiscard]] Resultado Inserir();
    // Rewrites the row of Identificador; the warning runs only when Nome
    // differs from NomeAntigo. Falhou (reason shown) also when no row has
    // this identifier any more, and when VersaoLida shows that another user
    // changed or deleted the row since it was read (UltimoConflito says
    // which; the user is asked whether to see the stored row).
    [[nodiscard]] Resultado Alterar();
    // Deletes the row of Identificador; errors are rolled back without a message.
    Resultado Excluir();
    // Finds the first row equal to the record (each kind says which columns
    // count) and takes its identifier and columns; false, with the record as
    // it was, when none matches. An error is shown.
    [[nodiscard]] bool LocalizarIdentificador();
    // Fills the record from the current row of a "SELECT *" of its table.
    virtual void Ler(const Query &q) = 0;

    // NOME of every row of this kind's table whose sound code equals that of
    // the name, in name order. A database error is shown (name, statement,
    // error) and the rows read so far are returned; *ok tells which happened.
    QStringList NomesSemelhantes(bool *ok = nullptr);

    // Every distinct NOME of this kind's table that `login` may see (its own
    // rows, any letter case, and the public ones), in order, from one
    // statement: the entry screens' name list. A failed read empties the
    // list and is an error for the caller, never "no names".
    DbResult NomesVisiveis(const QString &login, QStringList &nomes) const;
    // Whether some row of this kind's table that `login` may see is named
    // exactly `nome`: after a change or delete, whether the name stays in
    // that list. One indexed lookup.
    DbResult NomeVisivel(const QString &login, const QString &nome, bool &existe) const;

    // PUBLICA = 1 on every company and individual whose LOGIN is exactly
    // `login` (letter case counts), both in one transaction. Errors are
    // rolled back without a message; *erro gets the server's text and
    // *pessoas how many rows the login has (all of them public now).
    Resultado TornarPublicas(const QString &login, int *pessoas = nullptr, QString *erro = nullptr);

    // Many new rows in one transaction (the import of contacts): the insert
    // statement, and writing the record with it, prepared by the caller in
    // the caller's transaction. No warning and no message: an error is
    // thrown as DbError, and the caller's transaction rolls everything back.
    // Takes the identifier the database gave the row.
    QString SqlInsercao() const;
    void InserirCom(Query &q);
    // Every text field that cannot be written, each with its reason (the
    // field, and the characters or the length): empty when all can.
    QStringList TextosRecusados() const;

    // A text field, its label for the user and the most its column holds
    // (0: no limit, a text blob).
    struct CampoTexto {
        const char *rotulo;
        const QString *valor;
        int maximo;
    };
    // Why these texts cannot be written (a character Windows-1252 lacks, or
    // more characters than the column holds), or empty when they can.
    static QString TextoRecusado(const QList<CampoTexto> &campos);

    // How many times individuals or companies were written in this process
    // (inserted, changed, deleted, made public). A window that lists persons
    // compares it before and after another screen to know whether to read
    // its lists again.
    static quint64 Alteracoes();
    static Resultado ContarAlteracao(Resultado r);

protected:
    enum class Tabela { PessoaFisica, PessoaJuridica };
    // db null: the process-wide connection.
    TPessoa(Tabela tabela, Database *db);
    TPessoa(const TPessoa &) = default;
    TPessoa &operator=(const TPessoa &) = default;

    Database &db() const;

    // What the writes above need from each kind: its statements, its texts
    // with their limits, its bindings, and the warning's headings.
    enum class Escrita { Insercao, Alteracao, Localizacao };
    struct Instrucoes {
        QString inserir; // returns IDENTIFICADOR
        QString alterar; // by :IDENTIFICADOR
        QString excluir; // by :IDENTIFICADOR
        QString umNomeInserindo;
        QString umNomeAlterando;
        QString variosNomes;
        bool erroComInstrucao; // a failed write shows the statement too
    };
    virtual const Instrucoes &InstrucoesDeEscrita() const = 0;
    virtual QString SqlLocalizar() const = 0;
    virtual QList<CampoTexto> CamposTexto() const = 0;
    virtual void Vincular(Query &q, Escrita escrita) const = 0;
    // A copy of the record to read into, and taking such a copy back: a
    // failed read leaves the record as it was.
    virtual std::unique_ptr<TPessoa> Copia() const = 0;
    virtual void Assumir(const TPessoa &lida) = 0;

    // The duplicate-name warning: nothing when the write may go on, otherwise
    // the outcome to return (Recusado on No, Falhou when the lookup failed).
    std::optional<Resultado> AvisoNomeDuplicado(const QString &cabecalhoUmNome,
                                                const QString &cabecalhoVariosNomes);

    // An empty owner login becomes the current user's.
    void CompletarLogin();

    // The common texts with their limits (db/schema.sql).
    QList<CampoTexto> CamposTextoPessoa() const;

    // The common fields bound to the parameters the statement names (the
    // insert, change and search of one kind share one binding) and read back.
    void VincularPessoa(Query &q, const QStringList &nomes) const;
    void LerPessoa(const Query &q);

    // Binding by name, skipping a name the statement does not have.
    static void VincularTexto(Query &q, const QStringList &nomes, const char *nome, const QString &valor);
    static void VincularInteiro(Query &q, const QStringList &nomes, const char *nome, qint32 valor);
    // A date without its time; 0 (no date) goes as NULL.
    static void VincularData(Query &q, const QStringList &nomes, const char *nome, double valor);

private:
    QString NomeTabela() const;
    Tabela m_tabela;
    Database *m_db;
};
