#include "ui/reports/TqrpLista.h"

#include "data/TDM.h"
#include "services/Seams.h"
#include "ui/reports/TfrMeuPreview.h"
#include "ui/reports/TqrpListaPC.h"
#include "ui/reports/TqrpListaPF.h"
#include "ui/reports/TqrpListaPJ.h"
#include "util/DateTime.h"
#include "util/TextUtils.h"

namespace TqrpLista {

using namespace Relatorio;

QString Titulo(const QString &titulo)
{
    return titulo + QStringLiteral(" <::> Impresso em: ") +
           FormatDateTime(QStringLiteral("dd/mm/yyyy -- hh:nn:ss"),
                          QDateTimeToDateTime(Seams::clock().now()));
}

Banda CabecalhoPagina()
{
    Banda b;
    b.tipo = TipoBanda::CabecalhoPagina;
    b.altura = 8.5;
    b.linhaAcima = true;
    b.linhaAbaixo = true;
    Item t;
    t.tipo = TipoItem::Sistema;
    t.topo = 2.4;
    t.centralizado = true;
    b.itens << t;
    return b;
}

Item Rotulo(double esquerda, double topo, const QString &texto)
{
    Item i;
    i.esquerda = esquerda;
    i.topo = topo;
    i.texto = texto;
    return i;
}

Item Campo(double esquerda, double topo, const QString &coluna)
{
    Item i = Rotulo(esquerda, topo, coluna);
    i.tipo = TipoItem::Campo;
    return i;
}

Item Fone(double esquerda, double topo, const QString &coluna)
{
    Item i = Campo(esquerda, topo, coluna);
    i.aoImprimir = [](const QString &t) { return FormatPhone(t); };
    return i;
}

QString PrimeiraLetra(const Registro &r)
{
    return r.valor(QStringLiteral("NOME")).left(1);
}

bool Preparar(RelatorioListas::Lista lista, const Definicao &definicao, const QStringList &colunas,
              const QString &login, Documento *documento)
{
    Dados dados;
    const DbResult r = RelatorioListas::Ler(BancoDados(), lista, login, colunas, &dados);
    if (!r) {
        Seams::messages().show(r.texto(r.sql), MessageService::Kind::Error);
        return false;
    }
    if (dados.linhas.isEmpty()) {
        Seams::messages().show(QStringLiteral("Não há dados a serem exibidos!"));
        return false;
    }
    *documento = Relatorio::Preparar(definicao, dados);
    return true;
}

TfrMeuPreview *Exibir(QWidget *owner, RelatorioListas::Lista lista, const QString &login)
{
    Documento doc;
    bool ok = false;
    switch (lista) {
    case RelatorioListas::Lista::PF:
        ok = Preparar(lista, TqrpListaPF::Definicao(), TqrpListaPF::Colunas(), login, &doc);
        break;
    case RelatorioListas::Lista::PJ:
        ok = Preparar(lista, TqrpListaPJ::Definicao(), TqrpListaPJ::Colunas(), login, &doc);
        break;
    case RelatorioListas::Lista::PC:
        ok = Preparar(lista, TqrpListaPC::Definicao(), TqrpListaPC::Colunas(), login, &doc);
        break;
    }
    if (!ok)
        return nullptr;
    auto *p = new TfrMeuPreview(std::move(doc), owner);
    p->show();
    return p;
}

} // namespace TqrpLista
