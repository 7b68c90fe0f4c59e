#include "ui/registration/TfrExportarContatos.h"

#include "data/TDM.h"
#include "model/ImportacaoContatos.h"
#include "model/Mensagens.h"
#include "services/Seams.h"
#include "ui/common/GroupListModel.h"
#include "ui/common/Help.h"
#include "ui/common/TeclasDeEntrada.h"
#include "util/ContatosCsv.h"
#include "util/VCard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

const QString kTitulo = QStringLiteral("Exportar Contatos");

} // namespace

TfrExportarContatos::TfrExportarContatos(const QString &login, QList<qint32> fisicas, QList<qint32> juridicas,
                                         QWidget *parent)
    : QDialog(parent), m_login(login), m_fisicas(std::move(fisicas)), m_juridicas(std::move(juridicas))
{
    setObjectName(QStringLiteral("frExportarContatos"));
    setWindowTitle(kTitulo);
    setModal(true);
    m_grupos = new GroupListModel(this);
    criarControles();
    TeclasDeEntrada::Aplicar(this, TeclasDeEntrada::Esc::Cancela);
    if (!m_grupos->recarregar())
        MostrarErro(QStringLiteral("Não foi possível ler os grupos."));
    connect(btnExportar, &QPushButton::clicked, this, &TfrExportarContatos::btnExportarClick);
    connect(btnAjuda, &QPushButton::clicked, this, &TfrExportarContatos::btnAjudaClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton *rb : {rbTodos, rbGrupo, rbEscolhidos, rbVCard, rbCsv})
        connect(rb, &QRadioButton::toggled, this, &TfrExportarContatos::AtualizarEstado);
    AtualizarEstado();
}

void TfrExportarContatos::criarControles()
{
    auto radio = [this](const char *nome, const QString &texto) {
        auto *r = new QRadioButton(texto, this);
        r->setObjectName(QString::fromLatin1(nome));
        return r;
    };
    auto botao = [this](const char *nome, const QString &texto) {
        auto *b = new QPushButton(texto, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    rbTodos = radio("rbTodos", QStringLiteral("Todas as pessoas"));
    rbGrupo = radio("rbGrupo", QStringLiteral("As pessoas do grupo:"));
    rbEscolhidos =
        radio("rbEscolhidos",
              QStringLiteral("As %1 pessoa(s) escolhida(s)").arg(m_fisicas.size() + m_juridicas.size()));
    cbxGrupo = new QComboBox(this);
    cbxGrupo->setObjectName(QStringLiteral("cbxGrupo"));
    cbxGrupo->setModel(m_grupos);
    rbVCard = radio("rbVCard", QStringLiteral("vCard 3.0 (.vcf): celulares, webmail, outros programas"));
    rbCsv = radio("rbCsv", QStringLiteral("CSV (.csv): planilhas, webmail"));
    chkFoto = new QCheckBox(QStringLiteral("Incluir a primeira foto do álbum"), this);
    chkFoto->setObjectName(QStringLiteral("chkFoto"));
    btnExportar = botao("btnExportar", QStringLiteral("Exportar..."));
    btnAjuda = botao("btnAjuda", QStringLiteral("Ajuda"));
    btnSair = botao("btnSair", QStringLiteral("Sair"));

    auto *quem = new QButtonGroup(this);
    quem->addButton(rbTodos);
    quem->addButton(rbGrupo);
    quem->addButton(rbEscolhidos);
    auto *formato = new QButtonGroup(this);
    formato->addButton(rbVCard);
    formato->addButton(rbCsv);
    const bool escolhidos = !m_fisicas.isEmpty() || !m_juridicas.isEmpty();
    rbEscolhidos->setEnabled(escolhidos);
    (escolhidos ? rbEscolhidos : rbTodos)->setChecked(true);
    rbVCard->setChecked(true);

    auto *caixaQuem = new QGroupBox(QStringLiteral("Quem"), this);
    auto *lq = new QVBoxLayout(caixaQuem);
    lq->addWidget(rbTodos);
    auto *linhaGrupo = new QHBoxLayout;
    linhaGrupo->addWidget(rbGrupo);
    linhaGrupo->addWidget(cbxGrupo, 1);
    lq->addLayout(linhaGrupo);
    lq->addWidget(rbEscolhidos);
    auto *caixaFormato = new QGroupBox(QStringLiteral("Formato"), this);
    auto *lf = new QVBoxLayout(caixaFormato);
    lf->addWidget(rbVCard);
    lf->addWidget(chkFoto);
    lf->addWidget(rbCsv);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(btnExportar);
    botoes->addWidget(btnAjuda);
    botoes->addWidget(btnSair);
    auto *tudo = new QVBoxLayout(this);
    tudo->addWidget(caixaQuem);
    tudo->addWidget(caixaFormato);
    tudo->addLayout(botoes);
}

void TfrExportarContatos::AtualizarEstado()
{
    cbxGrupo->setEnabled(rbGrupo->isChecked());
    chkFoto->setEnabled(rbVCard->isChecked());
}

bool TfrExportarContatos::Exportar(const QString &arquivo)
{
    ImportacaoContatos::Filtro filtro;
    if (rbGrupo->isChecked())
        filtro.grupo = m_grupos->codigo(cbxGrupo->currentIndex());
    if (rbEscolhidos->isChecked()) {
        filtro.escolhidas = true;
        filtro.fisicas = m_fisicas;
        filtro.juridicas = m_juridicas;
    }
    const bool vcard = rbVCard->isChecked();
    QList<Contato> contatos;
    const DbResult r = ImportacaoContatos::Exportaveis(BancoDados(), m_login, filtro,
                                                       vcard && chkFoto->isChecked(), contatos);
    if (!r) {
        MostrarErro(r.texto(r.sql));
        return false;
    }
    if (contatos.isEmpty()) {
        Seams::messages().show(QStringLiteral("Nenhuma pessoa a exportar."),
                               MessageService::Kind::Information);
        return false;
    }
    const QByteArray bytes =
        vcard ? VCard::escrever(contatos, chkFoto->isChecked()) : ContatosCsv::escrever(contatos);
    // the older file stays whole when writing fails halfway
    QSaveFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        MostrarErro(
            QStringLiteral("Não foi possível gravar o arquivo \"%1\".\r\n%2").arg(arquivo, f.errorString()));
        return false;
    }
    Seams::messages().show(
        QStringLiteral("%1 pessoa(s) exportada(s) para \"%2\".").arg(contatos.size()).arg(arquivo),
        MessageService::Kind::Information);
    return true;
}

void TfrExportarContatos::btnExportarClick()
{
    const bool vcard = rbVCard->isChecked();
    const QString arquivo = Seams::input().saveFileName(
        kTitulo, vcard ? QStringLiteral("contatos.vcf") : QStringLiteral("contatos.csv"),
        vcard ? QStringLiteral("vCard (*.vcf)") : QStringLiteral("CSV (*.csv)"));
    if (!arquivo.isEmpty() && Exportar(arquivo))
        accept();
}

void TfrExportarContatos::btnAjudaClick()
{
    OpenHelp(QStringLiteral("exportar_contatos.htm"));
}
