#include "ui/common/Telas.h"

namespace Telas {
namespace {
int abrir(QWidget *owner, const QString &tela, const Abertura &abertura = {})
{
    return Navigator::instance().open(tela, owner, abertura).resultado;
}
} // namespace

bool Existe(const QString &tela)
{
    return Navigator::instance().has(tela);
}

int Abrir(QWidget *owner, const QString &tela)
{
    return abrir(owner, tela);
}

int PesquisaAnotacao(QWidget *owner, const QString &login)
{
    return abrir(owner, kPesquisaAnotacao, {.login = login});
}

int NovoUsuario(QWidget *owner, int modo)
{
    return abrir(owner, kNovoUsuario, {.modo = modo});
}

int PrimeiroUsuario(QWidget *owner)
{
    return abrir(owner, kPrimeiroUsuario);
}

int RemoverUsuarios(QWidget *owner, const QString &login)
{
    return abrir(owner, kRemoverUsuarios, {.login = login});
}

int Grupos(QWidget *owner)
{
    return abrir(owner, kGrupos);
}

int Sugestoes(QWidget *owner, const QString &assunto)
{
    return abrir(owner, kSugestoes, {.titulo = assunto});
}

qint32 EscolherPessoaFisica(QWidget *owner)
{
    return qMax(0, Navigator::instance().open(kPesquisaPessoaFisica, owner).escolhido);
}

qint32 EscolherPessoaJuridica(QWidget *owner)
{
    return qMax(0, Navigator::instance().open(kPesquisaPessoaJuridica, owner).escolhido);
}

int AcessoRapidoPF(QWidget *owner, qint32 identificador, const QString &dados)
{
    return abrir(owner, kAcessoRapidoPF, {.identificador = identificador, .dados = dados});
}

int AcessoRapidoPJ(QWidget *owner, qint32 identificador, const QString &dados)
{
    return abrir(owner, kAcessoRapidoPJ, {.identificador = identificador, .dados = dados});
}

int AcessoRapidoPFSemPessoa(QWidget *owner)
{
    return abrir(owner, kAcessoRapidoPF, {.oculto = true});
}

int AcessoRapidoPJSemPessoa(QWidget *owner)
{
    return abrir(owner, kAcessoRapidoPJ, {.oculto = true});
}

int PessoaFisica(QWidget *owner, qint32 identificador)
{
    return abrir(owner, kPessoaFisica, {.identificador = identificador});
}

int PessoaJuridica(QWidget *owner, qint32 identificador)
{
    return abrir(owner, kPessoaJuridica, {.identificador = identificador});
}

int Predios(QWidget *owner, TPessoaFisica &pessoa, const QString &titulo)
{
    return abrir(owner, kPredios, {.titulo = titulo, .pessoa = &pessoa});
}

int Album(QWidget *owner, qint32 identificador)
{
    return abrir(owner, kAlbum, {.identificador = identificador});
}

int InserirImagem(QWidget *owner, qint32 identificador)
{
    return abrir(owner, kInserirImagem, {.identificador = identificador});
}

int ContatoPJ(QWidget *owner, qint32 empresa, const QString &nome, const QString &titulo)
{
    return abrir(owner, kContatoPJ, {.identificador = empresa, .nome = nome, .titulo = titulo});
}

int AlterarContatoPJ(QWidget *owner, qint32 empresa, qint32 contato)
{
    return abrir(owner, kContatoPJ, {.identificador = empresa, .contato = contato});
}

int CadastroContatoPJ(QWidget *owner)
{
    return abrir(owner, kCadastroContatoPJ);
}

int ExportarContatos(QWidget *owner, const QList<qint32> &fisicas, const QList<qint32> &juridicas)
{
    return abrir(owner, kExportarContatos, {.fisicas = fisicas, .juridicas = juridicas});
}

int Historico(QWidget *owner, qint32 identificador, int tipoPessoa)
{
    return abrir(owner, kHistorico, {.identificador = identificador, .tipoPessoa = tipoPessoa});
}

int MostraImg(QWidget *owner, qint32 historico, const QString &titulo)
{
    return abrir(owner, kMostraImg, {.identificador = historico, .titulo = titulo});
}

int Financas(QWidget *owner, qint32 identificador, int tipoPessoa)
{
    return abrir(owner, kFinancas, {.identificador = identificador, .tipoPessoa = tipoPessoa});
}

std::optional<Periodo> EscolherDatas(QWidget *owner)
{
    if (!Existe(kEscolhaAsDatas))
        return std::nullopt;
    const Retorno r = Navigator::instance().open(kEscolhaAsDatas, owner);
    return Periodo{r.inicial, r.final, false};
}

std::optional<Periodo> EscolherDatas(QWidget *owner, const Periodo &proposto, bool comTodasAsPessoas)
{
    if (!Existe(kEscolhaAsDatas))
        return std::nullopt;
    const Retorno r = Navigator::instance().open(
        kEscolhaAsDatas, owner,
        {.inicial = proposto.inicial, .final = proposto.final, .todasAsPessoas = comTodasAsPessoas});
    return Periodo{r.inicial, r.final, r.todasAsPessoas};
}

int RepetindoContas(QWidget *owner, const TFinancas &modelo, int quantidade, const QString &titulo)
{
    return abrir(owner, kRepetindoContas, {.titulo = titulo, .financa = &modelo, .quantidade = quantidade});
}

std::optional<Parcela> AlterarParcela(QWidget *owner, const Parcela &parcela)
{
    const Retorno r =
        Navigator::instance().open(kAlteraParcela, owner, {.inicial = parcela.data, .valor = parcela.valor});
    if (!r.salvo)
        return std::nullopt;
    return Parcela{r.inicial, r.valor};
}

} // namespace Telas
