#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
struct ServidorRede;

// Where this desktop finds its database: the file beside the program, or a
// database on a Firebird server of the office network ([SERVIDOR] of the
// settings file). Reached from the login window, because a desktop that
// cannot reach its database cannot log in.
class TfrConexaoRede : public QDialog {
    Q_OBJECT
public:
    explicit TfrConexaoRede(QWidget *parent = nullptr);

    QCheckBox *chkRede = nullptr;
    QLineEdit *edtHost = nullptr;
    QSpinBox *edtPorta = nullptr;
    QLineEdit *edtBanco = nullptr;
    QLineEdit *edtUsuario = nullptr;
    QLineEdit *edtSenha = nullptr;
    QPushButton *btnTestar = nullptr;
    QPushButton *btnGravar = nullptr;
    QPushButton *btnCancelar = nullptr;
    QPushButton *btnAjuda = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void btnTestarClick();
    void btnGravarClick();
    void chkRedeClick();

private:
    ServidorRede LerCampos() const;
};
