#include "ui/finance/TfrFinancasPesquisa.h"

#include "data/TDM.h"
#include "model/PesquisaFinancas.h"
#include "model/TUsuario.h"
#include "services/Desktop.h"
#include "services/Seams.h"
#include "ui/common/Help.h"
#include "ui/common/TeclasDeEntrada.h"
#include "util/DateTime.h"
#include "util/PaginaHtml.h"
#include "util/Win1252.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// the error first, then the statement
QString textoErro(const DbResult &r)
{
    return r.recusado || r.sql.isEmpty() ? r.error : r.error + QStringLiteral("\r\n") + r.sql;
}

} // namespace

TfrFinancasPesquisa::TfrFinancasPesquisa(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frFinancasPesquisa"));
    setWindowTitle(QStringLiteral("Impressão de Finanças"));
    setModal(true);

    auto data = [this](const char *nome) {
        auto *d = new QDateEdit(this);
        d->setObjectName(QString::fromLatin1(nome));
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        return d;
    };
    data_in = data("data_in");
    data_out = data("data_out");
    edtSituacao_02 = new QComboBox(this);
    edtSituacao_02->setObjectName(QStringLiteral("edtSituacao_02"));
    edtSituacao_02->addItems({QStringLiteral("Aberto"), QStringLiteral("Quitado"), QStringLiteral("Todas")});
    edtSituacao_02->setCurrentIndex(2);
    edtTipo_Operacao = new QComboBox(this);
    edtTipo_Operacao->setObjectName(QStringLiteral("edtTipo_Operacao"));
    edtTipo_Operacao->addItems(
        {QStringLiteral("À Pagar"), QStringLiteral("À Receber"), QStringLiteral("Todas")});
    edtTipo_Operacao->setCurrentIndex(2);
    edtNome = new QLineEdit(this);
    edtNome->setObjectName(QStringLiteral("edtNome"));
    edtNome->setMaxLength(100);
    edtNomeF = new QLineEdit(this);
    edtNomeF->setObjectName(QStringLiteral("edtNomeF"));
    edtNomeF->setMaxLength(TFinancas::MaximoObs);
    btnPesquisar = new QPushButton(QStringLiteral("Imprimir"), this);
    btnPesquisar->setObjectName(QStringLiteral("btnPesquisar"));
    Label1 = new QLabel(
        QStringLiteral("Caso desejes pesquisar TODAS as pessoas deixe o campo NOME em branco."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    auto grupo = [this](const QString &titulo) {
        auto *g = new QGroupBox(titulo, this);
        return g;
    };
    auto rotulo = [this](const QString &texto, QWidget *buddy) {
        auto *l = new QLabel(texto, this);
        l->setBuddy(buddy);
        return l;
    };
    QGroupBox *datas = grupo(QStringLiteral(" :: Entre Datas :: "));
    auto *ld = new QHBoxLayout(datas);
    ld->addWidget(rotulo(QStringLiteral("De"), data_in));
    ld->addWidget(data_in);
    ld->addWidget(rotulo(QStringLiteral("a"), data_out));
    ld->addWidget(data_out);
    QGroupBox *situacao = grupo(QStringLiteral(" :: Situação :: "));
    (new QHBoxLayout(situacao))->addWidget(edtSituacao_02);
    QGroupBox *tipo = grupo(QStringLiteral(" :: Tipo de Operação :: "));
    (new QHBoxLayout(tipo))->addWidget(edtTipo_Operacao);
    QGroupBox *nome = grupo(QStringLiteral(" :: Nome :: "));
    auto *ln = new QGridLayout(nome);
    ln->addWidget(rotulo(QStringLiteral("Mais Específico"), edtNome), 0, 0);
    ln->addWidget(edtNome, 0, 1);
    ln->addWidget(rotulo(QStringLiteral("Observação"), edtNomeF), 1, 0);
    ln->addWidget(edtNomeF, 1, 1);

    auto *linha = new QHBoxLayout;
    linha->addWidget(datas);
    linha->addWidget(situacao);
    linha->addWidget(tipo);
    auto *botoes = new QHBoxLayout;
    botoes->addWidget(Label1, 1);
    botoes->addWidget(btnPesquisar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(linha);
    layout->addWidget(nome);
    layout->addLayout(botoes);
    TeclasDeEntrada::Aplicar(this, TeclasDeEntrada::Esc::Cancela);

    // FormCreate: the current month
    const QDate hoje = Seams::clock().now().date();
    const QDate primeiro(hoje.year(), hoje.month(), 1);
    data_in->setDate(primeiro);
    data_out->setDate(primeiro.addMonths(1).addDays(-1));

    connect(btnPesquisar, &QPushButton::clicked, this, &TfrFinancasPesquisa::btnPesquisarClick);
}

void TfrFinancasPesquisa::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(QStringLiteral("financas_pesquisa.htm"));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrFinancasPesquisa::btnPesquisarClick()
{
    for (QLineEdit *e : {edtNome, edtNomeF}) {
        QString ruins;
        if (!Win1252::canEncode(e->text(), &ruins)) {
            Seams::messages().show(Win1252::unencodableMessage(ruins), MessageService::Kind::Warning);
            e->setFocus();
            return;
        }
    }
    PesquisaFinancas::Filtro filtro;
    filtro.De = QDateToDateTime(data_in->date());
    filtro.Ate = QDateToDateTime(data_out->date());
    filtro.Situacao = edtSituacao_02->currentIndex();
    filtro.TipoOperacao = edtTipo_Operacao->currentIndex();
    filtro.Nome = edtNome->text();
    filtro.Obs = edtNomeF->text();
    filtro.Login = TUsuario::atual() ? TUsuario::atual()->Login : QString();

    QList<PesquisaFinancas::Linha> linhas;
    DbResult r = PesquisaFinancas::Selecionar(BancoDados(), filtro, linhas);
    if (!r) {
        Seams::messages().show(textoErro(r), MessageService::Kind::Error);
        return;
    }
    PesquisaFinancas::Resumos resumos;
    if (!linhas.isEmpty()) {
        r = PesquisaFinancas::ResumosDoMes(BancoDados(), filtro.De, resumos);
        if (!r) {
            Seams::messages().show(textoErro(r), MessageService::Kind::Error);
            return;
        }
    }
    const QString nome = TUsuario::atual() ? TUsuario::atual()->Nome : QString();
    GravarEAbrirPagina(
        QStringLiteral("Financas.html"),
        PesquisaFinancas::Pagina(filtro, linhas, resumos, nome, QDateTimeToDateTime(Seams::clock().now())));
}
