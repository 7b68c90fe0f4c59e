#include "ui/session/Startup.h"

#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "app/Version.h"
#include "data/DbError.h"
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/AppIcon.h"
#include "ui/common/MediaSoundPlayer.h"
#include "ui/common/Navigator.h"
#include "ui/common/Traducoes.h"
#include "ui/common/WidgetSeams.h"
#include "ui/session/TfrLogin.h"
#include "ui/session/TfrPrincipalAC.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

#include <memory>

std::unique_ptr<TUsuario> FazerLogin(TDM *dm)
{
    // 5. the login window
    auto login = std::make_unique<TfrLogin>();
    login->exec();

    // 6. the current user
    auto usuario = dm ? std::make_unique<TUsuario>(dm->BancoDados) : nullptr;
    if (usuario) {
        usuario->Login = login->login();
        usuario->LoginAnterior = usuario->Login;
        usuario->Senha = ScrambleText(Win1252::toUpper(login->senha()), 10);
        // the row may have changed since the window checked it
        if (!usuario->Autenticar())
            TfrLogin::LoginFailed = true;
    }

    // ended by a signal while the login window was open: leave without a word
    if (TerminationSignals::requested()) {
        login.reset();
        return nullptr;
    }

    // 7. the outcome, then the window goes
    const bool failed = TfrLogin::LoginFailed || !usuario;
    const bool leaving = TfrLogin::TerminateOnClose;
    login.reset();

    // 8. a failed login ends the program after one message ("Sair" ends it at once)
    if (failed) {
        ClearAutomaticLogin();
        if (!leaving)
            Seams::messages().show(
                QStringLiteral(
                    "Login e/ou senha inválidos!\r\nVerifique se a tecla Caps Lock não está ligada."),
                MessageService::Kind::Error);
        if (dm)
            dm->BancoDados.disconnect();
        return nullptr;
    }
    return usuario;
}

int RunLumisto(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // 1. another copy running: bring it forward and end here, touching nothing
    SingleInstance instance;
    if (instance.notifyRunning() || !instance.listen())
        return 0;

    // 2. the date and time vocabulary is fixed to Brazilian Portuguese in the
    //    program's own formatter (util/DateTime), whatever the machine's locale

    // 3. title and hint colour
    QApplication::setApplicationName(QStringLiteral("Lumisto"));
    QApplication::setApplicationVersion(ProgramVersion());
    QApplication::setWindowIcon(AppIcon());
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(166, 198, 200));
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);
    InstalarTraducoesDoQt();
    InstallWidgetSeams();
    InstallMediaSoundPlayer();
    InstallScreens();
    // the main window hides beside the clock: closing it must not end the program
    QApplication::setQuitOnLastWindowClosed(false);

    // 4. the data module connects (its own failures are shown inside it)
    std::unique_ptr<TDM> dm;
    try {
        dm = std::make_unique<TDM>();
    } catch (const std::exception &) {
        Seams::messages().show(QStringLiteral("Erro na Criação do DataModule!"), MessageService::Kind::Error);
    }

    // kill, Ctrl+C and the end of the desktop session end the program as
    // "Sair" does; the database client has installed its own handlers by now
    TerminationSignals sinais;
    sinais.install();
    TfrPrincipalAC *janela = nullptr;
    QObject::connect(&sinais, &TerminationSignals::terminationRequested, &app, [&] {
        // the diary is saved first; only then may the last resort run
        if (janela)
            janela->EncerrarPorSinal();
        else
            QApplication::exit(0);
        TerminationSignals::endWithin(1500, instance.socketFile());
    });
    // however the program gets here after a signal, the detach below is
    // watched as well
    struct VigiaDoFim {
        SingleInstance &instancia;
        ~VigiaDoFim()
        {
            if (TerminationSignals::requested())
                TerminationSignals::endWithin(1500, instancia.socketFile());
        }
    } vigia{instance};

    std::unique_ptr<TUsuario> usuario = FazerLogin(dm.get());
    if (!usuario)
        return 0;

    // 9. the main window and the message loop
    TUsuario::setAtual(usuario.get());
    int code = 0;
    {
        TfrPrincipalAC principal(*usuario);
        QObject::connect(&instance, &SingleInstance::activationRequested, &principal,
                         &TfrPrincipalAC::MostrarDoRelogio);
        janela = &principal;
        principal.show();
        code = QApplication::exec();
        janela = nullptr;
    }
    TUsuario::setAtual(nullptr);
    return code;
}
