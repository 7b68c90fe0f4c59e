#pragma once

#include "data/DbOperation.h"
#include "model/TPessoaFisica.h"
#include "util/DateTime.h"

#include <QStringList>

#include <vector>

// The birthdays of the main window: individuals with the reminder flag that
// the login may see, ordered by month, day and name. A person whose group
// row is missing is left out, as in the telephone lists.
namespace Aniversariantes {

enum Lista { DoMes = 1, Todos = 2 };

// The month's birthdays (1-12), every column of each row. One statement.
std::vector<TPessoaFisica> DoMesAtual(const QString &login, int mes, DbResult *resultado = nullptr);

// The statement DoMesAtual runs (LOGIN, PUBLICA, MES, INFORMAR_ANIVERSARIO).
QString ComandoDoMes();
// The statement the page of every month runs (LOGIN, PUBLICA, INFORMAR_ANIVERSARIO).
QString ComandoTodos();

// "dd/mm -- Nome :: Apelido : Email : Celular : Comercial"
QString Linha(const TPessoaFisica &pessoa);

// The birthday falls on `hoje`'s day and month (the year of birth does not
// matter).
bool FazAniversario(const TPessoaFisica &pessoa, TDateTime hoje);

// The lines of "Aniversario.html" for the month of `agora` or for every
// month; `linhas` is left empty when the statement fails.
DbResult Pagina(Lista lista, const QString &login, TDateTime agora, QStringList &linhas);

} // namespace Aniversariantes
