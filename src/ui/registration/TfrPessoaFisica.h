#pragma once

#include "model/TPessoaFisica.h"
#include "ui/registration/EntradaCadastro.h"

#include <QDialog>

#include <memory>
#include <optional>

class GroupList;
class MaskedEdit;
class QCheckBox;
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
class TfrPessoaFisica : public QDialog {
    Q_OBJECT
public:
    enum Operacao {
        Nenhuma = EntradaCadastro::Nenhuma,
        Novo = EntradaCadastro::Novo,
        Alterar = EntradaCadastro::Alterar,
        Excluir = EntradaCadastro::Excluir
    };

    explicit TfrPessoaFisica(QWidget *parent = nullptr);

    // Fills every control from the record and remembers its identifier,
    // seller and name (the old name of a change).
    void MostrarPessoa(const TPessoaFisica &pessoa);
    // How callers open the screen for change: caption "Pessoa Física --
    // Alterando", the five buttons disabled, the person shown, operation 2.
    void AbrirParaAlterar(const TPessoaFisica &pessoa);

    int operacao() const { return m_operacao; }
    int identificador() const { return m_identificador; }

    static QStringList Tratamentos();
    static QStringList Estados();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private slots:
    void FormShow();
    void FormKeyDown(QKeyEvent *event);
    void btnNovoClick(); // also "&Alterar" and "&Excluir": the button's tag is the pending operation
    void btnGravarClick();
    void btnCancelarClick();
    void btnSairClick();
    void btnNovoGrupoClick();
    void txtGrupoCloseUp();
    void edtEmailDblClick();
    void edtMSNDblClick();
    void edtCEPKeyDown(QKeyEvent *event);

private:
    void criarControles();
    void PreencherNomes();
    void PreencherGrupos();
    void AtualizarRotuloGrupo();
    void AlternarEdicao();
    void LimparParaNovo();
    void FormClose();
    // Steps 1 to 14 of "Confirmar": the checks (with their messages) and the
    // record built from the fields; nothing when a check stops the save.
    std::optional<TPessoaFisica> LerPessoa();

    // tool bar and group line first; the address and bank fields are built in place
    EntradaCadastro::BarraFerramentas m_barra{this};
    EntradaCadastro::LinhaGrupo m_grupo{
        this, QStringLiteral("Exemplo: crie um grupo chamado Amigos para cadastrar todos os seus amigos.")};
    std::unique_ptr<EntradaCadastro::CamposEndereco> m_endereco;
    std::unique_ptr<EntradaCadastro::ContasBancarias> m_contas;

    QCheckBox *edtPublica = nullptr;
    QComboBox *edtTratamento = nullptr;
    QComboBox *edtNome = nullptr;
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
    QLabel *lblLogin = nullptr;
    QGroupBox *DadosContato = nullptr;
    QGroupBox *DadosPaginas = nullptr;
    QTabWidget *PageControl1 = nullptr;

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

    int m_operacao = Nenhuma;
    qint32 m_identificador = 0;
    QString m_vendedora; // VENDEDORA of the individual shown, written back unchanged
    QString m_nomeAntigo;
};
