#pragma once

#include <QString>

class QWidget;

// The user settings' sound player: plays a WAV, MP3 or MID file through the
// program's sound player and stops it again. Destroying it stops playback.
class TPlayer {
public:
    TPlayer() = default;
    ~TPlayer();
    TPlayer(const TPlayer &) = delete;
    TPlayer &operator=(const TPlayer &) = delete;

    // Starts playing; a file no player can play gives a message and false.
    bool Tocar(const QString &path, QWidget *owner = nullptr);
    void Parar();

private:
    bool m_tocando = false;
};
