#include "ui/maintenance/TfrBackUP.h"

#include "app/ProgramFolder.h"
#include "data/DbServices.h"
#include "data/RestauracaoSegura.h"
#include "data/ServidorRede.h"
#include "data/TDM.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "util/ArquivoCompactado.h"
#include "util/DateTime.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

const QString kBackupSecao = QStringLiteral("BACKUP");
const QString kQuebra = QStringLiteral("\r\n");

QString nativo(const QString &caminho)
{
    return QDir::toNativeSeparators(caminho);
}

// The wait cursor for as long as it lives.
struct CursorDeEspera {
    CursorDeEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorDeEspera() { QApplication::restoreOverrideCursor(); }
    CursorDeEspera(const CursorDeEspera &) = delete;
    CursorDeEspera &operator=(const CursorDeEspera &) = delete;
};

TDateTime hoje()
{
    return QDateToDateTime(Seams::clock().now().date());
}

} // namespace

TfrBackUP::TfrBackUP(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frBackUP"));
    setWindowTitle(QStringLiteral("BackUP - Restore"));
    setModal(true);
    criarControles();
    connect(btnDestFile, &QPushButton::clicked, this, &TfrBackUP::btnDestFileClick);
    connect(btnCompress, &QPushButton::clicked, this, [this] { (void)FazerBackup(); });
    connect(btnUnCompress, &QPushButton::clicked, this, [this] { (void)FazerRestore(); });
    connect(btnBackUPEmail, &QPushButton::clicked, this, &TfrBackUP::EnviarBackup);
    connect(btnCopiar, &QPushButton::clicked, this, [this] { (void)CopiarBase(); });
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    connect(edFilename, &QLineEdit::textChanged, this, &TfrBackUP::atualizarBotoes);
    connect(edSrcFolder, &QLineEdit::textChanged, this, &TfrBackUP::atualizarBotoes);
    connect(edDestFolder, &QLineEdit::textChanged, this, &TfrBackUP::atualizarBotoes);
    FormShow();
}

void TfrBackUP::criarControles()
{
    auto campo = [this](const char *nome) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(nome));
        e->setReadOnly(true);
        e->setMinimumWidth(380);
        return e;
    };
    auto botao = [this](const char *nome, const QString &texto) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    edSrcFolder = campo("edSrcFolder");
    edFilename = campo("edFilename");
    edDestFolder = campo("edDestFolder");
    btnDestFile = botao("btnDestFile", QStringLiteral("..."));
    btnDestFile->setFixedWidth(32);
    btnCompress = botao("btnCompress", QStringLiteral("BackUP"));
    btnUnCompress = botao("btnUnCompress", QStringLiteral("Restore"));
    btnBackUPEmail = botao("btnBackUPEmail", QStringLiteral("BackUP e Email"));
    btnCopiar = botao("btnCopiar", QStringLiteral("Copiar Base Para"));
    btnSair = botao("btnSair", QStringLiteral("Sair"));
    lblFilename = new QLabel(this);
    lblFilename->setObjectName(QStringLiteral("lblFilename"));
    lblFilename->setMinimumHeight(lblFilename->fontMetrics().height() * 2);
    lblFilename->setWordWrap(true);
    pbProgress = new QProgressBar(this);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->setTextVisible(false);
    pbProgress->setValue(0);

    auto *grade = new QGridLayout;
    grade->addWidget(new QLabel(QStringLiteral("Origem da Base de Dados"), this), 0, 0, 1, 2);
    grade->addWidget(edSrcFolder, 1, 0);
    grade->addWidget(new QLabel(QStringLiteral("Destino do Arquivo de BackUP"), this), 2, 0, 1, 2);
    grade->addWidget(edFilename, 3, 0);
    grade->addWidget(btnDestFile, 3, 1);
    grade->addWidget(new QLabel(QStringLiteral("Descompactar na Pasta"), this), 4, 0, 1, 2);
    grade->addWidget(edDestFolder, 5, 0);

    auto *botoes = new QHBoxLayout;
    botoes->addWidget(btnCompress);
    botoes->addWidget(btnUnCompress);
    botoes->addWidget(btnBackUPEmail);
    botoes->addWidget(btnCopiar);
    botoes->addStretch();
    botoes->addWidget(btnSair);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grade);
    layout->addSpacing(6);
    layout->addLayout(botoes);
    layout->addWidget(lblFilename);
    layout->addWidget(pbProgress);
}

void TfrBackUP::FormShow()
{
    lblFilename->setText(QStringLiteral("BackUP ainda não realizado!!"));
    if (SettingsHasSection(kBackupSecao))
        mostrarUltimoBackup();
    edFilename->setText(nativo(ReadSettingText(kBackupSecao, QStringLiteral("LOCAL"))));
    edSrcFolder->setText(nativo(ProgramPath(QStringLiteral("DB/"))));
    edDestFolder->setText(nativo(ProgramPath(QStringLiteral("DB/BackUP"))));
    btnCopiar->setToolTip(QStringLiteral("Copiar BASE para: ") + nativo(pastaDoArquivo()));
    atualizarBotoes();
}

void TfrBackUP::mostrarUltimoBackup()
{
    lblFilename->setText(FormatDateTime(QStringLiteral("\"Último backup realizado em:\" dd/mm/yyyy"),
                                        ReadSettingDate(kBackupSecao, QStringLiteral("DATA"))));
}

void TfrBackUP::atualizarBotoes()
{
    btnCompress->setEnabled(QDir(edSrcFolder->text()).exists() && !edFilename->text().isEmpty());
    btnUnCompress->setEnabled(!edDestFolder->text().isEmpty());
}

QString TfrBackUP::arquivoBackup() const
{
    return QDir::fromNativeSeparators(edFilename->text());
}

QString TfrBackUP::pastaDoArquivo() const
{
    return QFileInfo(arquivoBackup()).absolutePath() + QLatin1Char('/');
}

QString TfrBackUP::copiaDaBase() const
{
    return pastaDoArquivo() + QStringLiteral("Orvalha") +
           FormatDateTime(QStringLiteral("_yyyy_mm_dd"), hoje()) + QStringLiteral(".FDB");
}

QString TfrBackUP::baseDeDados()
{
    return ProgramPath(QStringLiteral("DB/Orvalha.FDB"));
}

void TfrBackUP::mostrar(const QString &texto)
{
    lblFilename->setText(texto);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrBackUP::progresso(qint64 feito, qint64 total)
{
    // the sizes fit an int: the archive refuses files of 2 GiB or more
    const int passo = total > 0 ? int(feito * 100 / total) : 100;
    pbProgress->setMaximum(int(qMin<qint64>(total, std::numeric_limits<int>::max())));
    pbProgress->setValue(int(qMin<qint64>(feito, std::numeric_limits<int>::max())));
    if (passo != m_ultimoPasso) {
        m_ultimoPasso = passo;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void TfrBackUP::desconectar()
{
    if (TDM *dm = TDM::instance())
        dm->BancoDados.disconnect();
}

void TfrBackUP::reconectar()
{
    TDM *dm = TDM::instance();
    if (!dm || dm->BancoDados.isConnected())
        return;
    QString erro;
    if (!dm->Reconectar(&erro))
        Seams::messages().show(erro, MessageService::Kind::Error);
}

void TfrBackUP::btnDestFileClick()
{
    const QString pasta =
        Seams::input().folderName(QStringLiteral("Pasta onde ficará o arquivo"), edDestFolder->text());
    if (pasta.isEmpty())
        return;
    edFilename->setText(nativo(QDir(pasta).filePath(QStringLiteral("Orvalha.z"))));
    btnCopiar->setToolTip(QStringLiteral("Copiar BASE para: ") + nativo(pastaDoArquivo()));
}

bool TfrBackUP::FazerBackup()
{
    QDir().mkpath(ProgramPath(QStringLiteral("DB/BackUP")));
    desconectar();
    const auto reabrir = qScopeGuard([this] { reconectar(); });
    if (!Seams::messages().confirm(QStringLiteral("Deseja realizar a operação de BACKUP agora?")))
        return false;
    const QString arquivo = arquivoBackup();
    if (!QDir().mkpath(pastaDoArquivo())) {
        Seams::messages().show(QStringLiteral("Não foi possível criar a pasta ") + nativo(pastaDoArquivo()) +
                                   QStringLiteral(".\r\nBackUP NÃO realizado."),
                               MessageService::Kind::Error);
        return false;
    }

    mostrar(QStringLiteral("Backup iniciado..."));
    // on a server, the server backs up and the file comes through the connection
    const ServidorRede servidor = ServidorRede::Ler();
    const DbResult backup =
        emRede() ? DbServices::NoServidor(servidor).backupParaArquivo(
                       servidor.banco, arquivoBck(),
                       [this](qint64 bytes) {
                           mostrar(QStringLiteral("Recebendo o BackUP do servidor: %1 KB").arg(bytes / 1024));
                       })
                 : DbServices().backup(baseDeDados(), arquivoBck(), [this](const QString &l) { mostrar(l); });
    if (!backup) {
        mostrar(QStringLiteral("BackUP NÃO realizado."));
        Seams::messages().show(backup.error, MessageService::Kind::Error);
        return false;
    }
    mostrar(QStringLiteral("Backup concluído."));

    ResultadoArquivo pacote;
    {
        const CursorDeEspera espera;
        mostrar(QString());
        pbProgress->setValue(0);
        m_ultimoPasso = -1;
        pacote =
            CompactarArquivos({arquivoBck()}, arquivo, [this](const QString &f, qint64 feito, qint64 total) {
                if (feito == 0)
                    mostrar(nativo(f));
                progresso(feito, total);
            });
    }
    pbProgress->setValue(0);
    if (!pacote) {
        mostrar(QStringLiteral("BackUP NÃO realizado."));
        Seams::messages().show(pacote.erro, MessageService::Kind::Error);
        return false;
    }
    if (!WriteSettingDate(kBackupSecao, QStringLiteral("DATA"), hoje()) ||
        !WriteSettingText(kBackupSecao, QStringLiteral("LOCAL"), arquivo))
        Seams::messages().show(
            QStringLiteral("O BackUP foi feito, mas não foi possível anotar a data no arquivo ") +
                nativo(SettingsFilePath()) + QLatin1Char('.'),
            MessageService::Kind::Warning);
    mostrarUltimoBackup();
    return true;
}

bool TfrBackUP::FazerRestore()
{
    QDir().mkpath(pastaDoArquivo());
    QDir().mkpath(ProgramPath(QStringLiteral("DB/BackUP")));
    desconectar();
    const auto reabrir = qScopeGuard([this] { reconectar(); });
    if (!Seams::messages().confirm(QStringLiteral("Deseja realizar a operação de RESTORE agora?")))
        return false;
    const QString arquivo = arquivoBackup();
    if (!QFileInfo(arquivo).isFile()) {
        Seams::messages().show(QStringLiteral("Arquivo ") + nativo(arquivo) +
                               QStringLiteral(" não encontrado!"));
        return false;
    }

    ResultadoArquivo pacote;
    {
        const CursorDeEspera espera;
        mostrar(QString());
        pbProgress->setValue(0);
        m_ultimoPasso = -1;
        pacote = DescompactarArquivo(
            arquivo, QDir::fromNativeSeparators(edDestFolder->text()),
            [this](const QString &, qint64 feito, qint64 total) { progresso(feito, total); });
    }
    pbProgress->setValue(0);
    const auto recusar = [this](const QString &erro) {
        mostrar(QStringLiteral("Restore NÃO realizado."));
        Seams::messages().show(erro + QStringLiteral("\r\nA base de dados não foi alterada."),
                               MessageService::Kind::Error);
        return false;
    };
    if (!pacote)
        return recusar(pacote.erro);
    QString bck;
    for (const QString &f : std::as_const(pacote.arquivos))
        if (bck.isEmpty() &&
            QFileInfo(f).fileName().compare(QStringLiteral("Orvalha.bck"), Qt::CaseInsensitive) == 0)
            bck = f;
    if (bck.isEmpty())
        return recusar(QStringLiteral("O arquivo ") + nativo(arquivo) +
                       QStringLiteral(" não contém o BackUP da base de dados (Orvalha.bck)."));

    mostrar(QStringLiteral("Restore iniciado..."));
    const auto linha = [this](const QString &l) { mostrar(l); };
    const ResultadoRestauracao r =
        emRede() ? RestaurarNoServidor(ServidorRede::Ler(), bck, ProgramPath(QStringLiteral("DB/BackUP/")),
                                       Seams::clock().now(), linha)
                 : RestaurarBase(DbServices(), bck, baseDeDados(), Seams::clock().now(), linha);
    if (!r)
        return recusar(r.erro);
    mostrar(QStringLiteral("Restore concluído."));
    mostrar(QStringLiteral("Restore realizado!!"));
    return true;
}

void TfrBackUP::EnviarBackup()
{
    QString email = ReadSettingText(kBackupSecao, QStringLiteral("EMAIL"));
    (void)FazerBackup();
    const std::optional<QString> destino = Seams::input().inputBox(
        QStringLiteral("Destino do BackUP"), QStringLiteral("Email de Destino:"), email);
    if (destino) {
        email = destino->trimmed();
        const QString arquivo = arquivoBackup();
        if (!QFileInfo(arquivo).isFile()) {
            Seams::messages().show(QStringLiteral("Arquivo ") + nativo(arquivo) +
                                       QStringLiteral(" não encontrado!\r\nFaça o BackUP antes de enviá-lo."),
                                   MessageService::Kind::Warning);
        } else {
            MailHandoffMessage m;
            m.to = QStringList{email};
            m.subject = QStringLiteral("Orvalha -- BackUP");
            m.attachments = QStringList{arquivo};
            m.body = QStringLiteral("-----------") + kQuebra +
                     QStringLiteral("BackUP do Aplicativo Orvalha") + kQuebra +
                     QStringLiteral(
                         "Para o restore você deverá salvar o arquivo em anexo neste backup <<ORVALHA.Z>> em "
                         "uma pasta qualquer ") +
                     kQuebra +
                     QStringLiteral(
                         "de seu computador. E em seguida no software Orvalha, acesse o menu Serviços -->> "
                         "BackUP -- Restoure, coloque na \"Destino do Arquivo de Backup\" a pasta onde você "
                         "salvou o arquivo e clique no btão \"Restore\".") +
                     kQuebra + QStringLiteral("Qualquer problema é só entrar em contato pelo email ") +
                     SupportAddress() + kQuebra + QStringLiteral("-----------") + kQuebra +
                     FormatDateTime(QStringLiteral("\"Data de envio: \"dd/mm/yyyy -- hh:nn:ss"),
                                    QDateTimeToDateTime(Seams::clock().now())) +
                     kQuebra + QStringLiteral("-----------");
            QString erro;
            if (!Seams::mailHandoff().handOff(m, &erro))
                Seams::messages().show(erro, MessageService::Kind::Error);
        }
    }
    if (!WriteSettingText(kBackupSecao, QStringLiteral("EMAIL"), email))
        Seams::messages().show(QStringLiteral("Não foi possível gravar o endereço no arquivo ") +
                                   nativo(SettingsFilePath()) + QLatin1Char('.'),
                               MessageService::Kind::Warning);
}

bool TfrBackUP::emRede()
{
    return TDM::instance() ? TDM::instance()->EmRede() : ServidorRede::Ler().ativo();
}

bool TfrBackUP::CopiarBase()
{
    if (emRede()) {
        // the file is on the server's disk, out of this desktop's reach
        Seams::messages().show(
            QStringLiteral("Com o banco de dados num servidor da rede, a cópia do arquivo só "
                           "pode ser feita no próprio servidor. Use o BackUP."),
            MessageService::Kind::Warning);
        return false;
    }
    desconectar();
    const auto reabrir = qScopeGuard([this] { reconectar(); });
    const QString copia = copiaDaBase();
    QDir().mkpath(pastaDoArquivo());
    // QFile::copy never overwrites: an older copy of the same day goes first
    if ((QFile::exists(copia) && !QFile::remove(copia)) || !QFile::copy(baseDeDados(), copia)) {
        Seams::messages().show(QStringLiteral("Não foi possível copiar a base de dados para ") +
                                   nativo(copia) + QLatin1Char('.'),
                               MessageService::Kind::Error);
        return false;
    }
    mostrar(QStringLiteral("Base de dados copiada para ") + nativo(copia));
    return true;
}

void TfrBackUP::done(int result)
{
    (void)WriteSettingText(kBackupSecao, QStringLiteral("LOCAL"), arquivoBackup());
    QDialog::done(result);
}
