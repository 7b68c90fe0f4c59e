#include "ui/session/TfrAlteraSenha.h"

#include "model/TUsuario.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>

namespace {

const QString kAutentica = QStringLiteral("AUTENTICA");
const QString kCompromisso = QStringLiteral("COMPROMISSO");
const QString kDicaSom = QStringLiteral("Para OUVIR o som selecionado pressione a tecla F10") +
                         QStringLiteral("\n\n") +
                         QStringLiteral("Para excluir o som pressione a tecla DELETE");
const QString kDicaAlterar = QStringLiteral("Apenas preencha se desejas alterá-lo!!");

QString semBrancos(const QLineEdit *e)
{
    QString s = e->text();
    s.remove(QLatin1Char(' '));
    return s;
}

} // namespace

TfrAlteraSenha::TfrAlteraSenha(TUsuario &usuario, QWidget *parent) : QDialog(parent), m_usuario(usuario)
{
    setObjectName(QStringLiteral("frAlteraSenha"));
    setModal(true);

    auto edit = [this](const char *name, int max) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(max);
        return e;
    };
    edtSenhaAtual = edit("edtSenhaAtual", 10);
    edtSenhaAtual->setEchoMode(QLineEdit::Password);
    edtSenhaAtual->setStyleSheet(QStringLiteral("background: rgb(166, 198, 200);"));
    edtNovaSenha = edit("edtNovaSenha", 10);
    edtNovaSenha->setEchoMode(QLineEdit::Password);
    edtConfirmaNovaSenha = edit("edtConfirmaNovaSenha", 10);
    edtConfirmaNovaSenha->setEchoMode(QLineEdit::Password);
    edtLogin = edit("edtLogin", 10);
    edtNome = edit("edtNome", 100);
    edtEmail = edit("edtEmail", 100);
    for (QLineEdit *e : {edtLogin, edtNome, edtEmail})
        e->setToolTip(kDicaAlterar);
    edtCompromisso = edit("edtCompromisso", 500);
    edtRecado = edit("edtRecado", 500);
    edtLembrete = edit("edtLembrete", 500);
    for (QLineEdit *e : {edtCompromisso, edtRecado, edtLembrete}) {
        e->setReadOnly(true);
        e->setToolTip(kDicaSom);
        e->installEventFilter(this);
    }

    auto check = [this](const QString &text, const char *name) {
        auto *c = new QCheckBox(text, this);
        c->setObjectName(QString::fromLatin1(name));
        return c;
    };
    txtTipo = check(QStringLiteral("Posso inserir um novo usuario?"), "txtTipo");
    txtTipo->setEnabled(false);
    edtVer_C = check(QStringLiteral("Outros usuários podem VER minha agenda de compromissos?"), "edtVer_C");
    edtINC_C =
        check(QStringLiteral("Outros usuários podem INCLUIR compromissos em minha agenda?"), "edtINC_C");
    edtPedeSenha =
        check(QStringLiteral("Não Solicitar Senha ao Iniciar a Orvalha nessa máquina?"), "edtPedeSenha");

    auto soundRow = [this](QLineEdit *field, const char *buttonName, const QString &titulo) {
        auto *row = new QHBoxLayout;
        row->addWidget(field, 1);
        auto *b = new QPushButton(QStringLiteral("..."), this);
        b->setObjectName(QString::fromLatin1(buttonName));
        b->setFixedWidth(32);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, field, titulo] { escolherSom(field, titulo); });
        row->addWidget(b);
        return row;
    };

    auto *dados = new QFormLayout;
    dados->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    dados->addRow(QStringLiteral("Senha Atual"), edtSenhaAtual);
    dados->addRow(QStringLiteral("Nova Senha"), edtNovaSenha);
    dados->addRow(QStringLiteral("Confirma Nova Senha"), edtConfirmaNovaSenha);
    dados->addRow(QStringLiteral("Login"), edtLogin);
    dados->addRow(QStringLiteral("Nome"), edtNome);
    dados->addRow(QStringLiteral("eMail"), edtEmail);
    dados->addRow(QString(), txtTipo);
    dados->addRow(QString(), edtVer_C);
    dados->addRow(QString(), edtINC_C);
    dados->addRow(QString(), edtPedeSenha);
    dados->addRow(
        QStringLiteral("Aviso Sonoro para Compromisso"),
        soundRow(edtCompromisso, "btnLembrarC", QStringLiteral("Som Usado para Lembrar Compromisso!!")));
    dados->addRow(QStringLiteral("Aviso Sonoro para Recado"),
                  soundRow(edtRecado, "btnLembrarR", QStringLiteral("Som Usado para Lembrar Recado!!")));
    dados->addRow(QStringLiteral("Aviso Sonoro para Lembrete"),
                  soundRow(edtLembrete, "btnLembrarL", QStringLiteral("Som Usado para Lembrar Lembrete!!")));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto *TabSheet1 = new QWidget(PageControl1);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto *t1 = new QVBoxLayout(TabSheet1);
    auto *texto1 = new QLabel(
        QStringLiteral("Mostra na Tela Inicial da Orvalha os  Compromissos da Data Atual"), TabSheet1);
    texto1->setWordWrap(true);
    t1->addWidget(texto1);
    t1->addStretch();
    auto *TabSheet2 = new QWidget(PageControl1);
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    edtDiaAnterior = edit("edtDiaAnterior", 6);
    edtDiaAnterior->setParent(TabSheet2);
    edtDiaAnterior->setText(QStringLiteral("7"));
    edtDiaPosterior = edit("edtDiaPosterior", 6);
    edtDiaPosterior->setParent(TabSheet2);
    edtDiaPosterior->setText(QStringLiteral("7"));
    auto *t2 = new QFormLayout(TabSheet2);
    t2->addRow(QStringLiteral("Dias Anteriores a Data Atual"), edtDiaAnterior);
    t2->addRow(QStringLiteral("Dias Posteriores a Data Atual"), edtDiaPosterior);
    PageControl1->addTab(TabSheet1, QStringLiteral("Mostrar Compromisos da Data Atual"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Mostrar Compromissos em Intervalo de Datas"));

    edtHorasAntes = edit("edtHorasAntes", 5);
    edtHorasAntes->setInputMask(
        QStringLiteral("09:99;_")); // hour and minute, the hour's first digit optional
    edtHorasAntes->setToolTip(QStringLiteral("Hora : Minuto"));
    edtHorasAntes->setFixedWidth(64);
    auto *horas = new QHBoxLayout;
    horas->addWidget(new QLabel(QStringLiteral("Lembrar dos compromisso"), this));
    horas->addWidget(edtHorasAntes);
    horas->addWidget(new QLabel(QStringLiteral("horas antes."), this));
    horas->addStretch();

    edtTempoOcioso = new QComboBox(this);
    edtTempoOcioso->setObjectName(QStringLiteral("edtTempoOcioso"));
    edtTempoOcioso->addItems({QStringLiteral("Nunca solicitar"), QStringLiteral("10 minutos"),
                              QStringLiteral("30 minutos"), QStringLiteral("01 hora"),
                              QStringLiteral("02 horas"), QStringLiteral("04 horas"),
                              QStringLiteral("08 horas")});
    edtTempoOcioso->setVisible(false);

    btnOk = new QPushButton(QStringLiteral("Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setAutoDefault(false);
    btnSair = new QPushButton(QStringLiteral("Cancelar"), this);
    btnSair->setObjectName(QStringLiteral("btnSair"));
    btnSair->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnSair);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(dados);
    layout->addWidget(PageControl1);
    layout->addLayout(horas);
    layout->addLayout(buttons);
    setMinimumWidth(620);

    connect(btnOk, &QPushButton::clicked, this, &TfrAlteraSenha::btnOkClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);

    // creation: the current user and this machine's preferences
    edtLogin->setText(m_usuario.Login);
    edtNome->setText(m_usuario.Nome);
    edtEmail->setText(m_usuario.Email);
    edtLembrete->setText(m_usuario.SomL);
    edtCompromisso->setText(m_usuario.SomC);
    edtRecado->setText(m_usuario.SomR);
    edtVer_C->setChecked(m_usuario.VerC != 0);
    edtINC_C->setChecked(m_usuario.IncC != 0);
    edtPedeSenha->setChecked(ReadSettingBool(kAutentica, QStringLiteral("INICIA")));
    PageControl1->setCurrentIndex(qBound(0, ReadSettingInt(kCompromisso, QStringLiteral("ENTRE_DATAS")), 1));
    edtDiaAnterior->setText(QStringLiteral("%1").arg(ReadSettingInt(kCompromisso, QStringLiteral("ANTERIOR")),
                                                     2, 10, QLatin1Char('0')));
    edtDiaPosterior->setText(QStringLiteral("%1").arg(
        ReadSettingInt(kCompromisso, QStringLiteral("POSTERIOR")), 2, 10, QLatin1Char('0')));
    const int antes = int(qRound64(ReadSettingTime(kCompromisso, QStringLiteral("ANTES")) * 86400000.0));
    edtHorasAntes->setText(
        QTime::fromMSecsSinceStartOfDay(antes % 86400000).toString(QStringLiteral("hh:mm")));
    edtTempoOcioso->setCurrentIndex(
        qBound(0, ReadSettingInt(QStringLiteral("INATIVIDADE"), QStringLiteral("TEMPO")), 6));
    setWindowTitle(QStringLiteral("Configurações do Usuário ") + m_usuario.Nome +
                   QStringLiteral(" de e-mail ") + m_usuario.Email);
    FormShow();
}

TfrAlteraSenha::~TfrAlteraSenha()
{
    Seams::sound().stop();
}

void TfrAlteraSenha::FormShow()
{
    txtTipo->setChecked(m_usuario.Tipo != 0);
    txtTipo->setEnabled(false);
}

bool TfrAlteraSenha::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *field = qobject_cast<QLineEdit *>(watched);
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (field && key == Qt::Key_Delete) {
            field->clear();
            return true;
        }
        if (field && key == Qt::Key_F10) {
            if (QFile::exists(field->text()))
                m_player.Tocar(field->text(), nullptr);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrAlteraSenha::escolherSom(QLineEdit *campo, const QString &titulo)
{
    const QString file = Seams::input().openFileName(
        titulo, QString(),
        QStringLiteral("Todos (*.mid *.wav *.mp3);;WAV (*.wav);;MP3 (*.mp3);;MID (*.mid)"));
    if (!file.isEmpty())
        campo->setText(file);
}

void TfrAlteraSenha::btnOkClick()
{
    auto refuse = [](const QString &text, QWidget *field) {
        Seams::messages().show(text, MessageService::Kind::Warning);
        field->setFocus();
    };
    if (semBrancos(edtSenhaAtual).isEmpty())
        return refuse(QStringLiteral("O campo SENHA ATUAL não pode ficar em branco!!"), edtSenhaAtual);
    if (semBrancos(edtNovaSenha).isEmpty())
        return refuse(QStringLiteral("O campo SENHA NOVA não pode ficar em branco!!"), edtNovaSenha);
    if (semBrancos(edtConfirmaNovaSenha).isEmpty())
        return refuse(QStringLiteral("O campo CONFIRMA NOVA SENHA não pode ficar em branco!!"),
                      edtConfirmaNovaSenha);
    if (semBrancos(edtNovaSenha) != semBrancos(edtConfirmaNovaSenha))
        return refuse(QStringLiteral("Confirmação de SENHA inválida"), edtNovaSenha);
    if (edtLogin->text().isEmpty())
        return refuse(QStringLiteral("O campo LOGIN não pode ficar em branco!"), edtLogin);
    if (edtNome->text().isEmpty())
        return refuse(QStringLiteral("O campo NOME não pode ficar em branco!"), edtNome);
    if (!IsPlausibleEmail(edtEmail->text()))
        return refuse(QStringLiteral("Email Inválido!"), edtEmail);
    if (ScrambleText(Win1252::toUpper(semBrancos(edtSenhaAtual)), 10) != m_usuario.Senha)
        return refuse(QStringLiteral("Senha Atual Inválida!"), edtSenhaAtual);

    // a failed change must leave the current user as it was
    const TUsuario before = m_usuario;
    m_usuario.Senha = ScrambleText(Win1252::toUpper(semBrancos(edtNovaSenha)), 10);
    m_usuario.Email = edtEmail->text();
    m_usuario.Nome = edtNome->text();
    m_usuario.Login = edtLogin->text();
    m_usuario.SomC = edtCompromisso->text();
    m_usuario.SomR = edtRecado->text();
    m_usuario.SomL = edtLembrete->text();
    m_usuario.VerC = edtVer_C->isChecked() ? 1 : 0;
    m_usuario.IncC = edtINC_C->isChecked() ? 1 : 0;
    if (m_usuario.Alterar() != Resultado::Gravado) {
        m_usuario = before;
        return;
    }

    const bool automatico = edtPedeSenha->isChecked();
    WriteSettingBool(kAutentica, QStringLiteral("INICIA"), automatico);
    WriteSettingText(kAutentica, QStringLiteral("LOGIN"), automatico ? m_usuario.Login : QString());
    WriteSettingText(kAutentica, QStringLiteral("SENHA"), automatico ? m_usuario.Senha : QString());
    WriteSettingInt(kCompromisso, QStringLiteral("ENTRE_DATAS"), PageControl1->currentIndex());
    WriteSettingInt(kCompromisso, QStringLiteral("ANTERIOR"), edtDiaAnterior->text().trimmed().toInt());
    WriteSettingInt(kCompromisso, QStringLiteral("POSTERIOR"), edtDiaPosterior->text().trimmed().toInt());
    const QTime antes = QTime::fromString(edtHorasAntes->text().trimmed(), QStringLiteral("h:mm"));
    WriteSettingTime(kCompromisso, QStringLiteral("ANTES"),
                     antes.isValid() ? antes.msecsSinceStartOfDay() / 86400000.0 : 0);
    WriteSettingInt(QStringLiteral("INATIVIDADE"), QStringLiteral("TEMPO"), edtTempoOcioso->currentIndex());
    accept();
}
