#include "ui/search/TfrPesquisaPessoaFisica.h"

#include "data/TDM.h"
#include "ui/search/TframePesquisaNome.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

qint32 TfrPesquisaPessoaFisica::UltimoEscolhido = 0;

TfrPesquisaPessoaFisica::TfrPesquisaPessoaFisica(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frPesquisaPessoaFisica"));
    setWindowTitle(QStringLiteral("Pesquisa Pessoa Física"));
    setModal(true);
    framePesquisaNome1 = new TframePesquisaNome(this);
    framePesquisaNome1->setObjectName(QStringLiteral("framePesquisaNome1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(framePesquisaNome1);
    setFixedSize(900, 480);
    framePesquisaNome1->MostrarResultado();
    connect(framePesquisaNome1, &FramePesquisa::gradeDuploClique, this,
            &TfrPesquisaPessoaFisica::framePesquisaNome1GridDblClick);
}

std::optional<TPessoaFisica> TfrPesquisaPessoaFisica::escolhido() const
{
    const int i = framePesquisaNome1->IndiceEscolhido();
    if (i < 0 || i >= framePesquisaNome1->PessoasEncontradas().size())
        return std::nullopt;
    const qint32 id = framePesquisaNome1->PessoasEncontradas().at(i).Identificador;
    if (!m_lida || m_lida->first != id) {
        TPessoaFisica pessoa(BancoDados());
        pessoa.Identificador = id;
        std::optional<TPessoaFisica> lida;
        if (pessoa.Carregar()) {
            // the row as stored: its name is the one to compare a change with
            pessoa.NomeAntigo = pessoa.Nome;
            lida = std::move(pessoa);
        }
        m_lida.emplace(id, std::move(lida));
    }
    return m_lida->second;
}

std::optional<TPessoaFisica> TfrPesquisaPessoaFisica::escolher(QWidget *owner)
{
    TfrPesquisaPessoaFisica dlg(owner);
    dlg.exec();
    return dlg.escolhido();
}

void TfrPesquisaPessoaFisica::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrPesquisaPessoaFisica::FormShow()
{
    if (const QScreen *tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    framePesquisaNome1->CarregarGrupos();
    setWindowTitle(QStringLiteral(
        "Pesquisa Pessoa Física :: Após a pesquisa dê um duplo clique sobre o nome da pessoa"));
}

void TfrPesquisaPessoaFisica::framePesquisaNome1GridDblClick()
{
    m_lida.reset(); // a new pick reads the row again, even the same person's
    done(escolhido() ? QDialog::Accepted : QDialog::Rejected);
}
