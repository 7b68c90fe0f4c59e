#include "ui/reports/TqrpLista.h"

#include "data/TDM.h"
#include "services/Seams.h"
#include "ui/reports/TfrMeuPreview.h"
#include "ui/reports/TqrpListaPC.h"
#include "ui/reports/TqrpListaPF.h"
#include "ui/reports/TqrpListaPJ.h"
#include "util/DateTime.h"
#include "util/TextUtils.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>

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

namespace {

// Reads the rows with one statement; false with the message shown when the
// database fails or when there is nothing to show.
bool Ler(RelatorioListas::Lista lista, const QStringList &colunas, const QString &login, Dados *dados)
{
    const DbResult r = RelatorioListas::Ler(BancoDados(), lista, login, colunas, dados);
    if (!r) {
        Seams::messages().show(r.texto(r.sql), MessageService::Kind::Error);
        return false;
    }
    if (dados->linhas.isEmpty()) {
        Seams::messages().show(QStringLiteral("Não há dados a serem exibidos!"));
        return false;
    }
    return true;
}

std::pair<Definicao, QStringList> Modelo(RelatorioListas::Lista lista)
{
    switch (lista) {
    case RelatorioListas::Lista::PF: return {TqrpListaPF::Definicao(), TqrpListaPF::Colunas()};
    case RelatorioListas::Lista::PJ: return {TqrpListaPJ::Definicao(), TqrpListaPJ::Colunas()};
    case RelatorioListas::Lista::PC: break;
    }
    return {TqrpListaPC::Definicao(), TqrpListaPC::Colunas()};
}

// how often the open preview takes the pages laid out since
constexpr int kIntervaloMs = 150;

} // namespace

bool Preparar(RelatorioListas::Lista lista, const Definicao &definicao, const QStringList &colunas,
              const QString &login, Documento *documento)
{
    Dados dados;
    if (!Ler(lista, colunas, login, &dados))
        return false;
    *documento = Relatorio::Preparar(definicao, dados);
    return true;
}

TfrMeuPreview *Exibir(QWidget *owner, RelatorioListas::Lista lista, const QString &login)
{
    const auto [definicao, colunas] = Modelo(lista);
    Dados dados;
    if (!Ler(lista, colunas, login, &dados))
        return nullptr;
    // the window opens on the first page while the others are laid out
    QPointer<TfrMeuPreview> previa;
    bool aberta = false;
    QElapsedTimer desde;
    Documento doc = Relatorio::Preparar(definicao, dados, [&](const Documento &parcial) {
        if (!aberta) {
            aberta = true;
            previa = new TfrMeuPreview(parcial, owner);
            previa->Preparando(true);
            previa->show();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            desde.start();
        } else if (previa && desde.elapsed() >= kIntervaloMs) {
            previa->Acrescentar(parcial);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            desde.restart();
        }
        return !previa.isNull();
    });
    if (aberta && !previa)
        return nullptr; // closed while it was being laid out
    if (!aberta) {
        previa = new TfrMeuPreview(std::move(doc), owner);
        previa->show();
        return previa;
    }
    previa->Concluir(std::move(doc));
    return previa;
}

} // namespace TqrpLista
