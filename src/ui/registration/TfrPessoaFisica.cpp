#include "ui/registration/TfrPessoaFisica.h"

#include "model/TUsuario.h"
#include "services/Desktop.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/GroupList.h"
#include "ui/common/Help.h"
#include "ui/common/MaskedEdit.h"
#include "ui/common/TeclasDeEntrada.h"
#include "ui/common/Telas.h"
#include "ui/registration/CampoNome.h"
#include "util/DateTime.h"
#include "util/Documentos.h"
#include "util/TextUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace EntradaCadastro;

namespace {

const QString kQuebra = QStringLiteral("\r\n");
const QString kMascaraData = QStringLiteral("!99/99/0000;1;_");
const QString kMascaraCartao = QStringLiteral("0000\\-0000\\-0000\\-0000;0;_");
const QString kCartaoZerado = QStringLiteral("0000000000000000");
const QString kCpfZerado = QStringLiteral("00000000000");
const QString kTituloZerado = QStringLiteral("0000000000000");
const QString kSemData = QStringLiteral("  /  /    ");

// 0 when the field holds no valid date.
TDateTime lerData(const MaskedEdit *edit)
{
    TDateTime d = 0;
    return TryStrToDate(edit->value(), d) ? d : 0;
}

void mostrarData(MaskedEdit *edit, TDateTime d)
{
    if (d == 0 || !edit->setValue(DateToStr(d)))
        edit->setValue(kSemData);
}

} // namespace

TfrPessoaFisica::TfrPessoaFisica(QWidget *parent)
    : TelaCadastroPessoa(
          0, QStringLiteral("CADASTRO_PF"), QStringLiteral("cad_pf.htm"),
          QStringLiteral("Exemplo: crie um grupo chamado Amigos para cadastrar todos os seus amigos."),
          parent)
{
    setObjectName(QStringLiteral("frPessoaFisica"));
    setWindowTitle(QStringLiteral("Pessoa Física"));
    setModal(true);
    criarControles();
    TeclasDeEntrada::Aplicar(this);

    connect(m_barra.btnNovo, &QToolButton::clicked, this, &TfrPessoaFisica::btnNovoClick);
    connect(m_barra.btnAlterar, &QToolButton::clicked, this, &TfrPessoaFisica::btnNovoClick);
    connect(m_barra.btnExcluir, &QToolButton::clicked, this, &TfrPessoaFisica::btnNovoClick);
    LigarBarraEGrupo();

    // creation
    PreencherNomes();
    m_operacao = Nenhuma;
    m_identificador = 0;
    m_versaoLida = {};
    edtZona->setText(QStringLiteral("000"));
    edtSeccao->setText(QStringLiteral("000"));
    edtTitulo->setText(kTituloZerado);
    m_grupo.preencher();
}

QStringList TfrPessoaFisica::Tratamentos()
{
    return {QString(),
            QStringLiteral("Com."),
            QStringLiteral("Dr."),
            QStringLiteral("Drª."),
            QStringLiteral("Ilma. Drª."),
            QStringLiteral("Ilma. Srª."),
            QStringLiteral("Ilmo. Dr."),
            QStringLiteral("Ilmo. Sr."),
            QStringLiteral("M. Juiz"),
            QStringLiteral("Prof."),
            QStringLiteral("Sr."),
            QStringLiteral("Srª"),
            QStringLiteral("V. A."),
            QStringLiteral("V. Em.ª Revm.ª"),
            QStringLiteral("V. Ex.a"),
            QStringLiteral("V. M."),
            QStringLiteral("V. Revmª"),
            QStringLiteral("V. S."),
            QStringLiteral("V. S.ª")};
}

QStringList TfrPessoaFisica::Estados()
{
    return QStringLiteral("AC AL AP AM BA CE DF ES GO MA MT MS MG PA PB PR PE PI RJ RN RS RO RR SC SP SE TO")
        .split(QLatin1Char(' '));
}

void TfrPessoaFisica::criarControles()
{
    auto nomear = [](QWidget *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    auto edit = [&](const char *name, int maximo) {
        auto *e = new QLineEdit(this);
        nomear(e, name);
        e->setMaxLength(maximo);
        return e;
    };
    auto mascara = [&](const char *name, const QString &mask) {
        auto *e = new MaskedEdit(mask, this);
        nomear(e, name);
        return e;
    };
    auto combo = [&](const char *name, const QStringList &itens) {
        auto *c = new QComboBox(this);
        nomear(c, name);
        c->addItems(itens);
        return c;
    };
    auto check = [&](const char *name, const QString &texto) {
        auto *c = new QCheckBox(texto, this);
        nomear(c, name);
        return c;
    };

    edtPublica = check("edtPublica", QStringLiteral("Pessoa Visível a Outros Usuários?"));
    edtPublica->setChecked(true);

    // contact data
    DadosContato = new QGroupBox(QStringLiteral("Dados Contato"), this);
    DadosContato->setObjectName(QStringLiteral("DadosContato"));
    edtTratamento = combo("edtTratamento", Tratamentos());
    edtNome = CriarCampoNome(this);
    edtApelido = edit("edtApelido", 60);
    edtDataNascimento = mascara("edtDataNascimento", kMascaraData);
    edtLembrarAniversario = check("edtLembrarAniversario", QStringLiteral("Lembrar Aniversário?"));
    edtLembrarAniversario->setToolTip(
        QStringLiteral("Marque este campo para esta pessoa aparecer na lista de aniversariantes do mês"));
    edtGuiaEmergencia =
        check("edtGuiaEmergencia", QStringLiteral("Exibir os dados na guia de telefones de emergência?"));
    edtFoneR = mascara("edtFoneR", QString());
    edtFoneR->setMascaras(MascarasFone());
    edtFoneCe = mascara("edtFoneCe", QString());
    edtFoneCe->setMascaras(MascarasFone());
    edtFoneCo = mascara("edtFoneCo", QString());
    edtFoneCo->setMascaras(MascarasFone());
    edtVoIP = edit("edtVoIP", 30);
    const QString dica = QStringLiteral("Duplo clique para enviar mensagem para este email!");
    edtEmail = edit("edtEmail", 100);
    edtEmail->setToolTip(dica);
    ForcarCaixa(edtEmail, false);
    edtMSN = edit("edtMSN", 100);
    edtMSN->setToolTip(dica);
    m_endereco = std::make_unique<CamposEndereco>(
        this, Estados(), QStringLiteral("Deixe este campo marcado para poder imprimir etiquetas"));
    lblLogin = new QLabel(this);
    lblLogin->setObjectName(QStringLiteral("lblLogin"));

    auto rotulo = [this](const QString &texto, QWidget *buddy) {
        auto *l = new QLabel(texto, this);
        l->setBuddy(buddy);
        return l;
    };

    auto *contato = new QGridLayout(DadosContato);
    contato->setHorizontalSpacing(8);
    contato->setVerticalSpacing(4);
    int r = 0;
    contato->addWidget(rotulo(QStringLiteral("Tratamento"), edtTratamento), r, 0);
    contato->addWidget(rotulo(QStringLiteral("Nome"), edtNome), r, 1, 1, 3);
    contato->addWidget(rotulo(QStringLiteral("Apelido"), edtApelido), r, 4, 1, 2);
    ++r;
    contato->addWidget(edtTratamento, r, 0);
    contato->addWidget(edtNome, r, 1, 1, 3);
    contato->addWidget(edtApelido, r, 4, 1, 2);
    ++r;
    contato->addWidget(rotulo(QStringLiteral("Residencial"), edtFoneR), r, 0);
    contato->addWidget(rotulo(QStringLiteral("Celular"), edtFoneCe), r, 1);
    contato->addWidget(rotulo(QStringLiteral("Comercial"), edtFoneCo), r, 2);
    contato->addWidget(rotulo(QStringLiteral("VoIP"), edtVoIP), r, 3);
    contato->addWidget(rotulo(QStringLiteral("E-mail"), edtEmail), r, 4);
    contato->addWidget(rotulo(QStringLiteral("E-mail :: MSN ::"), edtMSN), r, 5);
    ++r;
    contato->addWidget(edtFoneR, r, 0);
    contato->addWidget(edtFoneCe, r, 1);
    contato->addWidget(edtFoneCo, r, 2);
    contato->addWidget(edtVoIP, r, 3);
    contato->addWidget(edtEmail, r, 4);
    contato->addWidget(edtMSN, r, 5);
    ++r;
    contato->addWidget(m_endereco->Label12, r, 0);
    contato->addWidget(rotulo(QStringLiteral("Logradouro"), m_endereco->edtRua), r, 1, 1, 3);
    contato->addWidget(rotulo(QStringLiteral("No"), m_endereco->edtNumero), r, 4);
    contato->addWidget(rotulo(QStringLiteral("Complemento"), m_endereco->edtComplemento), r, 5);
    ++r;
    contato->addWidget(m_endereco->edtCEP, r, 0);
    contato->addWidget(m_endereco->edtRua, r, 1, 1, 3);
    contato->addWidget(m_endereco->edtNumero, r, 4);
    contato->addWidget(m_endereco->edtComplemento, r, 5);
    ++r;
    contato->addWidget(rotulo(QStringLiteral("Bairro"), m_endereco->edtBairro), r, 0, 1, 2);
    contato->addWidget(rotulo(QStringLiteral("Cidade"), m_endereco->edtCidade), r, 2, 1, 2);
    contato->addWidget(rotulo(QStringLiteral("Estado"), m_endereco->edtEstado), r, 4);
    contato->addWidget(rotulo(QStringLiteral("Caixa P"), m_endereco->edtCP), r, 5);
    ++r;
    contato->addWidget(m_endereco->edtBairro, r, 0, 1, 2);
    contato->addWidget(m_endereco->edtCidade, r, 2, 1, 2);
    contato->addWidget(m_endereco->edtEstado, r, 4);
    contato->addWidget(m_endereco->edtCP, r, 5);
    ++r;
    auto *marcas = new QHBoxLayout;
    marcas->addWidget(edtLembrarAniversario);
    marcas->addWidget(edtGuiaEmergencia);
    marcas->addWidget(m_endereco->edtEnviar);
    marcas->addStretch(1);
    contato->addLayout(marcas, r, 0, 1, 6);
    for (int c = 0; c < 6; ++c)
        contato->setColumnStretch(c, 1);

    // pages
    DadosPaginas = new QGroupBox(this);
    DadosPaginas->setObjectName(QStringLiteral("DadosPaginas"));
    PageControl1 = new QTabWidget(DadosPaginas);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto pagina = [this](const char *name, const QString &titulo) {
        auto *w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        PageControl1->addTab(w, titulo);
        return w;
    };
    auto *paginas = new QVBoxLayout(DadosPaginas);
    paginas->setContentsMargins(4, 4, 4, 4);
    paginas->addWidget(PageControl1);

    // " :: Dados Adicionais :: "
    {
        QWidget *p = pagina("TabSheet1", QStringLiteral(" :: Dados Adicionais :: "));
        edtProfissao = edit("edtProfissao", 30);
        edtLocalTrabalho = edit("edtLocalTrabalho", 30);
        edtSexo = combo("edtSexo", {QStringLiteral("Masculino"), QStringLiteral("Feminino")});
        edtEstadoCivil = combo("edtEstadoCivil", {QStringLiteral("Solteiro(a)"), QStringLiteral("Casado(a)"),
                                                  QStringLiteral("Outro"), QStringLiteral("Desconhecido")});
        edtEstadoCivil->setCurrentIndex(3);
        edtTipoCliente =
            combo("edtTipoCliente", {QStringLiteral("Não Cliente"), QStringLiteral("Cliente"),
                                     QStringLiteral("Não tem interesse"), QStringLiteral("Futuramente")});
        edtClienteDesde = mascara("edtClienteDesde", kMascaraData);
        auto *g = new QGridLayout(p);
        g->addWidget(rotulo(QStringLiteral("Profissão"), edtProfissao), 0, 0);
        g->addWidget(rotulo(QStringLiteral("Nome do Local de Trabalho"), edtLocalTrabalho), 0, 1);
        g->addWidget(rotulo(QStringLiteral("Sexo"), edtSexo), 0, 2);
        g->addWidget(edtProfissao, 1, 0);
        g->addWidget(edtLocalTrabalho, 1, 1);
        g->addWidget(edtSexo, 1, 2);
        g->addWidget(rotulo(QStringLiteral("Estado Civil"), edtEstadoCivil), 2, 0);
        g->addWidget(rotulo(QStringLiteral("Interesse"), edtTipoCliente), 2, 1);
        g->addWidget(rotulo(QStringLiteral("Cliente desde"), edtClienteDesde), 2, 2);
        g->addWidget(edtEstadoCivil, 3, 0);
        g->addWidget(edtTipoCliente, 3, 1);
        g->addWidget(edtClienteDesde, 3, 2);
        g->setRowStretch(4, 1);
    }
    // ":: Dados Bancários :: "
    m_contas =
        std::make_unique<ContasBancarias>(pagina("TabSheet2", QStringLiteral(":: Dados Bancários :: ")));
    // " :: Documentos :: "
    {
        QWidget *p = pagina("TabSheet3", QStringLiteral(" :: Documentos :: "));
        edtCPF = mascara("edtCPF", QStringLiteral("000.000.000-00;0;_"));
        edtCPF->setValue(kCpfZerado);
        edtRG = edit("edtRG", 15);
        edtTitulo = edit("edtTitulo", 13);
        edtZona = AceitarSoDigitos(edit("edtZona", 3), 3);
        edtSeccao = AceitarSoDigitos(edit("edtSeccao", 3), 3);
        edtCPF->setMaximumWidth(170);
        edtTitulo->setMaximumWidth(170);
        edtZona->setMaximumWidth(60);
        edtSeccao->setMaximumWidth(60);
        auto caixa = [p](const QString &titulo) {
            auto *b = new QGroupBox(titulo, p);
            return b;
        };
        QGroupBox *cpf = caixa(QStringLiteral(" :: CPF :: "));
        auto *fc = new QFormLayout(cpf);
        fc->addRow(rotulo(QStringLiteral("Número"), edtCPF), edtCPF);
        QGroupBox *rg = caixa(QStringLiteral(" :: Identidade (RG) :: "));
        auto *fr = new QFormLayout(rg);
        fr->addRow(rotulo(QStringLiteral("Número"), edtRG), edtRG);
        QGroupBox *titulo = caixa(QStringLiteral(" :: Titulo de Eleitor :: "));
        auto *ft = new QHBoxLayout(titulo);
        ft->addWidget(rotulo(QStringLiteral("Título"), edtTitulo));
        ft->addWidget(edtTitulo);
        ft->addSpacing(12);
        ft->addWidget(rotulo(QStringLiteral("Zona"), edtZona));
        ft->addWidget(edtZona);
        ft->addSpacing(12);
        ft->addWidget(rotulo(QStringLiteral("Secção"), edtSeccao));
        ft->addWidget(edtSeccao);
        ft->addStretch(1);
        auto *g = new QGridLayout(p);
        g->addWidget(cpf, 0, 0);
        g->addWidget(rg, 0, 1);
        g->addWidget(titulo, 1, 0, 1, 2);
        g->setRowStretch(2, 1);
    }
    // ":: Observação ::"
    {
        QWidget *p = pagina("TabSheet4", QStringLiteral(":: Observação ::"));
        edtObs = new QPlainTextEdit(p);
        edtObs->setObjectName(QStringLiteral("edtObs"));
        edtObs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        LimitarTexto(edtObs, 32000);
        auto *v = new QVBoxLayout(p);
        v->addWidget(rotulo(QStringLiteral("Observação: :: (MAX 32000 caracteres) ::"), edtObs));
        v->addWidget(edtObs, 1);
    }
    // " :: Funcionário(a) :: "
    {
        QWidget *p = pagina("TabSheet5", QStringLiteral(" :: Funcionário(a) :: "));
        edtMatricula = edit("edtMatricula", 30);
        edtDataEntrada = mascara("edtDataEntrada", kMascaraData);
        edtDataDispensa = mascara("edtDataDispensa", kMascaraData);
        auto *g = new QGridLayout(p);
        g->addWidget(rotulo(QStringLiteral("Matricula"), edtMatricula), 0, 0);
        g->addWidget(rotulo(QStringLiteral("Data Entrada"), edtDataEntrada), 0, 1);
        g->addWidget(rotulo(QStringLiteral("Data Dispnesa"), edtDataDispensa), 0, 2);
        g->addWidget(edtMatricula, 1, 0);
        g->addWidget(edtDataEntrada, 1, 1);
        g->addWidget(edtDataDispensa, 1, 2);
        g->setColumnStretch(0, 2);
        g->setColumnStretch(1, 1);
        g->setColumnStretch(2, 1);
        g->setRowStretch(2, 1);
    }
    // " :: Cartão de Crédito :: "
    {
        QWidget *p = pagina("TabSheet6", QStringLiteral(" :: Cartão de Crédito :: "));
        edtCartaoVisa = mascara("edtCartaoVisa", kMascaraCartao);
        edtCartaoMaster = mascara("edtCartaoMaster", kMascaraCartao);
        edtCodSegVisa = AceitarSoDigitos(edit("edtCodSegVisa", 3), 3);
        edtCodSegMaster = AceitarSoDigitos(edit("edtCodSegMaster", 3), 3);
        for (QLineEdit *e :
             {static_cast<QLineEdit *>(edtCartaoVisa), static_cast<QLineEdit *>(edtCartaoMaster)})
            e->setMaximumWidth(200);
        edtCodSegVisa->setMaximumWidth(60);
        edtCodSegMaster->setMaximumWidth(60);
        auto painel = [&](const char *name, const QString &marca, MaskedEdit *cartao, QLineEdit *codigo) {
            auto *b = new QGroupBox(p);
            b->setObjectName(QString::fromLatin1(name));
            // the card brand's picture: its name on the brand's colour
            QPixmap figuraMarca(64, 40);
            figuraMarca.fill(name == QByteArray("Panel1") ? QColor(26, 31, 113) : QColor(235, 0, 27));
            {
                QPainter pintor(&figuraMarca);
                pintor.setPen(Qt::white);
                QFont fonte = font();
                fonte.setBold(true);
                pintor.setFont(fonte);
                pintor.drawText(figuraMarca.rect(), Qt::AlignCenter,
                                name == QByteArray("Panel1") ? QStringLiteral("VISA")
                                                             : QStringLiteral("MASTER"));
            }
            auto *figura = new QLabel(p);
            figura->setPixmap(figuraMarca);
            auto *g = new QGridLayout(b);
            g->addWidget(figura, 0, 0, 2, 1);
            g->addWidget(rotulo(marca, cartao), 0, 1);
            g->addWidget(rotulo(QStringLiteral("Codigo"), codigo), 0, 2);
            g->addWidget(cartao, 1, 1);
            g->addWidget(codigo, 1, 2);
            g->setColumnStretch(3, 1);
            return b;
        };
        auto *h = new QVBoxLayout(p);
        h->addWidget(painel("Panel1", QStringLiteral("Cartão Visa"), edtCartaoVisa, edtCodSegVisa));
        h->addWidget(painel("Panel2", QStringLiteral("Cartão Master"), edtCartaoMaster, edtCodSegMaster));
        h->addStretch(1);
    }

    auto *grupo = new QHBoxLayout;
    grupo->addWidget(m_grupo.Label22);
    grupo->addWidget(m_grupo.txtGrupo, 2);
    grupo->addWidget(m_grupo.btnNovoGrupo);
    grupo->addSpacing(16);
    grupo->addWidget(edtPublica);
    grupo->addStretch(1);
    // outside the contact box: the birth date stays usable while browsing
    grupo->addWidget(rotulo(QStringLiteral("Nascimento"), edtDataNascimento));
    edtDataNascimento->setMaximumWidth(110);
    grupo->addWidget(edtDataNascimento);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_barra.barra);
    layout->addLayout(grupo);
    layout->addWidget(DadosContato);
    layout->addWidget(DadosPaginas, 1);
    layout->addWidget(lblLogin);
    resize(1000, 660);

    // the screen sees the keys first (F1 wherever the focus is)
    ReceberTeclas(this);
}

void TfrPessoaFisica::TeclaNoCampo(QObject *campo, QKeyEvent *event)
{
    if (campo == m_endereco->edtCEP)
        edtCEPKeyDown(event);
    else
        event->ignore();
}

void TfrPessoaFisica::DuploCliqueNoCampo(QObject *campo)
{
    if (campo == edtEmail)
        edtEmailDblClick();
    else if (campo == edtMSN)
        edtMSNDblClick();
}
void TfrPessoaFisica::edtEmailDblClick()
{
    if (!edtEmail->text().isEmpty())
        OpenWithShell(QStringLiteral("mailto:") + edtEmail->text());
}

void TfrPessoaFisica::edtMSNDblClick()
{
    if (!edtMSN->text().isEmpty())
        OpenWithShell(QStringLiteral("mailto:") + edtMSN->text());
}

void TfrPessoaFisica::edtCEPKeyDown(QKeyEvent *event)
{
    event->ignore();
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return;
    event->accept();
    m_endereco->ConsultarCEP(true);
}

void TfrPessoaFisica::PreencherNomes()
{
    EntradaCadastro::PreencherNomes(edtNome, [] { return std::make_unique<TPessoaFisica>(); });
}

void TfrPessoaFisica::AtualizarNome(const QString &antigo, const QString &novo)
{
    EntradaCadastro::AtualizarNome(edtNome, TPessoaFisica(), antigo, novo);
}

void TfrPessoaFisica::AlternarEdicao()
{
    const bool editar = !m_barra.editando();
    m_barra.mostrarEdicao(editar);
    for (QWidget *w : std::initializer_list<QWidget *>{edtTratamento, edtNome, edtPublica, edtApelido,
                                                       DadosContato, DadosPaginas, edtLembrarAniversario,
                                                       edtGuiaEmergencia, PageControl1})
        w->setEnabled(editar);
    // the group list, its button and the birth date stay usable in both states
    m_grupo.txtGrupo->setEnabled(true);
    m_grupo.btnNovoGrupo->setEnabled(true);
    edtDataNascimento->setEnabled(true);
    if (!editar) {
        lblLogin->clear();
        lblLogin->setToolTip(QString());
    }
}

void TfrPessoaFisica::LimparParaNovo()
{
    LimparCampos(this);
    edtCPF->setValue(kCpfZerado);
}

void TfrPessoaFisica::btnNovoClick()
{
    auto *botao = qobject_cast<QToolButton *>(sender());
    if (!botao)
        return;
    LimparParaNovo();
    AlternarEdicao();
    if (botao == m_barra.btnNovo) {
        // a new individual never inherits the seller of the one shown before
        m_vendedora.clear();
        m_identificador = 0;
        m_versaoLida = {};
        m_nomeAntigo.clear();
        edtNome->setFocus();
    } else {
        const qint32 escolhido = Telas::EscolherPessoaFisica(this);
        if (escolhido > 0) {
            TPessoaFisica pessoa;
            pessoa.Identificador = escolhido;
            if (pessoa.Carregar())
                MostrarPessoa(pessoa);
        }
    }
    m_operacao = BarraFerramentas::operacaoDe(botao);
}

void TfrPessoaFisica::MostrarGravada(const TPessoa &pessoa)
{
    MostrarPessoa(static_cast<const TPessoaFisica &>(pessoa));
}

void TfrPessoaFisica::MostrarPessoa(const TPessoaFisica &p)
{
    m_identificador = p.Identificador;
    m_versaoLida = p.VersaoLida;
    m_vendedora = p.Vendedora;
    edtTratamento->setCurrentIndex(edtTratamento->findText(p.Tratamento, Qt::MatchExactly));
    edtNome->setEditText(p.Nome);
    edtApelido->setText(p.Apelido);
    // a number no mask holds is shown plain: emptying it would lose it at the next save
    for (auto [edit, fone] : {std::pair{edtFoneR, &p.FoneResidencial}, std::pair{edtFoneCo, &p.FoneComercial},
                              std::pair{edtFoneCe, &p.FoneCelular}})
        MostrarSemCortar(edit, MascarasFone(), *fone);
    edtLocalTrabalho->setText(p.LocalTrabalho);
    edtEmail->setText(p.Email);
    edtProfissao->setText(p.Profissao);
    if (!edtCPF->setValue(p.CPF))
        edtCPF->setValue(kCpfZerado);
    edtObs->setPlainText(p.Obs);
    edtMSN->setText(p.MSN);
    edtTitulo->setText(p.Titulo);
    edtZona->setText(ComZeros(p.Zona, 3));
    edtSeccao->setText(ComZeros(p.Seccao, 3));
    edtCartaoVisa->setValue(p.CartaoVisa);
    edtCodSegVisa->setText(ComZeros(p.CodVisa, 3));
    edtCartaoMaster->setValue(p.CartaoMaster);
    edtCodSegMaster->setText(ComZeros(p.CodMaster, 3));
    edtTipoCliente->setCurrentIndex(p.TipoCliente);
    edtRG->setText(p.RG);
    edtVoIP->setText(p.Voip);
    edtMatricula->setText(p.Matricula);
    mostrarData(edtDataEntrada, p.DataEntrada);
    mostrarData(edtDataDispensa, p.DataDispensa);
    edtGuiaEmergencia->setChecked(p.Guia == 1);
    lblLogin->setText(QStringLiteral("Cadastrado pelo login: ") + p.Login);
    lblLogin->setToolTip(QStringLiteral("Cadastado por: \nLogin: ") + p.Login);
    m_grupo.selecionar(p.Grupo.Codigo);
    mostrarData(edtDataNascimento, p.DataNascimento);
    mostrarData(edtClienteDesde, p.ClienteDesde);
    edtSexo->setCurrentIndex(p.Sexo);
    edtEstadoCivil->setCurrentIndex(p.EstadoCivil);
    edtLembrarAniversario->setChecked(p.InformarAniversario == 1);
    edtPublica->setChecked(p.Publica != 0);
    m_contas->mostrar(p);
    m_endereco->mostrar(p.Endereco);
    m_endereco->edtEnviar->setChecked(p.Endereco.Enviar == 1);
    // a user who may not register users cannot touch a client's terms
    const TUsuario *usuario = TUsuario::atual();
    if (usuario && usuario->Tipo == 0 && p.TipoCliente == 1) {
        edtTipoCliente->setEnabled(false);
        edtClienteDesde->setEnabled(false);
    }
    m_nomeAntigo = p.Nome;
}

void TfrPessoaFisica::AbrirParaAlterar(const TPessoaFisica &pessoa)
{
    setWindowTitle(QStringLiteral("Pessoa Física -- Alterando"));
    m_barra.desabilitarParaAlterar();
    MostrarPessoa(pessoa);
    m_operacao = Alterar;
}

std::optional<TPessoaFisica> TfrPessoaFisica::LerPessoa()
{
    auto parar = [](const QString &texto, QWidget *foco) {
        Seams::messages().show(texto, MessageService::Kind::Warning);
        foco->setFocus();
        return std::nullopt;
    };
    // the cards: a wrong number stops the save, an empty one is stored as zeros
    for (auto [cartao, texto] : {std::pair{edtCartaoVisa, QStringLiteral("Cartão VISA Inválido")},
                                 std::pair{edtCartaoMaster, QStringLiteral("Cartão MASTER Inválido")}}) {
        if (IsValidCardNumber(cartao->value()))
            continue;
        if (!cartao->value().isEmpty()) {
            PageControl1->setCurrentWidget(findChild<QWidget *>(QStringLiteral("TabSheet6")));
            return parar(texto, cartao);
        }
        cartao->setValue(kCartaoZerado);
    }
    // a person always belongs to a group
    if (m_grupo.txtGrupo->currentIndex() < 0)
        return parar(QStringLiteral("Você deve escolher um grupo!"), m_grupo.txtGrupo);
    // the address's numbers and the dates must read as numbers and dates
    m_endereco->corrigirNumeros();
    for (MaskedEdit *e : {edtDataNascimento, edtClienteDesde})
        if (lerData(e) == 0)
            e->setValue(QString());
    // the MSN address, when given, looks like an e-mail
    if (!edtMSN->text().isEmpty() && !IsPlausibleEmail(edtMSN->text()))
        return parar(QStringLiteral("Email do MSN inválido!"), edtMSN);

    // the record from the fields
    TPessoaFisica p;
    p.Identificador = m_identificador;
    p.Tratamento = edtTratamento->currentText();
    p.Nome = edtNome->currentText();
    p.Apelido = edtApelido->text();
    p.Email = edtEmail->text();
    // telephones are stored as their digits alone, however they were typed
    p.FoneResidencial = edtFoneR->digits();
    p.FoneComercial = edtFoneCo->digits();
    p.FoneCelular = edtFoneCe->digits();
    p.Profissao = edtProfissao->text();
    p.LocalTrabalho = edtLocalTrabalho->text();
    p.Obs = edtObs->toPlainText().trimmed();
    p.MSN = edtMSN->text();
    p.CartaoVisa = edtCartaoVisa->value();
    p.CartaoMaster = edtCartaoMaster->value();
    p.CodVisa = Inteiro(edtCodSegVisa->text());
    p.CodMaster = Inteiro(edtCodSegMaster->text());
    p.TipoCliente = edtTipoCliente->currentIndex();
    p.RG = edtRG->text();
    m_contas->ler(p);
    p.Grupo.Codigo = m_grupo.txtGrupo->codigoSelecionado();
    p.Grupo.Nome = m_grupo.nomeDoGrupo();
    p.Guia = edtGuiaEmergencia->isChecked() ? 1 : 0;
    p.Publica = edtPublica->isChecked() ? 1 : 0;
    // an empty or wrong CPF is stored as zeros (a wrong one with a warning)
    const QString cpf = edtCPF->value();
    if (SomenteDigitos(cpf).isEmpty()) {
        edtCPF->setValue(kCpfZerado);
        p.CPF = kCpfZerado;
    } else if (!ValidarCPF(cpf)) {
        Seams::messages().show(QStringLiteral("CPF inválido!") + kQuebra +
                                   QStringLiteral("Será cadastrado como: \"000.000.000-00\""),
                               MessageService::Kind::Warning);
        p.CPF = kCpfZerado;
        edtCPF->setValue(kCpfZerado);
    } else {
        p.CPF = cpf;
    }
    // the voter's zone and section
    p.Zona = Inteiro(edtZona->text());
    p.Seccao = Inteiro(edtSeccao->text());
    p.Voip = edtVoIP->text();
    // a wrong voter title is stored as zeros, with a warning
    if (!IsValidVoterTitle(edtTitulo->text())) {
        Seams::messages().show(QStringLiteral("Titulo inválido!") + kQuebra +
                                   QStringLiteral("Será cadastrado como: \"0000000000000\""),
                               MessageService::Kind::Warning);
        p.Titulo = kTituloZerado;
        edtTitulo->setText(kTituloZerado);
    } else {
        p.Titulo = edtTitulo->text();
    }
    // employment and the dates
    p.Matricula = edtMatricula->text();
    p.DataEntrada = lerData(edtDataEntrada);
    p.DataDispensa = lerData(edtDataDispensa);
    p.DataNascimento = lerData(edtDataNascimento);
    p.SemDataNascimento = p.DataNascimento == 0 ? 1 : 0;
    p.ClienteDesde = lerData(edtClienteDesde);
    p.Sexo = quint8(qMax(0, edtSexo->currentIndex()));
    p.EstadoCivil = quint8(qMax(0, edtEstadoCivil->currentIndex()));
    p.InformarAniversario = edtLembrarAniversario->isChecked() ? 1 : 0;
    // the address
    p.Endereco = m_endereco->ler();
    // every save passes the individual to the user who saves it
    const QString login = TUsuario::atual() ? TUsuario::atual()->Login : QString();
    p.Login = login;
    p.Vendedora = edtTipoCliente->isEnabled() ? login : m_vendedora;
    return p;
}

std::optional<TelaCadastroPessoa::Gravacao> TfrPessoaFisica::ExecutarOperacao()
{
    std::optional<TPessoaFisica> lida = LerPessoa();
    if (!lida)
        return std::nullopt;
    Gravacao feito = Executar(*lida);
    feito.email = lida->Email;
    return feito;
}

void TfrPessoaFisica::Inserir(TPessoa &pessoa, Gravacao &feito)
{
    // Ctrl held: the apartments of a building, entered from this record
    if (IsKeyDown(KeyboardState::Control)) {
        feito.outraTela = true;
        Telas::Predios(this, static_cast<TPessoaFisica &>(pessoa),
                       QStringLiteral("Inserindo contatos para : ") + pessoa.Nome);
    } else {
        TelaCadastroPessoa::Inserir(pessoa, feito);
    }
}
void TfrPessoaFisica::AbrirAcessoRapido(qint32 identificador, const QString &resumo)
{
    Telas::AcessoRapidoPF(this, identificador, resumo);
}

void TfrPessoaFisica::DepoisDeGravar()
{
    edtDataNascimento->setValue(QString());
    edtClienteDesde->setValue(QString());
}
