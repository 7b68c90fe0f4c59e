#include "ui/session/TfrPrincipalAC.h"

#include "app/ProgramFolder.h"
#include "app/TerminationSignals.h"
#include "app/Version.h"
#include "data/TDM.h"
#include "model/Aniversariantes.h"
#include "model/PessoaResumo.h"
#include "model/TPessoa.h"
#include "model/TUsuario.h"
#include "services/Desktop.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/AppIcon.h"
#include "ui/common/Help.h"
#include "ui/common/Telas.h"
#include "ui/session/ListaAniversariantes.h"
#include "ui/session/ListaPessoasResumo.h"
#include "ui/session/TfrNovoUsuario.h"
#include "util/DateTime.h"
#include "util/Formats.h"
#include "util/PaginaHtml.h"
#include "util/TextUtils.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSessionManager>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

// exit() and not quit(): quit() first asks every window to close, and this
// window refuses (it hides beside the clock), so the program would never end
std::function<void()> TfrPrincipalAC::Terminar = [] { QApplication::exit(0); };

namespace {

const QString kPerguntaDiario =
    QStringLiteral("O campo diário contém informações que ainda não foram salvas.  Deseja salvá-las agora?");
const QString kDataExtenso = QStringLiteral("dddd\", \" dd \"de\" mmmm \"de\" yyyy\".\"");

} // namespace

TfrPrincipalAC::TfrPrincipalAC(TUsuario &usuario, QWidget *parent) : QMainWindow(parent), m_usuario(usuario)
{
    setObjectName(QStringLiteral("frPrincipalAC"));
    setWindowIcon(AppIcon());
    criarMenus();
    criarBarraDeFerramentas();

    auto *central = new QWidget(this);
    auto *centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(4, 4, 4, 4);
    auto *Panel1 = new QLabel(QStringLiteral("  :: Lumisto :: "), central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setStyleSheet(
        QStringLiteral("background: #000080; color: white; font-weight: bold; padding: 4px;"));
    centralLayout->addWidget(Panel1);
    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setStyleSheet(
        QStringLiteral("QTabBar::tab { color: blue; text-decoration: underline; padding: 5px 14px; }"
                       "QTabBar::tab:selected { background: rgb(192, 220, 192); text-decoration: none; }"));
    centralLayout->addWidget(PageControl1);
    setCentralWidget(central);
    criarDiario();
    criarListas();
    criarBarraDeStatus();
    criarIconeDaBandeja();

    // creation
    Data_Diario->setDate(Seams::clock().now().date());
    atualizarTitulos();
    QueroaversoemREDE1->setText(QStringLiteral("Quero a Versão em REDE"));
    atualizarBackup(true);
    m_status[1]->setText(QStringLiteral("  Login: ") + m_usuario.Login);
    lblDataExtenso->setText(FormatDateTime(kDataExtenso, QDateToDateTime(Data_Diario->date())));
    Alterardadosde1->setText(QStringLiteral("Alterar os Dados de: ") + m_usuario.Nome);

    connect(&Timer1, &QTimer::timeout, this, &TfrPrincipalAC::Timer1Timer);
    Timer1.start(1000);
    Timer1Timer();
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TfrPrincipalAC::commitData);
}

QAction *TfrPrincipalAC::acao(const QString &name, const QString &caption, const QKeySequence &shortcut)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(name);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        // the window's shortcuts give way to a text field's own Ctrl+C and Ctrl+X
        a->setShortcutContext(Qt::WindowShortcut);
    }
    return a;
}

QAction *TfrPrincipalAC::tela(const QString &name, const QString &caption, const QString &screen,
                              const QKeySequence &shortcut, std::function<int()> abrirTela)
{
    QAction *a = acao(name, caption, shortcut);
    a->setEnabled(Telas::Existe(screen));
    if (!abrirTela)
        abrirTela = [this, screen] { return Telas::Abrir(this, screen); };
    connect(a, &QAction::triggered, this, [this, abrirTela] { abrir(abrirTela); });
    return a;
}

void TfrPrincipalAC::abrir(const std::function<int()> &abrirTela)
{
    const quint64 antes = TPessoa::Alteracoes();
    abrirTela();
    // a person saved, changed or deleted there shows in the lists at once
    if (TPessoa::Alteracoes() != antes && !TerminationSignals::requested()) {
        CarregarAniversariantes();
        CarregarEmergencia();
    }
}

void TfrPrincipalAC::abrir(const QString &screen)
{
    abrir([this, screen] { return Telas::Abrir(this, screen); });
}

void TfrPrincipalAC::criarMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *cadastros = bar->addMenu(QStringLiteral("Cadastros"));
    cadastros->addAction(tela(QStringLiteral("PessoaFsica1"), QStringLiteral("Pessoa Física"),
                              QStringLiteral("TfrPessoaFisica"), QKeySequence(QStringLiteral("Ctrl+F"))));
    cadastros->addAction(tela(QStringLiteral("PessoaJurdica1"), QStringLiteral("Pessoa Jurídica"),
                              QStringLiteral("TfrPessoaJuridica"), QKeySequence(QStringLiteral("Ctrl+J"))));
    cadastros->addAction(tela(QStringLiteral("PessoadeContato1"), QStringLiteral("Pessoa de Contato"),
                              QStringLiteral("TfrCadastroContatoPJ"),
                              QKeySequence(QStringLiteral("Ctrl+C"))));
    cadastros->addAction(tela(QStringLiteral("ImportarContatos1"),
                              QStringLiteral("Importar Contatos (vCard, CSV)..."), Telas::kImportarContatos));
    cadastros->addAction(tela(QStringLiteral("ExportarContatos1"),
                              QStringLiteral("Exportar Contatos (vCard, CSV)..."), Telas::kExportarContatos));
    cadastros->addSeparator();
    cadastros->addAction(tela(QStringLiteral("FotosHistricoseFinanasdePessoaFsica1"),
                              QStringLiteral("Fotos, Históricos e Finanças de Pessoa Física"),
                              Telas::kAcessoRapidoPF, {},
                              [this] { return Telas::AcessoRapidoPFSemPessoa(this); }));
    cadastros->addAction(tela(QStringLiteral("ContatosHistricoseFinanasdePessoaJurdica1"),
                              QStringLiteral("Contatos, Históricos e Finanças de Pessoa Jurídica"),
                              Telas::kAcessoRapidoPJ, {},
                              [this] { return Telas::AcessoRapidoPJSemPessoa(this); }));
    cadastros->addSeparator();
    QAction *diario = acao(QStringLiteral("DiriodoUsurio1"), QStringLiteral("Anotações Diárias"),
                           QKeySequence(QStringLiteral("Ctrl+D")));
    connect(diario, &QAction::triggered, this, [this] { PageControl1->setCurrentIndex(0); });
    cadastros->addAction(diario);
    cadastros->addSeparator();
    QAction *esconder =
        acao(QStringLiteral("EsconderaoLadodoRelgio1"), QStringLiteral("Esconder ao Lado do Relógio"));
    connect(esconder, &QAction::triggered, this, &TfrPrincipalAC::EsconderAoLadoDoRelogio);
    cadastros->addAction(esconder);
    cadastros->addSeparator();
    QAction *logoff = acao(QStringLiteral("SairefazerLogOff1"), QStringLiteral("Sair e fazer Log Off"));
    connect(logoff, &QAction::triggered, this, &TfrPrincipalAC::SairefazerLogOff1Click);
    cadastros->addAction(logoff);
    QAction *sair =
        acao(QStringLiteral("Sair1"), QStringLiteral("Sair"), QKeySequence(QStringLiteral("Ctrl+X")));
    connect(sair, &QAction::triggered, this, &TfrPrincipalAC::Sair1Click);
    cadastros->addAction(sair);

    QMenu *exibir = bar->addMenu(QStringLiteral("Exibir"));
    const QStringList tabs = {QStringLiteral("AnotaesDirias1"),
                              QStringLiteral("MostrarGuiadeAniversariantes1"),
                              QStringLiteral("elefonesdeEmergncia1")};
    const QStringList captions = {QStringLiteral("Anotações Diárias"),
                                  QStringLiteral("Mostrar Guia de Aniversariantes"),
                                  QStringLiteral("Telefones de Emergência")};
    for (int i = 0; i < tabs.size(); ++i) {
        if (i > 0)
            exibir->addSeparator();
        QAction *a = acao(tabs[i], captions[i]);
        connect(a, &QAction::triggered, this, [this, i] {
            if (i < PageControl1->count())
                PageControl1->setCurrentIndex(i);
        });
        exibir->addAction(a);
    }

    QMenu *pesquisas = bar->addMenu(QStringLiteral("Pesquisas"));
    pesquisas->addAction(tela(QStringLiteral("PessoaFsica2"), QStringLiteral("Pessoa Física"),
                              QStringLiteral("TfrRelPF"), QKeySequence(QStringLiteral("Ctrl+Alt+F"))));
    pesquisas->addAction(tela(QStringLiteral("PessoaJurdica2"), QStringLiteral("Pessoa Jurídica"),
                              QStringLiteral("TfrRelPJ"), QKeySequence(QStringLiteral("Ctrl+Alt+J"))));
    pesquisas->addAction(tela(QStringLiteral("PessoaFsicaJurdicaedeContato1"),
                              QStringLiteral("Pessoa Física, Jurídica e de Contato"),
                              QStringLiteral("TfrRelPTotal"), QKeySequence(QStringLiteral("Ctrl+Alt+T"))));
    pesquisas->addSeparator();
    pesquisas->addAction(
        tela(QStringLiteral("Finanas1"), QStringLiteral("Finanças"), QStringLiteral("TfrFinancasPesquisa")));

    QMenu *imprimir = bar->addMenu(QStringLiteral("Imprimir"));
    imprimir->addAction(
        tela(QStringLiteral("PessoaFsica3"), QStringLiteral("Pessoa Física"), QStringLiteral("TqrpListaPF")));
    imprimir->addAction(tela(QStringLiteral("PessoaJurdica3"), QStringLiteral("Pessoa Jurídica"),
                             QStringLiteral("TqrpListaPJ")));
    imprimir->addAction(tela(QStringLiteral("PessoadeContato2"), QStringLiteral("Pessoa de Contato"),
                             QStringLiteral("TqrpListaPC")));
    imprimir->addSeparator();
    imprimir->addAction(tela(QStringLiteral("PessoasFsicaseouJuridicasAgrupadas1"),
                             QStringLiteral("Pessoas Físicas e/ou Juridicas Agrupadas"),
                             QStringLiteral("TfrFones"), QKeySequence(QStringLiteral("Ctrl+G"))));

    QMenu *mala = bar->addMenu(QStringLiteral("Mala Direta"));
    mala->addAction(tela(QStringLiteral("CartaPersonalizadaPF1"),
                         QStringLiteral("Carta Personalizada Pessoa Física"),
                         QStringLiteral("TfrMalaDiretaPF")));
    mala->addAction(tela(QStringLiteral("CartaPersonalizadaPJ1"),
                         QStringLiteral("Carta Personalizada Pessoa Jurídica"),
                         QStringLiteral("TfrMalaDiretaPJ")));
    mala->addSeparator();
    mala->addAction(tela(QStringLiteral("ImpressodeEtiquetasparaPFeouPJ1"),
                         QStringLiteral("Impressão de Etiquetas para PF e/ou PJ"),
                         QStringLiteral("TfrImprimeEtiquetas")));

    QMenu *ajuda = bar->addMenu(QStringLiteral("Ajuda"));
    QAction *backup = acao(QStringLiteral("BackupRestore1"), QStringLiteral("Backup - Restore"));
    connect(backup, &QAction::triggered, this, &TfrPrincipalAC::BackupRestore1Click);
    ajuda->addAction(backup);
    ajuda->addSeparator();
    ajuda->addAction(tela(QStringLiteral("DvidaseSugestes1"), QStringLiteral("Dúvidas e Sugestões"),
                          QStringLiteral("TfrSugestoes")));
    ajuda->addSeparator();
    QueroaversoemREDE1 = acao(QStringLiteral("QueroaversoemREDE1"), QStringLiteral("Quero a Versão em REDE"));
    connect(QueroaversoemREDE1, &QAction::triggered, this, &TfrPrincipalAC::QueroaversoemREDE1Click);
    ajuda->addAction(QueroaversoemREDE1);
    ajuda->addSeparator();
    ajuda->addAction(tela(QStringLiteral("Sobre1"), QStringLiteral("Sobre"), QStringLiteral("TfrSobre")));

    QMenu *usuario = bar->addMenu(QStringLiteral("Usuário"));
    Alterardadosde1 = acao(QStringLiteral("Alterardadosde1"), QStringLiteral("Alterar os Dados de: "));
    Alterardadosde1->setEnabled(Telas::Existe(QStringLiteral("TfrAlteraSenha")));
    connect(Alterardadosde1, &QAction::triggered, this, &TfrPrincipalAC::Alterardadosde1Click);
    usuario->addAction(Alterardadosde1);
    usuario->addSeparator();
    Entrarcomumnovousurio1 =
        acao(QStringLiteral("Entrarcomumnovousurio1"), QStringLiteral("Cadastrar um Novo Usuário"));
    connect(Entrarcomumnovousurio1, &QAction::triggered, this, &TfrPrincipalAC::Entrarcomumnovousurio1Click);
    usuario->addAction(Entrarcomumnovousurio1);

    QAction *aoLado = acao(QStringLiteral("AoLadodoRelgio1"), QStringLiteral("Ao Lado do Relógio?"));
    connect(aoLado, &QAction::triggered, this, &TfrPrincipalAC::EsconderAoLadoDoRelogio);
    bar->addAction(aoLado);
}

void TfrPrincipalAC::criarBarraDeFerramentas()
{
    QToolBar *tb = addToolBar(QStringLiteral("ToolBar1"));
    tb->setObjectName(QStringLiteral("ToolBar1"));
    tb->setMovable(false);
    tb->setIconSize(QSize(24, 24));
    tb->setToolButtonStyle(Qt::ToolButtonIconOnly);
    auto botao = [this, tb](const QString &name, const QString &hint, QStyle::StandardPixmap icon,
                            const QString &menuItem) {
        QAction *source = findChild<QAction *>(menuItem);
        auto *a = new QAction(style()->standardIcon(icon), hint, this);
        a->setObjectName(name);
        a->setToolTip(hint);
        a->setEnabled(source && source->isEnabled());
        if (source)
            connect(a, &QAction::triggered, source, &QAction::trigger);
        tb->addAction(a);
    };
    botao(QStringLiteral("btnPF"), QStringLiteral("Cadastro de Pessoa Física"),
          QStyle::SP_FileDialogContentsView, QStringLiteral("PessoaFsica1"));
    botao(QStringLiteral("btnPJ"), QStringLiteral("Cadastro de Pessoa Jurídica"), QStyle::SP_DirHomeIcon,
          QStringLiteral("PessoaJurdica1"));
    botao(QStringLiteral("btnPC"), QStringLiteral("Cadastro de Pessoa de Contato"),
          QStyle::SP_FileDialogInfoView, QStringLiteral("PessoadeContato1"));
    tb->addSeparator();
    botao(QStringLiteral("btnPFPJPCAgrupadas"), QStringLiteral("Imprimir Lista de Telefones"),
          QStyle::SP_FileDialogDetailedView, QStringLiteral("PessoasFsicaseouJuridicasAgrupadas1"));
    botao(QStringLiteral("btnBackUP"), QStringLiteral("Fazer BackUP e Restore"), QStyle::SP_DriveHDIcon,
          QStringLiteral("BackupRestore1"));
    tb->addSeparator();
    botao(QStringLiteral("btnSobre"), QStringLiteral("Sobre"), QStyle::SP_MessageBoxInformation,
          QStringLiteral("Sobre1"));
    tb->addSeparator();
    botao(QStringLiteral("btnSair"), QStringLiteral("Finalizar Lumisto"), QStyle::SP_DialogCloseButton,
          QStringLiteral("Sair1"));
}

void TfrPrincipalAC::criarBarraDeStatus()
{
    QStatusBar *sb = statusBar();
    sb->setObjectName(QStringLiteral("Status"));
    for (int i = 0; i < 4; ++i) {
        m_status[i] = new QLabel(sb);
        m_status[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_status[i]->setFrameShape(QFrame::StyledPanel);
        m_status[i]->setFrameShadow(QFrame::Sunken);
        m_status[i]->setContentsMargins(4, 0, 4, 0);
        sb->addPermanentWidget(m_status[i], i == 3 ? 3 : 1);
    }
    m_status[0]->setAlignment(Qt::AlignCenter);
    m_status[0]->setText(TDM::instance() && TDM::instance()->EmRede() ? QStringLiteral("Versão em REDE")
                                                                      : QStringLiteral("Versão DeskTop"));
}

void TfrPrincipalAC::criarDiario()
{
    auto *TabSheet1 = new QWidget(PageControl1);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    Data_Diario = new QDateEdit(TabSheet1);
    Data_Diario->setObjectName(QStringLiteral("Data_Diario"));
    Data_Diario->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    Data_Diario->setCalendarPopup(true);
    auto *rotulo = new QLabel(QStringLiteral("Diário do Dia"), TabSheet1);
    QFont bold = rotulo->font();
    bold.setBold(true);
    rotulo->setFont(bold);
    lblDataExtenso = new QLabel(TabSheet1);
    lblDataExtenso->setObjectName(QStringLiteral("lblDataExtenso"));
    lblDataExtenso->setStyleSheet(QStringLiteral("color: #000080; font-weight: bold;"));
    edtTexto = new QPlainTextEdit(TabSheet1);
    edtTexto->setObjectName(QStringLiteral("edtTexto"));
    edtTexto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    btnPesquisa = new QPushButton(QStringLiteral("Pesquisar"), TabSheet1);
    btnPesquisa->setObjectName(QStringLiteral("btnPesquisa"));
    btnSalvar = new QPushButton(QStringLiteral("Salvar"), TabSheet1);
    btnSalvar->setObjectName(QStringLiteral("btnSalvar"));
    btnSalvar->setEnabled(false);
    btnLimpar = new QPushButton(QStringLiteral("Limpar"), TabSheet1);
    btnLimpar->setObjectName(QStringLiteral("btnLimpar"));

    auto *top = new QHBoxLayout;
    top->addWidget(rotulo);
    top->addWidget(Data_Diario);
    top->addSpacing(12);
    top->addWidget(lblDataExtenso, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPesquisa);
    buttons->addWidget(btnSalvar);
    buttons->addWidget(btnLimpar);
    auto *layout = new QVBoxLayout(TabSheet1);
    layout->addLayout(top);
    layout->addWidget(edtTexto, 1);
    layout->addLayout(buttons);
    PageControl1->addTab(TabSheet1, QStringLiteral("Diário"));

    connect(Data_Diario, &QDateEdit::dateChanged, this, &TfrPrincipalAC::Data_DiarioChange);
    connect(edtTexto, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_carregando)
            btnSalvar->setEnabled(true);
    });
    connect(btnSalvar, &QPushButton::clicked, this, &TfrPrincipalAC::btnSalvarClick);
    connect(btnLimpar, &QPushButton::clicked, this, &TfrPrincipalAC::btnLimparClick);
    connect(btnPesquisa, &QPushButton::clicked, this, &TfrPrincipalAC::btnPesquisaClick);
}

void TfrPrincipalAC::criarIconeDaBandeja()
{
    JvTrayIcon1 = new QSystemTrayIcon(AppIcon(), this);
    JvTrayIcon1->setObjectName(QStringLiteral("JvTrayIcon1"));
    JvTrayIcon1->setToolTip(QStringLiteral(":: Lumisto ::"));
    auto *PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *sobre = PopupMenu1->addAction(QStringLiteral("Sobre"));
    sobre->setObjectName(QStringLiteral("Sobre2"));
    sobre->setEnabled(Telas::Existe(QStringLiteral("TfrSobre")));
    connect(sobre, &QAction::triggered, this, [this] { abrir(QStringLiteral("TfrSobre")); });
    QAction *exibir = PopupMenu1->addAction(QStringLiteral("Exibir Lumisto"));
    exibir->setObjectName(QStringLiteral("ExibirLumisto1"));
    connect(exibir, &QAction::triggered, this, &TfrPrincipalAC::MostrarDoRelogio);
    PopupMenu1->addSeparator();
    QAction *sair = PopupMenu1->addAction(QStringLiteral("Sair"));
    sair->setObjectName(QStringLiteral("Sair2"));
    connect(sair, &QAction::triggered, this, &TfrPrincipalAC::Sair2Click);
    JvTrayIcon1->setContextMenu(PopupMenu1);
    connect(JvTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
            MostrarDoRelogio();
    });
    if (QSystemTrayIcon::isSystemTrayAvailable())
        JvTrayIcon1->show();
}

void TfrPrincipalAC::atualizarTitulos()
{
    setWindowTitle(QStringLiteral("Lumisto") + QStringLiteral(" -- Usuário(a) : ") + m_usuario.Nome +
                   QStringLiteral(" <<::>> Login: ") + m_usuario.Login);
    PageControl1->setTabText(0, QStringLiteral("Anotações diárias de ") + m_usuario.Login);
}

void TfrPrincipalAC::atualizarBackup(bool criacao)
{
    const QString lead = criacao ? QStringLiteral("  ") : QString();
    if (SettingsHasSection(QStringLiteral("BACKUP")))
        m_status[2]->setText(FormatDateTime(
            QLatin1Char('"') + lead + QStringLiteral("Último BackUP realizado em:\" dd/mm/yyyy"),
            ReadSettingDate(QStringLiteral("BACKUP"), QStringLiteral("DATA"))));
    else
        m_status[2]->setText(lead + QStringLiteral("BackUP ainda não realizado!!"));
}

void TfrPrincipalAC::Timer1Timer()
{
    m_status[3]->setText(
        FormatDateTime(QStringLiteral("  dddd\",\" dd \"de\" mmmm \"de\" yyyy \"::\" hh:nn:ss"),
                       QDateTimeToDateTime(Seams::clock().now())));
}

void TfrPrincipalAC::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_primeiraExibicao) {
        m_primeiraExibicao = false;
        FormShow();
    }
}

void TfrPrincipalAC::FormShow()
{
    if (m_usuario.Tipo == 0)
        Entrarcomumnovousurio1->setEnabled(false);
    carregarDiario();
    Panel2->setText(FormatDateTime(QStringLiteral("\"  Aniversariantes do mês de: \"mmmm"),
                                   QDateTimeToDateTime(Seams::clock().now())));
    QTimer::singleShot(0, this, [this] {
        CarregarAniversariantes();
        CarregarEmergencia();
        m_listasCarregadas = true;
    });
    PageControl1->setCurrentIndex(0);
    setWindowState(windowState() | Qt::WindowMaximized);
    edtTexto->setFocus();
}

bool TfrPrincipalAC::diarioPendente() const
{
    return btnSalvar->isEnabled();
}

void TfrPrincipalAC::carregarDiario()
{
    m_dataCarregada = QDateToDateTime(Data_Diario->date());
    Anotacao.Data = m_dataCarregada;
    Anotacao.Texto.clear();
    // a failed read shows an empty day; saving over it is an update of the stored note
    [[maybe_unused]] const DbResult lida = Anotacao.Carregar(m_usuario.Login);
    m_carregando = true;
    edtTexto->setPlainText(Anotacao.Texto);
    m_carregando = false;
}

bool TfrPrincipalAC::salvarDiario(double data)
{
    Anotacao.Data = data;
    Anotacao.Texto = edtTexto->toPlainText();
    if (Anotacao.Salvar(m_usuario.Login) != Resultado::Gravado)
        return false;
    btnSalvar->setEnabled(false);
    return true;
}

bool TfrPrincipalAC::perguntarSalvarDiario(double data)
{
    if (diarioPendente() && Seams::messages().confirm(kPerguntaDiario))
        return salvarDiario(data);
    return true;
}

void TfrPrincipalAC::Data_DiarioChange()
{
    // unsaved text belongs to the day it was typed for: ask before it is replaced
    if (diarioPendente()) {
        if (!perguntarSalvarDiario(m_dataCarregada)) {
            // the save failed: stay on the day the text was typed for
            const QSignalBlocker calado(Data_Diario);
            Data_Diario->setDate(DateTimeToQDate(m_dataCarregada));
            return;
        }
        btnSalvar->setEnabled(false);
    }
    lblDataExtenso->setText(FormatDateTime(kDataExtenso, QDateToDateTime(Data_Diario->date())));
    carregarDiario();
}

void TfrPrincipalAC::btnSalvarClick()
{
    salvarDiario(QDateToDateTime(Data_Diario->date()));
}

void TfrPrincipalAC::btnLimparClick()
{
    const double data = QDateToDateTime(Data_Diario->date());
    if (!Seams::messages().confirm(QStringLiteral("Deseja excluir todas as anotações do dia ") +
                                   FormatDateTime(QStringLiteral("dd/mm/yyyy"), data)))
        return;
    Anotacao.Data = data;
    // a failed delete keeps the text on the screen: the note is still stored
    if (Anotacao.Excluir(m_usuario.Login) != Resultado::Gravado)
        return;
    btnSalvar->setEnabled(false);
    m_carregando = true;
    edtTexto->clear();
    m_carregando = false;
}

void TfrPrincipalAC::btnPesquisaClick()
{
    abrir([this] { return Telas::PesquisaAnotacao(this, m_usuario.Login); });
}

void TfrPrincipalAC::closeEvent(QCloseEvent *event)
{
    event->ignore();
    // a failed save keeps the window open with the text
    if (perguntarSalvarDiario(QDateToDateTime(Data_Diario->date())))
        EsconderAoLadoDoRelogio();
}

void TfrPrincipalAC::commitData(QSessionManager &)
{
    // the desktop is ending the session: keep what was typed, then let it go
    perguntarSalvarDiario(QDateToDateTime(Data_Diario->date()));
}

void TfrPrincipalAC::EsconderAoLadoDoRelogio()
{
    if (JvTrayIcon1 && JvTrayIcon1->isVisible() && QSystemTrayIcon::isSystemTrayAvailable()) {
        hide();
        return;
    }
    // no tray on this desktop: a minimised window can always be reached
    showMinimized();
}

void TfrPrincipalAC::MostrarDoRelogio()
{
    showNormal();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    show();
    raise();
    activateWindow();
}

void TfrPrincipalAC::Sair1Click()
{
    if (perguntarSalvarDiario(QDateToDateTime(Data_Diario->date())))
        Terminar();
}

void TfrPrincipalAC::EncerrarPorSinal()
{
    // nobody can answer a question at logout, and losing the text is worse
    if (diarioPendente())
        salvarDiario(m_dataCarregada);
    Terminar();
}

void TfrPrincipalAC::Sair2Click()
{
    if (!Seams::messages().confirm(QStringLiteral("Caro(a) ") + m_usuario.Nome +
                                   QStringLiteral(", desejas encerar a Quabelo agora?")))
        return;
    if (perguntarSalvarDiario(QDateToDateTime(Data_Diario->date())))
        Terminar();
}

void TfrPrincipalAC::SairefazerLogOff1Click()
{
    if (!Seams::messages().confirm(QStringLiteral("Caro(a) ") + m_usuario.Nome +
                                   QStringLiteral(", desejas encerar a Quabelo agora?")))
        return;
    if (!perguntarSalvarDiario(QDateToDateTime(Data_Diario->date())))
        return;
    ClearAutomaticLogin();
    Terminar();
}

void TfrPrincipalAC::BackupRestore1Click()
{
    TDM *dm = TDM::instance();
    if (dm)
        dm->BancoDados.disconnect();
    abrir(QStringLiteral("TfrBackUP"));
    // the backup screen reconnects after each of its operations; detaching
    // again right after that attach gains nothing
    QString error;
    if (dm && !dm->BancoDados.isConnected() && !dm->Reconectar(&error))
        Seams::messages().show(error, MessageService::Kind::Error);
    atualizarBackup(false);
}

void TfrPrincipalAC::QueroaversoemREDE1Click()
{
    // the network edition comes with the program: say how to turn it on
    Seams::messages().show(
        QStringLiteral(
            "A versão em REDE já vem com o programa: com o banco de dados num servidor Firebird da "
            "rede, vários computadores trabalham nos mesmos dados ao mesmo tempo.\r\nPara ativá-la, "
            "clique em \"Rede...\" na janela de entrada e informe o servidor. Os passos estão na "
            "ajuda, que será aberta agora.\r\nDúvidas: ") +
        PublisherContactEmail());
    OpenHelp(QStringLiteral("rede.htm"));
}

void TfrPrincipalAC::Alterardadosde1Click()
{
    abrir(QStringLiteral("TfrAlteraSenha"));
    atualizarTitulos();
    m_status[0]->setText(TDM::instance() && TDM::instance()->EmRede() ? QStringLiteral("Versão em REDE")
                                                                      : QStringLiteral("Versão DeskTop"));
    m_status[1]->setText(QStringLiteral("Login: ") + m_usuario.Login);
    Alterardadosde1->setText(QStringLiteral("Alterar os Dados de: ") + m_usuario.Nome);
}

void TfrPrincipalAC::Entrarcomumnovousurio1Click()
{
    abrir([this] { return Telas::NovoUsuario(this, int(TfrNovoUsuario::Modo::Normal)); });
}

// ------------------------------------------------------------ list tabs

void TfrPrincipalAC::criarListas()
{
    auto botao = [](const QString &nome, const QString &texto, QWidget *pai) {
        auto *b = new QPushButton(texto, pai);
        b->setObjectName(nome);
        return b;
    };
    auto painel = [](const QString &nome, QWidget *pai) {
        auto *l = new QLabel(pai);
        l->setObjectName(nome);
        l->setStyleSheet(
            QStringLiteral("background: #000080; color: white; font-weight: bold; padding: 4px;"));
        return l;
    };

    // birthdays of the month
    auto *TabSheet2 = new QWidget(PageControl1);
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    Panel2 = painel(QStringLiteral("Panel2"), TabSheet2);
    Lista = new ListaAniversariantes(TabSheet2);
    Lista->setObjectName(QStringLiteral("Lista"));
    QPushButton *imprimirMes =
        botao(QStringLiteral("btnImprimirListaAtual"), QStringLiteral("Imprimir Lista Mês"), TabSheet2);
    QPushButton *imprimirTodos =
        botao(QStringLiteral("btnImprimirTodos"), QStringLiteral("Imprimir Todos Meses"), TabSheet2);
    QPushButton *atualizar = botao(QStringLiteral("btnAtualizar"), QStringLiteral("Atualizar"), TabSheet2);
    auto *botoes2 = new QHBoxLayout;
    botoes2->addStretch();
    botoes2->addWidget(imprimirMes);
    botoes2->addWidget(imprimirTodos);
    botoes2->addWidget(atualizar);
    auto *layout2 = new QVBoxLayout(TabSheet2);
    layout2->addWidget(Panel2);
    layout2->addWidget(Lista, 1);
    layout2->addLayout(botoes2);
    PageControl1->addTab(TabSheet2, QStringLiteral("Aniversariantes"));
    connect(imprimirMes, &QPushButton::clicked, this,
            [this] { ImprimirAniversariantes(Aniversariantes::DoMes); });
    connect(imprimirTodos, &QPushButton::clicked, this,
            [this] { ImprimirAniversariantes(Aniversariantes::Todos); });
    connect(atualizar, &QPushButton::clicked, this, &TfrPrincipalAC::CarregarAniversariantes);
    connect(Lista, &QListView::doubleClicked, this, &TfrPrincipalAC::ListaDblClick);

    // emergency telephones
    auto *TabSheet3 = new QWidget(PageControl1);
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    ListaFones = new ListaPessoasResumo(ListaPessoasResumo::Estilo::Emergencia, TabSheet3);
    ListaFones->setObjectName(QStringLiteral("ListaFones"));
    QPushButton *atualizarFones =
        botao(QStringLiteral("SpeedButton3"), QStringLiteral("Atualizar"), TabSheet3);
    auto *botoes3 = new QHBoxLayout;
    botoes3->addStretch();
    botoes3->addWidget(atualizarFones);
    auto *layout3 = new QVBoxLayout(TabSheet3);
    layout3->addWidget(ListaFones, 1);
    layout3->addLayout(botoes3);
    PageControl1->addTab(TabSheet3, QStringLiteral("Telefones de Emergência"));
    connect(atualizarFones, &QPushButton::clicked, this, &TfrPrincipalAC::CarregarEmergencia);
    connect(ListaFones, &QListView::doubleClicked, this, &TfrPrincipalAC::ListaFonesDblClick);

    // telephone search by name
    auto *TabSheet4 = new QWidget(PageControl1);
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    auto *rotulo = new QLabel(QStringLiteral("Nome"), TabSheet4);
    edtNome = new QLineEdit(TabSheet4);
    edtNome->setObjectName(QStringLiteral("edtNome"));
    edtNome->setToolTip(QStringLiteral(
        "Informe o nome ou parte dele e clique no botão OK para pesquisar por pessoas fisicas e "
        "jurídicas.\n\nPara uma pesquisa mais detalhada acesse o menu:\n\nPesquisa -->> Pessoa "
        "Física\nPesquisa -->> Pessoa Jurídica\nPesquisa -->> Pessoa Física e Jurídica."));
    rotulo->setBuddy(edtNome);
    QPushButton *ok = botao(QStringLiteral("btnProcuraPessoas"), QStringLiteral("Ok"), TabSheet4);
    Panel22 = painel(QStringLiteral("Panel22"), TabSheet4);
    Panel22->setText(QStringLiteral(":: Listagem de PF e/ou PJ ::"));
    ListBox8 = new ListaPessoasResumo(ListaPessoasResumo::Estilo::Pesquisa, TabSheet4);
    ListBox8->setObjectName(QStringLiteral("ListBox8"));
    ListBox8->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *linhaNome = new QHBoxLayout;
    linhaNome->addWidget(rotulo);
    linhaNome->addWidget(edtNome, 1);
    linhaNome->addWidget(ok);
    auto *layout4 = new QVBoxLayout(TabSheet4);
    layout4->addLayout(linhaNome);
    layout4->addWidget(Panel22);
    layout4->addWidget(ListBox8, 1);
    PageControl1->addTab(TabSheet4, QStringLiteral("Pesquisa Telefones (Nome)"));

    MenuPF_PJ = new QMenu(this);
    MenuPF_PJ->setObjectName(QStringLiteral("MenuPF_PJ"));
    NomeTipo1 = MenuPF_PJ->addAction(QString());
    NomeTipo1->setObjectName(QStringLiteral("NomeTipo1"));
    MenuPF_PJ->addSeparator();
    Histrico1 = MenuPF_PJ->addAction(QStringLiteral("Histórico"));
    Histrico1->setObjectName(QStringLiteral("Histrico1"));
    Histrico1->setEnabled(Telas::Existe(QStringLiteral("TfrHistorico")));
    MenuPF_PJ->addSeparator();
    MenuItem3 = MenuPF_PJ->addAction(QStringLiteral("Finanças"));
    MenuItem3->setObjectName(QStringLiteral("MenuItem3"));
    MenuItem3->setEnabled(Telas::Existe(QStringLiteral("TfrFinancasPesquisa")));
    MenuItem4 = MenuPF_PJ->addSeparator();
    MenuItem4->setObjectName(QStringLiteral("MenuItem4"));
    MenuItem4->setVisible(false);
    Contatos1 = MenuPF_PJ->addAction(QStringLiteral("Contatos"));
    Contatos1->setObjectName(QStringLiteral("Contatos1"));
    Contatos1->setEnabled(Telas::Existe(QStringLiteral("TfrContatoPJ")));
    Contatos1->setVisible(false);

    connect(ok, &QPushButton::clicked, this, &TfrPrincipalAC::PesquisarPorNome);
    connect(edtNome, &QLineEdit::returnPressed, this, &TfrPrincipalAC::PesquisarPorNome);
    connect(ListBox8, &QListView::clicked, this, &TfrPrincipalAC::ListBox8Click);
    connect(ListBox8, &QListView::doubleClicked, this, &TfrPrincipalAC::ListBox8DblClick);
    connect(ListBox8, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const QModelIndex index = ListBox8->indexAt(pos);
        if (!index.isValid())
            return;
        ListBox8->setCurrentIndex(index);
        ListBox8Click(index);
        MenuPF_PJ->popup(ListBox8->viewport()->mapToGlobal(pos));
    });
    connect(Histrico1, &QAction::triggered, this, &TfrPrincipalAC::Histrico1Click);
    connect(MenuItem3, &QAction::triggered, this, &TfrPrincipalAC::MenuItem3Click);
    connect(Contatos1, &QAction::triggered, this, &TfrPrincipalAC::Contatos1Click);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfrPrincipalAC::PageControl1Change);
}

void TfrPrincipalAC::PageControl1Change(int index)
{
    if (index == 2)
        CarregarEmergencia();
}

void TfrPrincipalAC::CarregarAniversariantes()
{
    Lista->Limpar();
    const TDateTime agora = QDateTimeToDateTime(Seams::clock().now());
    DbResult r;
    auto pessoas = Aniversariantes::DoMesAtual(m_usuario.Login, Seams::clock().now().date().month(), &r);
    if (!r) {
        Seams::messages().show(r.error, MessageService::Kind::Error);
        return;
    }
    Lista->Definir(std::move(pessoas), DateOf(agora));
}

void TfrPrincipalAC::ImprimirAniversariantes(int tipo)
{
    QStringList linhas;
    const DbResult r = Aniversariantes::Pagina(
        tipo == Aniversariantes::Todos ? Aniversariantes::Todos : Aniversariantes::DoMes, m_usuario.Login,
        QDateTimeToDateTime(Seams::clock().now()), linhas);
    if (!r) {
        Seams::messages().show(QStringLiteral("Erro!!"), MessageService::Kind::Error);
        return;
    }
    GravarEAbrirPagina(QStringLiteral("Aniversario.html"), linhas);
}

void TfrPrincipalAC::CarregarEmergencia()
{
    ListaFones->Definir(PessoaResumo::Emergencia(m_usuario.Login));
}

void TfrPrincipalAC::PesquisarPorNome()
{
    ListBox8->Limpar();
    ListBox8->setToolTip(QString());
    ListBox8->Definir(PessoaResumo::PorNome(m_usuario.Login, edtNome->text()));
    const int total = ListBox8->quantidade();
    if (total == 0) {
        Panel22->setText(QStringLiteral(":: Listagem de PF e/ou PJ ::"));
        return;
    }
    Panel22->setText(QStringLiteral(":: Listagem de PF e/ou PJ :: ") +
                     FormatFloat(QStringLiteral("00\" pessoa(s)\""), total));
}

void TfrPrincipalAC::AbrirPessoa(const PessoaResumo &entrada)
{
    const qint32 id = entrada.Identificador;
    if (entrada.TipoPessoa == PessoaResumo::Juridica)
        abrir([this, id] { return Telas::PessoaJuridica(this, id); });
    else
        abrir([this, id] { return Telas::PessoaFisica(this, id); });
}

void TfrPrincipalAC::ListaDblClick(const QModelIndex &index)
{
    const TPessoaFisica *pessoa = Lista->pessoa(index.row());
    if (!pessoa)
        return;
    const qint32 id = pessoa->Identificador;
    abrir([this, id] { return Telas::PessoaFisica(this, id); });
    CarregarAniversariantes();
}

void TfrPrincipalAC::ListaFonesDblClick(const QModelIndex &index)
{
    const PessoaResumo *entrada = ListaFones->entrada(index.row());
    if (!entrada)
        return;
    const PessoaResumo copia = *entrada; // the list is rebuilt while the screen is open
    AbrirPessoa(copia);
    CarregarEmergencia();
}

void TfrPrincipalAC::ListBox8Click(const QModelIndex &index)
{
    const PessoaResumo *entrada = ListBox8->entrada(index.row());
    if (!entrada) {
        ListBox8->setToolTip(QString());
        return;
    }
    ListBox8->setToolTip(ListBox8->linha(index.row()));
    const bool empresa = entrada->TipoPessoa == PessoaResumo::Juridica;
    NomeTipo1->setText(empresa ? QStringLiteral("Pessoa Juridica :: ") + entrada->Nome
                               : QStringLiteral("Pessoa Fisica :: ") + entrada->Tratamento +
                                     QLatin1Char(' ') + entrada->Nome);
    MenuItem4->setVisible(empresa);
    Contatos1->setVisible(empresa);
}

void TfrPrincipalAC::ListBox8DblClick(const QModelIndex &index)
{
    const PessoaResumo *entrada = ListBox8->entrada(index.row());
    if (!entrada)
        return;
    const PessoaResumo copia = *entrada;
    AbrirPessoa(copia);
}

const PessoaResumo *TfrPrincipalAC::entradaPesquisada() const
{
    return ListBox8->entrada(ListBox8->currentIndex().row());
}

void TfrPrincipalAC::Histrico1Click()
{
    const PessoaResumo *entrada = entradaPesquisada();
    if (!entrada)
        return;
    const qint32 id = entrada->Identificador;
    const int tipo = entrada->TipoPessoa == PessoaResumo::Juridica ? 1 : 0;
    abrir([this, id, tipo] { return Telas::Historico(this, id, tipo); });
}

void TfrPrincipalAC::MenuItem3Click()
{
    abrir(QStringLiteral("TfrFinancasPesquisa"));
}

void TfrPrincipalAC::Contatos1Click()
{
    const PessoaResumo *entrada = entradaPesquisada();
    if (!entrada || entrada->TipoPessoa != PessoaResumo::Juridica)
        return;
    const qint32 id = entrada->Identificador;
    const QString nome = entrada->Nome;
    const QString titulo =
        QStringLiteral("Contatos de ") + entrada->Nome + QStringLiteral("  ") + entrada->Email;
    abrir([this, id, nome, titulo] { return Telas::ContatoPJ(this, id, nome, titulo); });
}
