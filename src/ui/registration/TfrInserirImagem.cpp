#include "ui/registration/TfrInserirImagem.h"

#include "model/TFoto.h"
#include "model/TPessoaFisica.h"
#include "services/Seams.h"
#include "ui/common/ImagemJpeg.h"
#include "ui/common/TeclasDeEntrada.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrInserirImagem::TfrInserirImagem(const TPessoaFisica &pessoa, QWidget *parent)
    : QDialog(parent), m_identificador(pessoa.Identificador), m_nome(pessoa.Nome)
{
    setObjectName(QStringLiteral("frInserirImagem"));
    setWindowTitle(QStringLiteral("Inserindo Imagem"));
    setModal(true);
    criarControles();
    TeclasDeEntrada::Aplicar(this);

    connect(btnSalvar, &QPushButton::clicked, this, &TfrInserirImagem::btnSalvarClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::accept);
    connect(edtAjustar, &QCheckBox::clicked, this, &TfrInserirImagem::edtAjustarClick);
}

void TfrInserirImagem::criarControles()
{
    pnlImagem = new QFrame(this);
    pnlImagem->setObjectName(QStringLiteral("pnlImagem"));
    pnlImagem->setFrameShape(QFrame::StyledPanel);
    pnlImagem->setFrameShadow(QFrame::Sunken);
    pnlImagem->setMinimumSize(420, 300);
    lblPainel = new QLabel(QStringLiteral("Duplo Clique para Adicionar Imagem"), pnlImagem);
    lblPainel->setObjectName(QStringLiteral("lblPainel"));
    lblPainel->setAlignment(Qt::AlignCenter);
    Image1 = new QLabel(pnlImagem);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    // the picture never makes the window grow: a large one is shown cut
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);
    auto *painel = new QGridLayout(pnlImagem);
    painel->addWidget(lblPainel, 0, 0);
    painel->addWidget(Image1, 0, 0);

    grpObs = new QGroupBox(QStringLiteral(" :: Observação :: "), this);
    grpObs->setObjectName(QStringLiteral("grpObs"));
    edtObs = new QPlainTextEdit(grpObs);
    edtObs->setObjectName(QStringLiteral("edtObs"));
    edtObs->setFixedHeight(64);
    auto *obs = new QVBoxLayout(grpObs);
    obs->addWidget(edtObs);

    btnSalvar = new QPushButton(QStringLiteral("Salvar"), this);
    btnSalvar->setObjectName(QStringLiteral("btnSalvar"));
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    btnSair->setObjectName(QStringLiteral("btnSair"));
    edtAjustar = new QCheckBox(QStringLiteral("Ajustar Imagem."), this);
    edtAjustar->setObjectName(QStringLiteral("edtAjustar"));

    auto *botoes = new QHBoxLayout;
    botoes->addWidget(edtAjustar);
    botoes->addStretch();
    botoes->addWidget(btnSalvar);
    botoes->addWidget(btnSair);

    auto *tudo = new QVBoxLayout(this);
    tudo->addWidget(pnlImagem, 1);
    tudo->addWidget(grpObs);
    tudo->addLayout(botoes);
}

bool TfrInserirImagem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image1) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            Image1DblClick();
            return true;
        }
        if (event->type() == QEvent::Resize)
            mostrarImagem();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrInserirImagem::mostrarImagem()
{
    lblPainel->setVisible(m_imagem.isNull());
    if (m_imagem.isNull()) {
        Image1->clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(m_imagem);
    if (edtAjustar->isChecked())
        pixmap = pixmap.scaled(Image1->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Image1->setPixmap(pixmap);
}

void TfrInserirImagem::Image1DblClick()
{
    const QString arquivo = Seams::input().openFileName(
        QStringLiteral("Inserindo Imagem para o Álbum de ") + m_nome, QString(), FiltroImagensJpeg());
    if (arquivo.isEmpty())
        return;
    // the file is checked when chosen, so a picture that cannot be stored is
    // never shown as if it could
    QByteArray bytes;
    QString erro;
    if (!LerImagemParaGravar(arquivo, bytes, erro)) {
        Seams::messages().show(erro, MessageService::Kind::Warning);
        return;
    }
    m_caminho = arquivo;
    m_imagem = DecodificarImagem(bytes);
    mostrarImagem();
}

void TfrInserirImagem::btnSalvarClick()
{
    if (m_caminho.isEmpty()) {
        Seams::messages().show(
            QStringLiteral(
                "Nenhuma imagem foi escolhida.\r\nDê um duplo clique no quadro da imagem para escolher uma."),
            MessageService::Kind::Warning);
        return;
    }
    // read again from the kept path: a second save stores the file as it is now
    QByteArray bytes;
    QString erro;
    if (!LerImagemParaGravar(m_caminho, bytes, erro)) {
        Seams::messages().show(erro, MessageService::Kind::Warning);
        return;
    }
    TFoto foto;
    foto.IdPessoa = m_identificador;
    foto.Obs = edtObs->toPlainText();
    // a refused comment stays in the memo to be corrected
    if (foto.Inserir(bytes) != Resultado::Gravado)
        return;
    m_imagem = QImage();
    mostrarImagem();
    edtObs->clear();
}

void TfrInserirImagem::edtAjustarClick()
{
    mostrarImagem();
}
