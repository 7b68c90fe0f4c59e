#pragma once

#include "data/DbOperation.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "util/Contato.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <functional>

class Database;

// A contact from a file on its way into the database: the individual or
// company it becomes, what keeps it out, and the user's choice.
struct ContatoImportado {
    bool empresa = false;
    TPessoaFisica pf;
    TPessoaJuridica pj;
    QByteArray foto;        // JPEG bytes: the individual's first album picture
    QStringList categorias; // group names, when each category becomes a group
    // Stored names of the same kind that sound like this one (the SOUNDEX
    // rule of the duplicate-name warning).
    QStringList semelhantes;
    // Why it cannot be stored as it is (field and characters, or length).
    QStringList recusas;
    bool importar = true;
    bool puladoSemelhante = false; // skipped by "skip every sound-alike"

    TPessoa &pessoa() { return empresa ? static_cast<TPessoa &>(pj) : pf; }
    const TPessoa &pessoa() const { return empresa ? static_cast<const TPessoa &>(pj) : pf; }
};

namespace ImportacaoContatos {

// The digits a telephone field stores: "+55" and the trunk zero (with an old
// carrier code) removed; a foreign number as "00" and its digits. Empty when
// there is no digit.
QString NormalizarFone(const QString &numero);

// The record a contact becomes; whatever has no column goes into the notes
// with its label. recusas is filled (Validar).
ContatoImportado Mapear(const Contato &c);
// recusas again, after the user changed the record.
void Validar(ContatoImportado &item);

// semelhantes of every contact, from one statement per kind and batch of
// names (never one per contact).
DbResult MarcarSemelhantes(Database &db, QList<ContatoImportado> &itens);
// importar = false on every contact with a sound-alike.
int PularSemelhantes(QList<ContatoImportado> &itens);

struct Opcoes {
    qint32 grupo = 0;                // the group of every contact (or of those without a category)
    bool gruposPorCategoria = false; // one group per category, made when missing
    bool publicas = false;           // PUBLICA = 1
    QString login;                   // the owner; empty: the current user
};

struct Resumo {
    int importados = 0;
    int puladosSemelhantes = 0;
    int puladosUsuario = 0;
};

// Stores every contact marked importar, all in one transaction: on any
// error none stays. Refused (nothing written) while a contact to import
// has recusas. `progresso` runs after each one (done, total); an exception
// it throws is an error like the database's.
DbResult Gravar(Database &db, QList<ContatoImportado> &itens, const Opcoes &opcoes, Resumo *resumo = nullptr,
                const std::function<void(int, int)> &progresso = {});

// The summary page: the counts, then each contact not imported and why
// (a sound-alike and its stored names, or left out by the user), every text
// escaped.
QString PaginaPulados(const QList<ContatoImportado> &itens, const Resumo &resumo);

// The contacts to write out: the persons `login` may see (their own or
// public), all of them or one group's from one statement, or the chosen ones
// (any number) from one statement per kind and batch of identifiers, in one
// transaction. Either way ordered by name (its Windows-1252 bytes), then
// individuals before companies, then identifier.
struct Filtro {
    qint32 grupo = 0;        // 0: every group
    bool escolhidas = false; // only the identifiers below
    QList<qint32> fisicas;
    QList<qint32> juridicas;
};
DbResult Exportaveis(Database &db, const QString &login, const Filtro &filtro, bool comFoto,
                     QList<Contato> &contatos);

// A record as a contact (the export's side of Mapear).
Contato ParaContato(const TPessoaFisica &pf, const QByteArray &foto = {});
Contato ParaContato(const TPessoaJuridica &pj);

} // namespace ImportacaoContatos
