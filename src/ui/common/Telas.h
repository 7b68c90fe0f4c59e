#pragma once

#include "ui/common/Navigator.h"

#include <optional>

class QWidget;
class TFinancas;
class TPessoaFisica;

// One entry point per screen that another screen opens, taking what that
// screen needs. Each goes through the installed navigator, which the tests
// replace to see which screen opened for whom.
namespace Telas {

// The names the navigator registers the screens under.
inline const QString kPesquisaAnotacao = QStringLiteral("TfrPesquisaAnotacao");
inline const QString kNovoUsuario = QStringLiteral("TfrNovoUsuario");
inline const QString kPrimeiroUsuario = QStringLiteral("TfrPrimeiroUsuario");
inline const QString kRemoverUsuarios = QStringLiteral("TfrRemoverUsuarios");
inline const QString kAlteraSenha = QStringLiteral("TfrAlteraSenha");
inline const QString kBackUP = QStringLiteral("TfrBackUP");
inline const QString kSobre = QStringLiteral("TfrSobre");
inline const QString kConexaoRede = QStringLiteral("TfrConexaoRede");
inline const QString kSugestoes = QStringLiteral("TfrSugestoes");
inline const QString kGrupos = QStringLiteral("TfrGrupos");
inline const QString kPesquisaPessoaFisica = QStringLiteral("TfrPesquisaPessoaFisica");
inline const QString kPesquisaPessoaJuridica = QStringLiteral("TfrPesquisaPessoaJuridica");
inline const QString kAcessoRapidoPF = QStringLiteral("TfrAcessoRapidoPF");
inline const QString kAcessoRapidoPJ = QStringLiteral("TfrAcessoRapidoPJ");
inline const QString kPessoaFisica = QStringLiteral("TfrPessoaFisica");
inline const QString kPessoaJuridica = QStringLiteral("TfrPessoaJuridica");
inline const QString kPredios = QStringLiteral("TfrPredios");
inline const QString kAlbum = QStringLiteral("TfrAlbum");
inline const QString kInserirImagem = QStringLiteral("TfrInserirImagem");
inline const QString kContatoPJ = QStringLiteral("TfrContatoPJ");
inline const QString kCadastroContatoPJ = QStringLiteral("TfrCadastroContatoPJ");
inline const QString kImportarContatos = QStringLiteral("TfrImportarContatos");
inline const QString kExportarContatos = QStringLiteral("TfrExportarContatos");
inline const QString kHistorico = QStringLiteral("TfrHistorico");
inline const QString kMostraImg = QStringLiteral("TfrMostraImg");
inline const QString kEscolhaAsDatas = QStringLiteral("TfrEscolhaAsDatas");
inline const QString kFinancas = QStringLiteral("TfrFinancas");
inline const QString kFinancasPesquisa = QStringLiteral("TfrFinancasPesquisa");
inline const QString kRepetindoContas = QStringLiteral("TfrRepetindoContas");
inline const QString kAlteraParcela = QStringLiteral("TfrAlteraParcela");
inline const QString kRelPF = QStringLiteral("TfrRelPF");
inline const QString kRelPJ = QStringLiteral("TfrRelPJ");
inline const QString kRelPTotal = QStringLiteral("TfrRelPTotal");
inline const QString kFones = QStringLiteral("TfrFones");
inline const QString kMalaDiretaPF = QStringLiteral("TfrMalaDiretaPF");
inline const QString kMalaDiretaPJ = QStringLiteral("TfrMalaDiretaPJ");
inline const QString kListaPF = QStringLiteral("TqrpListaPF");
inline const QString kListaPJ = QStringLiteral("TqrpListaPJ");
inline const QString kListaPC = QStringLiteral("TqrpListaPC");
inline const QString kImprimeEtiquetas = QStringLiteral("TfrImprimeEtiquetas");

// Whether the program has that screen (its menu entries and buttons are on).
bool Existe(const QString &tela);

// A screen that needs nothing: a menu entry of the main window.
int Abrir(QWidget *owner, const QString &tela);

int PesquisaAnotacao(QWidget *owner, const QString &login);
// modo is a TfrNovoUsuario::Modo
int NovoUsuario(QWidget *owner, int modo);
int PrimeiroUsuario(QWidget *owner);
int RemoverUsuarios(QWidget *owner, const QString &login);
int Grupos(QWidget *owner);
// The suggestion form with its subject already filled in (the label
// screen's link to other label models).
int Sugestoes(QWidget *owner, const QString &assunto);

// The search windows: the identifier of the person picked, 0 for nobody.
qint32 EscolherPessoaFisica(QWidget *owner);
qint32 EscolherPessoaJuridica(QWidget *owner);

// The quick-access windows of a stored person with its summary line, or
// without a person (the main window's menu).
int AcessoRapidoPF(QWidget *owner, qint32 identificador, const QString &dados);
int AcessoRapidoPJ(QWidget *owner, qint32 identificador, const QString &dados);
int AcessoRapidoPFSemPessoa(QWidget *owner);
int AcessoRapidoPJSemPessoa(QWidget *owner);

// The contact export offering these individuals and companies (a person
// list's rows) as "the chosen persons".
int ExportarContatos(QWidget *owner, const QList<qint32> &fisicas, const QList<qint32> &juridicas);

// The entry screens, empty (identificador 0) or with a stored person for change.
int PessoaFisica(QWidget *owner, qint32 identificador = 0);
int PessoaJuridica(QWidget *owner, qint32 identificador = 0);

// The contact persons of an individual not stored yet.
int Predios(QWidget *owner, TPessoaFisica &pessoa, const QString &titulo);
int Album(QWidget *owner, qint32 identificador);
int InserirImagem(QWidget *owner, qint32 identificador);
int ContatoPJ(QWidget *owner, qint32 empresa, const QString &nome, const QString &titulo);
// One contact person of a company, for change, among the company's contacts.
int AlterarContatoPJ(QWidget *owner, qint32 empresa, qint32 contato);
int CadastroContatoPJ(QWidget *owner);
// tipoPessoa: 0 an individual, 1 a company
int Historico(QWidget *owner, qint32 identificador, int tipoPessoa);
int MostraImg(QWidget *owner, qint32 historico, const QString &titulo);
// the bills of an individual (tipoPessoa 0) or a company (1)
int Financas(QWidget *owner, qint32 identificador, int tipoPessoa);

// The period chosen in TfrEscolhaAsDatas (however it was closed); nothing when
// the program has no such screen.
struct Periodo {
    double inicial = 0;
    double final = 0;
    bool todasAsPessoas = false;
};
std::optional<Periodo> EscolherDatas(QWidget *owner);
// The same with these dates filled in and, when asked, the "all persons" box.
std::optional<Periodo> EscolherDatas(QWidget *owner, const Periodo &proposto, bool comTodasAsPessoas);

// A bill split or repeated from `modelo`: the series is made, changed and
// stored there.
int RepetindoContas(QWidget *owner, const TFinancas &modelo, int quantidade, const QString &titulo);
// One instalment of a series: its date and amount as changed, or nothing
// when the user did not save.
struct Parcela {
    double data = 0;
    Money valor{};
};
std::optional<Parcela> AlterarParcela(QWidget *owner, const Parcela &parcela);

} // namespace Telas
