#include "ui/common/Navigator.h"
#include "ui/common/Telas.h"

#include "model/THistorico.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "model/TUsuario.h"
#include "ui/finance/TfrAlteraParcela.h"
#include "ui/finance/TfrEscolhaAsDatas.h"
#include "ui/finance/TfrFinancas.h"
#include "ui/finance/TfrFinancasPesquisa.h"
#include "ui/finance/TfrRepetindoContas.h"
#include "ui/maintenance/TfrBackUP.h"
#include "ui/maintenance/TfrPredios.h"
#include "ui/maintenance/TfrSobre.h"
#include "ui/maintenance/TfrSugestoes.h"
#include "ui/registration/TfrAcessoRapidoPF.h"
#include "ui/registration/TfrAcessoRapidoPJ.h"
#include "ui/registration/TfrAlbum.h"
#include "ui/registration/TfrCadastroContatoPJ.h"
#include "ui/registration/TfrContatoPJ.h"
#include "ui/registration/TfrExportarContatos.h"
#include "ui/registration/TfrGrupos.h"
#include "ui/registration/TfrHistorico.h"
#include "ui/registration/TfrImportarContatos.h"
#include "ui/registration/TfrInserirImagem.h"
#include "ui/registration/TfrMostraImg.h"
#include "ui/registration/TfrPessoaFisica.h"
#include "ui/registration/TfrPessoaJuridica.h"
#include "ui/reports/TfrFones.h"
#include "ui/reports/TfrImprimeEtiquetas.h"
#include "ui/reports/TfrMalaDiretaPF.h"
#include "ui/reports/TfrMalaDiretaPJ.h"
#include "ui/reports/TfrMeuPreview.h"
#include "ui/reports/TfrRelPF.h"
#include "ui/reports/TfrRelPJ.h"
#include "ui/reports/TfrRelPTotal.h"
#include "ui/reports/TqrpLista.h"
#include "ui/search/TfrPesquisaPessoaFisica.h"
#include "ui/search/TfrPesquisaPessoaJuridica.h"
#include "ui/session/TfrAlteraSenha.h"
#include "ui/session/TfrConexaoRede.h"
#include "ui/session/TfrNovoUsuario.h"
#include "ui/session/TfrPesquisaAnotacao.h"
#include "ui/session/TfrPrimeiroUsuario.h"
#include "ui/session/TfrRemoverUsuarios.h"

#include <QEventLoop>

// Every screen the program can open by name. A screen missing here keeps its
// menu entries disabled.
void InstallScreens()
{
    using namespace Telas;
    auto nav = std::make_unique<ScreenNavigator>();
    // a dialog's exec() result as what it gave back
    auto fim = [](int resultado) { return Retorno{.resultado = resultado}; };
    nav->add(kPesquisaAnotacao, [fim](QWidget *owner, const Abertura &a) {
        TfrPesquisaAnotacao dlg(a.login, owner);
        return fim(dlg.exec());
    });
    nav->add(kNovoUsuario, [fim](QWidget *owner, const Abertura &a) {
        TfrNovoUsuario dlg(static_cast<TfrNovoUsuario::Modo>(a.modo), owner);
        return fim(dlg.exec());
    });
    nav->add(kPrimeiroUsuario, [fim](QWidget *owner, const Abertura &) {
        TfrPrimeiroUsuario dlg(owner);
        return fim(dlg.exec());
    });
    nav->add(kRemoverUsuarios, [fim](QWidget *owner, const Abertura &a) {
        TfrRemoverUsuarios dlg(a.login, owner);
        return fim(dlg.exec());
    });
    nav->add(kBackUP, [fim](QWidget *owner, const Abertura &) {
        TfrBackUP dlg(owner);
        return fim(dlg.exec());
    });
    nav->add(kSobre, [fim](QWidget *owner, const Abertura &) {
        TfrSobre dlg(owner);
        return fim(dlg.exec());
    });
    nav->add(kConexaoRede, [fim](QWidget *owner, const Abertura &) {
        TfrConexaoRede dlg(owner);
        return fim(dlg.exec());
    });
    // titulo: the subject already filled in (empty from the main window)
    nav->add(kSugestoes, [fim](QWidget *owner, const Abertura &a) {
        TfrSugestoes dlg(owner, a.titulo);
        return fim(dlg.exec());
    });
    nav->add(kAlteraSenha, [fim](QWidget *owner, const Abertura &) {
        if (!TUsuario::atual())
            return Retorno{};
        TfrAlteraSenha dlg(*TUsuario::atual(), owner);
        return fim(dlg.exec());
    });
    nav->add(kGrupos, [fim](QWidget *owner, const Abertura &) {
        TfrGrupos dlg(owner);
        return fim(dlg.exec());
    });
    // the picked person's identifier also stays in UltimoEscolhido
    nav->add(kPesquisaPessoaFisica, [](QWidget *owner, const Abertura &) {
        const auto pessoa = TfrPesquisaPessoaFisica::escolher(owner);
        TfrPesquisaPessoaFisica::UltimoEscolhido = pessoa ? pessoa->Identificador : 0;
        return Retorno{.resultado = pessoa ? int(QDialog::Accepted) : int(QDialog::Rejected),
                       .escolhido = TfrPesquisaPessoaFisica::UltimoEscolhido};
    });
    nav->add(kPesquisaPessoaJuridica, [](QWidget *owner, const Abertura &) {
        const auto empresa = TfrPesquisaPessoaJuridica::escolher(owner);
        TfrPesquisaPessoaJuridica::UltimoEscolhido = empresa ? empresa->Identificador : 0;
        return Retorno{.resultado = empresa ? int(QDialog::Accepted) : int(QDialog::Rejected),
                       .escolhido = TfrPesquisaPessoaJuridica::UltimoEscolhido};
    });
    nav->add(kAcessoRapidoPF, [fim](QWidget *owner, const Abertura &a) {
        TfrAcessoRapidoPF dlg(owner);
        if (a.oculto)
            dlg.OcultarDados();
        else if (!dlg.MostrarPessoa(a.identificador))
            return Retorno{}; // no stored person: nothing to show
        return fim(dlg.exec());
    });
    nav->add(kPredios, [fim](QWidget *owner, const Abertura &a) {
        if (!a.pessoa)
            return Retorno{};
        TfrPredios dlg(*a.pessoa, owner);
        return fim(dlg.exec());
    });
    nav->add(kPessoaFisica, [fim](QWidget *owner, const Abertura &a) {
        TfrPessoaFisica dlg(owner);
        if (a.identificador > 0) {
            TPessoaFisica pessoa;
            pessoa.Identificador = a.identificador;
            if (pessoa.Carregar())
                dlg.AbrirParaAlterar(pessoa);
        }
        return fim(dlg.exec());
    });
    nav->add(kAcessoRapidoPJ, [fim](QWidget *owner, const Abertura &a) {
        TfrAcessoRapidoPJ dlg(owner);
        if (a.oculto)
            dlg.OcultarDados();
        else if (!dlg.MostrarPessoa(a.identificador))
            return Retorno{}; // no stored company: nothing to show
        return fim(dlg.exec());
    });
    nav->add(kPessoaJuridica, [fim](QWidget *owner, const Abertura &a) {
        TfrPessoaJuridica dlg(owner);
        TPessoaJuridica empresa;
        if (a.identificador > 0 && empresa.Carregar(a.identificador))
            dlg.AbrirParaAlterar(empresa);
        return fim(dlg.exec());
    });
    // nothing opens for an identifier of 0 or less or a person not stored
    nav->add(kAlbum, [fim](QWidget *owner, const Abertura &a) {
        TPessoaFisica pessoa;
        pessoa.Identificador = a.identificador;
        if (pessoa.Identificador <= 0 || !pessoa.Carregar())
            return Retorno{};
        TfrAlbum dlg(pessoa, owner);
        return fim(dlg.exec());
    });
    nav->add(kInserirImagem, [fim](QWidget *owner, const Abertura &a) {
        TPessoaFisica pessoa;
        pessoa.Identificador = a.identificador;
        if (pessoa.Identificador <= 0 || !pessoa.Carregar())
            return Retorno{};
        TfrInserirImagem dlg(pessoa, owner);
        return fim(dlg.exec());
    });
    nav->add(kContatoPJ, [fim](QWidget *owner, const Abertura &a) {
        if (a.identificador <= 0)
            return Retorno{}; // no company: no contacts to edit
        TfrContatoPJ dlg(owner);
        if (a.contato > 0) {
            // one contact for change: the company's name comes from its row
            TPessoaJuridica empresa;
            if (!empresa.Carregar(a.identificador))
                return Retorno{};
            dlg.DefinirEmpresa(a.identificador, empresa.Nome);
            if (dlg.AbrirParaAlterar(a.contato)) {
                for (const TContato_PJ &c : dlg.Contatos())
                    if (c.Identificador == a.contato)
                        dlg.setWindowTitle(QStringLiteral("Alterando um Contato de ") + empresa.Nome +
                                           QStringLiteral(" :: ") + c.Nome);
            }
            return fim(dlg.exec());
        }
        dlg.DefinirEmpresa(a.identificador, a.nome);
        if (!a.titulo.isEmpty())
            dlg.setWindowTitle(a.titulo);
        return fim(dlg.exec());
    });
    nav->add(kRelPF, [fim](QWidget *owner, const Abertura &) {
        TfrRelPF dlg(owner);
        return fim(dlg.exec());
    });
    nav->add(kRelPJ, [fim](QWidget *owner, const Abertura &) {
        TfrRelPJ dlg(owner);
        return fim(dlg.exec());
    });
    nav->add(kRelPTotal, [fim](QWidget *owner, const Abertura &) {
        TfrRelPTotal dlg(owner);
        return fim(dlg.exec());
    });
    // the telephone lists of what the logged-in user may see
    nav->add(kFones, [fim](QWidget *owner, const Abertura &) {
        if (!TUsuario::atual())
            return Retorno{};
        TfrFones dlg(TUsuario::atual()->Login, owner);
        return fim(dlg.exec());
    });
    // contacts from and to other address books, owned by and visible to the logged-in user
    nav->add(kImportarContatos, [fim](QWidget *owner, const Abertura &) {
        if (!TUsuario::atual())
            return Retorno{};
        TfrImportarContatos dlg(TUsuario::atual()->Login, owner);
        return fim(dlg.exec());
    });
    nav->add(kExportarContatos, [fim](QWidget *owner, const Abertura &a) {
        if (!TUsuario::atual())
            return Retorno{};
        TfrExportarContatos dlg(TUsuario::atual()->Login, a.fisicas, a.juridicas, owner);
        return fim(dlg.exec());
    });
    // the mail merge of what the logged-in user may see
    nav->add(kMalaDiretaPF, [fim](QWidget *owner, const Abertura &) {
        if (!TUsuario::atual())
            return Retorno{};
        TfrMalaDiretaPF dlg(TUsuario::atual()->Login, owner);
        return fim(dlg.exec());
    });
    nav->add(kMalaDiretaPJ, [fim](QWidget *owner, const Abertura &) {
        if (!TUsuario::atual())
            return Retorno{};
        TfrMalaDiretaPJ dlg(TUsuario::atual()->Login, owner);
        return fim(dlg.exec());
    });
    // the list reports: the preview is not modal, but the command lasts until it closes
    for (const auto &[tela, lista] :
         {std::pair{kListaPF, RelatorioListas::Lista::PF}, std::pair{kListaPJ, RelatorioListas::Lista::PJ},
          std::pair{kListaPC, RelatorioListas::Lista::PC}}) {
        nav->add(tela, [lista](QWidget *owner, const Abertura &) {
            if (!TUsuario::atual())
                return Retorno{};
            if (QWidget *p = TqrpLista::Exibir(owner, lista, TUsuario::atual()->Login)) {
                QEventLoop loop;
                QObject::connect(p, &QObject::destroyed, &loop, &QEventLoop::quit);
                loop.exec();
            }
            return Retorno{};
        });
    }
    nav->add(kImprimeEtiquetas, [fim](QWidget *owner, const Abertura &) {
        if (!TUsuario::atual())
            return Retorno{};
        TfrImprimeEtiquetas dlg(TUsuario::atual()->Login, owner);
        return fim(dlg.exec());
    });
    nav->add(kCadastroContatoPJ, [fim](QWidget *owner, const Abertura &) {
        TfrCadastroContatoPJ dlg(owner);
        return fim(dlg.exec());
    });
    // nothing opens for an identifier of 0 or less or a person not stored
    nav->add(kHistorico, [fim](QWidget *owner, const Abertura &a) {
        if (a.identificador <= 0)
            return Retorno{};
        THistorico historico;
        TfrHistorico dlg(historico, owner);
        if (a.tipoPessoa == 0) {
            TPessoaFisica pessoa;
            pessoa.Identificador = a.identificador;
            if (!pessoa.Carregar())
                return Retorno{};
            dlg.DefinirPessoa(pessoa);
        } else if (a.tipoPessoa == 1) {
            TPessoaJuridica empresa;
            if (!empresa.Carregar(a.identificador))
                return Retorno{};
            dlg.DefinirPessoa(empresa);
        } else {
            return Retorno{};
        }
        return fim(dlg.exec());
    });
    nav->add(kMostraImg, [fim](QWidget *owner, const Abertura &a) {
        TfrMostraImg dlg(a.identificador, owner);
        if (!a.titulo.isEmpty())
            dlg.setWindowTitle(a.titulo);
        return fim(dlg.exec());
    });
    // the finances of a stored individual (0) or company (1), loaded in full
    nav->add(kFinancas, [fim](QWidget *owner, const Abertura &a) {
        if (a.identificador <= 0)
            return Retorno{};
        TfrFinancas dlg(owner);
        if (a.tipoPessoa == 0) {
            TPessoaFisica pessoa;
            pessoa.Identificador = a.identificador;
            if (!pessoa.Carregar())
                return Retorno{};
            dlg.DefinirPessoa(pessoa);
        } else if (a.tipoPessoa == 1) {
            TPessoaJuridica empresa;
            if (!empresa.Carregar(a.identificador))
                return Retorno{};
            dlg.DefinirPessoa(empresa);
        } else {
            return Retorno{};
        }
        return fim(dlg.exec());
    });
    nav->add(kFinancasPesquisa, [fim](QWidget *owner, const Abertura &) {
        TfrFinancasPesquisa dlg(owner);
        return fim(dlg.exec());
    });
    // the dates count however the dialog was closed
    nav->add(kEscolhaAsDatas, [](QWidget *owner, const Abertura &a) {
        TfrEscolhaAsDatas escolha(owner);
        escolha.MostrarTodasAsPessoas(a.todasAsPessoas);
        if (a.inicial != 0 || a.final != 0)
            escolha.DefinirDatas(a.inicial, a.final);
        const int r = escolha.exec();
        return Retorno{.resultado = r,
                       .inicial = escolha.DataInicial(),
                       .final = escolha.DataFinal(),
                       .todasAsPessoas = a.todasAsPessoas && escolha.TodasAsPessoas()};
    });
    nav->add(kRepetindoContas, [fim](QWidget *owner, const Abertura &a) {
        if (!a.financa || a.quantidade <= 0)
            return Retorno{};
        TfrRepetindoContas repetindo(*a.financa, a.quantidade, owner);
        if (!a.titulo.isEmpty())
            repetindo.setWindowTitle(a.titulo);
        return fim(repetindo.exec());
    });
    nav->add(kAlteraParcela, [](QWidget *owner, const Abertura &a) {
        TfrAlteraParcela altera(owner);
        altera.Definir(a.inicial, a.valor);
        const int r = altera.exec();
        return Retorno{
            .resultado = r, .inicial = altera.Data(), .salvo = altera.Salvo(), .valor = altera.Valor()};
    });
    Navigator::install(std::move(nav));
}
