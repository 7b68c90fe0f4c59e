#pragma once

#include "model/Resultado.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Database;

// One photo of an individual's album (table IMAGEM). The picture travels as
// the bytes to store (a JPEG file's own bytes, prepared by the screen that
// chose it); the record holds only the person, the identifier and the caption.
// Every operation that fails shows its statement, a line break and the reason.
class TFoto {
public:
    TFoto();
    explicit TFoto(Database &db);

    qint32 IdPessoa = 0; // ID_PESSOA, the individual
    qint32 IdImagem = 0; // ID_IMAGEM
    QString Obs;         // OBS, the caption (at most 200 characters)

    // Writes a new photo with `foto` and takes the identifier the database
    // gave it; shows "Imagem inserida com sucesso!". Falhou, with nothing
    // written, for empty picture bytes or a caption the column cannot hold.
    Resultado Inserir(const QByteArray &foto);
    // Rewrites picture and caption of IdImagem (empty bytes store no
    // picture); shows "Dados atualizados com sucesso!". Falhou also when the
    // photo is gone.
    Resultado Alterar(const QByteArray &foto);
    // Deletes the photo IdImagem; shows "Imagem excluída com sucesso!".
    Resultado Excluir();

    // The stored picture and caption of IdImagem. False when there is no such
    // photo (nothing shown) or on an error (shown); the record is then left
    // as it was and `foto` emptied.
    [[nodiscard]] bool Carregar(QByteArray &foto);

    // The photos of one individual without their pictures, in the order they
    // were added (by identifier), from one statement. An error is shown and
    // gives an empty list with *ok false.
    static QList<TFoto> Album(qint32 idPessoa, bool *ok = nullptr);
    static QList<TFoto> Album(Database &db, qint32 idPessoa, bool *ok = nullptr);

private:
    Database &db() const;
    Database *m_db;
};
