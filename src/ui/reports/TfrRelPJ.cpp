#include "ui/reports/TfrRelPJ.h"

#include "data/TDM.h"
#include "model/PaginaAcompanhamento.h"
#include "model/PesquisaRelPJ.h"
#include "model/TUsuario.h"
#include "ui/common/GroupList.h"
#include "ui/common/Telas.h"
#include "util/TextUtils.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {

using J = PesquisaRelPJ;

enum Coluna { Historico = 0, Nome = 1, Contato = 5, Financas = 6 };

} // namespace

TfrRelPJ::TfrRelPJ(QWidget *parent)
    : TfrRelPessoas(QStringLiteral("Pesquisa Pessoa Jurídica"),
                    {QStringLiteral("Histórico"), QStringLiteral("Nome"), QStringLiteral("Fone"),
                     QStringLiteral("Fone Fax"), QStringLiteral("Email"), QStringLiteral("Contato"),
                     QStringLiteral("Finanças")},
                    {Historico, Contato, Financas}, parent)
{
    setObjectName(QStringLiteral("frRelPJ"));
    abaNome(J::Nome, J::NomeFonetico, J::LetraInicial);
    abaEndereco(J::Rua, J::Bairro, J::Cidade, J::Estado, false);
    abaGrupo(J::Grupo);
    QGridLayout *aba = novaAba("TabSheet6", QStringLiteral("Telefone"));
    edtFoneComercial = telefone(aba, "edtFoneComercial", "SpeedButton4", QStringLiteral("Comercial"),
                                dicaTelefone(QStringLiteral("Apenas COMERCIAL!")), J::FoneComercial);
    edtFoneFax = telefone(aba, "edtFoneFax", "SpeedButton5", QStringLiteral("Fax"),
                          dicaTelefone(QStringLiteral("Apenas FAX!")), J::Fax);
    edtFoneCelular = telefone(aba, "edtFoneCelular", "SpeedButton6", QStringLiteral("Celular"),
                              dicaTelefone(QStringLiteral("Apenas CELULAR!")), J::Celular);
    edtFoneTodos = telefone(aba, "edtFoneTodos", "SpeedButton1", QStringLiteral("TODOS"),
                            dicaTelefone(QStringLiteral("TODOS do telefones cadastrados!")), J::FoneTodos);
    montar();
}

DbResult TfrRelPJ::executar(int filtro)
{
    PesquisaRelPJ p;
    p.Numero = filtro;
    const TUsuario *usuario = TUsuario::atual();
    p.Login = usuario ? usuario->Login : QString();
    switch (filtro) {
    case J::NomeFonetico: p.Texto = edtNomeF->text(); break;
    case J::Rua: p.Texto = edtRua->text(); break;
    case J::Bairro: p.Texto = edtBairro->text(); break;
    case J::Cidade: p.Texto = edtCidade->text(); break;
    case J::Estado: p.Texto = edtEstado->currentText(); break;
    case J::LetraInicial: p.Texto = txtLetraIni->currentText(); break;
    case J::Grupo: p.CodigoGrupo = txtGrupo->codigoSelecionado(); break;
    case J::FoneComercial: p.Texto = edtFoneComercial->text(); break;
    case J::Fax: p.Texto = edtFoneFax->text(); break;
    case J::Celular: p.Texto = edtFoneCelular->text(); break;
    case J::Nome: p.Texto = edtNome->text(); break;
    case J::FoneTodos: p.Texto = edtFoneTodos->text(); break;
    default: break;
    }
    return p.Executar(BancoDados(), m_empresas);
}

QString TfrRelPJ::texto(int linha, int coluna) const
{
    const TPessoaJuridica &e = m_empresas.at(linha);
    switch (coluna) {
    case Historico: return QStringLiteral("Inserir");
    case Nome: return e.Nome;
    case 2: return FormatPhone(e.Fone);
    case 3: return FormatPhone(e.FoneFax);
    case 4: return e.Email;
    case Contato: return QStringLiteral("Inserir");
    case Financas: return QStringLiteral("Pagar/Receber");
    default: return {};
    }
}

Resultado TfrRelPJ::excluir(int linha)
{
    TPessoaJuridica empresa = m_empresas.at(linha);
    return empresa.Excluir();
}

void TfrRelPJ::abrirColuna(int linha, int coluna)
{
    const qint32 id = m_empresas.at(linha).Identificador;
    switch (coluna) {
    case Historico: Telas::Historico(this, id, 1); break;
    case Contato: AbrirContatos(linha); break;
    case Financas: Telas::Financas(this, id, 1); break;
    default: break;
    }
}

void TfrRelPJ::AbrirContatos(int linha)
{
    const TPessoaJuridica &e = m_empresas.at(linha);
    Telas::ContatoPJ(this, e.Identificador, e.Nome,
                     QStringLiteral("Contatos de ") + e.Nome + QStringLiteral("  ") + e.Email);
}

void TfrRelPJ::teclaNaGrade(int tecla, int linha)
{
    if (tecla == Qt::Key_F3 && linha >= 0)
        AbrirContatos(linha);
}

void TfrRelPJ::abrirParaAlterar(int linha)
{
    Telas::PessoaJuridica(this, m_empresas.at(linha).Identificador);
}

QStringList TfrRelPJ::pagina() const
{
    return PaginaAcompanhamento(m_empresas);
}

void TfrRelPJ::escolhidos(QList<qint32> & /*fisicas*/, QList<qint32> &juridicas) const
{
    for (const TPessoaJuridica &p : m_empresas)
        juridicas << p.Identificador;
}
