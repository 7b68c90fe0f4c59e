#include "ui/common/TPlayer.h"

#include "services/Seams.h"

TPlayer::~TPlayer()
{
    Parar();
}

bool TPlayer::Tocar(const QString &path, QWidget *)
{
    Parar();
    QString error;
    m_tocando = Seams::sound().play(path, &error);
    if (!m_tocando)
        Seams::messages().show(error, MessageService::Kind::Warning);
    return m_tocando;
}

void TPlayer::Parar()
{
    Seams::sound().stop();
    m_tocando = false;
}
