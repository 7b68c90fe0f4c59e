#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Novo Usuário": registers a user. In first-user mode (the table is empty)
// the new user may always register others and the window closes after the
// first successful save; in normal mode it stays open for the next user.
class TfrNovoUsuario : public QDialog {
    Q_OBJECT
public:
    enum class Modo { Normal, PrimeiroUsuario, PrimeiroUsuarioSemLegenda };
    explicit TfrNovoUsuario(Modo modo = Modo::Normal, QWidget *parent = nullptr);

    bool modoPrimeiroUsuario() const;
    // The login of the last user saved here (empty when none).
    const QString &ultimoInserido() const { return m_ultimo; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void btnOkClick();
    void btnSairClick();

private:
    QLineEdit *edtLogin, *edtSenha, *edtConfirmaSenha, *edtEmail, *edtNome;
    QCheckBox *edtTipoUsuario;
    QLabel *Label5;
    QPushButton *btnOk, *btnSair;
    QString m_ultimo;
    bool m_primeiro = false;
};
