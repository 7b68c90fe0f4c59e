#include "model/PessoaFinancas.h"

#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "util/TextUtils.h"

PessoaFinancas PessoaFinancas::De(const TPessoaFisica &pessoa)
{
    PessoaFinancas p;
    p.Identificador = pessoa.Identificador;
    p.Tipo = 0;
    p.Nome = pessoa.Nome;
    p.Tratamento = pessoa.Tratamento;
    p.Apelido = pessoa.Apelido;
    p.LocalTrabalho = pessoa.LocalTrabalho;
    p.Email = pessoa.Email;
    p.Email2 = pessoa.MSN;
    p.Fone1 = pessoa.FoneResidencial;
    p.Fone2 = pessoa.FoneComercial;
    p.Fone3 = pessoa.FoneCelular;
    return p;
}

PessoaFinancas PessoaFinancas::De(const TPessoaJuridica &empresa)
{
    PessoaFinancas p;
    p.Identificador = empresa.Identificador;
    p.Tipo = 1;
    p.Nome = empresa.Nome;
    p.Email = empresa.Email;
    p.Email2 = empresa.HomePage;
    p.Fone1 = empresa.Fone;
    p.Fone2 = empresa.FoneFax;
    p.Fone3 = empresa.FoneCel;
    return p;
}

QString PessoaFinancas::Cabecalho() const
{
    if (Tipo == 0)
        return Tratamento + QLatin1Char(' ') + Nome + QStringLiteral(" :: ") + Apelido +
               QStringLiteral(" : ") + LocalTrabalho;
    return Nome + QStringLiteral(" :: ") + Email2 + QStringLiteral(" : ") + Email;
}

QString PessoaFinancas::Titulo() const
{
    return QStringLiteral("Finanças de: ") + Cabecalho();
}

QStringList PessoaFinancas::Linhas() const
{
    if (Tipo == 0)
        return {QStringLiteral("E-mail: ") + Email + QStringLiteral(" <<:::>> E-mail MSN: ") + Email2,
                QStringLiteral("Fone Res.: ") + FormatPhone(Fone1),
                QStringLiteral("Fone Com.: ") + FormatPhone(Fone2),
                QStringLiteral("Fone Cel.: ") + FormatPhone(Fone3)};
    return {QStringLiteral("E-mail: ") + Email + QStringLiteral(" <<:::>> Home Page: ") + Email2,
            QStringLiteral("Fone     : ") + FormatPhone(Fone1),
            QStringLiteral("Fone Fax.: ") + FormatPhone(Fone2),
            QStringLiteral("Fone Cel.: ") + FormatPhone(Fone3)};
}
