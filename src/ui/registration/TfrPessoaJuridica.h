#pragma once

#include "model/TPessoaJuridica.h"
#include "ui/registration/TelaCadastroPessoa.h"

#include <QList>

#include <memory>
#include <optional>
#include <utility>

class MaskedEdit;
class QCheckBox;
class CampoNome;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QValidator;

// "Pessoa Jurídica": enters, changes and deletes companies. The screen never
// writes the database itself: it builds a TPessoaJuridica from its fields and
// calls Inserir, Alterar or Excluir.
//
// The screens it opens (through Telas; a missing one opens nothing): the
// search to pick a company, the quick-access window after a saved insert or
// change (never for company 0), the company's contact persons, the groups
// (the group list is read again after it).
class TfrPessoaJuridica : public TelaCadastroPessoa {
    Q_OBJECT
public:
    explicit TfrPessoaJuridica(QWidget *parent = nullptr);

    // Fills every control from the record and remembers its identifier and
    // name (the old name of a change).
    void MostrarPessoa(const TPessoaJuridica &pessoa);
    void MostrarGravada(const TPessoa &pessoa) override;
    // How callers open the screen for change: caption "Pessoa Jurídica --
    // Alterando", the five buttons disabled, the company shown, operation 2.
    void AbrirParaAlterar(const TPessoaJuridica &pessoa);

    static QStringList Estados();
    // What the shell opens for a web page: "http://" in front of an address
    // written without a scheme ("www.empresa.com.br"), any other as it is.
    static QString EnderecoWeb(const QString &pagina);

protected:
    std::optional<Gravacao> ExecutarOperacao() override;
    void AlternarEdicao() override;
    void PreencherNomes() override;
    void AtualizarNome(const QString &antigo, const QString &novo) override;
    void AbrirAcessoRapido(qint32 identificador, const QString &resumo) override;
    void TeclaNoCampo(QObject *campo, QKeyEvent *event) override;
    void DuploCliqueNoCampo(QObject *campo) override;

private slots:
    void btnNovoClick(); // also "&Alterar" and "&Excluir": the button's tag is the pending operation
    void btnExibirContatosClick();
    void edtEmailDblClick();
    void edtHomePageDblClick();
    void edtCEPKeyDown(QKeyEvent *event);
    // Enter in the IE, number and post-office-box fields.
    void edtIEKeyDown(QKeyEvent *event);

private:
    void criarControles();
    void LimparParaNovo();
    // The IE field as a plain field again, showing these digits.
    void MostrarIE(const QString &digitos);
    // The five telephone fields with their masks.
    QList<std::pair<MaskedEdit *, QStringList>> CamposFone() const;
    // The checks of "Confirmar" (with their questions) and the record built
    // from the fields; nothing when a check stops the save.
    std::optional<TPessoaJuridica> LerPessoa();

    QCheckBox *edtPublica = nullptr;
    QPushButton *btnExibirContatos = nullptr;
    CampoNome *edtNome = nullptr;
    MaskedEdit *edtCNPJ = nullptr;
    MaskedEdit *edtIE = nullptr;
    QValidator *m_digitosIE = nullptr; // the IE field's digit filter while it has no format
    QCheckBox *edtGuiaEmergencia = nullptr;

    QGroupBox *DadosPaginas = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    MaskedEdit *edtFone = nullptr;
    MaskedEdit *edtFoneFax = nullptr;
    MaskedEdit *edtFoneCel = nullptr;
    MaskedEdit *edtFone0800 = nullptr;
    MaskedEdit *edtFone0300 = nullptr;
    QLineEdit *edtEmail = nullptr;
    QLineEdit *edtVoIP = nullptr;

    QGroupBox *GroupBox4 = nullptr;
    QPlainTextEdit *edtObs = nullptr;
    QLineEdit *edtHomePage = nullptr;
};
