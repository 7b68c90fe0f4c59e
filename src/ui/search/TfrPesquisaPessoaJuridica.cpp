#include "ui/search/TfrPesquisaPessoaJuridica.h"

#include "data/TDM.h"
#include "ui/search/TFrame_Pesquisa_Juridica.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

qint32 TfrPesquisaPessoaJuridica::UltimoEscolhido = 0;

TfrPesquisaPessoaJuridica::TfrPesquisaPessoaJuridica(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frPesquisaPessoaJuridica"));
    setWindowTitle(QStringLiteral("Pesquisa Pessoa Jurídica"));
    setModal(true);
    Frame_Pesquisa_Juridica1 = new TFrame_Pesquisa_Juridica(this);
    Frame_Pesquisa_Juridica1->setObjectName(QStringLiteral("Frame_Pesquisa_Juridica1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Frame_Pesquisa_Juridica1);
    setFixedSize(900, 480);
    Frame_Pesquisa_Juridica1->MostrarResultado();
    connect(Frame_Pesquisa_Juridica1, &FramePesquisa::gradeDuploClique, this,
            &TfrPesquisaPessoaJuridica::Frame_Pesquisa_Juridica1GridDblClick);
}

std::optional<TPessoaJuridica> TfrPesquisaPessoaJuridica::escolhido() const
{
    const int i = Frame_Pesquisa_Juridica1->IndiceEscolhido();
    if (i < 0 || i >= Frame_Pesquisa_Juridica1->PessoasEncontradas().size())
        return std::nullopt;
    const qint32 id = Frame_Pesquisa_Juridica1->PessoasEncontradas().at(i).Identificador;
    if (!m_lida || m_lida->first != id) {
        TPessoaJuridica empresa(BancoDados());
        std::optional<TPessoaJuridica> lida;
        if (empresa.Carregar(id)) {
            // the row as stored: its name is the one to compare a change with
            empresa.NomeAntigo = empresa.Nome;
            lida = std::move(empresa);
        }
        m_lida.emplace(id, std::move(lida));
    }
    return m_lida->second;
}

std::optional<TPessoaJuridica> TfrPesquisaPessoaJuridica::escolher(QWidget *owner)
{
    TfrPesquisaPessoaJuridica dlg(owner);
    dlg.exec();
    return dlg.escolhido();
}

void TfrPesquisaPessoaJuridica::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrPesquisaPessoaJuridica::FormShow()
{
    if (const QScreen *tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    Frame_Pesquisa_Juridica1->CarregarGrupos();
    setWindowTitle(QStringLiteral(
        "Pesquisa Pessoa Jurídica :: Após a pesquisa dê um duplo clique sobre o nome da pessoa"));
}

void TfrPesquisaPessoaJuridica::Frame_Pesquisa_Juridica1GridDblClick()
{
    m_lida.reset(); // a new pick reads the row again, even the same company's
    done(escolhido() ? QDialog::Accepted : QDialog::Rejected);
}
