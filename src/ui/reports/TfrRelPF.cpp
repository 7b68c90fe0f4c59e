#include "ui/reports/TfrRelPF.h"

#include "data/TDM.h"
#include "model/PaginaAcompanhamento.h"
#include "model/PesquisaRelPF.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "ui/common/GroupList.h"
#include "ui/common/Telas.h"
#include "util/DateTime.h"
#include "util/TextUtils.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using F = PesquisaRelPF;

enum Coluna { Historico = 0, Nome = 1, Financas = 5, Album = 6 };

const QStringList kMeses = {
    QStringLiteral("Janeiro"), QStringLiteral("Fevereiro"), QStringLiteral("Março"),
    QStringLiteral("Abril"),   QStringLiteral("Maio"),      QStringLiteral("Junho"),
    QStringLiteral("Julho"),   QStringLiteral("Agosto"),    QStringLiteral("Setembro"),
    QStringLiteral("Outubro"), QStringLiteral("Novembro"),  QStringLiteral("Dezembro")};

const QStringList kInteresses = {QStringLiteral("Não Cliente"), QStringLiteral("Cliente"),
                                 QStringLiteral("Não tem interesse"), QStringLiteral("Futuramente")};

QStringList dias()
{
    QStringList l;
    for (int d = 1; d <= 31; ++d)
        l << QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0'));
    return l;
}

QDateEdit *novaData(QWidget *pai, const char *nome)
{
    auto *d = new QDateEdit(pai);
    d->setObjectName(QString::fromLatin1(nome));
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    return d;
}

// several controls side by side in one filter row
QWidget *juntos(QWidget *pai, std::initializer_list<QWidget *> controles)
{
    auto *w = new QWidget(pai);
    auto *h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    for (QWidget *c : controles)
        h->addWidget(c);
    h->addStretch();
    return w;
}

} // namespace

TfrRelPF::TfrRelPF(QWidget *parent)
    : TfrRelPessoas(QStringLiteral("Pesquisa Pessoa Física"),
                    {QStringLiteral("Histórico"), QStringLiteral("Nome"), QStringLiteral("Fone Res"),
                     QStringLiteral("Fone Com"), QStringLiteral("Fone Cel"), QStringLiteral("Finanças"),
                     QStringLiteral("Álbum")},
                    {Historico, Financas, Album}, parent)
{
    setObjectName(QStringLiteral("frRelPF"));
    abaNome(F::Nome, F::NomeFonetico, F::LetraInicial, [this](QGridLayout *aba) {
        edtApelido = edit("edtApelido", F::Apelido);
        linha(aba, QStringLiteral("Apelido"), edtApelido, botaoOk("btnProcuraApelido", F::Apelido));
    });

    QGridLayout *aba = novaAba("TabSheet2", QStringLiteral("Email"));
    edtEmail = edit("edtEmail", F::Email);
    linha(aba, QStringLiteral("E-mail"), edtEmail, botaoOk("btnProcuraEmail", F::Email));

    aba = novaAba("TabSheet3", QStringLiteral("Data"));
    Data = novaData(this, "Data");
    connect(Data, &QDateEdit::dateChanged, this, [this] {
        if (!m_mostrando)
            Pesquisar(F::DataNascimento);
    });
    linha(aba, QStringLiteral("Data"), Data, botaoOk("btnData", F::DataNascimento));
    txtDia = lista("txtDia", dias(), F::DiaNascimento);
    linha(aba, QStringLiteral("Dia"), txtDia, botaoOk("btnDia", F::DiaNascimento));
    txtMes = lista("txtMes", kMeses, F::MesNascimento);
    linha(aba, QStringLiteral("Mês"), txtMes, botaoOk("btnMes", F::MesNascimento));
    // the current year and the 120 before it, newest first
    QStringList anos;
    const int ano = Seams::clock().now().date().year();
    for (int a = ano; a >= ano - 120; --a)
        anos << QStringLiteral("%1").arg(a, 4, 10, QLatin1Char('0'));
    txtAno = lista("txtAno", anos, F::AnoNascimento);
    linha(aba, QStringLiteral("Ano"), txtAno, botaoOk("SpeedButton1", F::AnoNascimento));
    txtDiaM = lista("txtDiaM", dias(), -1);
    txtMesD = lista("txtMesD", kMeses, -1);
    linha(aba, QStringLiteral("Dia / Mês"), juntos(this, {txtDiaM, txtMesD}),
          botaoOk("btnMesDia", F::DiaEMes));

    abaEndereco(F::Rua, F::Bairro, F::Cidade, F::Estado, true);
    abaGrupo(F::Grupo);

    aba = novaAba("TabSheet6", QStringLiteral("Telefone"));
    edtFoneTodos = telefone(aba, "edtFoneTodos", "SpeedButton9", QStringLiteral("TODOS"),
                            dicaTelefone(QStringLiteral("TODOS do telefones cadastrados!")), F::FoneTodos);
    edtFoneRes = telefone(aba, "edtFoneRes", "SpeedButton4", QStringLiteral("Residêncial"),
                          dicaTelefone(QStringLiteral("Apenas RESIDÊNCIAL!")), F::FoneResidencial);
    edtFoneCelular = telefone(aba, "edtFoneCelular", "SpeedButton5", QStringLiteral("Celular"),
                              dicaTelefone(QStringLiteral("Apenas CELULAR!")), F::FoneCelular);
    edtFoneComercial = telefone(aba, "edtFoneComercial", "SpeedButton6", QStringLiteral("Comercial"),
                                dicaTelefone(QStringLiteral("Apenas COMERCIAL!")), F::FoneComercial);

    aba = novaAba("TabSheet7", QStringLiteral("Tele Marketing"));
    edtTipoCliente = lista("edtTipoCliente", kInteresses, F::Interesse);
    linha(aba, QStringLiteral("Interesse"), edtTipoCliente, botaoOk("SpeedButton7", F::Interesse));
    edtTipoCliente01 = lista("edtTipoCliente01", kInteresses, -1);
    edtTipoCliente01->setCurrentIndex(1);
    linha(aba, QStringLiteral("Interesse"), edtTipoCliente01, nullptr);
    data_in = novaData(this, "data_in");
    data_out = novaData(this, "data_out");
    auto *a = new QLabel(QStringLiteral("a"), this);
    linha(aba, QStringLiteral("De"), juntos(this, {data_in, a, data_out}),
          botaoOk("SpeedButton8", F::InteressePeriodo));

    aba = novaAba("TabSheet8", QStringLiteral("Eleitor"));
    edtTitulo = edit("edtTitulo", F::Titulo, 13);
    linha(aba, QStringLiteral("Título"), edtTitulo, botaoOk("SpeedButton11", F::Titulo));
    edtZona = edit("edtZona", F::Zona, 3);
    linha(aba, QStringLiteral("Zona"), edtZona, botaoOk("SpeedButton12", F::Zona));
    edtSeccao = edit("edtSeccao", F::Seccao, 3);
    linha(aba, QStringLiteral("Secção"), edtSeccao, botaoOk("SpeedButton13", F::Seccao));

    aba = novaAba("TabSheet9", QStringLiteral("Dados Profissionais"));
    edtNomeProfissao = edit("edtNomeProfissao", F::Profissao);
    linha(aba, QStringLiteral("Profissão"), edtNomeProfissao, botaoOk("SpeedButton14", F::Profissao));
    edtNomeLocalTrabalho = edit("edtNomeLocalTrabalho", F::LocalTrabalho);
    linha(aba, QStringLiteral("Local de Trabalho"), edtNomeLocalTrabalho,
          botaoOk("SpeedButton15", F::LocalTrabalho));

    montar();
}

void TfrRelPF::FormShow()
{
    m_pessoas.clear();
    TfrRelPessoas::FormShow();
    // this month in the period, today in the birth date: setting them searches nothing
    m_mostrando = true;
    const QDate hoje = Seams::clock().now().date();
    data_in->setDate(QDate(hoje.year(), hoje.month(), 1));
    data_out->setDate(QDate(hoje.year(), hoje.month(), hoje.daysInMonth()));
    Data->setDate(hoje);
    m_mostrando = false;
}

DbResult TfrRelPF::executar(int filtro)
{
    PesquisaRelPF p;
    p.Numero = filtro;
    const TUsuario *usuario = TUsuario::atual();
    p.Login = usuario ? usuario->Login : QString();
    switch (filtro) {
    case F::NomeFonetico: p.Texto = edtNomeF->text(); break;
    case F::Apelido: p.Texto = edtApelido->text(); break;
    case F::Email: p.Texto = edtEmail->text(); break;
    case F::DataNascimento: p.Data = QDateToDateTime(Data->date()); break;
    case F::DiaNascimento: p.Texto = txtDia->currentText(); break;
    case F::MesNascimento: p.Mes = txtMes->currentIndex() + 1; break;
    case F::AnoNascimento: p.Texto = txtAno->currentText(); break;
    case F::Rua: p.Texto = edtRua->text(); break;
    case F::Bairro: p.Texto = edtBairro->text(); break;
    case F::Cidade: p.Texto = edtCidade->text(); break;
    case F::Estado: p.Texto = edtEstado->currentText(); break;
    case F::DiaEMes:
        p.Texto = txtDiaM->currentText();
        p.Mes = txtMesD->currentIndex() + 1;
        break;
    case F::LetraInicial: p.Texto = txtLetraIni->currentText(); break;
    case F::Grupo: p.CodigoGrupo = txtGrupo->codigoSelecionado(); break;
    case F::FoneResidencial: p.Texto = edtFoneRes->text(); break;
    case F::FoneCelular: p.Texto = edtFoneCelular->text(); break;
    case F::FoneComercial: p.Texto = edtFoneComercial->text(); break;
    case F::Interesse: p.TipoCliente = edtTipoCliente->currentIndex(); break;
    case F::InteressePeriodo:
        p.TipoCliente = edtTipoCliente01->currentIndex();
        p.Data = QDateToDateTime(data_in->date());
        p.DataFinal = QDateToDateTime(data_out->date());
        break;
    case F::Nome: p.Texto = edtNome->text(); break;
    case F::FoneTodos: p.Texto = edtFoneTodos->text(); break;
    case F::Titulo: p.Texto = edtTitulo->text(); break;
    case F::Zona: p.Texto = edtZona->text(); break;
    case F::Seccao: p.Texto = edtSeccao->text(); break;
    case F::Profissao: p.Texto = edtNomeProfissao->text(); break;
    case F::LocalTrabalho: p.Texto = edtNomeLocalTrabalho->text(); break;
    default: break;
    }
    return p.Executar(BancoDados(), m_pessoas);
}

QString TfrRelPF::mensagemDeErro(const DbResult &r) const
{
    // the reason first, then the statement (a refused value stands alone)
    return r.recusado || r.sql.isEmpty() ? r.error : r.error + QStringLiteral("\r\n") + r.sql;
}

QString TfrRelPF::texto(int linha, int coluna) const
{
    const TPessoaFisica &p = m_pessoas.at(linha);
    switch (coluna) {
    case Historico: return QStringLiteral("Inserir");
    case Nome: return p.Tratamento + QLatin1Char(' ') + p.Nome;
    case 2: return FormatPhone(p.FoneResidencial);
    case 3: return FormatPhone(p.FoneComercial);
    case 4: return FormatPhone(p.FoneCelular);
    case Financas: return QStringLiteral("Pagar/Receber");
    case Album: return QStringLiteral("Ver Fotos");
    default: return {};
    }
}

Resultado TfrRelPF::excluir(int linha)
{
    TPessoaFisica pessoa = m_pessoas.at(linha);
    return pessoa.Excluir();
}

void TfrRelPF::abrirColuna(int linha, int coluna)
{
    const qint32 id = m_pessoas.at(linha).Identificador;
    switch (coluna) {
    case Historico: Telas::Historico(this, id, 0); break;
    case Financas: Telas::Financas(this, id, 0); break;
    case Album: Telas::Album(this, id); break;
    default: break;
    }
}

void TfrRelPF::abrirParaAlterar(int linha)
{
    Telas::PessoaFisica(this, m_pessoas.at(linha).Identificador);
}

QStringList TfrRelPF::pagina() const
{
    return PaginaAcompanhamento(m_pessoas);
}

void TfrRelPF::escolhidos(QList<qint32> &fisicas, QList<qint32> & /*juridicas*/) const
{
    for (const TPessoaFisica &p : m_pessoas)
        fisicas << p.Identificador;
}
