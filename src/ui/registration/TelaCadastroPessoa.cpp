#include "ui/registration/TelaCadastroPessoa.h"

#include "model/TPessoa.h"
#include "services/Settings.h"
#include "ui/common/GroupList.h"
#include "ui/common/Help.h"
#include "ui/common/Telas.h"

#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>

using namespace EntradaCadastro;

TelaCadastroPessoa::TelaCadastroPessoa(int tipoPessoa, const QString &secao, const QString &ajuda,
                                       const QString &exemploGrupo, QWidget *parent)
    : QDialog(parent), m_grupo(this, exemploGrupo), m_tipoPessoa(tipoPessoa), m_secao(secao), m_ajuda(ajuda)
{
}

void TelaCadastroPessoa::LigarBarraEGrupo()
{
    connect(m_barra.btnGravar, &QToolButton::clicked, this, &TelaCadastroPessoa::btnGravarClick);
    connect(m_barra.btnCancelar, &QToolButton::clicked, this, &TelaCadastroPessoa::btnCancelarClick);
    connect(m_barra.btnSair, &QToolButton::clicked, this, &TelaCadastroPessoa::btnSairClick);
    connect(m_grupo.btnNovoGrupo, &QToolButton::clicked, this, &TelaCadastroPessoa::btnNovoGrupoClick);
    connect(m_grupo.txtGrupo, &GroupList::grupoSelecionado, this, &TelaCadastroPessoa::txtGrupoCloseUp);
}

void TelaCadastroPessoa::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TelaCadastroPessoa::FormShow()
{
    AlternarEdicao();
    RestaurarEstadoEPagina(m_endereco->edtEstado, PageControl1, m_secao, m_operacao == Alterar);
}

void TelaCadastroPessoa::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TelaCadastroPessoa::FormClose()
{
    GuardarEstadoEPagina(m_endereco->edtEstado, PageControl1, m_secao);
}

void TelaCadastroPessoa::keyPressEvent(QKeyEvent *event)
{
    FormKeyDown(event);
    if (!event->isAccepted())
        QDialog::keyPressEvent(event);
}

bool TelaCadastroPessoa::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        FormKeyDown(key);
        if (key->isAccepted())
            return true;
        TeclaNoCampo(watched, key);
        if (key->isAccepted())
            return true;
        key->setAccepted(true); // Qt's default for the widget that gets it
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        DuploCliqueNoCampo(watched);
    }
    return QDialog::eventFilter(watched, event);
}

void TelaCadastroPessoa::TeclaNoCampo(QObject *, QKeyEvent *event)
{
    event->ignore();
}

void TelaCadastroPessoa::DuploCliqueNoCampo(QObject *)
{
}

void TelaCadastroPessoa::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(m_ajuda);
        event->accept();
        return;
    }
    event->ignore();
}

TelaCadastroPessoa::Gravacao TelaCadastroPessoa::Executar(TPessoa &p)
{
    Gravacao feito;
    switch (m_operacao) {
    case Novo: Inserir(p, feito); break;
    case Alterar:
        // nobody picked: there is no person 0 to change
        if (m_identificador > 0) {
            p.NomeAntigo = m_nomeAntigo;
            p.VersaoLida = m_versaoLida;
            feito.resultado = p.Alterar();
            m_versaoLida = p.VersaoLida;
            if (p.Recarregada)
                MostrarGravada(p);
        }
        break;
    case Excluir:
        if (m_identificador > 0)
            feito.resultado = p.Excluir();
        break;
    default: break;
    }
    feito.inserido = p.Identificador;
    feito.nome = p.Nome;
    return feito;
}

void TelaCadastroPessoa::Inserir(TPessoa &p, Gravacao &feito)
{
    feito.resultado = p.Inserir();
}

void TelaCadastroPessoa::btnGravarClick()
{
    const std::optional<Gravacao> feito = ExecutarOperacao();
    if (!feito)
        return;

    // a declined question or a failed write keeps what the user typed;
    // a change or delete with nobody picked has nothing to act on and ends as usual
    const bool tentou =
        !feito->outraTela && (m_operacao == Novo || (m_operacao != Nenhuma && m_identificador > 0));
    if (tentou && feito->resultado != Resultado::Gravado)
        return;

    // the quick-access window only for a person that exists: the inserted one's
    // identifier, or the one changed
    if (!feito->outraTela && feito->resultado == Resultado::Gravado &&
        (m_operacao == Novo || m_operacao == Alterar) && QuickAccessEnabled(m_tipoPessoa)) {
        const qint32 salvo = m_operacao == Novo ? feito->inserido : m_identificador;
        if (salvo > 0)
            AbrirAcessoRapido(salvo, ResumoAcessoRapido(m_grupo.nomeDoGrupo(), feito->nome, feito->email));
    }

    // back to browsing
    const int operacao = m_operacao;
    const QString nomeAntigo = m_nomeAntigo;
    lblLogin->clear();
    m_operacao = Nenhuma;
    m_identificador = 0;
    m_versaoLida = {};
    if (m_barra.editando())
        AlternarEdicao();
    DepoisDeGravar();
    // the name list changes by the one name written, without reading every
    // name again; another screen may have written any number of rows
    if (feito->outraTela)
        PreencherNomes();
    else if (feito->resultado != Resultado::Gravado)
        AtualizarNome(QString(), QString());
    else if (operacao == Novo)
        AtualizarNome(QString(), feito->nome);
    else if (operacao == Alterar)
        AtualizarNome(nomeAntigo, feito->nome);
    else if (operacao == Excluir)
        AtualizarNome(nomeAntigo, QString());
    m_nomeAntigo.clear();
}

void TelaCadastroPessoa::btnCancelarClick()
{
    AlternarEdicao();
    m_operacao = Nenhuma;
    m_identificador = 0;
    m_versaoLida = {};
}

void TelaCadastroPessoa::btnSairClick()
{
    close();
}

void TelaCadastroPessoa::btnNovoGrupoClick()
{
    Telas::Grupos(this);
    m_grupo.preencher();
}

void TelaCadastroPessoa::txtGrupoCloseUp()
{
    m_grupo.atualizarRotulo();
}
