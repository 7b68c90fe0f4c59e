#pragma once

#include "model/TPessoaFisica.h"
#include "ui/registration/TelaCadastroPessoa.h"

#include <memory>
#include <optional>

class GroupList;
class MaskedEdit;
class QCheckBox;
class CampoNome;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QShowEvent;
class QTabWidget;
class QToolButton;

// "Pessoa Física": enters, changes and deletes individuals. The screen never
// writes the database itself: it builds a TPessoaFisica from its fields and
// calls Inserir, Alterar or Excluir.
//
// The screens it opens (through Telas; a missing one opens nothing): the
// search to pick an individual, the quick-access window after a saved insert
// or change (never for person 0), the contact persons of the unsaved
// individual instead of the insert while Ctrl is held, the groups (the group
// list is read again after it).
class TfrPessoaFisica : public TelaCadastroPessoa {
    Q_OBJECT
public:
    explicit TfrPessoaFisica(QWidget *parent = nullptr);

    // Fills every control from the record and remembers its identifier,
    // seller and name (the old name of a change).
    void MostrarPessoa(const TPessoaFisica &pessoa);
    void MostrarGravada(const TPessoa &pessoa) override;
    // How callers open the screen for change: caption "Pessoa Física --
    // Alterando", the five buttons disabled, the person shown, operation 2.
    void AbrirParaAlterar(const TPessoaFisica &pessoa);

    static QStringList Tratamentos();
    static QStringList Estados();

protected:
    std::optional<Gravacao> ExecutarOperacao() override;
    void Inserir(TPessoa &pessoa, Gravacao &feito) override;
    void AlternarEdicao() override;
    void PreencherNomes() override;
    void AtualizarNome(const QString &antigo, const QString &novo) override;
    void AbrirAcessoRapido(qint32 identificador, const QString &resumo) override;
    void DepoisDeGravar() override;
    void TeclaNoCampo(QObject *campo, QKeyEvent *event) override;
    void DuploCliqueNoCampo(QObject *campo) override;

private slots:
    void btnNovoClick(); // also "&Alterar" and "&Excluir": the button's tag is the pending operation
    void edtEmailDblClick();
    void edtMSNDblClick();
    void edtCEPKeyDown(QKeyEvent *event);

private:
    void criarControles();
    void LimparParaNovo();
    // The checks of "Confirmar" (with their messages) and the record built
    // from the fields; nothing when a check stops the save.
    std::optional<TPessoaFisica> LerPessoa();

    QCheckBox *edtPublica = nullptr;
    QComboBox *edtTratamento = nullptr;
    CampoNome *edtNome = nullptr;
    QLineEdit *edtApelido = nullptr;
    MaskedEdit *edtDataNascimento = nullptr;
    QCheckBox *edtLembrarAniversario = nullptr;
    QCheckBox *edtGuiaEmergencia = nullptr;
    MaskedEdit *edtFoneR = nullptr;
    MaskedEdit *edtFoneCe = nullptr;
    MaskedEdit *edtFoneCo = nullptr;
    QLineEdit *edtVoIP = nullptr;
    QLineEdit *edtEmail = nullptr;
    QLineEdit *edtMSN = nullptr;
    QGroupBox *DadosContato = nullptr;
    QGroupBox *DadosPaginas = nullptr;

    QLineEdit *edtProfissao = nullptr;
    QLineEdit *edtLocalTrabalho = nullptr;
    QComboBox *edtSexo = nullptr;
    QComboBox *edtEstadoCivil = nullptr;
    QComboBox *edtTipoCliente = nullptr;
    MaskedEdit *edtClienteDesde = nullptr;

    MaskedEdit *edtCPF = nullptr;
    QLineEdit *edtRG = nullptr;
    QLineEdit *edtTitulo = nullptr;
    QLineEdit *edtZona = nullptr;
    QLineEdit *edtSeccao = nullptr;

    QPlainTextEdit *edtObs = nullptr;

    QLineEdit *edtMatricula = nullptr;
    MaskedEdit *edtDataEntrada = nullptr;
    MaskedEdit *edtDataDispensa = nullptr;

    MaskedEdit *edtCartaoVisa = nullptr;
    MaskedEdit *edtCartaoMaster = nullptr;
    QLineEdit *edtCodSegVisa = nullptr;
    QLineEdit *edtCodSegMaster = nullptr;

    QString m_vendedora; // VENDEDORA of the individual shown, written back unchanged
};
