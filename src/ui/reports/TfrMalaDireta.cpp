#include "ui/reports/TfrMalaDireta.h"

#include "data/TDM.h"
#include "model/TGrupo.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/Help.h"
#include "ui/common/TeclasDeEntrada.h"
#include "ui/reports/TfrServidor.h"
#include "util/DateTime.h"
#include "util/RtfReader.h"
#include "util/RtfWriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QStringListModel>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextImageFormat>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

const QString kFiltroRtf = QStringLiteral("RTF (*.RTF *.rtf)");

// the shift key of the original keyboard test
constexpr int kVkShift = 16;

bool smtpConfigurado()
{
    return !ReadSettingText(QStringLiteral("SMTP"), QStringLiteral("HOST")).trimmed().isEmpty() &&
           !ReadSettingText(QStringLiteral("SMTP"), QStringLiteral("REMETENTE")).trimmed().isEmpty();
}

} // namespace

TfrMalaDireta::TfrMalaDireta(MalaDireta::Tipo tipo, const QString &login, QWidget *parent)
    : QDialog(parent), m_tipo(tipo), m_login(login)
{
    setModal(true);
    setWindowTitle(Titulo());
}

QString TfrMalaDireta::Titulo() const
{
    return m_tipo == MalaDireta::Tipo::PessoaFisica ? QStringLiteral("Mala Direta Pessoa Física")
                                                    : QStringLiteral("Mala Direta Pessoa Jurídica");
}

void TfrMalaDireta::criarControles(QVBoxLayout *area)
{
    auto botao = [this](const char *nome, const QString &texto) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        return b;
    };
    btnAbrir = botao("btnAbrir", QStringLiteral("Abrir"));
    btnSalvar = botao("btnSalvar", QStringLiteral("Salvar"));
    btnSalvarComo = botao("btnSalvarComo", QStringLiteral("Salvar Como"));
    btnAlterarFonte = botao("btnAlterarFonte", QStringLiteral("Alterar Fonte"));
    btnNovo = botao("btnNovo", QStringLiteral("Novo"));
    btnInseriDados = new QToolButton(this);
    btnInseriDados->setObjectName(QStringLiteral("btnInseriDados"));
    btnInseriDados->setText(QStringLiteral("Inserir Dados do Cadastro"));
    btnInseriDados->setPopupMode(QToolButton::InstantPopup);
    auto *dados = new QMenu(btnInseriDados);
    dados->setObjectName(QStringLiteral("mnuDados"));
    for (const QString &rotulo : MalaDireta::Rotulos(m_tipo))
        connect(dados->addAction(rotulo), &QAction::triggered, this, [this, rotulo] { InserirDado(rotulo); });
    dados->addSeparator();
    connect(dados->addAction(QStringLiteral("Inserir Imagem")), &QAction::triggered, this,
            &TfrMalaDireta::InserirImagemClick);
    btnInseriDados->setMenu(dados);

    auto *barra = new QHBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(btnAbrir), static_cast<QWidget *>(btnSalvar),
                       static_cast<QWidget *>(btnSalvarComo), static_cast<QWidget *>(btnAlterarFonte),
                       static_cast<QWidget *>(btnNovo), static_cast<QWidget *>(btnInseriDados)})
        barra->addWidget(w);
    barra->addStretch(1);

    Texto = new QTextEdit(this);
    Texto->setObjectName(QStringLiteral("Texto"));
    Texto->setAcceptRichText(true);
    Texto->setPlaceholderText(QStringLiteral("Digite aqui o conteúdo da carta!"));
    Texto->setToolTip(QStringLiteral("Digite aqui o conteúdo da carta!"));
    Texto->setMinimumSize(560, 300);

    auto *anexos = new QGroupBox(QStringLiteral(":: Anexos :: "), this);
    IncluirAnexo = new QPushButton(QStringLiteral("Selecione os Arquivos"), anexos);
    IncluirAnexo->setObjectName(QStringLiteral("IncluirAnexo"));
    Anexos = new QListView(anexos);
    Anexos->setObjectName(QStringLiteral("Anexos"));
    m_anexos = new QStringListModel(Anexos);
    Anexos->setModel(m_anexos);
    Anexos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Anexos->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Anexos->setMaximumHeight(80);
    Anexos->installEventFilter(this);
    edtApenasAnexo =
        new QCheckBox(QStringLiteral("Para Mandar APENAS o(s) anexo(s) deixa esta opção marcada."), anexos);
    edtApenasAnexo->setObjectName(QStringLiteral("edtApenasAnexo"));
    auto *anexosLayout = new QGridLayout(anexos);
    anexosLayout->addWidget(IncluirAnexo, 0, 0, Qt::AlignTop);
    anexosLayout->addWidget(Anexos, 0, 1);
    anexosLayout->addWidget(edtApenasAnexo, 1, 0, 1, 2);
    anexosLayout->setColumnStretch(1, 1);

    pnlResumo = new QFrame(this);
    pnlResumo->setObjectName(QStringLiteral("pnlResumo"));
    pnlResumo->setFrameShape(QFrame::StyledPanel);
    lblResumo = new QLabel(pnlResumo);
    lblResumo->setObjectName(QStringLiteral("lblResumo"));
    lblResumo->setVisible(false);
    pbResumo = new QProgressBar(pnlResumo);
    pbResumo->setObjectName(QStringLiteral("pbResumo"));
    pbResumo->setVisible(false);
    JvArrowButton1 = new QToolButton(pnlResumo);
    JvArrowButton1->setObjectName(QStringLiteral("JvArrowButton1"));
    JvArrowButton1->setText(QStringLiteral("Gerar Mala Direta"));
    JvArrowButton1->setPopupMode(QToolButton::MenuButtonPopup);
    JvArrowButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto *gerar = new QMenu(JvArrowButton1);
    gerar->setObjectName(QStringLiteral("mnuGerar"));
    connect(gerar->addAction(QStringLiteral("Mala Direta Via Email :: <SHIFT> Para enviar para todos")),
            &QAction::triggered, this, &TfrMalaDireta::MalaDiretaViaEmailClick);
    gerar->addSeparator();
    connect(gerar->addAction(QStringLiteral("Definir Assunto e Corpo da Mensagem")), &QAction::triggered,
            this, &TfrMalaDireta::DefinirAssuntoClick);
    JvArrowButton1->setMenu(gerar);

    auto *resumo = new QHBoxLayout(pnlResumo);
    resumo->addLayout(area, 1);
    auto *direita = new QVBoxLayout;
    direita->addWidget(lblResumo);
    direita->addWidget(pbResumo);
    direita->addStretch(1);
    direita->addWidget(JvArrowButton1, 0, Qt::AlignRight);
    resumo->addLayout(direita, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(barra);
    layout->addWidget(Texto, 1);
    layout->addWidget(anexos);
    layout->addWidget(pnlResumo);

    TeclasDeEntrada::Aplicar(this);

    connect(btnAbrir, &QPushButton::clicked, this, &TfrMalaDireta::btnAbrirClick);
    connect(btnSalvar, &QPushButton::clicked, this, &TfrMalaDireta::btnSalvarClick);
    connect(btnSalvarComo, &QPushButton::clicked, this, &TfrMalaDireta::btnSalvarComoClick);
    connect(btnNovo, &QPushButton::clicked, this, &TfrMalaDireta::btnNovoClick);
    connect(btnAlterarFonte, &QPushButton::clicked, this, &TfrMalaDireta::btnAlterarFonteClick);
    connect(IncluirAnexo, &QPushButton::clicked, this, &TfrMalaDireta::IncluirAnexoClick);
    connect(JvArrowButton1, &QToolButton::clicked, this, &TfrMalaDireta::JvArrowButton1Click);
}

void TfrMalaDireta::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_mostrada) {
        m_mostrada = true;
        FormShow();
    }
}

void TfrMalaDireta::FormShow()
{
    m_arquivoModelo.clear();
    txtGrupo->clear();
    txtGrupo->addItem(QStringLiteral("Todos"), 0);
    QList<TGrupo> grupos;
    const DbResult r = TGrupo::Todos(BancoDados(), grupos);
    if (!r)
        Seams::messages().show(r.texto(r.sql), MessageService::Kind::Error);
    // the code goes with the item: reading it back from the text breaks at 10000
    for (const TGrupo &g : grupos)
        txtGrupo->addItem(g.Rotulo(), g.Codigo);
    txtGrupo->setCurrentIndex(0);
}

void TfrMalaDireta::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("mala_direta.htm"));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Delete in the list of attachments takes the chosen ones out
bool TfrMalaDireta::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Anexos && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        QModelIndexList escolhidos = Anexos->selectionModel()->selectedRows();
        std::sort(escolhidos.begin(), escolhidos.end(),
                  [](const QModelIndex &a, const QModelIndex &b) { return a.row() > b.row(); });
        for (const QModelIndex &i : escolhidos)
            m_anexos->removeRows(i.row(), 1);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrMalaDireta::CarregarModelo(const QString &arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        Seams::messages().show(
            QStringLiteral("Não foi possível abrir o arquivo %1.").arg(QDir::toNativeSeparators(arquivo)),
            MessageService::Kind::Error);
        return false;
    }
    // read aside first: a damaged file leaves the editor as it was
    auto *doc = new QTextDocument(Texto);
    doc->setDefaultFont(Texto->document()->defaultFont());
    QString erro;
    if (!RtfReader::read(f.readAll(), doc, &erro)) {
        delete doc;
        Seams::messages().show(erro, MessageService::Kind::Error);
        return false;
    }
    // the editor deletes a document of its own itself; one of ours goes here
    const QPointer<QTextDocument> antigo = Texto->document();
    Texto->setDocument(doc);
    if (antigo && antigo->parent() == Texto)
        delete antigo;
    return true;
}

bool TfrMalaDireta::Salvar(const QString &arquivo)
{
    const QByteArray rtf = RtfWriter().document(*Texto->document());
    QSaveFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly) || f.write(rtf) != rtf.size() || !f.commit()) {
        Seams::messages().show(
            QStringLiteral("Não foi possível gravar o arquivo %1.").arg(QDir::toNativeSeparators(arquivo)),
            MessageService::Kind::Error);
        return false;
    }
    m_arquivoModelo = arquivo;
    setWindowTitle(Titulo() + QStringLiteral(" :: ") + arquivo);
    return true;
}

void TfrMalaDireta::btnAbrirClick()
{
    const QString arquivo = Seams::input().openFileName(QStringLiteral("Procurando Modelo de Mala Direta"),
                                                        QDir::homePath(), kFiltroRtf);
    if (arquivo.isEmpty() || !CarregarModelo(arquivo))
        return;
    m_arquivoModelo = arquivo;
    setWindowTitle(Titulo() + QStringLiteral(" :: ") + arquivo);
}

void TfrMalaDireta::btnSalvarClick()
{
    if (m_arquivoModelo.isEmpty())
        btnSalvarComoClick();
    else
        (void)Salvar(m_arquivoModelo);
}

void TfrMalaDireta::btnSalvarComoClick()
{
    QString arquivo = Seams::input().saveFileName(QStringLiteral("Salvar Modelo de Mala Direta"),
                                                  QDir::homePath(), kFiltroRtf);
    if (arquivo.isEmpty())
        return;
    if (QLatin1Char('.') + QFileInfo(arquivo).suffix().toUpper() != QLatin1String(".RTF"))
        arquivo += QStringLiteral(".rtf");
    (void)Salvar(arquivo);
}

void TfrMalaDireta::btnNovoClick()
{
    Texto->clear();
    m_arquivoModelo.clear();
    setWindowTitle(Titulo());
}

void TfrMalaDireta::btnAlterarFonteClick()
{
    const QTextCharFormat atual = Texto->textCursor().charFormat();
    QFont fonte = atual.font();
    QColor cor = atual.foreground().style() == Qt::NoBrush ? QColor(Qt::black) : atual.foreground().color();
    if (!Seams::input().fontChoice(&fonte, &cor))
        return;
    QTextCharFormat f;
    f.setFont(fonte, QTextCharFormat::FontPropertiesAll);
    f.setForeground(cor);
    Texto->mergeCurrentCharFormat(f);
}

void TfrMalaDireta::InserirDado(const QString &rotulo)
{
    Texto->textCursor().insertText(MalaDireta::Token(rotulo));
}

// The picture goes into the document itself, not through the clipboard: the
// user's clipboard stays as it was.
void TfrMalaDireta::InserirImagemClick()
{
    const QString arquivo = Seams::input().openFileName(
        QStringLiteral("Inserir Imagem"), QDir::homePath(),
        QStringLiteral(
            "Imagens (*.gif *.ani *.pcx *.jpg *.jpeg *.bmp *.ico *.emf *.wmf *.png *.GIF *.ANI *.PCX *.JPG "
            "*.JPEG *.BMP *.ICO *.EMF *.WMF *.PNG)"));
    if (arquivo.isEmpty())
        return;
    QImageReader leitor(arquivo);
    const QSize tamanho = leitor.size();
    if (tamanho.isValid() &&
        (tamanho.width() > RtfReader::kMaxPictureSide || tamanho.height() > RtfReader::kMaxPictureSide)) {
        Seams::messages().show(
            QStringLiteral("A imagem %1 é grande demais (o limite é de %2 pontos por lado).")
                .arg(QDir::toNativeSeparators(arquivo))
                .arg(RtfReader::kMaxPictureSide),
            MessageService::Kind::Warning);
        return;
    }
    const QImage imagem = leitor.read();
    if (imagem.isNull()) {
        Seams::messages().show(
            QStringLiteral("Não foi possível abrir a imagem %1.").arg(QDir::toNativeSeparators(arquivo)),
            MessageService::Kind::Warning);
        return;
    }
    const QString nome = QStringLiteral("imagem-%1-%2").arg(++m_imagens).arg(imagem.cacheKey());
    Texto->document()->addResource(QTextDocument::ImageResource, QUrl(nome), imagem);
    QTextImageFormat f;
    f.setName(nome);
    f.setWidth(imagem.width());
    f.setHeight(imagem.height());
    Texto->textCursor().insertImage(f);
}

void TfrMalaDireta::IncluirAnexoClick()
{
    const QStringList arquivos = Seams::input().openFileNames(
        QStringLiteral("Procurando Arquivos para Anexar"), QDir::homePath(), QStringLiteral("Todos (*)"));
    if (arquivos.isEmpty())
        return;
    m_anexos->setStringList(arquivos);
}

void TfrMalaDireta::JvArrowButton1Click()
{
    Gerar(false);
}

void TfrMalaDireta::MalaDiretaViaEmailClick()
{
    Gerar(true);
}

void TfrMalaDireta::DefinirAssuntoClick()
{
    TfrServidor dlg(this);
    dlg.exec();
}

void TfrMalaDireta::MostrarResumo(const QString &texto, int feitos, int total)
{
    lblResumo->setText(texto);
    pbResumo->setVisible(total > 0);
    if (total > 0) {
        pbResumo->setRange(0, total);
        pbResumo->setValue(feitos);
    }
    // the panel is painted while the run holds the screen
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrMalaDireta::Gerar(bool email)
{
    MalaDireta::Envio envio;
    envio.email = email;
    envio.paraTodos = email && Seams::keyboard().isKeyDown(kVkShift);

    if (!m_arquivoModelo.isEmpty() && QFileInfo(m_arquivoModelo).isFile() && Texto->document()->isEmpty())
        (void)CarregarModelo(m_arquivoModelo);
    if (Texto->document()->isEmpty()) {
        Seams::messages().show(
            QStringLiteral("Você precisa informar um texto para poder emitir a mala direta!"));
        return;
    }
    if (m_arquivoModelo.isEmpty()) {
        Seams::messages().show(QStringLiteral("Para poder emitir a mala direta você deve salvar o texto!"));
        return;
    }
    if (email) {
        TfrServidor servidor(this);
        servidor.exec();
        envio.assunto = servidor.Assunto();
        envio.corpo = servidor.Corpo();
        envio.apenasAnexo = edtApenasAnexo->isChecked();
        envio.anexos = m_anexos->stringList();
        // one compose window per letter does not scale: with an account, offer to send directly
        envio.smtp =
            smtpConfigurado() &&
            Seams::messages().confirm(QStringLiteral(
                "Enviar as mensagens diretamente pela conta de e-mail configurada (seção [SMTP])?\r\n"
                "Não: cada mensagem será aberta no seu programa de e-mail."));
    }

    MalaDireta::Pedido pedido;
    pedido.tipo = m_tipo;
    pedido.escolha = EscolhaAtual();
    pedido.login = m_login;
    pedido.agora = QDateTimeToDateTime(Seams::clock().now());

    // every letter starts from this copy, unsaved edits included
    const std::unique_ptr<QTextDocument> modelo(Texto->document()->clone());

    pnlResumo->setEnabled(false);
    lblResumo->setVisible(true);
    MostrarResumo(QStringLiteral("Por favor aguarde. A Mala Direta esta sendo montada."), 0, 0);
    (void)MalaDireta::Executar(
        BancoDados(), pedido, *modelo, envio,
        [this](const QString &texto, int feitos, int total) { MostrarResumo(texto, feitos, total); });
    lblResumo->setVisible(false);
    pbResumo->setVisible(false);
    pnlResumo->setEnabled(true);
}
