#include "ui/registration/TfrMostraImg.h"

#include "model/THistorico.h"
#include "services/Seams.h"
#include "ui/common/ImagemJpeg.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// The history entry whose picture is shown.
THistorico entrada(qint32 identificador)
{
    THistorico h;
    h.Identificador = identificador;
    return h;
}

void mostrarFalha(const DbResult &r)
{
    Seams::messages().show(r.sql + QStringLiteral("\r\n") + r.error, MessageService::Kind::Error);
}

} // namespace

TfrMostraImg::TfrMostraImg(qint32 identificador, QWidget *parent)
    : QDialog(parent), m_identificador(identificador)
{
    setObjectName(QStringLiteral("frMostraImg"));
    setWindowTitle(QStringLiteral("Mostra Imagem..."));
    setModal(true);

    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setAlignment(Qt::AlignCenter);
    ScrollBox1->setWidget(Image1);

    auto botao = [this](const char *nome, const QString &texto) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        return b;
    };
    btnSalvar_Em_Disco = botao("btnSalvar_Em_Disco", QStringLiteral("Salvar Como..."));
    SpeedButton1 = botao("SpeedButton1", QStringLiteral("Limpar Imagem"));
    SpeedButton2 = botao("SpeedButton2", QStringLiteral("Sair"));
    edtAjusta = new QCheckBox(QStringLiteral("Ajustar Tamanho?"), this);
    edtAjusta->setObjectName(QStringLiteral("edtAjusta"));

    connect(btnSalvar_Em_Disco, &QPushButton::clicked, this, &TfrMostraImg::btnSalvar_Em_DiscoClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrMostraImg::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TfrMostraImg::SpeedButton2Click);
    connect(edtAjusta, &QCheckBox::toggled, this, &TfrMostraImg::edtAjustaClick);

    auto *botoes = new QHBoxLayout;
    botoes->addWidget(edtAjusta);
    botoes->addStretch(1);
    botoes->addWidget(btnSalvar_Em_Disco);
    botoes->addWidget(SpeedButton1);
    botoes->addWidget(SpeedButton2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ScrollBox1, 1);
    layout->addLayout(botoes);
    resize(640, 520);
}

void TfrMostraImg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_mostrada && !event->spontaneous()) {
        m_mostrada = true;
        FormShow();
    }
}

void TfrMostraImg::FormShow()
{
    QByteArray bytes;
    const DbResult r = entrada(m_identificador).LerImagem(bytes);
    if (!r) {
        mostrarFalha(r);
        return;
    }
    m_bytes = bytes;
    mostrarImagem();
}

// Bytes that do not decode show an empty picture, without a message.
void TfrMostraImg::mostrarImagem()
{
    const QImage imagem = DecodificarImagem(m_bytes);
    if (imagem.isNull()) {
        Image1->clear();
        Image1->setScaledContents(false);
        ScrollBox1->setWidgetResizable(true);
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(imagem));
    if (edtAjusta->isChecked()) {
        // stretched over the whole viewing area
        Image1->setScaledContents(true);
        ScrollBox1->setWidgetResizable(true);
    } else {
        // its own size, centred
        Image1->setScaledContents(false);
        ScrollBox1->setWidgetResizable(false);
        Image1->adjustSize();
    }
}

void TfrMostraImg::btnSalvar_Em_DiscoClick()
{
    SalvarImagemComo(m_bytes);
}

void TfrMostraImg::SpeedButton1Click()
{
    const DbResult r = entrada(m_identificador).LimparImagem();
    if (!r) {
        mostrarFalha(r);
        return;
    }
    m_bytes.clear();
    mostrarImagem();
}

void TfrMostraImg::SpeedButton2Click()
{
    close();
}

void TfrMostraImg::edtAjustaClick()
{
    mostrarImagem();
}
