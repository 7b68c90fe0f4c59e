#include "ui/registration/TfrGrupos.h"

#include "model/TGrupo.h"
#include "services/Seams.h"
#include "ui/common/GroupListModel.h"
#include "ui/common/Help.h"
#include "ui/common/TeclasDeEntrada.h"
#include "util/Win1252.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const kTag = "tag";

const QColor kLinhaImpar(185, 208, 236); // first, third... row
const QColor kLinhaPar(190, 200, 240);

} // namespace

TfrGrupos::TfrGrupos(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frGrupos"));
    setWindowTitle(QStringLiteral("Grupo de Contatos"));
    setModal(true);
    m_grupos = new GroupListModel(this);
    criarControles();
    TeclasDeEntrada::Aplicar(this);

    connect(btnNovo, &QToolButton::clicked, this, &TfrGrupos::btnNovoClick);
    connect(btnAlterar, &QToolButton::clicked, this, &TfrGrupos::btnNovoClick);
    connect(btnExcluir, &QToolButton::clicked, this, &TfrGrupos::btnNovoClick);
    connect(btnGravar, &QToolButton::clicked, this, &TfrGrupos::btnGravarClick);
    connect(btnCancelar, &QToolButton::clicked, this, &TfrGrupos::btnCancelarClick);
    connect(btnSair, &QToolButton::clicked, this, &TfrGrupos::btnSairClick);
    connect(GRID, &QTableView::doubleClicked, this, &TfrGrupos::GRIDDblClick);
}

QString TfrGrupos::perguntaExcluir()
{
    return QStringLiteral("Deseja EXCLUIR o grupo selecionado?\r\n"
                          "Todos as pessoas deste grupo também serão excluídas!.\r\n"
                          "Deseja Continuar?");
}

void TfrGrupos::criarControles()
{
    auto *barra = new QToolBar(this);
    barra->setObjectName(QStringLiteral("ToolBar1"));
    barra->setIconSize(QSize(24, 24));
    auto botao = [this, barra](const char *name, const QString &caption, QStyle::StandardPixmap icon,
                               int tag) {
        auto *b = new QToolButton(barra);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setIcon(style()->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setMinimumWidth(64);
        b->setProperty(kTag, tag);
        barra->addWidget(b);
        return b;
    };
    btnNovo = botao("btnNovo", QStringLiteral("Novo"), QStyle::SP_FileIcon, Novo);
    btnAlterar = botao("btnAlterar", QStringLiteral("Alterar"), QStyle::SP_FileDialogContentsView, Alterar);
    btnGravar = botao("btnGravar", QStringLiteral("Confirmar"), QStyle::SP_DialogApplyButton, 0);
    btnCancelar = botao("btnCancelar", QStringLiteral("Cancelar"), QStyle::SP_DialogCancelButton, 0);
    btnExcluir = botao("btnExcluir", QStringLiteral("Excluir"), QStyle::SP_TrashIcon, Excluir);
    barra->addSeparator();
    btnSair = botao("btnSair", QStringLiteral("Sair"), QStyle::SP_DialogCloseButton, 0);

    auto *rotulo = new QLabel(QStringLiteral("Nome do Grupo"), this);
    rotulo->setObjectName(QStringLiteral("lblNomeGrupo"));
    edtNomeGrupo = new QLineEdit(this);
    edtNomeGrupo->setObjectName(QStringLiteral("edtNomeGrupo"));
    edtNomeGrupo->setMaxLength(100);
    rotulo->setBuddy(edtNomeGrupo);

    m_grade = new QStandardItemModel(0, 2, this);
    m_grade->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("Nome")});
    GRID = new QTableView(this);
    GRID->setObjectName(QStringLiteral("GRID"));
    GRID->setModel(m_grade);
    GRID->verticalHeader()->hide();
    GRID->verticalHeader()->setDefaultSectionSize(GRID->fontMetrics().height() + 6);
    GRID->horizontalHeader()->setStretchLastSection(true);
    GRID->horizontalHeader()->setHighlightSections(false);
    GRID->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    GRID->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: #0000FF; color: white; font-weight: bold;"
                       " border: 0; border-right: 1px solid #8080FF; padding: 2px 4px; }"));
    GRID->setColumnWidth(0, 70);
    GRID->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GRID->setSelectionBehavior(QAbstractItemView::SelectRows);
    GRID->setSelectionMode(QAbstractItemView::SingleSelection);
    GRID->setWordWrap(false);
    GRID->setMinimumSize(420, 260);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(barra);
    layout->addSpacing(4);
    layout->addWidget(rotulo);
    layout->addWidget(edtNomeGrupo);
    layout->addSpacing(4);
    layout->addWidget(GRID, 1);

    // the screen sees the keys first (F1 wherever the focus is)
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
}

void TfrGrupos::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrGrupos::FormShow()
{
    Carregar();
    Alternar(false);
    m_codigo = -1;
}

void TfrGrupos::keyPressEvent(QKeyEvent *event)
{
    FormKeyDown(event);
    if (!event->isAccepted())
        QDialog::keyPressEvent(event);
}

bool TfrGrupos::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        FormKeyDown(key);
        if (key->isAccepted())
            return true;
        if (watched == GRID) {
            GRIDKeyDown(key);
            if (key->isAccepted())
                return true;
        }
        key->setAccepted(true); // Qt's default for the widget that gets it
    }
    return QDialog::eventFilter(watched, event);
}

void TfrGrupos::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("cad_grupos.htm"));
        event->accept();
        return;
    }
    event->ignore();
}

void TfrGrupos::GRIDKeyDown(QKeyEvent *event)
{
    event->ignore();
    if (event->key() != Qt::Key_Delete)
        return;
    event->accept();
    const int row = GRID->currentIndex().row();
    if (m_grupos->grupos().isEmpty() || row < 0)
        return;
    if (!Seams::messages().confirm(perguntaExcluir()))
        return;
    TGrupo grupo;
    grupo.Codigo = m_grupos->codigo(row);
    // a failed delete has been shown; the list is read again either way
    [[maybe_unused]] const Resultado excluido = grupo.Excluir();
    Carregar();
}

void TfrGrupos::Carregar()
{
    if (!m_grupos->recarregar())
        Seams::messages().show(QStringLiteral("Erro!!"), MessageService::Kind::Error);
    MostrarGrade();
}

void TfrGrupos::MostrarGrade()
{
    const int atual = GRID->currentIndex().row();
    m_grade->setRowCount(0);
    const QList<TGrupo> &grupos = m_grupos->grupos();
    for (int i = 0; i < grupos.size(); ++i) {
        auto *id = new QStandardItem(QStringLiteral("%1").arg(grupos.at(i).Codigo, 3, 10, QLatin1Char('0')));
        auto *nome = new QStandardItem(grupos.at(i).Nome);
        for (QStandardItem *item : {id, nome}) {
            item->setEditable(false);
            item->setBackground(i % 2 == 0 ? kLinhaImpar : kLinhaPar);
            item->setForeground(QColor(Qt::black));
        }
        m_grade->appendRow({id, nome});
    }
    if (grupos.isEmpty()) {
        // the grid keeps one blank row under its header
        auto *id = new QStandardItem;
        auto *nome = new QStandardItem;
        id->setFlags(Qt::NoItemFlags);
        nome->setFlags(Qt::NoItemFlags);
        m_grade->appendRow({id, nome});
        return;
    }
    const int linha = qBound(0, atual, int(grupos.size()) - 1);
    GRID->setCurrentIndex(m_grade->index(linha, 0));
}

void TfrGrupos::Alternar(bool edicao)
{
    btnGravar->setEnabled(edicao);
    btnCancelar->setEnabled(edicao);
    btnNovo->setEnabled(!edicao);
    btnExcluir->setEnabled(!edicao);
    btnAlterar->setEnabled(!edicao);
    edtNomeGrupo->setReadOnly(!edicao);
}

void TfrGrupos::btnNovoClick()
{
    auto *botao = qobject_cast<QToolButton *>(sender());
    if (!botao)
        return;
    if (botao == btnNovo)
        edtNomeGrupo->clear();
    Alternar(true);
    m_operacao = botao->property(kTag).toInt();
    edtNomeGrupo->setFocus();
}

void TfrGrupos::btnGravarClick()
{
    const QString nome = edtNomeGrupo->text();
    auto recusar = [this](const QString &texto) {
        Seams::messages().show(texto, MessageService::Kind::Warning);
        edtNomeGrupo->setFocus();
    };
    if (nome.trimmed().isEmpty())
        return recusar(QStringLiteral("O campo NOME não pode ficar em branco!!"));
    QString semByte;
    if ((m_operacao == Novo || m_operacao == Alterar) && !Win1252::canEncode(nome, &semByte))
        return recusar(Win1252::unencodableMessage(semByte));

    TGrupo grupo;
    grupo.Codigo = m_codigo;
    grupo.Nome = nome; // as typed: the blanks around it are kept
    // each operation shows its own failure; then the screen keeps the typing
    Resultado feito = Resultado::Gravado;
    switch (m_operacao) {
    case Novo: feito = grupo.Inserir(); break;
    case Alterar: feito = grupo.Alterar(); break;
    case Excluir:
        // the same question as the Delete key: the group's persons go with it
        if (m_codigo > 0 && Seams::messages().confirm(perguntaExcluir()))
            feito = grupo.Excluir();
        break;
    default: break;
    }
    if (feito == Resultado::Falhou) {
        edtNomeGrupo->setFocus();
        return;
    }
    m_operacao = Nenhuma;
    m_codigo = 0;
    Alternar(false);
    Carregar();
}

void TfrGrupos::btnCancelarClick()
{
    Alternar(false);
    m_operacao = Nenhuma;
    m_codigo = 0;
    edtNomeGrupo->clear();
}

void TfrGrupos::btnSairClick()
{
    close();
}

void TfrGrupos::GRIDDblClick(const QModelIndex &index)
{
    if (m_grupos->grupos().isEmpty() || !index.isValid())
        return;
    m_codigo = m_grupos->codigo(index.row());
    edtNomeGrupo->setText(m_grupos->grupos().at(index.row()).Nome);
}
