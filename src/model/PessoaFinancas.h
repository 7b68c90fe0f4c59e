#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class TPessoaFisica;
class TPessoaJuridica;

// The person whose finances are shown: what the finance screen's header and
// its page say about an individual or a company, whether it came from a
// loaded record or from a row of the all-persons list.
struct PessoaFinancas {
    qint32 Identificador = 0;
    qint32 Tipo = 0; // 0 individual, 1 company
    QString Nome;
    QString Tratamento;    // individual: form of address
    QString Apelido;       // individual
    QString LocalTrabalho; // individual
    QString Email;
    QString Email2; // individual: the second e-mail (MSN); company: the web page
    QString Fone1;  // individual: home; company: telephone
    QString Fone2;  // individual: business; company: fax
    QString Fone3;  // mobile

    static PessoaFinancas De(const TPessoaFisica &pessoa);
    static PessoaFinancas De(const TPessoaJuridica &empresa);

    // "Tratamento Nome :: Apelido : Trabalho" or "Nome :: Home page : e-mail".
    QString Cabecalho() const;
    // The window's caption: "Finanças de: " and the heading.
    QString Titulo() const;
    // The four header lines (e-mails, then the three telephones, formatted).
    QStringList Linhas() const;
};
