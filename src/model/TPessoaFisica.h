#pragma once

#include "model/TPessoa.h"

#include <functional>

class Database;
class Query;

// An individual (table PESSOAFISICA). Dates are day numbers from 30/12/1899,
// 0 = no date; a date that is 0 is stored as NULL and NULL reads back as 0.
class TPessoaFisica : public TPessoa {
public:
    TPessoaFisica();
    explicit TPessoaFisica(Database &db);

    QString Tratamento;             // TRATAMENTO, form of address
    QString Apelido;                // APELIDO
    QString Email;                  // EMAIL
    QString FoneResidencial;        // FONE_RESIDENCIAL
    QString FoneComercial;          // FONE_COMERCIAL
    QString FoneCelular;            // FONE_CELULAR
    QString Profissao;              // PROFISSAO
    QString LocalTrabalho;          // LOCAL_TRABALHO
    double DataNascimento = 0;      // DATA_NASCIMENTO
    quint8 Sexo = 0;                // SEXO
    quint8 EstadoCivil = 0;         // ESTADO_CIVIL
    quint8 InformarAniversario = 0; // INFORMAR_ANIVERSARIO, 1: remind of the birthday
    QString CPF;                    // CPF, digits only
    QString MSN;                    // MSN, the second e-mail
    QString Titulo;                 // TITULO, voter registration
    qint32 Zona = 0;                // ZONA, voting zone
    qint32 Seccao = 0;              // SECCAO, voting section
    QString CartaoVisa;             // CARTAO_VISA
    QString CartaoMaster;           // CARTAO_MASTER
    qint32 CodVisa = 0;             // COD_VISA, security code
    qint32 CodMaster = 0;           // COD_MASTER, security code
    qint32 TipoCliente = 0;         // TIPO_CLIENTE
    QString RG;                     // RG, identity card
    double ClienteDesde = 0;        // CLIENTE_DESDE
    quint8 SemDataNascimento = 0;   // no column: 1 stores no birth date whatever DataNascimento holds
    QString Vendedora;              // VENDEDORA, seller
    QString Matricula;              // P_MATRICULA, employee number
    double DataEntrada = 0;         // P_DATA_ENTRADA, employment start
    double DataDispensa = 0;        // P_DATA_DISPENSA, employment end

    // Fills the record (group name included) from the row of Identificador.
    // False, with the record as it was, when there is no such row (or its
    // group is missing) and on an error, which is not shown. NomeAntigo and
    // SemDataNascimento are left alone.
    [[nodiscard]] bool Carregar();
    // The apartments of a building: one copy of the row of Identificador per
    // complement, differing only in COMPLEMENTO, all in one transaction.
    // `copiada` runs after each row is written. On an error nothing of the
    // copies stays; the caller says why (nothing is shown here).
    DbResult CopiarComComplementos(const QStringList &complementos,
                                   const std::function<void()> &copiada = {}) const;
    void Ler(const Query &q) override;

protected:
    // LocalizarIdentificador compares every column; dates of 0 are not compared.
    const Instrucoes &InstrucoesDeEscrita() const override;
    QString SqlLocalizar() const override;
    QList<CampoTexto> CamposTexto() const override;
    void Vincular(Query &q, Escrita escrita) const override;
    std::unique_ptr<TPessoa> Copia() const override;
    void Assumir(const TPessoa &lida) override;
};
