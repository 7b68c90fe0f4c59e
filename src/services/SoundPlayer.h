#pragma once

#include <QString>

// Plays the alert sounds (WAV, MP3, MID) chosen in the user settings.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing; false (and *error set) when no player can play the file.
    virtual bool play(const QString &path, QString *error) = 0;
    virtual void stop() = 0;
};
