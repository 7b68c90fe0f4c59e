#include "ui/registration/TfrImportarContatos.h"

#include "app/ProgramFolder.h"
#include "data/TDM.h"
#include "model/ImportacaoContatos.h"
#include "model/Mensagens.h"
#include "services/Desktop.h"
#include "services/Seams.h"
#include "ui/common/GroupListModel.h"
#include "ui/common/Help.h"
#include "ui/common/TeclasDeEntrada.h"
#include "ui/registration/ContatosImportadosModel.h"
#include "util/ContatosCsv.h"
#include "util/PaginaHtml.h"
#include "util/VCard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kTitulo = QStringLiteral("Importar Contatos");
const QString kPagina = QStringLiteral("ContatosNaoImportados.html");

} // namespace

TfrImportarContatos::TfrImportarContatos(const QString &login, QWidget *parent)
    : QDialog(parent), m_login(login)
{
    setObjectName(QStringLiteral("frImportarContatos"));
    setWindowTitle(kTitulo);
    setModal(true);
    resize(1000, 600);
    m_modelo = new ContatosImportadosModel(this);
    m_grupos = new GroupListModel(this);
    criarControles();
    TeclasDeEntrada::Aplicar(this);
    if (!m_grupos->recarregar())
        MostrarErro(QStringLiteral("Não foi possível ler os grupos."));
    connect(btnAbrir, &QPushButton::clicked, this, &TfrImportarContatos::btnAbrirClick);
    connect(btnPularSemelhantes, &QPushButton::clicked, this, &TfrImportarContatos::btnPularSemelhantesClick);
    connect(btnImportar, &QPushButton::clicked, this, &TfrImportarContatos::btnImportarClick);
    connect(btnAjuda, &QPushButton::clicked, this, &TfrImportarContatos::btnAjudaClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_modelo, &ContatosImportadosModel::alterado, this, &TfrImportarContatos::AtualizarEstado);
    connect(cbxGrupo, &QComboBox::currentIndexChanged, this, &TfrImportarContatos::AtualizarEstado);
    connect(chkCategorias, &QCheckBox::toggled, this, &TfrImportarContatos::AtualizarEstado);
    AtualizarEstado();
}

void TfrImportarContatos::criarControles()
{
    auto botao = [this](const char *nome, const QString &texto) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        // Enter in a grid cell must not import
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    btnAbrir = botao("btnAbrir", QStringLiteral("Abrir arquivo..."));
    lblArquivo = new QLabel(QStringLiteral("Escolha um arquivo vCard (.vcf) ou CSV."), this);
    lblArquivo->setObjectName(QStringLiteral("lblArquivo"));
    cbxGrupo = new QComboBox(this);
    cbxGrupo->setObjectName(QStringLiteral("cbxGrupo"));
    cbxGrupo->setModel(m_grupos);
    cbxGrupo->setMinimumWidth(200);
    chkCategorias =
        new QCheckBox(QStringLiteral("Um grupo por categoria do arquivo (criado se faltar)"), this);
    chkCategorias->setObjectName(QStringLiteral("chkCategorias"));
    chkPublicas = new QCheckBox(QStringLiteral("Públicas"), this);
    chkPublicas->setObjectName(QStringLiteral("chkPublicas"));
    btnPularSemelhantes = botao("btnPularSemelhantes", QStringLiteral("Pular todos os semelhantes"));
    GRID = new QTableView(this);
    GRID->setObjectName(QStringLiteral("GRID"));
    GRID->setModel(m_modelo);
    GRID->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    GRID->verticalHeader()->setDefaultSectionSize(22);
    GRID->horizontalHeader()->setDefaultSectionSize(130);
    GRID->setColumnWidth(ContatosImportadosModel::Importar, 60);
    GRID->setColumnWidth(ContatosImportadosModel::Nome, 200);
    GRID->setColumnWidth(ContatosImportadosModel::Tipo, 70);
    GRID->setColumnWidth(ContatosImportadosModel::Problemas, 220);
    lblResumo = new QLabel(this);
    lblResumo->setObjectName(QStringLiteral("lblResumo"));
    pbProgresso = new QProgressBar(this);
    pbProgresso->setObjectName(QStringLiteral("pbProgresso"));
    pbProgresso->setValue(0);
    btnImportar = botao("btnImportar", QStringLiteral("Importar"));
    btnAjuda = botao("btnAjuda", QStringLiteral("Ajuda"));
    btnSair = botao("btnSair", QStringLiteral("Sair"));

    auto *topo = new QHBoxLayout;
    topo->addWidget(btnAbrir);
    topo->addWidget(lblArquivo, 1);
    auto *opcoes = new QHBoxLayout;
    opcoes->addWidget(new QLabel(QStringLiteral("Grupo:"), this));
    opcoes->addWidget(cbxGrupo);
    opcoes->addWidget(chkCategorias);
    opcoes->addWidget(chkPublicas);
    opcoes->addStretch(1);
    opcoes->addWidget(btnPularSemelhantes);
    auto *rodape = new QHBoxLayout;
    rodape->addWidget(lblResumo, 1);
    rodape->addWidget(pbProgresso);
    rodape->addWidget(btnImportar);
    rodape->addWidget(btnAjuda);
    rodape->addWidget(btnSair);
    auto *tudo = new QVBoxLayout(this);
    tudo->addLayout(topo);
    tudo->addLayout(opcoes);
    tudo->addWidget(GRID, 1);
    tudo->addLayout(rodape);
}

bool TfrImportarContatos::Abrir(const QString &arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        MostrarErro(QStringLiteral("Não foi possível abrir o arquivo \"%1\".").arg(arquivo));
        return false;
    }
    const QByteArray bytes = f.readAll();
    // a vCard says so in its first line; anything else is taken as CSV
    const QByteArray inicio = bytes.left(200).trimmed().toUpper();
    const bool vcard = inicio.startsWith("BEGIN:VCARD") || inicio.startsWith("\xEF\xBB\xBF"
                                                                             "BEGIN:VCARD");
    QList<Contato> contatos;
    QStringList problemas;
    if (vcard) {
        VCard::Leitura l = VCard::ler(bytes);
        contatos = std::move(l.contatos);
        problemas = l.problemas;
    } else {
        ContatosCsv::Leitura l = ContatosCsv::ler(bytes);
        contatos = std::move(l.contatos);
        problemas = l.problemas;
    }
    if (contatos.isEmpty()) {
        MostrarErro(QStringLiteral("Nenhum contato foi encontrado no arquivo \"%1\".").arg(arquivo));
        return false;
    }
    QList<ContatoImportado> itens;
    itens.reserve(contatos.size());
    for (const Contato &c : std::as_const(contatos))
        itens << ImportacaoContatos::Mapear(c);
    const DbResult r = ImportacaoContatos::MarcarSemelhantes(BancoDados(), itens);
    if (!r)
        MostrarErro(r.texto(QStringLiteral("Não foi possível procurar nomes semelhantes.")));
    m_modelo->definir(std::move(itens));
    lblArquivo->setText(arquivo);
    pbProgresso->setValue(0);
    if (!problemas.isEmpty()) {
        const QStringList primeiros = problemas.mid(0, 10);
        Seams::messages().show(QStringLiteral("O arquivo tem trechos que não puderam ser lidos:\r\n") +
                                   primeiros.join(QStringLiteral("\r\n")) +
                                   (problemas.size() > 10 ? QStringLiteral("\r\n...") : QString()),
                               MessageService::Kind::Warning);
    }
    AtualizarEstado();
    return true;
}

void TfrImportarContatos::btnAbrirClick()
{
    const QString arquivo = Seams::input().openFileName(
        kTitulo, QString(),
        QStringLiteral("Contatos (*.vcf *.vcard *.csv);;vCard (*.vcf *.vcard);;CSV (*.csv)"));
    if (!arquivo.isEmpty())
        Abrir(arquivo);
}

void TfrImportarContatos::btnPularSemelhantesClick()
{
    ImportacaoContatos::PularSemelhantes(m_modelo->itens());
    m_modelo->atualizarTudo();
}

void TfrImportarContatos::AtualizarEstado()
{
    const int total = m_modelo->rowCount();
    const int escolhidos = m_modelo->escolhidos();
    const int bloqueados = m_modelo->bloqueados();
    int semelhantes = 0;
    for (const ContatoImportado &i : m_modelo->itens())
        semelhantes += i.semelhantes.isEmpty() ? 0 : 1;
    const int linhaGrupo = cbxGrupo->currentIndex();
    m_modelo->definirGrupo(linhaGrupo >= 0 && linhaGrupo < m_grupos->grupos().size()
                               ? m_grupos->grupos()[linhaGrupo].Nome
                               : QString(),
                           chkCategorias->isChecked());
    lblResumo->setText(QStringLiteral("%1 contato(s), %2 a importar, %3 semelhante(s), %4 com problema(s)")
                           .arg(total)
                           .arg(escolhidos)
                           .arg(semelhantes)
                           .arg(bloqueados));
    btnPularSemelhantes->setEnabled(semelhantes > 0);
    // nothing is stored while a chosen contact holds a text its column refuses
    btnImportar->setEnabled(escolhidos > 0 && bloqueados == 0 && cbxGrupo->currentIndex() >= 0);
}

void TfrImportarContatos::btnImportarClick()
{
    ImportacaoContatos::Opcoes op;
    op.grupo = m_grupos->codigo(cbxGrupo->currentIndex());
    op.gruposPorCategoria = chkCategorias->isChecked();
    op.publicas = chkPublicas->isChecked();
    op.login = m_login;
    pbProgresso->setRange(0, std::max(1, m_modelo->escolhidos()));
    ImportacaoContatos::Resumo resumo;
    const DbResult r =
        ImportacaoContatos::Gravar(BancoDados(), m_modelo->itens(), op, &resumo, [this](int feitos, int) {
            pbProgresso->setValue(feitos);
            pbProgresso->repaint();
        });
    if (!r) {
        pbProgresso->setValue(0);
        MostrarErro(QStringLiteral("Nenhum contato foi importado.\r\n") + r.texto(r.sql));
        return;
    }
    QString texto = QStringLiteral("Importação concluída.\r\nImportados: %1\r\n"
                                   "Pulados por serem semelhantes: %2\r\nPulados por você: %3")
                        .arg(resumo.importados)
                        .arg(resumo.puladosSemelhantes)
                        .arg(resumo.puladosUsuario);
    const bool pulados = resumo.puladosSemelhantes + resumo.puladosUsuario > 0;
    const QString caminho = ProgramPath(kPagina);
    QString erro;
    if (pulados &&
        !GravarPagina(caminho, ImportacaoContatos::PaginaPulados(m_modelo->itens(), resumo), &erro))
        texto += QStringLiteral("\r\n\r\n") + erro;
    Seams::messages().show(texto, MessageService::Kind::Information);
    if (pulados && erro.isEmpty())
        OpenWithShell(caminho);
    accept();
}

void TfrImportarContatos::btnAjudaClick()
{
    OpenHelp(QStringLiteral("importar_contatos.htm"));
}
