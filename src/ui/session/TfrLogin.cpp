#include "ui/session/TfrLogin.h"

#include "app/Version.h"
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "services/Autostart.h"
#include "services/Desktop.h"
#include "services/LembreteSenha.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/Help.h"
#include "ui/common/Telas.h"
#include "ui/session/TfrNovoUsuario.h"
#include "util/DateTime.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QThread>
#include <QToolTip>
#include <QVBoxLayout>

bool TfrLogin::LoginFailed = true;
bool TfrLogin::TerminateOnClose = true;
std::function<void(int)> TfrLogin::Pause = [](int ms) { QThread::msleep(ulong(ms)); };

namespace {

const QString kUsuario = QStringLiteral("USUARIO");
const QString kAutentica = QStringLiteral("AUTENTICA");
const QString kLogin = QStringLiteral("LOGIN");

// The login list: the chosen entry in blue on lavender, the others black on
// white and money green in turn, the text 2 pixels from the edge.
class LoginDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        const QColor back =
            selected ? QColor(190, 200, 255) : (index.row() % 2 ? QColor(192, 220, 192) : QColor(Qt::white));
        p->fillRect(option.rect, back);
        p->setPen(selected ? QColor(Qt::blue) : QColor(Qt::black));
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                    index.data().toString());
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), 15 + 4);
    }
};

QLabel *titleBar(const QString &text, QWidget *parent, const char *name)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumHeight(24);
    l->setStyleSheet(QStringLiteral("background: #000080; color: white; font-weight: bold; padding: 3px;"));
    return l;
}

} // namespace

TfrLogin::TfrLogin(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frLogin"));
    setModal(true);

    edtLogin = new QComboBox(this);
    edtLogin->setObjectName(QStringLiteral("edtLogin"));
    edtLogin->setEditable(false);
    edtLogin->setItemDelegate(new LoginDelegate(edtLogin));
    edtLogin->installEventFilter(this);
    edtSenha = new QLineEdit(this);
    edtSenha->setObjectName(QStringLiteral("edtSenha"));
    edtSenha->setEchoMode(QLineEdit::Password);
    edtSenha->setMaxLength(10);
    edtSenha->installEventFilter(this);

    auto button = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    btnOK = button(QStringLiteral("Ok"), "btnOK");
    btnSair = button(QStringLiteral("Sair"), "btnSair");
    btnAjuda = button(QStringLiteral("Ajuda"), "btnAjuda");
    btnEsqueciMinhaSenha = button(QStringLiteral("Esqueci minha senha!"), "btnEsqueciMinhaSenha");
    btnEsqueciMinhaSenha->setFlat(true);
    btnEsqueciMinhaSenha->setCursor(Qt::PointingHandCursor);
    btnEsqueciMinhaSenha->setStyleSheet(QStringLiteral("color: #000080; text-decoration: underline;"));
    SpeedButton1 = button(QStringLiteral("Adicionar Usuários"), "SpeedButton1");
    SpeedButton2 = button(QStringLiteral("Remover Usuários"), "SpeedButton2");
    btnRede = button(QStringLiteral("Rede..."), "btnRede");
    btnRede->setToolTip(
        QStringLiteral("Onde está o banco de dados: neste computador ou num servidor da rede"));

    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setStyleSheet(QStringLiteral("color: #606060;"));
    lblDataHora = new QLabel(this);
    lblDataHora->setObjectName(QStringLiteral("lblDataHora"));
    lblDataHora->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblDataHora->setStyleSheet(QStringLiteral("color: #606060;"));
    CheckBox1 = new QCheckBox(QStringLiteral("Iniciar Orvalha com o sistema"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setToolTip(
        QStringLiteral("Marque essa opção caso deseje iniciar a orvalha junto com o sistema!"));
    edtPedeSenha = new QCheckBox(QStringLiteral("Não Solicitar Novamente Login e Senha?"), this);
    edtPedeSenha->setObjectName(QStringLiteral("edtPedeSenha"));
    edtPedeSenha->setToolTip(
        QStringLiteral("Deixe esta opção marcada caso você não deseje informar o login e senha") +
        QStringLiteral("\n") + QStringLiteral("sempre que iniciar a Orvalha."));

    // layout: the authentication panel, then the users' tools
    auto *auth = new QGridLayout;
    auth->addWidget(new QLabel(QStringLiteral("Login"), this), 0, 0, Qt::AlignRight);
    auth->addWidget(edtLogin, 0, 1);
    auth->addWidget(new QLabel(QStringLiteral("Senha"), this), 1, 0, Qt::AlignRight);
    auth->addWidget(edtSenha, 1, 1);
    auth->addWidget(edtPedeSenha, 2, 1);
    auth->addWidget(btnEsqueciMinhaSenha, 3, 1, Qt::AlignLeft);
    auth->setColumnStretch(1, 1);
    auto *authButtons = new QVBoxLayout;
    authButtons->addWidget(btnOK);
    authButtons->addWidget(btnSair);
    authButtons->addWidget(btnAjuda);
    authButtons->addWidget(btnRede);
    authButtons->addStretch();
    auto *authRow = new QHBoxLayout;
    authRow->addLayout(auth, 1);
    authRow->addSpacing(8);
    authRow->addLayout(authButtons);

    auto *tools = new QHBoxLayout;
    tools->addWidget(SpeedButton1);
    tools->addWidget(SpeedButton2);
    auto *footer = new QHBoxLayout;
    footer->addWidget(lblHint);
    footer->addStretch();
    footer->addWidget(lblDataHora);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBar(QStringLiteral(":: Autenticação do Usuário ::"), this, "Panel3"));
    layout->addLayout(authRow);
    layout->addSpacing(6);
    layout->addWidget(titleBar(QStringLiteral(":: Ferramentas Usuário ::"), this, "Panel7"));
    layout->addLayout(tools);
    layout->addWidget(CheckBox1);
    layout->addLayout(footer);
    edtLogin->setMinimumWidth(220);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK, &QPushButton::clicked, this, &TfrLogin::btnOkClick);
    connect(btnSair, &QPushButton::clicked, this, &TfrLogin::btnSairClick);
    connect(btnAjuda, &QPushButton::clicked, this, &TfrLogin::btnAjudaClick);
    connect(btnEsqueciMinhaSenha, &QPushButton::clicked, this, &TfrLogin::btnEsqueciMinhaSenhaClick);
    connect(btnRede, &QPushButton::clicked, this, &TfrLogin::btnRedeClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrLogin::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrLogin::SpeedButton2Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TfrLogin::CheckBox1Click);
    connect(edtLogin, &QComboBox::activated, this, &TfrLogin::edtLoginCloseUp);
    connect(&Timer1, &QTimer::timeout, this, &TfrLogin::Timer1Timer);

    // creation
    MostrarModelo();
    CheckBox1->setChecked(AutostartEnabled());
    LoginFailed = true;
    TerminateOnClose = true;
    Timer1.setInterval(10);
}

QString TfrLogin::login() const
{
    return edtLogin->currentText();
}
QString TfrLogin::senha() const
{
    return edtSenha->text();
}

void TfrLogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
    if (!m_falhaDeLeitura)
        Timer1.start();
}

void TfrLogin::FormShow()
{
    lblDataHora->setText(QStringLiteral("Versão ") + ProgramVersion());
    setWindowTitle(QStringLiteral("Iniciando a Quabelo - ") + PublisherWebAddress());
    PreencherLogins();
    if (edtLogin->count() > 0)
        edtLogin->setCurrentIndex(0);
    const QString last = ReadSettingText(kUsuario, kLogin);
    if (!selecionar(last))
        edtLogin->setCurrentIndex(-1);
    if (edtLogin->count() > 0)
        edtLoginCloseUp();
    const std::optional<bool> existe = ExisteUsuario();
    if (!existe)
        return;
    if (!*existe)
        cadastrarPrimeiroUsuario(true);
    // a login is proposed: the password is what is left to type
    if (edtLogin->currentIndex() >= 0)
        edtSenha->setFocus();
}

bool TfrLogin::selecionar(const QString &login)
{
    const int i = edtLogin->findText(login, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0)
        return false;
    edtLogin->setCurrentIndex(i);
    return true;
}

void TfrLogin::PreencherLogins()
{
    edtLogin->clear();
    QStringList logins;
    // a failed read shows up in ExisteUsuario, which ends the window
    if (TUsuario::Logins(BancoDados(), logins))
        edtLogin->addItems(logins);
}

std::optional<bool> TfrLogin::ExisteUsuario()
{
    bool existe = false;
    const DbResult r = TUsuario::ExisteAlgum(BancoDados(), existe);
    if (r)
        return existe;
    // a database that cannot be read is an error, never an empty user table:
    // offering a first administrator here would be wrong
    Seams::messages().show(r.error, MessageService::Kind::Error);
    TerminateOnClose = true;
    LoginFailed = true;
    m_falhaDeLeitura = true;
    // the window may still be on its way up: end it once its loop runs
    QTimer::singleShot(0, this, [this] { reject(); });
    return std::nullopt;
}

void TfrLogin::cadastrarPrimeiroUsuario(bool mudarLegenda)
{
    Telas::NovoUsuario(this, int(mudarLegenda ? TfrNovoUsuario::Modo::PrimeiroUsuario
                                              : TfrNovoUsuario::Modo::PrimeiroUsuarioSemLegenda));
    PreencherLogins();
    if (edtLogin->count() > 0)
        edtLogin->setCurrentIndex(0);
}

void TfrLogin::Timer1Timer()
{
    Timer1.stop();
    edtPedeSenha->setChecked(ReadSettingBool(kAutentica, QStringLiteral("INICIA")));
    const QString login = ReadSettingText(kAutentica, kLogin);
    if (edtLogin->findText(login, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        return;
    if (edtPedeSenha->isChecked()) {
        selecionar(login);
        edtSenha->setText(ScrambleText(ReadSettingText(kAutentica, QStringLiteral("SENHA")), 10));
        if (!edtSenha->text().isEmpty()) {
            setWindowTitle(windowTitle() + QStringLiteral(" :: Entrada Automática"));
            btnOkClick();
        }
    }
    Pause(1000);
}

void TfrLogin::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("login.htm"));
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

bool TfrLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == edtLogin)
                edtSenha->setFocus();
            else if (watched == edtSenha)
                btnOkClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrLogin::MostrarModelo()
{
    const bool rede = TDM::instance() && TDM::instance()->EmRede();
    lblHint->setText(rede ? QStringLiteral("Modelo REDE") : QStringLiteral("Modelo DeskTop"));
}

void TfrLogin::btnRedeClick()
{
    // the logins come from wherever the database is now
    if (Telas::Abrir(this, Telas::kConexaoRede) == QDialog::Accepted) {
        MostrarModelo();
        PreencherLogins();
    }
}

void TfrLogin::btnOkClick()
{
    if (edtLogin->currentText().isEmpty()) {
        Seams::messages().show(QStringLiteral("Você precisa escolher o login!"),
                               MessageService::Kind::Warning);
        edtLogin->setFocus();
        return;
    }
    if (edtSenha->text().isEmpty()) {
        Seams::messages().show(QStringLiteral("Você precisa informar a senha!"),
                               MessageService::Kind::Warning);
        edtSenha->setFocus();
        return;
    }
    const std::optional<bool> existe = ExisteUsuario();
    if (!existe)
        return;
    if (!*existe) {
        Seams::messages().show(
            QStringLiteral("Para inicar o uso da Quabelo você deverá cadastrar um usuário na próxima tela!"));
        cadastrarPrimeiroUsuario(true);
        return;
    }
    TUsuario u;
    u.Login = edtLogin->currentText();
    u.Senha = ScrambleText(Win1252::toUpper(edtSenha->text()), 10);
    GravarEntradaAutomatica(u.Login, u.Senha);
    LoginFailed = !u.Autenticar();
    TerminateOnClose = false;
    accept();
}

void TfrLogin::GravarEntradaAutomatica(const QString &login, const QString &senhaEmbaralhada)
{
    const bool on = edtPedeSenha->isChecked();
    WriteSettingBool(kAutentica, QStringLiteral("INICIA"), on);
    WriteSettingText(kAutentica, kLogin, on ? login : QString());
    WriteSettingText(kAutentica, QStringLiteral("SENHA"), on ? senhaEmbaralhada : QString());
}

void TfrLogin::btnSairClick()
{
    TerminateOnClose = true;
    reject();
}

void TfrLogin::done(int result)
{
    // FormClose: the chosen login is proposed at the next start
    WriteSettingText(kUsuario, kLogin, edtLogin->currentText());
    Timer1.stop();
    QDialog::done(result);
}

void TfrLogin::btnAjudaClick()
{
    Telas::PrimeiroUsuario(this);
}

void TfrLogin::edtLoginCloseUp()
{
    TUsuario u;
    u.Login = edtLogin->currentText();
    QString senha;
    if (!u.Carregar(senha))
        return;
    btnEsqueciMinhaSenha->setToolTip(QStringLiteral("Caro(a) ") + u.Nome +
                                     QStringLiteral(", para receber sua senha por e-mail clique AQUI.") +
                                     QStringLiteral("\n") +
                                     QStringLiteral("O endereço de e-mail cadastrado para o login \"") +
                                     u.Login + QStringLiteral("\" é ") + u.Email);
}

void TfrLogin::btnEsqueciMinhaSenhaClick()
{
    if (!IsOnNetwork())
        return;
    TUsuario u;
    u.Login = edtLogin->currentText();
    QString senha;
    if (!u.Carregar(senha))
        return;
    const MailMessage message = MontarEmailSenha(u.Nome, u.Login, ScrambleText(senha, 10), u.Email,
                                                 QDateTimeToDateTime(Seams::clock().now()));
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool sent = Seams::mail().send(message, &error);
    QApplication::restoreOverrideCursor();
    if (sent)
        Seams::messages().show(TextoSenhaEnviada(u.Nome, u.Email));
    else
        Seams::messages().show(error, MessageService::Kind::Error);
}

bool TfrLogin::PodeAdministrar()
{
    TUsuario u;
    u.Login = edtLogin->currentText();
    u.Senha = ScrambleText(Win1252::toUpper(edtSenha->text()), 10);
    return u.Autenticar() && u.Tipo != 0;
}

void TfrLogin::SpeedButton1Click()
{
    const std::optional<bool> existe = ExisteUsuario();
    if (!existe)
        return;
    if (!*existe) {
        cadastrarPrimeiroUsuario(false);
        return;
    }
    if (edtLogin->currentText().isEmpty()) {
        Seams::messages().show(QStringLiteral("O campo LOGIN não pode ficar em branco!"),
                               MessageService::Kind::Warning);
        return;
    }
    if (edtSenha->text().isEmpty()) {
        Seams::messages().show(QStringLiteral("O campo SENHA não pode ficar em branco!"),
                               MessageService::Kind::Warning);
        return;
    }
    const QString login = edtLogin->currentText();
    if (!PodeAdministrar()) {
        Seams::messages().show(QStringLiteral("Operacão não permitida para o usuário ") + login,
                               MessageService::Kind::Warning);
        return;
    }
    Telas::NovoUsuario(this, int(TfrNovoUsuario::Modo::Normal));
    PreencherLogins();
    selecionar(login);
}

void TfrLogin::SpeedButton2Click()
{
    if (edtLogin->currentText().isEmpty()) {
        Seams::messages().show(QStringLiteral("O campo LOGIN não pode ficar em branco!"),
                               MessageService::Kind::Warning);
        return;
    }
    if (edtSenha->text().isEmpty()) {
        Seams::messages().show(QStringLiteral("O campo SENHA não pode ficar em branco!"),
                               MessageService::Kind::Warning);
        return;
    }
    const QString login = edtLogin->currentText();
    if (!PodeAdministrar()) {
        Seams::messages().show(QStringLiteral("Operacão não permitida para o usuário ") + login,
                               MessageService::Kind::Warning);
        return;
    }
    Telas::RemoverUsuarios(this, login);
    PreencherLogins();
    selecionar(login);
}

void TfrLogin::CheckBox1Click(bool checked)
{
    SetAutostart(checked, QCoreApplication::applicationFilePath());
}
