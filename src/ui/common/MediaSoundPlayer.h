#pragma once

#include "services/SoundPlayer.h"

#include <QPointer>
#include <QStringList>

class QAudioOutput;
class QMediaPlayer;
class QProcess;

// The alert sounds of the user settings: WAV and MP3 through Qt Multimedia,
// MIDI through a synthesizer program (timidity, or fluidsynth with a General
// MIDI sound font). When Qt cannot play a file the sound server's own player
// takes over (paplay, pw-play or aplay for WAV; mpg123 or ffplay otherwise).
// Playback runs on; a failure noticed only then is shown through the message
// seam.
class MediaSoundPlayer : public SoundPlayer {
public:
    MediaSoundPlayer();
    ~MediaSoundPlayer() override;

    bool play(const QString &path, QString *error) override;
    void stop() override;

    // The program and arguments that would play a MIDI file; empty when no
    // synthesizer is installed.
    static QStringList midiCommand(const QString &path);
    // The external player for a file Qt cannot play; empty when there is none.
    static QStringList fallbackCommand(const QString &path);

private:
    QObject *host();
    bool playMedia(const QString &path, QString *error);
    bool startProgram(const QStringList &command, const QString &path, QString *error);
    void mediaFailed(const QString &path, const QString &reason);

    // Owned by the application object, so that the players go away with it
    // even when the seams outlive it at exit.
    QPointer<QObject> m_host;
    QMediaPlayer *m_media = nullptr;
    QAudioOutput *m_output = nullptr;
    QPointer<QProcess> m_process;
};

// Installs the player into the sound seam (after the application object
// exists).
void InstallMediaSoundPlayer();
