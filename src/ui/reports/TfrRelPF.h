#pragma once

#include "model/TPessoaFisica.h"
#include "ui/reports/TfrRelPessoas.h"

#include <QList>

class QDateEdit;

// "Pesquisa Pessoa Física": the individuals the current user may see that
// match one of 26 filters, in a grid from which the user opens a person's
// entry screen, history, finances or album, deletes a person, and prints
// the list as "Acomp.html".
class TfrRelPF : public TfrRelPessoas {
    Q_OBJECT
public:
    explicit TfrRelPF(QWidget *parent = nullptr);

    // The individuals of the last search, complete records, in the
    // statement's order; empty after a failed search.
    const QList<TPessoaFisica> &PessoasEncontradas() const { return m_pessoas; }

protected:
    DbResult executar(int filtro) override;
    QString mensagemDeErro(const DbResult &r) const override;
    int quantidade() const override { return int(m_pessoas.size()); }
    QString texto(int linha, int coluna) const override;
    bool naGuia(int linha) const override { return m_pessoas.at(linha).Guia == 1; }
    QString nomeDe(int linha) const override { return m_pessoas.at(linha).Nome; }
    Resultado excluir(int linha) override;
    void abrirColuna(int linha, int coluna) override;
    void abrirParaAlterar(int linha) override;
    QStringList pagina() const override;
    void escolhidos(QList<qint32> &fisicas, QList<qint32> &juridicas) const override;
    QString paginaDeAjuda() const override { return QStringLiteral("pesq_pf.htm"); }
    void FormShow() override;

private:
    QLineEdit *edtApelido = nullptr;
    QLineEdit *edtEmail = nullptr;
    QDateEdit *Data = nullptr;
    QComboBox *txtDia = nullptr;
    QComboBox *txtMes = nullptr;
    QComboBox *txtAno = nullptr;
    QComboBox *txtDiaM = nullptr;
    QComboBox *txtMesD = nullptr;
    QLineEdit *edtFoneTodos = nullptr;
    QLineEdit *edtFoneRes = nullptr;
    QLineEdit *edtFoneCelular = nullptr;
    QLineEdit *edtFoneComercial = nullptr;
    QComboBox *edtTipoCliente = nullptr;
    QComboBox *edtTipoCliente01 = nullptr;
    QDateEdit *data_in = nullptr;
    QDateEdit *data_out = nullptr;
    QLineEdit *edtTitulo = nullptr;
    QLineEdit *edtZona = nullptr;
    QLineEdit *edtSeccao = nullptr;
    QLineEdit *edtNomeProfissao = nullptr;
    QLineEdit *edtNomeLocalTrabalho = nullptr;

    QList<TPessoaFisica> m_pessoas;
    bool m_mostrando = false; // the dates are being set: no search
};
