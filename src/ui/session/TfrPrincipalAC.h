#pragma once

#include "model/TAnotacao.h"

#include <QMainWindow>
#include <QTimer>

class QAction;
class QDateEdit;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSessionManager;
class QSystemTrayIcon;
class QTabWidget;
class TUsuario;

// The main window: menus, tool bar, status bar with the clock, the tray icon
// and the diary of the day. Closing it hides it beside the clock; only the
// exit commands end the program.
class TfrPrincipalAC : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrPrincipalAC(TUsuario &usuario, QWidget *parent = nullptr);

    // Brings the window back from beside the clock (tray, second start).
    void MostrarDoRelogio();
    void EsconderAoLadoDoRelogio();
    bool diarioPendente() const;

    // How the program ends (QApplication::quit by default; tests record it).
    static std::function<void()> Terminar;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void Timer1Timer();
    void Data_DiarioChange();
    void btnSalvarClick();
    void btnLimparClick();
    void btnPesquisaClick();
    void Sair1Click();
    void Sair2Click();
    void SairefazerLogOff1Click();
    void BackupRestore1Click();
    void QueroaversoemREDE1Click();
    void Alterardadosde1Click();
    void Entrarcomumnovousurio1Click();
    void commitData(QSessionManager &manager);

private:
    void criarMenus();
    void criarBarraDeFerramentas();
    void criarBarraDeStatus();
    void criarDiario();
    void criarIconeDaBandeja();
    void atualizarTitulos();
    void atualizarBackup(bool criacao);
    void carregarDiario();
    void salvarDiario(double data);
    // Asks the closing question when the diary holds unsaved text; saves on Yes.
    void perguntarSalvarDiario(double data);
    QAction *acao(const QString &name, const QString &caption, const QKeySequence &shortcut = {});
    QAction *tela(const QString &name, const QString &caption, const QString &screen,
                  const QKeySequence &shortcut = {});

    TUsuario &m_usuario;
    TAnotacao Anotacao;
    double m_dataCarregada = 0;
    bool m_carregando = false;
    bool m_primeiraExibicao = true;

    QTabWidget *PageControl1;
    QDateEdit *Data_Diario;
    QLabel *lblDataExtenso;
    QPlainTextEdit *edtTexto;
    QPushButton *btnPesquisa, *btnSalvar, *btnLimpar;
    QLabel *m_status[4];
    QTimer Timer1;
    QSystemTrayIcon *JvTrayIcon1 = nullptr;
    QAction *Alterardadosde1, *Entrarcomumnovousurio1, *QueroaversoemREDE1;
};
