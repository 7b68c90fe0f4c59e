#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// ":: Autenticação do Usuário ::": chooses the login, takes the password,
// logs in automatically when asked to, mails a forgotten password, and opens
// the administration of users.
class TfrLogin : public QDialog {
    Q_OBJECT
public:
    explicit TfrLogin(QWidget *parent = nullptr);

    // True from the window's creation; the Ok button sets it to "not authenticated".
    static bool LoginFailed;
    // True from creation and after "Sair"; false after a completed Ok.
    static bool TerminateOnClose;
    // The pause after the automatic login (1000 ms); tests make it instant.
    static std::function<void(int)> Pause;

    QString login() const;
    QString senha() const;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private slots:
    void FormShow();
    void Timer1Timer();
    void btnOkClick();
    void btnSairClick();
    void btnAjudaClick();
    void btnEsqueciMinhaSenhaClick();
    void btnRedeClick();
    void MostrarModelo(); // "Modelo DeskTop" or "Modelo REDE"
    void edtLoginCloseUp();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void CheckBox1Click(bool checked);

private:
    void PreencherLogins();
    // Whether a user exists; nothing when the read failed, which has been
    // shown and ends the window.
    std::optional<bool> ExisteUsuario();
    bool PodeAdministrar();
    void GravarEntradaAutomatica(const QString &login, const QString &senhaEmbaralhada);
    void cadastrarPrimeiroUsuario(bool mudarLegenda);
    bool selecionar(const QString &login);

    QComboBox *edtLogin;
    QLineEdit *edtSenha;
    QPushButton *btnOK, *btnSair, *btnAjuda, *btnEsqueciMinhaSenha, *SpeedButton1, *SpeedButton2;
    QPushButton *btnRede = nullptr; // where the database is (this desktop or a server)
    QLabel *lblHint, *lblDataHora;
    QCheckBox *CheckBox1, *edtPedeSenha;
    QTimer Timer1;
    bool m_shown = false;
    bool m_falhaDeLeitura = false;
};
