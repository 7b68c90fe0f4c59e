#include "ui/common/MediaSoundPlayer.h"

#include "services/Seams.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString cannotPlay(const QString &path)
{
    return QStringLiteral("Não foi possível tocar o arquivo \"%1\".").arg(path);
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString program(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString generalMidiSoundFont()
{
    static const char *const candidates[] = {
        "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/sounds/sf3/default-GM.sf3",
        "/usr/share/soundfonts/default.sf2",    "/usr/share/soundfonts/FluidR3_GM.sf2",
    };
    for (const char *c : candidates)
        if (QFileInfo(QString::fromLatin1(c)).isFile())
            return QString::fromLatin1(c);
    return {};
}

} // namespace

MediaSoundPlayer::MediaSoundPlayer() = default;

MediaSoundPlayer::~MediaSoundPlayer()
{
    stop();
    delete m_host.data();
}

QObject *MediaSoundPlayer::host()
{
    if (!m_host)
        m_host = new QObject(QCoreApplication::instance());
    return m_host;
}

QStringList MediaSoundPlayer::midiCommand(const QString &path)
{
    const QString timidity = program("timidity");
    if (!timidity.isEmpty())
        return {timidity, QStringLiteral("-id"), path};
    const QString fluidsynth = program("fluidsynth");
    const QString font = generalMidiSoundFont();
    if (!fluidsynth.isEmpty() && !font.isEmpty())
        return {fluidsynth, QStringLiteral("-n"), QStringLiteral("-i"), QStringLiteral("-q"), font, path};
    return {};
}

QStringList MediaSoundPlayer::fallbackCommand(const QString &path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("wav")) {
        for (const char *name : {"paplay", "pw-play"}) {
            const QString p = program(name);
            if (!p.isEmpty())
                return {p, path};
        }
        const QString aplay = program("aplay");
        if (!aplay.isEmpty())
            return {aplay, QStringLiteral("-q"), path};
    }
    if (ext == QLatin1String("mp3")) {
        const QString mpg123 = program("mpg123");
        if (!mpg123.isEmpty())
            return {mpg123, QStringLiteral("-q"), path};
    }
    const QString ffplay = program("ffplay");
    if (!ffplay.isEmpty() && ext != QLatin1String("mid") && ext != QLatin1String("midi"))
        return {ffplay,
                QStringLiteral("-nodisp"),
                QStringLiteral("-autoexit"),
                QStringLiteral("-loglevel"),
                QStringLiteral("quiet"),
                path};
    return {};
}

bool MediaSoundPlayer::play(const QString &path, QString *error)
{
    stop();
    const QFileInfo info(path);
    if (!info.isFile())
        return fail(error, cannotPlay(path) + QStringLiteral(" O arquivo não existe."));
    const QString absolute = info.absoluteFilePath();
    const QString ext = info.suffix().toLower();
    if (ext == QLatin1String("mid") || ext == QLatin1String("midi")) {
        const QStringList command = midiCommand(absolute);
        if (command.isEmpty())
            return fail(error, cannotPlay(path) +
                                   QStringLiteral(" Nenhum sintetizador MIDI está instalado (timidity, ou "
                                                  "fluidsynth com um banco de sons General MIDI)."));
        return startProgram(command, path, error);
    }
    return playMedia(absolute, error);
}

bool MediaSoundPlayer::playMedia(const QString &path, QString *error)
{
    // Without an audio output (a headless session, a machine with no sound
    // server) Qt's player would only fail later; the fallback may still reach
    // a device Qt does not list.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        const QStringList command = fallbackCommand(path);
        if (command.isEmpty())
            return fail(error, cannotPlay(path) + QStringLiteral(" Não há saída de áudio disponível."));
        return startProgram(command, path, error);
    }
    if (!m_media) {
        m_media = new QMediaPlayer(host());
        m_output = new QAudioOutput(m_media);
        m_media->setAudioOutput(m_output);
        QObject::connect(m_media, &QMediaPlayer::errorOccurred, m_media,
                         [this](QMediaPlayer::Error, const QString &reason) {
                             mediaFailed(m_media->source().toLocalFile(), reason);
                         });
    }
    if (!m_media->isAvailable()) {
        const QStringList command = fallbackCommand(path);
        if (command.isEmpty())
            return fail(error,
                        cannotPlay(path) + QStringLiteral(" A reprodução de mídia não está disponível."));
        return startProgram(command, path, error);
    }
    m_media->setSource(QUrl::fromLocalFile(path));
    m_media->play();
    return true;
}

void MediaSoundPlayer::mediaFailed(const QString &path, const QString &reason)
{
    if (path.isEmpty())
        return;
    m_media->stop();
    const QStringList command = fallbackCommand(path);
    QString error;
    if (!command.isEmpty() && startProgram(command, path, &error))
        return;
    Seams::messages().show(command.isEmpty() ? cannotPlay(path) + QLatin1Char(' ') + reason : error,
                           MessageService::Kind::Warning);
}

bool MediaSoundPlayer::startProgram(const QStringList &command, const QString &path, QString *error)
{
    auto *process = new QProcess(host());
    process->setProgram(command.first());
    process->setArguments(command.mid(1));
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const QString name = QFileInfo(command.first()).fileName();
    // A player that ends with an error (often: no audio device) is reported
    // once it ends; stop() disconnects first, so a stopped player says nothing.
    QObject::connect(
        process, &QProcess::finished, process, [process, path, name](int code, QProcess::ExitStatus status) {
            process->deleteLater();
            if (status != QProcess::NormalExit || code != 0)
                Seams::messages().show(cannotPlay(path) +
                                           QStringLiteral(" O programa %1 terminou com erro.").arg(name),
                                       MessageService::Kind::Warning);
        });
    process->start();
    if (!process->waitForStarted(5000)) {
        process->disconnect();
        process->kill();
        process->deleteLater();
        return fail(error,
                    cannotPlay(path) + QStringLiteral(" O programa %1 não pôde ser iniciado.").arg(name));
    }
    m_process = process;
    return true;
}

void MediaSoundPlayer::stop()
{
    if (m_media)
        m_media->stop();
    if (m_process) {
        QProcess *process = m_process;
        m_process = nullptr;
        process->disconnect();
        process->kill();
        process->waitForFinished(2000);
        process->deleteLater();
    }
}

void InstallMediaSoundPlayer()
{
    Seams::setSound(std::make_unique<MediaSoundPlayer>());
}
