#pragma once

#include "model/TContato_PJ.h"
#include "model/TPessoaJuridica.h"
#include "util/PaginaHtml.h"

#include <QList>
#include <QString>

// The contact sheet of a company ("Contato_PJ.html"): the company block and
// then every contact in the order given, one text line per item. Every text
// read from the database is escaped, so a name holding "<" or "&" shows as
// typed and never becomes markup.
QString FichaContatoPJ(const TPessoaJuridica &empresa, const QList<TContato_PJ> &contatos);
