#include "ui/reports/TqrpListaPJ.h"

#include "ui/reports/TqrpLista.h"

using namespace Relatorio;

QStringList TqrpListaPJ::Colunas()
{
    return {QStringLiteral("NOME"), QStringLiteral("CIDADE"),   QStringLiteral("ESTADO"),
            QStringLiteral("FONE"), QStringLiteral("FONE_FAX"), QStringLiteral("HOME_PAGE"),
            QStringLiteral("EMAIL")};
}

Definicao TqrpListaPJ::Definicao()
{
    Relatorio::Definicao d;
    d.titulo = TqrpLista::Titulo(QStringLiteral("Pessoa Jurídica"));
    d.bandas << TqrpLista::CabecalhoPagina();

    Banda grupo;
    grupo.tipo = TipoBanda::CabecalhoGrupo;
    grupo.altura = 7.4;
    grupo.fundo = QColor(0xbf, 0xcd, 0xdb);
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
    Item cidade = TqrpLista::Campo(115.1, 1.1, QStringLiteral("CIDADE"));
    cidade.aoImprimir = [](const QString &t) { return QStringLiteral("Cidade: ") + t; };
    Item uf = TqrpLista::Campo(170.4, 1.1, QStringLiteral("ESTADO"));
    uf.aoImprimir = [](const QString &t) { return QStringLiteral("UF: ") + t; };
    det.itens << TqrpLista::Campo(4.0, 1.1, QStringLiteral("NOME")) << cidade << uf;
    det.itens << TqrpLista::Rotulo(3.7, 7.4, QStringLiteral("Fone: "))
              << TqrpLista::Fone(14.0, 7.4, QStringLiteral("FONE"))
              << TqrpLista::Rotulo(37.3, 7.4, QStringLiteral("Fax: "))
              << TqrpLista::Fone(45.8, 7.4, QStringLiteral("FONE_FAX"))
              << TqrpLista::Rotulo(69.6, 7.4, QStringLiteral("Site: "))
              << TqrpLista::Campo(78.3, 7.4, QStringLiteral("HOME_PAGE"))
              << TqrpLista::Rotulo(123.8, 7.4, QStringLiteral("Email: "))
              << TqrpLista::Campo(135.5, 7.4, QStringLiteral("EMAIL"));
    d.bandas << det;
    return d;
}
