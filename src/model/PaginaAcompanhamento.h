#pragma once

#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"

#include <QList>
#include <QStringList>

// The lines of "Acomp.html", the printable page of the person search lists:
// a title bar, then one block per person in list order, in two alternating
// colours. Every text from the database is escaped; the fixed parts are
// written as they stand.
QStringList PaginaAcompanhamento(const QList<TPessoaFisica> &pessoas);
QStringList PaginaAcompanhamento(const QList<TPessoaJuridica> &empresas);
