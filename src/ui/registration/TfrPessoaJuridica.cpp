#include "ui/registration/TfrPessoaJuridica.h"

#include "model/TUsuario.h"
#include "services/Desktop.h"
#include "services/InscricaoEstadual.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/GroupList.h"
#include "ui/common/Help.h"
#include "ui/common/MaskedEdit.h"
#include "ui/common/TeclasDeEntrada.h"
#include "ui/common/Telas.h"
#include "ui/registration/CampoNome.h"
#include "util/Documentos.h"
#include "util/EditMask.h"
#include "util/TextUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace EntradaCadastro;

namespace {

const QString kQuebra = QStringLiteral("\r\n");
const QString kMascaraFone0800 = QStringLiteral("!9999-999-9999;0;_");
const int kMaximoIE = 30;

bool ehEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

TfrPessoaJuridica::TfrPessoaJuridica(QWidget *parent)
    : TelaCadastroPessoa(
          1, QStringLiteral("CADASTRO_PJ"), QStringLiteral("cad_pj.htm"),
          QStringLiteral("Exemplo: crie um grupo chamado Bancos para cadastrar todos os bancos "
                         "com que você trabalha."),
          parent)
{
    setObjectName(QStringLiteral("frPessoaJuridica"));
    setWindowTitle(QStringLiteral("Pessoa Jurídica"));
    setModal(true);
    criarControles();
    TeclasDeEntrada::Aplicar(this);

    connect(m_barra.btnNovo, &QToolButton::clicked, this, &TfrPessoaJuridica::btnNovoClick);
    connect(m_barra.btnAlterar, &QToolButton::clicked, this, &TfrPessoaJuridica::btnNovoClick);
    connect(m_barra.btnExcluir, &QToolButton::clicked, this, &TfrPessoaJuridica::btnNovoClick);
    LigarBarraEGrupo();
    connect(btnExibirContatos, &QPushButton::clicked, this, &TfrPessoaJuridica::btnExibirContatosClick);

    // creation
    m_operacao = Nenhuma;
    m_identificador = 0;
    m_versaoLida = {};
    PreencherNomes();
    m_grupo.preencher();
}

QStringList TfrPessoaJuridica::Estados()
{
    return QStringLiteral("AC AL AM AP BA CE DF ES GO MA MG MS MT PA PB PE PI PR RJ RN RO RR RS SC SE SP TO")
        .split(QLatin1Char(' '));
}

QString TfrPessoaJuridica::EnderecoWeb(const QString &pagina)
{
    const QString endereco = pagina.trimmed();
    static const QRegularExpression comEsquema(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (endereco.isEmpty() || comEsquema.match(endereco).hasMatch())
        return endereco;
    return QStringLiteral("http://") + endereco;
}

void TfrPessoaJuridica::criarControles()
{
    auto nomear = [](QWidget *w, const char *name) { w->setObjectName(QString::fromLatin1(name)); };
    auto edit = [this, &nomear](const char *name, int maximo) {
        auto *e = new QLineEdit(this);
        nomear(e, name);
        e->setMaxLength(maximo);
        return e;
    };
    auto mascara = [this, &nomear](const char *name, const QString &mask) {
        auto *e = new MaskedEdit(mask, this);
        nomear(e, name);
        return e;
    };
    auto check = [this, &nomear](const char *name, const QString &texto) {
        auto *c = new QCheckBox(texto, this);
        nomear(c, name);
        return c;
    };
    auto rotulo = [this](const QString &texto, QWidget *buddy) {
        auto *l = new QLabel(texto, this);
        l->setBuddy(buddy);
        return l;
    };

    edtPublica = check("edtPublica", QStringLiteral("Pessoa Visível a Outros Usuários?"));
    edtPublica->setChecked(true);
    btnExibirContatos = new QPushButton(QStringLiteral("Exibir Contatos"), this);
    nomear(btnExibirContatos, "btnExibirContatos");

    edtNome = CriarCampoNome(this);
    edtCNPJ = mascara("edtCNPJ", MascaraCNPJ());
    edtCNPJ->setMinimumWidth(150);
    // at first a plain field of digits; a valid number takes its state's format
    edtIE = mascara("edtIE", QString());
    m_digitosIE = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtIE);
    MostrarIE(QString());
    edtIE->setMinimumWidth(150);
    edtGuiaEmergencia =
        check("edtGuiaEmergencia", QStringLiteral("Exibir os dados na guia de telefones de emergência?"));

    auto *dados = new QGridLayout;
    dados->setHorizontalSpacing(8);
    dados->setVerticalSpacing(2);
    dados->addWidget(rotulo(QStringLiteral("Nome"), edtNome), 0, 0);
    dados->addWidget(rotulo(QStringLiteral("CNPJ"), edtCNPJ), 0, 1);
    dados->addWidget(rotulo(QStringLiteral("Inscrição Estadual"), edtIE), 0, 2);
    dados->addWidget(edtNome, 1, 0);
    dados->addWidget(edtCNPJ, 1, 1);
    dados->addWidget(edtIE, 1, 2);
    dados->addWidget(edtGuiaEmergencia, 2, 0, 1, 3);
    dados->setColumnStretch(0, 3);
    dados->setColumnStretch(1, 1);
    dados->setColumnStretch(2, 1);

    // pages
    DadosPaginas = new QGroupBox(this);
    nomear(DadosPaginas, "DadosPaginas");
    PageControl1 = new QTabWidget(DadosPaginas);
    nomear(PageControl1, "PageControl1");
    auto *paginas = new QVBoxLayout(DadosPaginas);
    paginas->setContentsMargins(4, 4, 4, 4);
    paginas->addWidget(PageControl1);
    auto pagina = [this](const char *name, const QString &titulo) {
        auto *w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        PageControl1->addTab(w, titulo);
        return w;
    };

    // " :: Telefones :: "
    {
        QWidget *p = pagina("TabSheet1", QStringLiteral(" :: Telefones :: "));
        GroupBox3 = new QGroupBox(p);
        nomear(GroupBox3, "GroupBox3");
        edtFone = mascara("edtFone", QString());
        edtFone->setMascaras(MascarasFone());
        edtFoneFax = mascara("edtFoneFax", QString());
        edtFoneFax->setMascaras(MascarasFone());
        edtFoneCel = mascara("edtFoneCel", QString());
        edtFoneCel->setMascaras(MascarasFone());
        edtFone0800 = mascara("edtFone0800", kMascaraFone0800);
        edtFone0300 = mascara("edtFone0300", kMascaraFone0800);
        edtEmail = edit("edtEmail", 100);
        edtEmail->setToolTip(QStringLiteral("Duplo clique para enviar mensagem!"));
        ForcarCaixa(edtEmail, false);
        edtVoIP = edit("edtVoIP", 30);
        auto *g = new QGridLayout(GroupBox3);
        g->setHorizontalSpacing(8);
        g->setVerticalSpacing(2);
        const std::pair<const char *, QWidget *> fones[] = {{"Fone", edtFone},
                                                            {"Fax", edtFoneFax},
                                                            {"Celular", edtFoneCel},
                                                            {"0800", edtFone0800},
                                                            {"0300", edtFone0300}};
        int c = 0;
        for (const auto &[texto, campo] : fones) {
            g->addWidget(rotulo(QString::fromLatin1(texto), campo), 0, c);
            g->addWidget(campo, 1, c++);
        }
        g->addWidget(rotulo(QStringLiteral("E-mail"), edtEmail), 2, 0);
        g->addWidget(edtEmail, 3, 0, 1, 3);
        g->addWidget(rotulo(QStringLiteral("VoIP"), edtVoIP), 2, 3);
        g->addWidget(edtVoIP, 3, 3, 1, 2);
        for (int i = 0; i < 5; ++i)
            g->setColumnStretch(i, 1);
        auto *v = new QVBoxLayout(p);
        v->addWidget(GroupBox3);
        v->addStretch(1);
    }
    // ":: Correspondência :: "
    {
        QWidget *p = pagina("TabSheet2", QStringLiteral(":: Correspondência :: "));
        GroupBox4 = new QGroupBox(p);
        nomear(GroupBox4, "GroupBox4");
        m_endereco = std::make_unique<CamposEndereco>(
            this, Estados(),
            QStringLiteral("Para imprimir etiqueta deste endereço deixe este campo marcado"));
        edtHomePage = edit("edtHomePage", 100);
        edtHomePage->setToolTip(QStringLiteral("Duplo clique para abrir home page!\n"
                                               "Cadastre como o exemplo abaixo:\n"
                                               "www.suaempresa.com.br"));
        edtObs = new QPlainTextEdit(this);
        nomear(edtObs, "edtObs");
        edtObs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        LimitarTexto(edtObs, 32000);
        lblLogin = new QLabel(this);
        nomear(lblLogin, "lblLogin");

        const CamposEndereco &e = *m_endereco;
        auto *g = new QGridLayout(GroupBox4);
        g->setHorizontalSpacing(8);
        g->setVerticalSpacing(2);
        g->addWidget(e.Label12, 0, 0);
        g->addWidget(rotulo(QStringLiteral("Logradouro"), e.edtRua), 0, 1, 1, 3);
        g->addWidget(rotulo(QStringLiteral("No"), e.edtNumero), 0, 4);
        g->addWidget(rotulo(QStringLiteral("Complemento"), e.edtComplemento), 0, 5);
        g->addWidget(e.edtCEP, 1, 0);
        g->addWidget(e.edtRua, 1, 1, 1, 3);
        g->addWidget(e.edtNumero, 1, 4);
        g->addWidget(e.edtComplemento, 1, 5);
        g->addWidget(rotulo(QStringLiteral("Bairro"), e.edtBairro), 2, 0, 1, 2);
        g->addWidget(rotulo(QStringLiteral("Cidade"), e.edtCidade), 2, 2, 1, 2);
        g->addWidget(rotulo(QStringLiteral("Estado"), e.edtEstado), 2, 4);
        g->addWidget(rotulo(QStringLiteral("Caixa P"), e.edtCP), 2, 5);
        g->addWidget(e.edtBairro, 3, 0, 1, 2);
        g->addWidget(e.edtCidade, 3, 2, 1, 2);
        g->addWidget(e.edtEstado, 3, 4);
        g->addWidget(e.edtCP, 3, 5);
        g->addWidget(rotulo(QStringLiteral("Home Page"), edtHomePage), 4, 0, 1, 4);
        g->addWidget(edtHomePage, 5, 0, 1, 4);
        g->addWidget(e.edtEnviar, 5, 4, 1, 2);
        g->addWidget(rotulo(QStringLiteral("Observação: :: (MAX 32000 caracteres) ::"), edtObs), 6, 0, 1, 6);
        g->addWidget(edtObs, 7, 0, 1, 6);
        g->addWidget(lblLogin, 8, 0, 1, 6);
        g->setRowStretch(7, 1);
        for (int i = 0; i < 6; ++i)
            g->setColumnStretch(i, 1);
        auto *v = new QVBoxLayout(p);
        v->addWidget(GroupBox4);
    }
    // ":: Dados Bancários :: "
    m_contas =
        std::make_unique<ContasBancarias>(pagina("TabSheet3", QStringLiteral(":: Dados Bancários :: ")));

    auto *grupo = new QHBoxLayout;
    grupo->addWidget(m_grupo.Label22);
    grupo->addWidget(m_grupo.txtGrupo, 2);
    grupo->addWidget(m_grupo.btnNovoGrupo);
    grupo->addSpacing(16);
    grupo->addWidget(edtPublica);
    grupo->addStretch(1);
    grupo->addWidget(btnExibirContatos);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_barra.barra);
    layout->addLayout(grupo);
    layout->addLayout(dados);
    layout->addWidget(DadosPaginas, 1);
    resize(860, 560);

    // the screen sees the keys first (F1 wherever the focus is)
    ReceberTeclas(this);
}

void TfrPessoaJuridica::TeclaNoCampo(QObject *campo, QKeyEvent *event)
{
    if (campo == m_endereco->edtCEP)
        edtCEPKeyDown(event);
    else if (campo == edtIE || campo == m_endereco->edtNumero || campo == m_endereco->edtCP)
        edtIEKeyDown(event);
    else
        event->ignore();
}

void TfrPessoaJuridica::DuploCliqueNoCampo(QObject *campo)
{
    if (campo == edtEmail)
        edtEmailDblClick();
    else if (campo == edtHomePage)
        edtHomePageDblClick();
}
void TfrPessoaJuridica::edtCEPKeyDown(QKeyEvent *event)
{
    event->setAccepted(ehEnter(event));
    if (event->isAccepted())
        m_endereco->ConsultarCEP(false);
}

void TfrPessoaJuridica::edtIEKeyDown(QKeyEvent *event)
{
    // the local lookup alone; the Enter key itself goes nowhere
    event->setAccepted(ehEnter(event));
    if (event->isAccepted())
        m_endereco->ConsultarCEPNaBase(false);
}

void TfrPessoaJuridica::edtEmailDblClick()
{
    if (!edtEmail->text().isEmpty())
        OpenWithShell(QStringLiteral("mailto:") + edtEmail->text());
}

void TfrPessoaJuridica::edtHomePageDblClick()
{
    if (!edtHomePage->text().trimmed().isEmpty())
        OpenWithShell(EnderecoWeb(edtHomePage->text()));
}

void TfrPessoaJuridica::PreencherNomes()
{
    EntradaCadastro::PreencherNomes(edtNome, [] { return std::make_unique<TPessoaJuridica>(); });
}

void TfrPessoaJuridica::AtualizarNome(const QString &antigo, const QString &novo)
{
    EntradaCadastro::AtualizarNome(edtNome, TPessoaJuridica(), antigo, novo);
}

void TfrPessoaJuridica::AlternarEdicao()
{
    const bool editar = !m_barra.editando();
    m_barra.mostrarEdicao(editar);
    for (QWidget *w : std::initializer_list<QWidget *>{edtNome, edtCNPJ, edtIE, DadosPaginas, GroupBox4,
                                                       edtGuiaEmergencia})
        w->setEnabled(editar);
    // the group list, its button, the public flag and the contacts stay usable in both states
    for (QWidget *w : std::initializer_list<QWidget *>{m_grupo.txtGrupo, m_grupo.btnNovoGrupo, edtPublica,
                                                       btnExibirContatos})
        w->setEnabled(true);
    if (!editar) {
        lblLogin->clear();
        lblLogin->setToolTip(QString());
    }
}

void TfrPessoaJuridica::MostrarIE(const QString &digitos)
{
    edtIE->setMascara(QString());
    edtIE->setValidator(m_digitosIE);
    edtIE->setMaxLength(kMaximoIE);
    edtIE->setText(digitos);
}

QList<std::pair<MaskedEdit *, QStringList>> TfrPessoaJuridica::CamposFone() const
{
    return {{edtFone, MascarasFone()},
            {edtFoneFax, MascarasFone()},
            {edtFoneCel, MascarasFone()},
            {edtFone0800, {kMascaraFone0800}},
            {edtFone0300, {kMascaraFone0800}}};
}

void TfrPessoaJuridica::LimparParaNovo()
{
    LimparCampos(this);
    for (const auto &[edit, mascara] : CamposFone())
        MostrarSemCortar(edit, mascara, QString());
    // no state's format stays on the IE field for the next company
    MostrarIE(QString());
}

void TfrPessoaJuridica::btnNovoClick()
{
    auto *botao = qobject_cast<QToolButton *>(sender());
    if (!botao)
        return;
    LimparParaNovo();
    AlternarEdicao();
    if (botao == m_barra.btnNovo) {
        // nothing of the company shown before goes into the new one
        m_identificador = 0;
        m_versaoLida = {};
        m_nomeAntigo.clear();
        edtNome->setEditText(QString());
        m_endereco->edtCidade->setEditText(QString());
        m_endereco->edtEstado->setCurrentIndex(m_endereco->edtEstado->findText(DefaultState()));
        edtPublica->setChecked(true);
        edtGuiaEmergencia->setChecked(false);
        m_endereco->edtEnviar->setChecked(true);
        lblLogin->clear();
        lblLogin->setToolTip(QString());
        edtNome->setFocus();
    } else {
        const qint32 escolhido = Telas::EscolherPessoaJuridica(this);
        if (escolhido > 0) {
            TPessoaJuridica pessoa;
            if (pessoa.Carregar(escolhido))
                MostrarPessoa(pessoa);
        }
    }
    m_operacao = BarraFerramentas::operacaoDe(botao);
}

void TfrPessoaJuridica::MostrarGravada(const TPessoa &pessoa)
{
    MostrarPessoa(static_cast<const TPessoaJuridica &>(pessoa));
}

void TfrPessoaJuridica::MostrarPessoa(const TPessoaJuridica &p)
{
    m_identificador = p.Identificador;
    m_versaoLida = p.VersaoLida;
    edtNome->setEditText(p.Nome);
    if (!edtCNPJ->setValue(p.CNPJ))
        edtCNPJ->setValue(QString());
    MostrarIE(p.IE);
    const QString *fones[] = {&p.Fone, &p.FoneFax, &p.FoneCel, &p.Fone0800, &p.Fone0300};
    int i = 0;
    for (const auto &[edit, mascara] : CamposFone())
        MostrarSemCortar(edit, mascara, *fones[i++]);
    edtHomePage->setText(p.HomePage);
    edtEmail->setText(p.Email);
    lblLogin->setText(QStringLiteral("Cadastrado pelo login: ") + p.Login);
    lblLogin->setToolTip(QStringLiteral("Cadastado por: \nLogin: ") + p.Login);
    edtVoIP->setText(p.Voip);
    m_grupo.selecionar(p.Grupo.Codigo);
    edtGuiaEmergencia->setChecked(p.Guia != 0);
    edtPublica->setChecked(p.Publica != 0);
    m_endereco->mostrar(p.Endereco);
    edtObs->setPlainText(p.Obs);
    m_contas->mostrar(p);
    m_endereco->edtEnviar->setChecked(p.Endereco.Enviar != 0);
    m_nomeAntigo = p.Nome;
}

void TfrPessoaJuridica::AbrirParaAlterar(const TPessoaJuridica &pessoa)
{
    setWindowTitle(QStringLiteral("Pessoa Jurídica -- Alterando"));
    m_barra.desabilitarParaAlterar();
    MostrarPessoa(pessoa);
    m_operacao = Alterar;
}

std::optional<TPessoaJuridica> TfrPessoaJuridica::LerPessoa()
{
    // a company always belongs to a group
    if (m_grupo.txtGrupo->currentIndex() < 0) {
        Seams::messages().show(QStringLiteral("Você deve escolher um grupo!"), MessageService::Kind::Warning);
        m_grupo.txtGrupo->setFocus();
        return std::nullopt;
    }
    // the address's numbers must read as numbers
    m_endereco->corrigirNumeros();
    // a wrong CNPJ is left blank only when the user says so
    if (!edtCNPJ->value().isEmpty() && !ValidarCNPJ(edtCNPJ->value())) {
        if (!Seams::messages().confirm(QStringLiteral("CNPJ Inválido!!") + kQuebra +
                                       QStringLiteral("Deseja deixar CNPJ em branco?"))) {
            edtCNPJ->setFocus();
            return std::nullopt;
        }
        edtCNPJ->setValue(QString());
    }
    // the IE: the digits checked are the digits stored; the state's format only shows them
    QString ie = edtIE->value().trimmed();
    if (!ie.isEmpty()) {
        const QString uf = m_endereco->edtEstado->currentText();
        const IEResultado r = ValidarIE(ie, uf);
        if (r.isError()) {
            Seams::messages().show(r.message, MessageService::Kind::Error);
            return std::nullopt;
        }
        if (r.isValid()) {
            // a format that does not fit the number's length is left off: it would cut or pad digits
            const QString formato = MascaraIE(uf);
            if (!formato.isEmpty() && formato.count(QLatin1Char('0')) == ie.size()) {
                edtIE->setValidator(nullptr);
                if (!edtIE->setMascara(formato + QStringLiteral(";0;_")) || !edtIE->setValue(ie) ||
                    edtIE->value() != ie)
                    MostrarIE(ie);
            }
        } else {
            if (!Seams::messages().confirm(QStringLiteral("Inscrição Estadual inválida!!") + kQuebra +
                                           QStringLiteral("Deseja deixar IE em branco?"))) {
                edtIE->setFocus();
                return std::nullopt;
            }
            MostrarIE(QString());
            ie.clear();
        }
    }

    // the record from the fields
    TPessoaJuridica p;
    p.Identificador = m_identificador;
    p.Nome = edtNome->currentText();
    p.Obs = edtObs->toPlainText();
    p.CNPJ = NormalizarCNPJ(edtCNPJ->value());
    p.IE = ie;
    p.Fone = edtFone->digits();
    p.FoneFax = edtFoneFax->digits();
    p.FoneCel = edtFoneCel->digits();
    p.Fone0800 = edtFone0800->value();
    p.Fone0300 = edtFone0300->value();
    p.HomePage = edtHomePage->text();
    p.Email = edtEmail->text();
    p.Endereco = m_endereco->ler();
    p.Grupo.Codigo = m_grupo.txtGrupo->codigoSelecionado();
    p.Grupo.Nome = m_grupo.nomeDoGrupo();
    p.Voip = edtVoIP->text();
    p.Guia = edtGuiaEmergencia->isChecked() ? 1 : 0;
    p.Publica = edtPublica->isChecked() ? 1 : 0;
    p.Login = TUsuario::atual() ? TUsuario::atual()->Login : QString();
    m_contas->ler(p);
    return p;
}

std::optional<TelaCadastroPessoa::Gravacao> TfrPessoaJuridica::ExecutarOperacao()
{
    std::optional<TPessoaJuridica> lida = LerPessoa();
    if (!lida)
        return std::nullopt;
    Gravacao feito = Executar(*lida);
    feito.email = lida->Email;
    return feito;
}
void TfrPessoaJuridica::AbrirAcessoRapido(qint32 identificador, const QString &resumo)
{
    Telas::AcessoRapidoPJ(this, identificador, resumo);
}
void TfrPessoaJuridica::btnExibirContatosClick()
{
    if (m_identificador <= 0)
        return;
    const QString nome = edtNome->currentText();
    Telas::ContatoPJ(this, m_identificador, nome, QStringLiteral("Inserindo um Contato para ") + nome);
}
