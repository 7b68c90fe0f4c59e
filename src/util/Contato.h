#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// One contact as address books exchange it (vCard, CSV), before it becomes
// an individual or a company: every text as the file had it.
struct Contato {
    enum class TipoFone { Celular, Residencial, Comercial, Fax, Outro };
    struct Fone {
        TipoFone tipo = TipoFone::Outro;
        QString numero; // as written in the file
        QString rotulo; // the file's own label ("Pager", "Work Fax"), for the notes
    };
    struct Email {
        QString endereco;
        QString rotulo;
    };
    struct Endereco {
        QString rotulo;      // "home", "work", ...
        QString caixaPostal; // post-office box
        QString complemento; // extended address
        QString rua;         // street; a second line, when present, is the district
        QString cidade;
        QString estado;
        QString cep;
        QString pais;
        bool vazio() const;
        // One line for the notes.
        QString texto() const;
    };
    // A value no column holds, kept with its label for the notes.
    struct Extra {
        QString rotulo;
        QString valor;
    };

    QString nomeFormatado; // FN
    QString prefixo;       // N: honorific prefix
    QString prenome;       // N: given name
    QString nomesMeio;     // N: additional names
    QString sobrenome;     // N: family name
    QString sufixo;        // N: honorific suffix
    QString apelido;
    QString organizacao;
    QString cargo;
    bool empresa = false; // the file itself says it is an organisation
    QList<Fone> fones;
    QList<Email> emails;
    QList<Endereco> enderecos;
    QDate aniversario;
    QString notas;
    QStringList sites;
    QStringList categorias;
    QByteArray foto; // the picture's own bytes
    QList<Extra> extras;

    // FN, or the name parts joined, or the organisation.
    QString nomeExibido() const;

    // A file in UTF-16 (with its byte order mark, as some Windows address
    // books write) as UTF-8; any other file as it is.
    static QByteArray semUtf16(const QByteArray &arquivo);
};
