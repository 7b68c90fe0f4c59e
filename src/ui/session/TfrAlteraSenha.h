#pragma once

#include "ui/common/TPlayer.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TUsuario;

// "Configurações do Usuário ...": the current user's password, name, login,
// e-mail, alert sounds, appointment preferences and automatic login. A new
// password is typed on every save, even to change only the e-mail.
class TfrAlteraSenha : public QDialog {
    Q_OBJECT
public:
    explicit TfrAlteraSenha(TUsuario &usuario, QWidget *parent = nullptr);
    ~TfrAlteraSenha() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void FormShow();
    void btnOkClick();
    void escolherSom(QLineEdit *campo, const QString &titulo);

private:
    TUsuario &m_usuario;
    QLineEdit *edtSenhaAtual, *edtNovaSenha, *edtConfirmaNovaSenha, *edtLogin, *edtNome, *edtEmail;
    QLineEdit *edtCompromisso, *edtRecado, *edtLembrete, *edtDiaAnterior, *edtDiaPosterior, *edtHorasAntes;
    QCheckBox *txtTipo, *edtVer_C, *edtINC_C, *edtPedeSenha;
    QTabWidget *PageControl1;
    QComboBox *edtTempoOcioso;
    QPushButton *btnOk, *btnSair;
    TPlayer m_player;
};
