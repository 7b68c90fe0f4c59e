#pragma once

#include <QList>
#include <QString>

// A company's contact person on a label: name and function.
struct TContato {
    QString Nome;
    QString Funcao;
    bool vazio() const { return Nome.isEmpty() && Funcao.isEmpty(); }
};

// One address collected for labels and envelopes.
struct EnderecoEtiqueta {
    QString Titulo;        // an individual's form of address
    QString Nome;          // with " :: " and the profession when collected with Ctrl
    QString LocalTrabalho; // an individual's work place, when collected with Shift
    QString Rua;
    qint32 Numero = 0; // 0: no number
    QString Bairro;
    QString Cidade;
    QString Estado;
    qint32 CEP = 0;
    qint32 CP = 0; // post-office box, 0: none
    QString Complemento;
    TContato Contato;

    // The grid's name cell: with the contact's name, or with the form of address.
    QString NomeNaLista() const;
};

// One line of text on a label or an envelope: its offset below the label's
// (or envelope's) corner in centimetres and its size in points (0: the
// chosen font's own size).
struct LinhaEtiqueta {
    QString Texto;
    double Deslocamento = 0;
    double Pontos = 0;
    bool operator==(const LinhaEtiqueta &o) const = default;
};

// The postal code as "01234-567".
QString CepEtiqueta(qint32 cep);

// The lines of a label. The first label of a job starts a little lower;
// `selecionados`: printing the selection, whose street line has no blank
// before the comma.
QList<LinhaEtiqueta> LinhasEtiqueta(const EnderecoEtiqueta &e, double passoLinha, bool primeira,
                                    bool selecionados);

// The lines of an envelope: the name in 12 pt, the rest in 10 pt.
QList<LinhaEtiqueta> LinhasEnvelope(const EnderecoEtiqueta &e);
