#pragma once

#include "model/TAnotacao.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>

class ListaAniversariantes;
class ListaPessoasResumo;
struct PessoaResumo;
class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSessionManager;
class QSystemTrayIcon;
class QTabWidget;
class TUsuario;

// The main window: menus, tool bar, status bar with the clock, the tray icon,
// the diary of the day and three lists over the persons the user may see:
// this month's birthdays, the emergency telephones and a telephone search by
// name. Double-clicking a person opens its entry screen for change. Closing it hides it beside the clock;
// only the exit commands end the program.
class TfrPrincipalAC : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrPrincipalAC(TUsuario &usuario, QWidget *parent = nullptr);

    // Brings the window back from beside the clock (tray, second start).
    void MostrarDoRelogio();
    void EsconderAoLadoDoRelogio();
    bool diarioPendente() const;

    // The list tabs. The birthday list shows the current month; an error
    // there is shown, while the two telephone lists are simply left empty.
    void CarregarAniversariantes();
    // Writes "Aniversario.html" beside the program and opens it: 1 = this
    // month, 2 = every month.
    void ImprimirAniversariantes(int tipo);
    void CarregarEmergencia();
    // The two lists fill just after the window first shows, so it maps at
    // once whatever the size of the data; true once they have.
    bool ListasCarregadas() const { return m_listasCarregadas; }
    void PesquisarPorNome();
    // Opens the individual or company screen for change with the entry's person.
    void AbrirPessoa(const PessoaResumo &entrada);

    // The end asked by a signal (kill, logout): the diary's unsaved text is
    // saved to its date without a question, then the program ends.
    void EncerrarPorSinal();

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
    void PageControl1Change(int index);
    void ListaDblClick(const QModelIndex &index);
    void ListaFonesDblClick(const QModelIndex &index);
    void ListBox8Click(const QModelIndex &index);
    void ListBox8DblClick(const QModelIndex &index);
    void Histrico1Click();
    void MenuItem3Click();
    void Contatos1Click();

private:
    // Opens another screen (a call into Telas); when persons were written
    // there, the birthday and emergency lists are read again.
    void abrir(const std::function<int()> &abrirTela);
    void abrir(const QString &screen);
    void criarMenus();
    void criarBarraDeFerramentas();
    void criarBarraDeStatus();
    void criarDiario();
    void criarIconeDaBandeja();
    void criarListas();
    const PessoaResumo *entradaPesquisada() const;
    void atualizarTitulos();
    void atualizarBackup(bool criacao);
    void carregarDiario();
    // False when the save failed (the text stays, the error was shown).
    bool salvarDiario(double data);
    // Asks the closing question when the diary holds unsaved text; saves on Yes.
    // False only when the user chose to save and the save failed: the
    // caller then keeps the window and the text.
    bool perguntarSalvarDiario(double data);
    QAction *acao(const QString &name, const QString &caption, const QKeySequence &shortcut = {});
    // A menu entry that opens `screen` (through abrirTela when the screen needs
    // more than its owner); disabled while the program has no such screen.
    QAction *tela(const QString &name, const QString &caption, const QString &screen,
                  const QKeySequence &shortcut = {}, std::function<int()> abrirTela = {});

    TUsuario &m_usuario;
    TAnotacao Anotacao;
    double m_dataCarregada = 0;
    bool m_carregando = false;
    bool m_primeiraExibicao = true;
    bool m_listasCarregadas = false;

    QTabWidget *PageControl1;
    QDateEdit *Data_Diario;
    QLabel *lblDataExtenso;
    QPlainTextEdit *edtTexto;
    QPushButton *btnPesquisa, *btnSalvar, *btnLimpar;
    QLabel *m_status[4];
    QTimer Timer1;
    QSystemTrayIcon *JvTrayIcon1 = nullptr;
    QAction *Alterardadosde1, *Entrarcomumnovousurio1, *QueroaversoemREDE1;

    QLabel *Panel2 = nullptr;
    ListaAniversariantes *Lista = nullptr;
    ListaPessoasResumo *ListaFones = nullptr;
    QLineEdit *edtNome = nullptr;
    QLabel *Panel22 = nullptr;
    ListaPessoasResumo *ListBox8 = nullptr;
    QMenu *MenuPF_PJ = nullptr;
    QAction *NomeTipo1 = nullptr, *Histrico1 = nullptr, *MenuItem3 = nullptr, *MenuItem4 = nullptr,
            *Contatos1 = nullptr;
};
