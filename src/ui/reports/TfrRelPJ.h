#pragma once

#include "model/TPessoaJuridica.h"
#include "ui/reports/TfrRelPessoas.h"

#include <QList>

// "Pesquisa Pessoa Jurídica": the companies the current user may see that
// match one of 12 filters, in a grid from which the user opens a company's
// entry screen, history, contacts or finances, deletes a company, and
// prints the list as "Acomp.html".
class TfrRelPJ : public TfrRelPessoas {
    Q_OBJECT
public:
    explicit TfrRelPJ(QWidget *parent = nullptr);

    const QList<TPessoaJuridica> &PessoasEncontradas() const { return m_empresas; }

protected:
    DbResult executar(int filtro) override;
    QString mensagemDeErro(const DbResult &r) const override { return r.error; }
    int quantidade() const override { return int(m_empresas.size()); }
    QString texto(int linha, int coluna) const override;
    bool naGuia(int linha) const override { return m_empresas.at(linha).Guia == 1; }
    QString nomeDe(int linha) const override { return m_empresas.at(linha).Nome; }
    Resultado excluir(int linha) override;
    void abrirColuna(int linha, int coluna) override;
    void abrirParaAlterar(int linha) override;
    QStringList pagina() const override;
    void escolhidos(QList<qint32> &fisicas, QList<qint32> &juridicas) const override;
    QString paginaDeAjuda() const override { return QStringLiteral("pesq_pj.htm"); }
    void teclaNaGrade(int tecla, int linha) override;

private:
    void AbrirContatos(int linha);

    QLineEdit *edtFoneComercial = nullptr;
    QLineEdit *edtFoneFax = nullptr;
    QLineEdit *edtFoneCelular = nullptr;
    QLineEdit *edtFoneTodos = nullptr;

    QList<TPessoaJuridica> m_empresas;
};
