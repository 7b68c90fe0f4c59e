#include "ui/registration/TfrAlbum.h"

#include "model/TPessoaFisica.h"
#include "services/Seams.h"
#include "ui/common/ImagemJpeg.h"
#include "ui/common/TeclasDeEntrada.h"
#include "ui/common/Telas.h"

#include <QCheckBox>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

} // namespace

TfrAlbum::TfrAlbum(const TPessoaFisica &pessoa, QWidget *parent)
    : QDialog(parent), m_identificador(pessoa.Identificador), m_nome(pessoa.Nome), m_apelido(pessoa.Apelido)
{
    setObjectName(QStringLiteral("frAlbum"));
    setWindowTitle(QStringLiteral("Álbum"));
    setModal(true);
    criarControles();
    TeclasDeEntrada::Aplicar(this);
    resize(680, 620);

    const std::pair<QToolButton *, int> navegacao[] = {
        {btnPrimeiro, 1}, {btnAnterior, 2}, {btnProximo, 3}, {btnUltimo, 4}};
    for (const auto &[botao, tag] : navegacao)
        connect(botao, &QToolButton::clicked, this, [this, tag = tag] { Navegar(tag); });
    connect(btnExcluir, &QPushButton::clicked, this, &TfrAlbum::btnExcluirClick);
    connect(btnAtualizar, &QPushButton::clicked, this, &TfrAlbum::btnAtualizarClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrAlbum::SpeedButton1Click);
    connect(btnNovaImagem, &QPushButton::clicked, this, &TfrAlbum::btnNovaImagemClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::accept);
    connect(edtAjusta, &QCheckBox::clicked, this, &TfrAlbum::edtAjustaClick);
}

void TfrAlbum::criarControles()
{
    pnlImagem = new QFrame(this);
    pnlImagem->setObjectName(QStringLiteral("pnlImagem"));
    pnlImagem->setFrameShape(QFrame::StyledPanel);
    pnlImagem->setFrameShadow(QFrame::Sunken);
    pnlImagem->setMinimumSize(480, 340);
    lblPainel = new QLabel(pnlImagem);
    lblPainel->setObjectName(QStringLiteral("lblPainel"));
    lblPainel->setAlignment(Qt::AlignCenter);
    lblPainel->setWordWrap(true);
    Imagem = new QLabel(pnlImagem);
    Imagem->setObjectName(QStringLiteral("Imagem"));
    Imagem->setAlignment(Qt::AlignCenter);
    // the picture never makes the window grow: at its own size a large one is shown cut
    Imagem->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Imagem->installEventFilter(this);
    auto *painel = new QGridLayout(pnlImagem);
    painel->addWidget(lblPainel, 0, 0);
    painel->addWidget(Imagem, 0, 0);

    lblComentarios = new QLabel(QStringLiteral("  :: Comentários sobre a Imagem ::"), this);
    lblComentarios->setObjectName(QStringLiteral("lblComentarios"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setToolTip(QStringLiteral("Insira AQUI comentários sobre a imagem!"));
    Memo1->setFixedHeight(64);

    auto navegacao = [this](const char *nome, QStyle::StandardPixmap icone, int tag) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setIcon(style()->standardIcon(icone));
        b->setIconSize(QSize(24, 24));
        b->setProperty("tag", tag);
        b->setEnabled(false);
        return b;
    };
    btnPrimeiro = navegacao("btnPrimeiro", QStyle::SP_MediaSkipBackward, 1);
    btnAnterior = navegacao("btnAnterior", QStyle::SP_MediaSeekBackward, 2);
    btnProximo = navegacao("btnProximo", QStyle::SP_MediaSeekForward, 3);
    btnUltimo = navegacao("btnUltimo", QStyle::SP_MediaSkipForward, 4);
    lblResumo = new QLabel(this);
    lblResumo->setObjectName(QStringLiteral("lblResumo"));
    lblResumo->setMinimumWidth(200);
    lblResumo->setAlignment(Qt::AlignCenter);

    auto botao = [this](const char *nome, const QString &texto) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        return b;
    };
    btnExcluir = botao("btnExcluir", QStringLiteral("Excluir Imagem"));
    btnAtualizar = botao("btnAtualizar", QStringLiteral("Salvar Alteração"));
    SpeedButton1 = botao("SpeedButton1", QStringLiteral("Salvar Como"));
    btnNovaImagem = botao("btnNovaImagem", QStringLiteral("Nova Imagem"));
    btnSair = botao("btnSair", QStringLiteral("Sair"));
    edtAjusta = new QCheckBox(QStringLiteral("Ajustar Imagem?"), this);
    edtAjusta->setObjectName(QStringLiteral("edtAjusta"));

    auto *linhaNavegacao = new QHBoxLayout;
    linhaNavegacao->addWidget(btnPrimeiro);
    linhaNavegacao->addWidget(btnAnterior);
    linhaNavegacao->addWidget(lblResumo);
    linhaNavegacao->addWidget(btnProximo);
    linhaNavegacao->addWidget(btnUltimo);
    linhaNavegacao->addStretch();
    linhaNavegacao->addWidget(edtAjusta);

    auto *linhaBotoes = new QHBoxLayout;
    linhaBotoes->addWidget(btnExcluir);
    linhaBotoes->addWidget(btnAtualizar);
    linhaBotoes->addWidget(SpeedButton1);
    linhaBotoes->addWidget(btnNovaImagem);
    linhaBotoes->addStretch();
    linhaBotoes->addWidget(btnSair);

    auto *tudo = new QVBoxLayout(this);
    tudo->addWidget(pnlImagem, 1);
    tudo->addWidget(lblComentarios);
    tudo->addWidget(Memo1);
    tudo->addLayout(linhaNavegacao);
    tudo->addLayout(linhaBotoes);
}

void TfrAlbum::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_mostrado) {
        m_mostrado = true;
        FormShow();
    }
}

bool TfrAlbum::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Imagem) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            ImagemDblClick();
            return true;
        }
        if (event->type() == QEvent::Resize)
            mostrarImagem();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrAlbum::FormShow()
{
    setWindowTitle(QStringLiteral("Álbum de ") + m_nome + QStringLiteral(" :: ") + m_apelido);
    CarregarAlbum();
}

void TfrAlbum::CarregarAlbum()
{
    m_imagem = QImage();
    m_bytes.clear();
    lblResumo->clear();
    Memo1->clear();
    m_posicao = -1;
    m_fotos = TFoto::Album(m_identificador);
    Navegar(1);
    if (temFotos()) {
        lblPainel->clear();
        Imagem->setToolTip(QStringLiteral("Duplo Clique Sobre a Imagem para Alterá-la."));
        Imagem->setCursor(Qt::PointingHandCursor);
    } else {
        lblPainel->setText(
            QStringLiteral("Para Inserir Uma Imagem Clique no Botão \"Nova Imagem\" mais abaixo."));
        Imagem->setToolTip(QString());
        Imagem->unsetCursor();
    }
    mostrarImagem();
}

void TfrAlbum::Navegar(int tag)
{
    const int ultima = int(m_fotos.size()) - 1;
    if (ultima < 0) {
        for (QToolButton *b : {btnPrimeiro, btnAnterior, btnProximo, btnUltimo})
            b->setEnabled(false);
        return;
    }
    bool voltar = true;
    bool avancar = true;
    switch (tag) {
    case 1:
        m_posicao = 0;
        voltar = false;
        break;
    case 2:
        m_posicao = qMax(0, m_posicao - 1);
        voltar = m_posicao > 0;
        break;
    case 3:
        m_posicao = qMin(ultima, m_posicao + 1);
        avancar = m_posicao < ultima;
        break;
    case 4:
        m_posicao = ultima;
        avancar = false;
        break;
    default: return;
    }
    btnPrimeiro->setEnabled(voltar);
    btnAnterior->setEnabled(voltar);
    btnProximo->setEnabled(avancar);
    btnUltimo->setEnabled(avancar);
    MostrarFoto();
}

void TfrAlbum::MostrarFoto()
{
    TFoto foto = m_fotos.at(m_posicao);
    QByteArray bytes;
    // a photo deleted meanwhile shows as empty
    if (foto.Carregar(bytes))
        m_fotos[m_posicao].Obs = foto.Obs;
    else
        foto.Obs.clear();
    m_bytes = bytes;
    m_imagem = DecodificarImagem(bytes);
    Memo1->setPlainText(foto.Obs);
    lblResumo->setText(QStringLiteral("Visualizando imagem %1 de %2")
                           .arg(m_posicao + 1, 2, 10, QLatin1Char('0'))
                           .arg(m_fotos.size(), 2, 10, QLatin1Char('0')));
    mostrarImagem();
}

void TfrAlbum::mostrarImagem()
{
    if (m_imagem.isNull()) {
        Imagem->clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(m_imagem);
    if (edtAjusta->isChecked())
        pixmap = pixmap.scaled(Imagem->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Imagem->setPixmap(pixmap);
}

void TfrAlbum::ImagemDblClick()
{
    if (!temFotos())
        return;
    const QString arquivo = Seams::input().openFileName(
        QStringLiteral("Alterando Uma Imagem do Álbum de ") + m_nome, QString(), FiltroImagensJpeg());
    if (arquivo.isEmpty())
        return;
    QByteArray bytes;
    QString erro;
    if (!LerImagemParaGravar(arquivo, bytes, erro)) {
        Seams::messages().show(erro, MessageService::Kind::Warning);
        return;
    }
    m_bytes = bytes;
    m_imagem = DecodificarImagem(bytes);
    mostrarImagem();
    Seams::messages().show(QStringLiteral("Para confirmar a alteração clique no botão \"Salvar Alteração\""),
                           MessageService::Kind::Information);
}

void TfrAlbum::btnAtualizarClick()
{
    if (!temFotos())
        return;
    TFoto foto = m_fotos.at(m_posicao);
    foto.Obs = Memo1->toPlainText();
    if (foto.Alterar(m_bytes) == Resultado::Gravado)
        m_fotos[m_posicao].Obs = foto.Obs;
}

void TfrAlbum::btnExcluirClick()
{
    if (temFotos() && Seams::messages().confirm(
                          QStringLiteral("Este procedimento excluirá a imagem atual.  Deseja continuar?"))) {
        TFoto foto = m_fotos.at(m_posicao);
        // a failed delete has been shown; the album is read again either way
        [[maybe_unused]] const Resultado r = foto.Excluir();
    }
    CarregarAlbum();
}

void TfrAlbum::btnNovaImagemClick()
{
    Telas::InserirImagem(this, m_identificador);
    CarregarAlbum();
}

void TfrAlbum::SpeedButton1Click()
{
    SalvarImagemComo(m_bytes);
}

void TfrAlbum::edtAjustaClick()
{
    mostrarImagem();
}
