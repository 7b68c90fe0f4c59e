#include "ui/registration/TfrContatoPJ.h"

#include "app/ProgramFolder.h"
#include "data/TDM.h"
#include "model/TPessoa.h"
#include "model/TPessoaJuridica.h"
#include "services/Desktop.h"
#include "services/Seams.h"
#include "ui/common/MaskedEdit.h"
#include "ui/common/TeclasDeEntrada.h"
#include "ui/registration/ContatosPJModel.h"
#include "ui/registration/EntradaCadastro.h"
#include "ui/registration/FichaContatoPJ.h"
#include "util/DateTime.h"
#include "util/Formats.h"
#include "util/PaginaHtml.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kQuebra = QStringLiteral("\r\n");
const QString kMascaraData = QStringLiteral("!99/99/0000;1;_");
const QString kSemData = QStringLiteral("  /  /    ");
constexpr int kMaximoObs = 200;

// Keeps the e-mail in lower case as it is typed.
void forcarMinusculas(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        const QString convertido = Win1252::toLower(text);
        if (convertido == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(convertido);
        edit->setCursorPosition(cursor);
    });
}

} // namespace

TfrContatoPJ::TfrContatoPJ(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frContatoPJ"));
    setWindowTitle(QStringLiteral("Contato PJ"));
    setModal(true);
    m_grade = new ContatosPJModel(this);
    criarControles();
    TeclasDeEntrada::Aplicar(this);

    connect(btnEnviar, &QPushButton::clicked, this, &TfrContatoPJ::btnEnviarClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrContatoPJ::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrContatoPJ::SpeedButton2Click);
    connect(btnSair, &QPushButton::clicked, this, &TfrContatoPJ::btnSairClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TfrContatoPJ::btnImprimirClick);
    connect(Grid, &QTableView::doubleClicked, this, &TfrContatoPJ::GridDblClick);
    MostrarGrade();
}

QString TfrContatoPJ::CaptionInserindo(const QString &nomePJ)
{
    return QStringLiteral("Inserindo um Contato para ") + nomePJ;
}

const QList<TContato_PJ> &TfrContatoPJ::Contatos() const
{
    return m_grade->contatos();
}

void TfrContatoPJ::criarControles()
{
    auto edit = [this](const char *name, int maximo) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maximo);
        return e;
    };
    auto mascara = [this](const char *name, const QString &mask) {
        auto *e = new MaskedEdit(mask, this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    auto botao = [this](const char *name, const QString &texto, QStyle::StandardPixmap icone) {
        auto *b = new QPushButton(style()->standardIcon(icone), texto, this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    auto rotulo = [this](const QString &texto, QWidget *buddy) {
        auto *l = new QLabel(texto, this);
        l->setBuddy(buddy);
        return l;
    };

    GroupBox1 = new QGroupBox(QStringLiteral("Dados para Contato"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    edtNome = edit("edtNome", 100);
    edtEmail = edit("edtEmail", 100);
    forcarMinusculas(edtEmail);
    edtFuncao = edit("edtFuncao", 30);
    edtFone = mascara("edtFone", QString());
    edtFone->setMascaras(MascarasFone());
    edtRamal = edit("edtRamal", 8);
    // digits only: nothing else gets in
    edtRamal->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtRamal));
    edtCelular = mascara("edtCelular", QString());
    edtCelular->setMascaras(MascarasFone());
    edtObs = new QPlainTextEdit(this);
    edtObs->setObjectName(QStringLiteral("edtObs"));
    edtObs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edtObs->setTabChangesFocus(true);
    edtObs->setFixedHeight(64);
    edtDataNascimento = mascara("edtDataNascimento", kMascaraData);

    auto *dados = new QGridLayout(GroupBox1);
    dados->setHorizontalSpacing(8);
    dados->setVerticalSpacing(3);
    dados->addWidget(rotulo(QStringLiteral("Nome"), edtNome), 0, 0, 1, 2);
    dados->addWidget(rotulo(QStringLiteral("E-mail"), edtEmail), 0, 2, 1, 2);
    dados->addWidget(edtNome, 1, 0, 1, 2);
    dados->addWidget(edtEmail, 1, 2, 1, 2);
    dados->addWidget(rotulo(QStringLiteral("Função"), edtFuncao), 2, 0);
    dados->addWidget(rotulo(QStringLiteral("Fone"), edtFone), 2, 1);
    dados->addWidget(rotulo(QStringLiteral("Ramal"), edtRamal), 2, 2);
    dados->addWidget(rotulo(QStringLiteral("Celular"), edtCelular), 2, 3);
    dados->addWidget(edtFuncao, 3, 0);
    dados->addWidget(edtFone, 3, 1);
    dados->addWidget(edtRamal, 3, 2);
    dados->addWidget(edtCelular, 3, 3);
    dados->addWidget(rotulo(QStringLiteral("Observação"), edtObs), 4, 0, 1, 3);
    dados->addWidget(rotulo(QStringLiteral("Nascimento"), edtDataNascimento), 4, 3);
    dados->addWidget(edtObs, 5, 0, 1, 3);
    dados->addWidget(edtDataNascimento, 5, 3, Qt::AlignTop);
    for (int c = 0; c < 4; ++c)
        dados->setColumnStretch(c, 1);

    btnEnviar = botao("btnEnviar", QStringLiteral("Salvar"), QStyle::SP_DialogSaveButton);
    SpeedButton1 = botao("SpeedButton1", QStringLiteral("Cancelar"), QStyle::SP_DialogCancelButton);
    SpeedButton2 = botao("SpeedButton2", QStringLiteral("Excluir Todos"), QStyle::SP_TrashIcon);
    btnSair = botao("btnSair", QStringLiteral("Sair"), QStyle::SP_DialogCloseButton);
    auto *botoes = new QHBoxLayout;
    botoes->addWidget(btnEnviar);
    botoes->addWidget(SpeedButton1);
    botoes->addWidget(SpeedButton2);
    botoes->addStretch(1);
    botoes->addWidget(btnSair);

    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setModel(m_grade);
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setDefaultSectionSize(Grid->fontMetrics().height() + 6);
    Grid->horizontalHeader()->setHighlightSections(false);
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Grid->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: #0000FF; color: white; font-weight: bold;"
                       " border: 0; border-right: 1px solid #8080FF; padding: 2px 4px; }"));
    Grid->setColumnWidth(0, 230);
    Grid->setColumnWidth(1, 160);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setWordWrap(false);
    Grid->setMinimumSize(520, 180);
    // data rows white (first, third...) and pale green by turns
    Grid->setAlternatingRowColors(true);
    {
        QPalette p = Grid->palette();
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::AlternateBase, QColor(192, 220, 192));
        p.setColor(QPalette::Text, Qt::black);
        Grid->setPalette(p);
    }

    pnlImprimir = new QWidget(this);
    pnlImprimir->setObjectName(QStringLiteral("pnlImprimir"));
    btnImprimir = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                                  QStringLiteral("Imprimir"), pnlImprimir);
    btnImprimir->setObjectName(QStringLiteral("btnImprimir"));
    auto *aviso = new QLabel(QStringLiteral("Para EXCLUIR uma linha selecione-a e pressione a tecla DELETE"),
                             pnlImprimir);
    aviso->setObjectName(QStringLiteral("lblExcluir"));
    auto *imprimir = new QHBoxLayout(pnlImprimir);
    imprimir->setContentsMargins(0, 0, 0, 0);
    imprimir->addWidget(btnImprimir);
    imprimir->addWidget(aviso, 1);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(8, 8, 8, 8);
    m_layout->addWidget(GroupBox1);
    m_layout->addLayout(botoes);
    m_layout->addWidget(Grid, 1);
    m_layout->addWidget(pnlImprimir);

    Grid->installEventFilter(this);
}

void TfrContatoPJ::DefinirEmpresa(qint32 identificadorPJ, const QString &nomePJ)
{
    m_identificadorPJ = identificadorPJ;
    m_nomePJ = nomePJ;
}

void TfrContatoPJ::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrContatoPJ::FormShow()
{
    // opened for change of one contact: everything is in place already
    if (m_alterando)
        return;
    setWindowTitle(CaptionInserindo(m_nomePJ));
    CarregarContatos();
}

void TfrContatoPJ::keyPressEvent(QKeyEvent *event)
{
    FormKeyDown(event);
    if (!event->isAccepted())
        QDialog::keyPressEvent(event);
}

void TfrContatoPJ::FormKeyDown(QKeyEvent *event)
{
    event->ignore();
}

bool TfrContatoPJ::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        FormKeyDown(key);
        if (key->isAccepted())
            return true;
        if (watched == Grid) {
            GridKeyDown(key);
            if (key->isAccepted())
                return true;
        }
        key->setAccepted(true); // Qt's default for the widget that gets it
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrContatoPJ::CarregarContatos()
{
    QList<TContato_PJ> lidos;
    const DbResult r = TContato_PJ::DaEmpresa(BancoDados(), m_identificadorPJ, lidos);
    if (!r) {
        // the grid must not go on showing another company's contacts
        m_grade->definir({});
        MostrarGrade();
        Seams::messages().show(r.error, MessageService::Kind::Error);
        return false;
    }
    m_grade->definir(std::move(lidos));
    MostrarGrade();
    return true;
}

void TfrContatoPJ::MostrarGrade()
{
    const bool vazia = m_grade->contatos().isEmpty();
    pnlImprimir->setVisible(!vazia);
    if (!vazia)
        Grid->setCurrentIndex(m_grade->index(0, 0));
}

void TfrContatoPJ::MostrarContato(const TContato_PJ &c)
{
    m_contato.Identificador = c.Identificador;
    edtNome->setText(c.Nome);
    edtEmail->setText(c.Email);
    edtFuncao->setText(c.Funcao);
    EntradaCadastro::MostrarSemCortar(edtFone, MascarasFone(), c.Fone);
    edtRamal->setText(FormatFloat(QStringLiteral("000"), c.Ramal));
    EntradaCadastro::MostrarSemCortar(edtCelular, MascarasFone(), c.Celular);
    edtObs->setPlainText(c.Obs);
    if (c.Data == 0 || !edtDataNascimento->setValue(DateToStr(c.Data)))
        edtDataNascimento->setValue(kSemData);
    m_alterando = true;
    setWindowTitle(QStringLiteral("Alterando um Contato de ") + m_nomePJ + QStringLiteral(" :: ") + c.Nome);
}

bool TfrContatoPJ::AbrirParaAlterar(qint32 identificadorContato)
{
    setWindowTitle(QStringLiteral("Pessoa Contato -- Alterando"));
    CarregarContatos();
    for (const TContato_PJ &c : m_grade->contatos()) {
        if (c.Identificador == identificadorContato) {
            MostrarContato(c);
            return true;
        }
    }
    return false;
}

void TfrContatoPJ::VoltarAInserir()
{
    m_alterando = false;
    setWindowTitle(CaptionInserindo(m_nomePJ));
}

void TfrContatoPJ::GridDblClick()
{
    const int row = Grid->currentIndex().row();
    if (row < 0 || row >= m_grade->contatos().size())
        return;
    MostrarContato(m_grade->contatos().at(row));
}

void TfrContatoPJ::btnEnviarClick()
{
    if (!PodeGravar())
        return;
    if (edtNome->text().trimmed().isEmpty()) {
        Seams::messages().show(QStringLiteral("O campo NOME não pode ficar em branco!"),
                               MessageService::Kind::Warning);
        edtNome->setFocus();
        return;
    }
    const QString nome = edtNome->text().trimmed();
    const QString email = edtEmail->text().trimmed();
    const QString funcao = edtFuncao->text().trimmed();
    const QString obs = edtObs->toPlainText();
    // what the database cannot hold is refused here, naming the field, and
    // the typing stays on the screen
    const struct {
        const char *rotulo;
        const QString *valor;
        int maximo;
        QWidget *campo;
    } campos[] = {
        {"Nome", &nome, 100, edtNome},
        {"E-mail", &email, 100, edtEmail},
        {"Função", &funcao, 30, edtFuncao},
        {"Observação", &obs, kMaximoObs, edtObs},
    };
    for (const auto &c : campos) {
        const QString recusa = TPessoa::TextoRecusado({{c.rotulo, c.valor, c.maximo}});
        if (!recusa.isEmpty()) {
            Seams::messages().show(recusa, MessageService::Kind::Warning);
            c.campo->setFocus();
            return;
        }
    }

    m_contato.IdentificadorPJ = m_identificadorPJ;
    m_contato.Nome = nome;
    m_contato.Email = email;
    m_contato.Funcao = funcao;
    m_contato.Fone = edtFone->digits();
    bool ok = false;
    const qint32 ramal = edtRamal->text().trimmed().toInt(&ok);
    m_contato.Ramal = ok ? ramal : 0;
    m_contato.Celular = edtCelular->digits();
    m_contato.Obs = obs;
    TDateTime data = 0;
    m_contato.Data = TryStrToDate(edtDataNascimento->value(), data) ? data : 0;

    const Resultado r = m_alterando ? m_contato.Alterar() : m_contato.Inserir();
    // a failed save (already explained) keeps the screen as it was
    if (r != Resultado::Gravado)
        return;
    VoltarAInserir();
    CarregarContatos();
}

void TfrContatoPJ::SpeedButton1Click()
{
    VoltarAInserir();
}

void TfrContatoPJ::SpeedButton2Click()
{
    if (m_identificadorPJ <= 0)
        return; // no company chosen: no contacts to delete
    if (!Seams::messages().confirm(QStringLiteral("Esta operação excluirá TODOS os contatos de ") + m_nomePJ +
                                   QStringLiteral(".") + kQuebra + QStringLiteral(" Deseja Continuar?")))
        return;
    // a failed delete has been shown and leaves the screen as it was
    if (m_contato.ExcluirDaEmpresa(m_identificadorPJ) != Resultado::Gravado)
        return;
    CarregarContatos();
    VoltarAInserir();
}

void TfrContatoPJ::btnSairClick()
{
    accept();
}

void TfrContatoPJ::GridKeyDown(QKeyEvent *event)
{
    event->ignore();
    if (event->key() != Qt::Key_Delete)
        return;
    event->accept();
    const int row = Grid->currentIndex().row();
    if (row < 0 || row >= m_grade->contatos().size())
        return;
    if (!Seams::messages().confirm(QStringLiteral("Esta operação excluirá o contato selecionado.") + kQuebra +
                                   QStringLiteral(" Deseja Continuar?")))
        return;
    TContato_PJ excluido = m_grade->contatos().at(row);
    if (excluido.Excluir() != Resultado::Gravado)
        return;
    // the contact being changed is gone: the next save enters the typing
    // as a new contact instead of changing a row that no longer exists
    if (m_alterando && excluido.Identificador == m_contato.Identificador)
        VoltarAInserir();
    CarregarContatos();
}

void TfrContatoPJ::btnImprimirClick()
{
    TPessoaJuridica empresa;
    if (!empresa.Carregar(m_identificadorPJ))
        empresa.Nome = m_nomePJ;
    GravarEAbrirPagina(QStringLiteral("Contato_PJ.html"), FichaContatoPJ(empresa, m_grade->contatos()));
}
