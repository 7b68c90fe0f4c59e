#pragma once

#include "ui/registration/TfrContatoPJ.h"

class EmpresasPJModel;
class QComboBox;
class QToolButton;

// "Pessoa de Contato" of the main window: the contact persons screen with a
// company list above it. The list holds the companies the current user may
// see (his own and the public ones); the contacts shown, saved and deleted
// are those of the company chosen there. A new company is registered on the
// spot through "TfrPessoaJuridica" (no args).
//
// Registered as "TfrCadastroContatoPJ" (no args).
class TfrCadastroContatoPJ : public TfrContatoPJ {
    Q_OBJECT
public:
    explicit TfrCadastroContatoPJ(QWidget *parent = nullptr);

    // Reads the visible companies again (one statement, in name order);
    // false, with the error shown, on failure.
    bool CarregarEmpresas();

protected:
    bool PodeGravar() override;
    void FormShow() override;
    void FormKeyDown(QKeyEvent *event) override;

private slots:
    void edtPJCloseUp();
    void btnNovoPJClick();

private:
    // The first company chosen (when there is one), then its contacts.
    void EscolherPrimeira();
    void EscolherEmpresa(int linha);

    QComboBox *edtPJ = nullptr;
    QToolButton *btnNovoPJ = nullptr;
    EmpresasPJModel *m_empresas = nullptr;
};
