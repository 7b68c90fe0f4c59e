#pragma once

#include "data/DbOperation.h"
#include "model/ItemHistorico.h"
#include "model/Resultado.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Database;

// One dated entry of the history of an individual or a company (table
// HISTORICO). The picture is not a field: the insert and the change take the
// bytes to store (a JPEG file's own bytes), and an empty array stores NULL.
class THistorico {
public:
    THistorico();
    explicit THistorico(Database &db);

    qint32 Identificador = -1; // IDENTIFICADOR; -1: no entry picked
    qint32 IdenPessoa = 0;     // IDEN_PESSOA, the person's identifier
    qint32 TipoPessoa = 0;     // TIPO_PESSOA, 0 individual, 1 company
    double Data = 0;           // DATA, day number from 30/12/1899 (date part only)
    QString Texto;             // TEXTO, at most MaximoTexto characters

    static constexpr int MaximoTexto = 2000;

    // Why Texto cannot be stored (a character Windows-1252 lacks, or longer
    // than MaximoTexto), or empty when it can.
    QString TextoRecusado() const;

    // Writes a new entry and takes the identifier the database gave it. A
    // text that cannot be stored and a database error are shown (the
    // statement, a line break and the reason); nothing is written.
    Resultado Inserir(const QByteArray &imagem);
    // Rewrites the entry of Identificador. manterImagem leaves the stored
    // picture untouched; otherwise `imagem` replaces it (empty: NULL). A text
    // that cannot be stored is shown; database errors are rolled back without
    // a message. Falhou also when no entry has this identifier any more.
    Resultado Alterar(const QByteArray &imagem, bool manterImagem);
    // Deletes the entry of Identificador; errors are rolled back without a message.
    Resultado Excluir();
    // Deletes every entry of IdenPessoa of the kind TipoPessoa (an individual
    // and a company may share a number); errors as Excluir.
    Resultado ExcluirDaPessoa();

    // The entries of IdenPessoa of the kind TipoPessoa by date, from one
    // statement, without their pictures; ListarEntre only those dated from
    // `de` to `ate`. A failed read empties the list and is an error for the
    // caller to show, never an empty history.
    DbResult Listar(QList<ItemHistorico> &itens) const;
    DbResult ListarEntre(double de, double ate, QList<ItemHistorico> &itens) const;

    // The picture of the entry Identificador as stored (empty for none or no
    // such entry).
    DbResult LerImagem(QByteArray &imagem) const;
    // Takes the picture off the entry Identificador (NULL); nothing is shown.
    DbResult LimparImagem() const;

private:
    // the process-wide connection unless one was given
    Database &db() const;
    Database *m_db;
};
