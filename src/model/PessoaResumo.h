#pragma once

#include "data/DbOperation.h"

#include "data/Query.h"

#include <QString>

#include <vector>

// One line of the main window's telephone lists: an individual or a company
// reduced to what the line shows and what opening it needs. The statements
// join GRUPO, so a person whose group row is missing is not listed.
struct PessoaResumo {
    static constexpr int Fisica = 1;
    static constexpr int Juridica = 2;

    QString Tratamento; // individual: TRATAMENTO; company: CNPJ
    QString Nome;
    QString Cidade;
    QString Estado;
    QString Fone1; // home / FONE, shown with FormatPhone
    QString Fone2; // business / FONE_FAX, shown with FormatPhone
    QString Fone3; // mobile (FormatPhone) / FONE_0800 in groups of digits
    QString Email;
    QString Msn; // individual: MSN; company: HOME_PAGE
    QString Grupo;
    QString Rua;
    QString Bairro;
    QString Cep;    // emergency list only: 00000-000
    QString Numero; // emergency list only: "000", or "s/n" for 0 or none
    QString Profissao;
    int TipoPessoa = Fisica;
    qint32 Identificador = 0;

    // "Tratamento Nome :: Fone1 : Fone2 : Fone3 : Email : Cidade"
    QString LinhaEmergencia() const;
    // individual: "[Tratamento ]Nome : Fone1 : Fone2 : Fone3 : Email";
    // company: the same without the title.
    QString LinhaPesquisa() const;

    // Individuals and companies marked for the emergency guide that `login`
    // may see, ordered by name. One statement.
    static std::vector<PessoaResumo> Emergencia(const QString &login, DbResult *resultado = nullptr);
    // Individuals and companies whose name contains `texto` (any letter
    // case) that `login` may see, ordered by name; an empty text lists all.
    // The statement PorNome runs (LOGIN, PUBLICA, NOME = "%TEXTO%").
    static QString ComandoPorNome();
    static std::vector<PessoaResumo> PorNome(const QString &login, const QString &texto,
                                             DbResult *resultado = nullptr);
};

// Reads the rows of a telephone-list statement (the columns above: NOME_GRUPO,
// IDENTIFICADOR, TRATAMENTO, NOME, the three telephones, EMAIL, MSN,
// TIPO_PESSOA, the address and PROFISSAO) into entries, one row at a time.
class LeitorPessoaResumo {
public:
    // `comEndereco` also fills Cep and Numero.
    LeitorPessoaResumo(const Query &q, bool comEndereco);
    // The query's current row.
    PessoaResumo Ler() const;

private:
    Field m_grupo, m_id, m_tratamento, m_nome, m_fone1, m_fone2, m_fone3, m_email, m_msn, m_tipo, m_cidade,
        m_estado, m_rua, m_numero, m_bairro, m_cep, m_profissao;
    bool m_comEndereco;
};
