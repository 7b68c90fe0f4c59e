#include "ui/reports/TqrpListaPC.h"

#include "ui/reports/TqrpLista.h"

using namespace Relatorio;

QStringList TqrpListaPC::Colunas()
{
    return {QStringLiteral("NOME"),   QStringLiteral("FONE"),  QStringLiteral("HOME_PAGE"),
            QStringLiteral("EMAIL"),  QStringLiteral("NOME1"), QStringLiteral("FUNCAO"),
            QStringLiteral("FONE1"),  QStringLiteral("RAMAL"), QStringLiteral("EMAIL1"),
            QStringLiteral("CELULAR")};
}

Definicao TqrpListaPC::Definicao()
{
    Relatorio::Definicao d;
    d.titulo = TqrpLista::Titulo(QStringLiteral("Pessoa Contato"));
    d.bandas << TqrpLista::CabecalhoPagina();

    Banda grupo;
    grupo.tipo = TipoBanda::CabecalhoGrupo;
    grupo.altura = 7.4;
    grupo.fundo = QColor(0xe3, 0xe3, 0xe3); // the 3D light colour
    // companies of the same name share one group
    grupo.quebra = [](const Registro &r) { return r.valor(QStringLiteral("NOME")); };
    Item nome = TqrpLista::Campo(0.5, 1.1, QStringLiteral("NOME"));
    nome.fonte.pontos = 16;
    nome.fonte.negrito = true;
    grupo.itens << nome << TqrpLista::Rotulo(52.1, 1.1, QStringLiteral("Fone: "))
                << TqrpLista::Fone(61.1, 1.1, QStringLiteral("FONE"))
                << TqrpLista::Rotulo(84.4, 1.1, QStringLiteral("Site: "))
                << TqrpLista::Campo(92.6, 1.1, QStringLiteral("HOME_PAGE"))
                << TqrpLista::Rotulo(132.0, 1.1, QStringLiteral("E-mail"))
                << TqrpLista::Campo(142.4, 1.1, QStringLiteral("EMAIL"));
    d.bandas << grupo;

    Banda det;
    det.altura = 13.5;
    det.linhaAbaixo = true;
    det.itens << TqrpLista::Campo(4.0, 1.3, QStringLiteral("NOME1"))
              << TqrpLista::Campo(115.1, 1.3, QStringLiteral("FUNCAO"))
              << TqrpLista::Rotulo(3.7, 7.4, QStringLiteral("Fone: "))
              << TqrpLista::Fone(14.0, 7.4, QStringLiteral("FONE1"))
              << TqrpLista::Rotulo(37.3, 7.4, QStringLiteral("Ramal: "))
              << TqrpLista::Campo(49.7, 7.4, QStringLiteral("RAMAL"))
              << TqrpLista::Rotulo(57.9, 7.4, QStringLiteral("E-mail: "))
              << TqrpLista::Campo(70.6, 7.4, QStringLiteral("EMAIL1"))
              << TqrpLista::Rotulo(125.7, 7.4, QStringLiteral("Celular: "))
              << TqrpLista::Fone(138.6, 7.4, QStringLiteral("CELULAR"));
    d.bandas << det;
    return d;
}
