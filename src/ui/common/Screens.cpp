#include "ui/common/Navigator.h"

#include "model/THistorico.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "model/TUsuario.h"
#include "ui/maintenance/TfrBackUP.h"
#include "ui/maintenance/TfrPredios.h"
#include "ui/registration/TfrAcessoRapidoPF.h"
#include "ui/registration/TfrAcessoRapidoPJ.h"
#include "ui/registration/TfrAlbum.h"
#include "ui/registration/TfrCadastroContatoPJ.h"
#include "ui/registration/TfrContatoPJ.h"
#include "ui/registration/TfrGrupos.h"
#include "ui/registration/TfrHistorico.h"
#include "ui/registration/TfrInserirImagem.h"
#include "ui/registration/TfrMostraImg.h"
#include "ui/registration/TfrPessoaFisica.h"
#include "ui/registration/TfrPessoaJuridica.h"
#include "ui/search/TfrPesquisaPessoaFisica.h"
#include "ui/search/TfrPesquisaPessoaJuridica.h"
#include "ui/session/TfrAlteraSenha.h"
#include "ui/session/TfrNovoUsuario.h"
#include "ui/session/TfrPesquisaAnotacao.h"

// Every screen the program can open by name. A screen missing here keeps its
// menu entries disabled.
void InstallScreens()
{
    auto nav = std::make_unique<ScreenNavigator>();
    nav->add(QStringLiteral("TfrPesquisaAnotacao"), [](QWidget *owner, const QVariantMap &args) {
        TfrPesquisaAnotacao dlg(args.value(QStringLiteral("login")).toString(), owner);
        return dlg.exec();
    });
    nav->add(QStringLiteral("TfrNovoUsuario"), [](QWidget *owner, const QVariantMap &) {
        TfrNovoUsuario dlg(TfrNovoUsuario::Modo::Normal, owner);
        return dlg.exec();
    });
    nav->add(QStringLiteral("TfrBackUP"), [](QWidget *owner, const QVariantMap &) {
        TfrBackUP dlg(owner);
        return dlg.exec();
    });
    nav->add(QStringLiteral("TfrAlteraSenha"), [](QWidget *owner, const QVariantMap &) {
        if (!TUsuario::atual())
            return 0;
        TfrAlteraSenha dlg(*TUsuario::atual(), owner);
        return dlg.exec();
    });
    nav->add(QStringLiteral("TfrGrupos"), [](QWidget *owner, const QVariantMap &) {
        TfrGrupos dlg(owner);
        return dlg.exec();
    });
    // the picked person's identifier goes to the qint32 that args["escolhido"]
    // points at (0: nobody), and stays in UltimoEscolhido
    nav->add(QStringLiteral("TfrPesquisaPessoaFisica"), [](QWidget *owner, const QVariantMap &args) {
        const auto pessoa = TfrPesquisaPessoaFisica::escolher(owner);
        TfrPesquisaPessoaFisica::UltimoEscolhido = pessoa ? pessoa->Identificador : 0;
        if (auto *out = static_cast<qint32 *>(args.value(QStringLiteral("escolhido")).value<void *>()))
            *out = TfrPesquisaPessoaFisica::UltimoEscolhido;
        return pessoa ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    nav->add(QStringLiteral("TfrPesquisaPessoaJuridica"), [](QWidget *owner, const QVariantMap &args) {
        const auto empresa = TfrPesquisaPessoaJuridica::escolher(owner);
        TfrPesquisaPessoaJuridica::UltimoEscolhido = empresa ? empresa->Identificador : 0;
        if (auto *out = static_cast<qint32 *>(args.value(QStringLiteral("escolhido")).value<void *>()))
            *out = TfrPesquisaPessoaJuridica::UltimoEscolhido;
        return empresa ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    nav->add(QStringLiteral("TfrAcessoRapidoPF"), [](QWidget *owner, const QVariantMap &args) {
        TfrAcessoRapidoPF dlg(owner);
        if (args.value(QStringLiteral("oculto")).toBool())
            dlg.OcultarDados();
        else if (!dlg.MostrarPessoa(args.value(QStringLiteral("identificador")).toInt()))
            return 0; // no stored person: nothing to show
        return dlg.exec();
    });
    nav->add(QStringLiteral("TfrPredios"), [](QWidget *owner, const QVariantMap &args) {
        auto *pessoa = static_cast<TPessoaFisica *>(args.value(QStringLiteral("pessoa")).value<void *>());
        if (!pessoa)
            return 0;
        TfrPredios dlg(*pessoa, owner);
        return dlg.exec();
    });
    nav->add(QStringLiteral("TfrPessoaFisica"), [](QWidget *owner, const QVariantMap &args) {
        TfrPessoaFisica dlg(owner);
        // {"identificador": id} opens it for change with that individual
        const int id = args.value(QStringLiteral("identificador")).toInt();
        if (id > 0) {
            TPessoaFisica pessoa;
            pessoa.Identificador = id;
            if (pessoa.Carregar())
                dlg.AbrirParaAlterar(pessoa);
        }
        return dlg.exec();
    });
    nav->add(QStringLiteral("TfrAcessoRapidoPJ"), [](QWidget *owner, const QVariantMap &args) {
        TfrAcessoRapidoPJ dlg(owner);
        if (args.value(QStringLiteral("oculto")).toBool())
            dlg.OcultarDados();
        else if (!dlg.MostrarPessoa(args.value(QStringLiteral("identificador")).toInt()))
            return 0; // no stored company: nothing to show
        return dlg.exec();
    });
    nav->add(QStringLiteral("TfrPessoaJuridica"), [](QWidget *owner, const QVariantMap &args) {
        TfrPessoaJuridica dlg(owner);
        // {"identificador": id} opens it for change with that company
        const int id = args.value(QStringLiteral("identificador")).toInt();
        TPessoaJuridica empresa;
        if (id > 0 && empresa.Carregar(id))
            dlg.AbrirParaAlterar(empresa);
        return dlg.exec();
    });
    // the photo album of an individual: {"identificador": int, "tipoPessoa": 0};
    // nothing opens for an identifier of 0 or less or a person not stored
    nav->add(QStringLiteral("TfrAlbum"), [](QWidget *owner, const QVariantMap &args) {
        TPessoaFisica pessoa;
        pessoa.Identificador = args.value(QStringLiteral("identificador")).toInt();
        if (pessoa.Identificador <= 0 || !pessoa.Carregar())
            return 0;
        TfrAlbum dlg(pessoa, owner);
        return dlg.exec();
    });
    nav->add(QStringLiteral("TfrInserirImagem"), [](QWidget *owner, const QVariantMap &args) {
        TPessoaFisica pessoa;
        pessoa.Identificador = args.value(QStringLiteral("identificador")).toInt();
        if (pessoa.Identificador <= 0 || !pessoa.Carregar())
            return 0;
        TfrInserirImagem dlg(pessoa, owner);
        return dlg.exec();
    });
    // {"identificador": company id, "nome": its name, "caption": window caption}
    nav->add(QStringLiteral("TfrContatoPJ"), [](QWidget *owner, const QVariantMap &args) {
        const int id = args.value(QStringLiteral("identificador")).toInt();
        if (id <= 0)
            return 0; // no company: no contacts to edit
        TfrContatoPJ dlg(owner);
        dlg.DefinirEmpresa(id, args.value(QStringLiteral("nome")).toString());
        const QString caption = args.value(QStringLiteral("caption")).toString();
        if (!caption.isEmpty())
            dlg.setWindowTitle(caption);
        return dlg.exec();
    });
    nav->add(QStringLiteral("TfrCadastroContatoPJ"), [](QWidget *owner, const QVariantMap &) {
        TfrCadastroContatoPJ dlg(owner);
        return dlg.exec();
    });
    // the history of an individual ("tipoPessoa" 0) or a company (1):
    // {"identificador": int, "tipoPessoa": int}; nothing opens for an
    // identifier of 0 or less or a person not stored
    nav->add(QStringLiteral("TfrHistorico"), [](QWidget *owner, const QVariantMap &args) {
        const int id = args.value(QStringLiteral("identificador")).toInt();
        const int tipo = args.value(QStringLiteral("tipoPessoa")).toInt();
        if (id <= 0)
            return 0;
        THistorico historico;
        TfrHistorico dlg(historico, owner);
        if (tipo == 0) {
            TPessoaFisica pessoa;
            pessoa.Identificador = id;
            if (!pessoa.Carregar())
                return 0;
            dlg.DefinirPessoa(pessoa);
        } else if (tipo == 1) {
            TPessoaJuridica empresa;
            if (!empresa.Carregar(id))
                return 0;
            dlg.DefinirPessoa(empresa);
        } else {
            return 0;
        }
        return dlg.exec();
    });
    // the picture of one history entry: {"identificador": entry, "caption": window caption}
    nav->add(QStringLiteral("TfrMostraImg"), [](QWidget *owner, const QVariantMap &args) {
        TfrMostraImg dlg(args.value(QStringLiteral("identificador")).toInt(), owner);
        const QString caption = args.value(QStringLiteral("caption")).toString();
        if (!caption.isEmpty())
            dlg.setWindowTitle(caption);
        return dlg.exec();
    });
    Navigator::install(std::move(nav));
}
