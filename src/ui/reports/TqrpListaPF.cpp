#include "ui/reports/TqrpListaPF.h"

#include "ui/reports/TqrpLista.h"

using namespace Relatorio;

QStringList TqrpListaPF::Colunas()
{
    return {QStringLiteral("TRATAMENTO"),       QStringLiteral("NOME"),
            QStringLiteral("CIDADE"),           QStringLiteral("ESTADO"),
            QStringLiteral("FONE_RESIDENCIAL"), QStringLiteral("FONE_COMERCIAL"),
            QStringLiteral("FONE_CELULAR"),     QStringLiteral("EMAIL")};
}

Definicao TqrpListaPF::Definicao()
{
    Relatorio::Definicao d;
    d.titulo = TqrpLista::Titulo(QStringLiteral("Pessoa Física"));
    d.bandas << TqrpLista::CabecalhoPagina();

    Banda grupo;
    grupo.tipo = TipoBanda::CabecalhoGrupo;
    grupo.altura = 7.4;
    grupo.fundo = QColor(0xbf, 0xcd, 0xdb); // the inactive caption's gradient
    grupo.quebra = TqrpLista::PrimeiraLetra;
    Item letra;
    letra.tipo = TipoItem::Expressao;
    letra.esquerda = 0.5;
    letra.topo = 0.5;
    letra.fonte.pontos = 16;
    letra.fonte.negrito = true;
    letra.expressao = TqrpLista::PrimeiraLetra;
    grupo.itens << letra;
    d.bandas << grupo;

    Banda det;
    det.altura = 12.7;
    det.linhaAbaixo = true;
    Item nome;
    nome.tipo = TipoItem::Expressao;
    nome.esquerda = 4.0;
    nome.topo = 1.1;
    // an empty title leaves the blank in front of the name
    nome.expressao = [](const Registro &r) {
        return r.valor(QStringLiteral("TRATAMENTO")) + QLatin1Char(' ') + r.valor(QStringLiteral("NOME"));
    };
    det.itens << nome;
    Item cidade = TqrpLista::Campo(115.1, 1.1, QStringLiteral("CIDADE"));
    cidade.aoImprimir = [](const QString &t) { return QStringLiteral("Cidade: ") + t; };
    Item uf = TqrpLista::Campo(170.4, 1.1, QStringLiteral("ESTADO"));
    uf.aoImprimir = [](const QString &t) { return QStringLiteral("UF: ") + t; };
    det.itens << cidade << uf;
    det.itens << TqrpLista::Rotulo(3.7, 7.4, QStringLiteral("Res.: "))
              << TqrpLista::Fone(13.8, 7.4, QStringLiteral("FONE_RESIDENCIAL"))
              << TqrpLista::Rotulo(37.3, 7.4, QStringLiteral("Com.: "))
              << TqrpLista::Fone(48.9, 7.4, QStringLiteral("FONE_COMERCIAL"))
              << TqrpLista::Rotulo(76.2, 7.4, QStringLiteral("Cel.: "))
              << TqrpLista::Fone(85.5, 7.4, QStringLiteral("FONE_CELULAR"))
              << TqrpLista::Rotulo(113.0, 7.4, QStringLiteral("Email: "))
              << TqrpLista::Campo(125.1, 7.4, QStringLiteral("EMAIL"));
    d.bandas << det;
    return d;
}
