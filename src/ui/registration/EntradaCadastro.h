#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CampoNome;
class GroupList;
class MaskedEdit;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QObject;
class QPlainTextEdit;
class QTabWidget;
class QToolBar;
class QToolButton;
class QWidget;
class TEndereco;
class TPessoa;

// What the entry screens of individuals and companies share: the tool bar
// with its pending operation, the group line, the name list, the address
// fields with the postal-code lookup, the bank accounts and small field
// helpers. Each screen lays the widgets out itself.
namespace EntradaCadastro {

// The pending operation "Confirmar" carries out; the tags of "&Novo",
// "&Alterar" and "&Excluir".
enum Operacao { Nenhuma = 0, Novo = 1, Alterar = 2, Excluir = 3 };

// "&Novo", "&Alterar", "&Confirmar", "Cancela&r", "&Excluir", "&Sair".
struct BarraFerramentas {
    QToolBar *barra = nullptr;
    QToolButton *btnNovo = nullptr;
    QToolButton *btnAlterar = nullptr;
    QToolButton *btnGravar = nullptr;
    QToolButton *btnCancelar = nullptr;
    QToolButton *btnExcluir = nullptr;
    QToolButton *btnSair = nullptr;

    explicit BarraFerramentas(QWidget *tela);

    // Editing while "Confirmar" is enabled.
    bool editando() const;
    // Editing: "Confirmar" and "Cancela&r" on, the other three off; browsing
    // the other way round.
    void mostrarEdicao(bool editar) const;
    // How a caller opens the screen for change: the five buttons off, so
    // showing the screen switches it to editing.
    void desabilitarParaAlterar() const;
    // The pending operation a button stands for.
    static int operacaoDe(const QObject *botao);
};

// The group line: the list with its three-line hint (the third suggests a
// group such as `exemplo`) and colours, the label and the new-group button.
struct LinhaGrupo {
    GroupList *txtGrupo = nullptr;
    QLabel *Label22 = nullptr;
    QToolButton *btnNovoGrupo = nullptr;

    LinhaGrupo(QWidget *tela, const QString &exemplo);

    // The name of the chosen group (empty when none).
    QString nomeDoGrupo() const;
    // "Grupo: " and the name, or "Grupo Não Selecionado".
    void atualizarRotulo() const;
    // Reads the groups again (the first one selected) and refreshes the label.
    void preencher() const;
    // Selects the group by code (none when the list lacks it) and refreshes the label.
    void selecionar(int codigo) const;
};

// The name field (an editable combo without a drop-down button and without
// automatic completion, whose list the arrow keys step through).
CampoNome *CriarCampoNome(QWidget *tela);
// The list will hold every distinct NOME of the table of the kind `tipo`
// makes that the current user may see, in order, read when the field first
// needs it; the text is emptied. A failing query leaves the list empty.
void PreencherNomes(CampoNome *edtNome, std::function<std::unique_ptr<TPessoa>()> tipo);
// After a saved insert, change or delete, the list as a new reading would
// give it, without reading every name again: `novo` joins it in its place
// (the names are ordered as the database orders them, by their Windows-1252
// bytes) and `antigo` leaves it when no row the user may see still has it.
// Either may be empty. A list not read yet is left to its reading. The
// field's text is emptied as PreencherNomes does.
void AtualizarNome(CampoNome *edtNome, const TPessoa &tipo, const QString &antigo, const QString &novo);

// The digit-key filter: whatever is not a digit never gets in.
QLineEdit *AceitarSoDigitos(QLineEdit *edit, int maximo);
// Keeps a field in one letter case as it is typed.
void ForcarCaixa(QLineEdit *edit, bool alta);
// A memo that holds at most `maximo` characters.
void LimitarTexto(QPlainTextEdit *memo, int maximo);
// A number field's integer; 0 when empty or not a number.
qint32 Inteiro(const QString &text);
bool EhInteiro(const QString &text);
// The number zero-padded to `casas` digits.
QString ComZeros(qint32 n, int casas);
// Shows a stored value in a masked field with these masks (a telephone has
// two, see MascarasFone); a value no mask can hold is shown plain, the mask
// taken off, so that saving the record again loses nothing. The next call
// puts the masks back.
void MostrarSemCortar(MaskedEdit *edit, const QStringList &mascaras, const QString &valor);
// Every edit, masked edit and memo of the screen emptied; combo boxes and
// check boxes keep what they show.
void LimparCampos(QWidget *tela);

// The postal address: CEP (with its label Label12), street, number,
// district, city, state, post-office box, complement and the send-mail check.
struct CamposEndereco {
    QLabel *Label12 = nullptr;
    MaskedEdit *edtCEP = nullptr;
    QLineEdit *edtRua = nullptr;
    QLineEdit *edtNumero = nullptr;
    QLineEdit *edtBairro = nullptr;
    QComboBox *edtCidade = nullptr;
    QComboBox *edtEstado = nullptr;
    QLineEdit *edtCP = nullptr;
    QLineEdit *edtComplemento = nullptr;
    QCheckBox *edtEnviar = nullptr;

    CamposEndereco(QWidget *tela, const QStringList &estados, const QString &dicaEnviar);

    // Number "00", CEP "00000000", box "000".
    void mostrar(const TEndereco &e) const;
    // Number, CEP and box that are not integers become "0" first.
    void corrigirNumeros() const;
    TEndereco ler() const;

    // Enter in the CEP field: the web service when there is one (label
    // "Procurando..." in red and the busy cursor meanwhile), else or when it
    // finds nothing the local database.
    void ConsultarCEP(bool pessoaFisicaPrimeiro) const;
    // The local database alone; false when no row has the CEP.
    bool ConsultarCEPNaBase(bool pessoaFisicaPrimeiro) const;

private:
    void preencher(const QString &rua, const QString &bairro, const QString &cidade, const QString &uf) const;
};

// The twelve bank edits of ":: Dados Bancários :: " (three accounts).
struct ContasBancarias {
    QLineEdit *edtNomeBanco[3] = {};
    QLineEdit *edtAgencia[3] = {};
    QLineEdit *edtNroConta[3] = {};
    QLineEdit *edtTitularConta[3] = {};

    // The edits, laid out on the page under their captions.
    explicit ContasBancarias(QWidget *pagina);

    void mostrar(const TPessoa &p) const;
    void ler(TPessoa &p) const;
};

// The quick-access window's summary line of a person just saved:
// " group :: name :: e-mail".
QString ResumoAcessoRapido(const QString &grupo, const QString &nome, const QString &email);

// On showing: the default state of the settings file (unless a person is
// shown for change) and the page last used, kept under `secao`.
void RestaurarEstadoEPagina(QComboBox *edtEstado, QTabWidget *paginas, const QString &secao, bool alterando);
// On closing: the state shown becomes the default state, the page is kept under `secao`.
void GuardarEstadoEPagina(const QComboBox *edtEstado, const QTabWidget *paginas, const QString &secao);

// The screen's keys before its controls: the filter goes on every child.
void ReceberTeclas(QWidget *tela);

} // namespace EntradaCadastro
