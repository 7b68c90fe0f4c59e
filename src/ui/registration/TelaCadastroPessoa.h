#pragma once

#include "model/Resultado.h"
#include "model/TPessoa.h"
#include "ui/registration/EntradaCadastro.h"

#include <QDialog>

#include <memory>
#include <optional>

class QKeyEvent;
class QLabel;
class QShowEvent;
class QTabWidget;

// The life cycle the entry screens of individuals and companies share:
// showing and closing (the default state and the page kept in the settings
// file), F1, the keys of the fields before Qt's, the tool bar's "Confirmar",
// "Cancelar" and "Sair", the group line and its new-group button. Each screen
// builds its own fields and supplies the steps that differ.
class TelaCadastroPessoa : public QDialog {
    Q_OBJECT
public:
    enum Operacao {
        Nenhuma = EntradaCadastro::Nenhuma,
        Novo = EntradaCadastro::Novo,
        Alterar = EntradaCadastro::Alterar,
        Excluir = EntradaCadastro::Excluir
    };

    int operacao() const { return m_operacao; }
    int identificador() const { return m_identificador; }

protected:
    // tipoPessoa: 0 individuals, 1 companies (the quick-access key); secao:
    // the settings section of the state and page; ajuda: the F1 page;
    // exemploGrupo: the third line of the group list's hint.
    TelaCadastroPessoa(int tipoPessoa, const QString &secao, const QString &ajuda,
                       const QString &exemploGrupo, QWidget *parent);

    // Connects the tool bar's "Confirmar", "Cancelar", "Sair" and the group
    // line; the screen calls it once its fields exist.
    void LigarBarraEGrupo();

    // What "Confirmar" did with the pending operation.
    struct Gravacao {
        Resultado resultado = Resultado::Recusado;
        bool outraTela = false; // another screen took the record instead of a write
        qint32 inserido = 0;    // the identifier an insert got
        QString nome;           // the name and e-mail of the quick-access summary
        QString email;
    };
    // The checks and the write of the pending operation; nothing when a
    // check stopped it (the fields stay as typed). Screens read their fields
    // into a record and hand it to Executar.
    virtual std::optional<Gravacao> ExecutarOperacao() = 0;
    Gravacao Executar(TPessoa &pessoa);
    // "Novo": an insert, unless the screen hands the record to another screen.
    virtual void Inserir(TPessoa &pessoa, Gravacao &feito);
    // The fields on or off for editing as the tool bar switches.
    virtual void AlternarEdicao() = 0;
    virtual void PreencherNomes() = 0;
    // The name list after a save: `novo` joins it, `antigo` leaves it when
    // nobody visible still has it (either may be empty).
    virtual void AtualizarNome(const QString &antigo, const QString &novo) = 0;
    // The quick-access window of the person just saved.
    virtual void AbrirAcessoRapido(qint32 identificador, const QString &resumo) = 0;
    // The stored row in place of what was typed, after the user chose to see
    // another user's change (the screen stays in its operation).
    virtual void MostrarGravada(const TPessoa &pessoa) = 0;
    // Back to browsing after "Confirmar": what the screen clears besides.
    virtual void DepoisDeGravar() {}
    // A key in a field the screen watches (Enter in the postal code, say):
    // accepted when the field used it.
    virtual void TeclaNoCampo(QObject *campo, QKeyEvent *event);
    // A double-click in a field (an e-mail opens the mail program).
    virtual void DuploCliqueNoCampo(QObject *campo);

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

    // tool bar and group line first; the address and bank fields are built in place
    EntradaCadastro::BarraFerramentas m_barra{this};
    EntradaCadastro::LinhaGrupo m_grupo;
    std::unique_ptr<EntradaCadastro::CamposEndereco> m_endereco;
    std::unique_ptr<EntradaCadastro::ContasBancarias> m_contas;
    QTabWidget *PageControl1 = nullptr;
    QLabel *lblLogin = nullptr;

    int m_operacao = Nenhuma;
    qint32 m_identificador = 0;
    QString m_nomeAntigo;
    TPessoa::Versao m_versaoLida; // the shown row as read, for a change

protected slots:
    void FormShow();
    void FormKeyDown(QKeyEvent *event);
    void btnGravarClick();
    void btnCancelarClick();
    void btnSairClick();
    void btnNovoGrupoClick();
    void txtGrupoCloseUp();

private:
    void FormClose();

    int m_tipoPessoa;
    QString m_secao;
    QString m_ajuda;
};
