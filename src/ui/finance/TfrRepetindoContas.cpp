#include "ui/finance/TfrRepetindoContas.h"

#include "model/Parcelas.h"
#include "services/Seams.h"
#include "ui/common/MoneyEdit.h"
#include "ui/common/TeclasDeEntrada.h"
#include "ui/common/Telas.h"
#include "util/DateTime.h"

#include <QAction>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QStringListModel>
#include <QToolButton>

namespace {

constexpr int kTeclaCtrl = 17;

// a due date the date type and the database can hold
bool dataValida(double data)
{
    const QDate d = DateTimeToQDate(data);
    return d.isValid() && d.year() >= 1 && d.year() <= 9999;
}

} // namespace

TfrRepetindoContas::TfrRepetindoContas(const TFinancas &modelo, int quantidade, QWidget *parent)
    : QDialog(parent), m_modelo(modelo), m_quantidade(quantidade)
{
    setObjectName(QStringLiteral("frRepetindoContas"));
    setModal(true);

    auto *soDigitos = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9/]*")), this);
    edtValor_01 = new MoneyEdit(this);
    edtValor_01->setObjectName(QStringLiteral("edtValor_01"));
    edtNumeroParcelas = new QLineEdit(this);
    edtNumeroParcelas->setObjectName(QStringLiteral("edtNumeroParcelas"));
    edtNumeroParcelas->setValidator(soDigitos);
    edtNumeroParcelas->setMaxLength(9);
    edtValorParcela = new MoneyEdit(this);
    edtValorParcela->setObjectName(QStringLiteral("edtValorParcela"));
    edtValorParcela->setReadOnly(true);
    edtData_01 = new QDateEdit(this);
    edtData_01->setObjectName(QStringLiteral("edtData_01"));
    edtData_01->setCalendarPopup(true);
    edtData_01->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edtVencimentoProximas = new QLineEdit(QStringLiteral("30"), this);
    edtVencimentoProximas->setObjectName(QStringLiteral("edtVencimentoProximas"));
    edtVencimentoProximas->setValidator(soDigitos);
    edtVencimentoProximas->setMaxLength(100);

    btnGerarN = new QToolButton(this);
    btnGerarN->setObjectName(QStringLiteral("btnGerarN"));
    btnGerarN->setText(QStringLiteral("Gerar"));
    btnGerarN->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btnGerarN->setPopupMode(QToolButton::MenuButtonPopup);
    auto *PopupMenu1 = new QMenu(btnGerarN);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto acao = [PopupMenu1](const char *nome, const QString &texto) {
        QAction *a = PopupMenu1->addAction(texto);
        a->setObjectName(QString::fromLatin1(nome));
        return a;
    };
    GerarsemDIVIDIRasparcelas1 =
        acao("GerarsemDIVIDIRasparcelas1", QStringLiteral("Gerar sem DIVIDIR as parcelas"));
    GerarsemDIVIDIRasparcelasnummesmodiadoms1 =
        acao("GerarsemDIVIDIRasparcelasnummesmodiadoms1",
             QStringLiteral("Gerar sem DIVIDIR as parcelas num mesmo dia do mês"));
    Semprenomesmodiadoms1 =
        acao("Semprenomesmodiadoms1", QStringLiteral("Gerar DIVIDINDO as parcelas num mesmo dia do mês"));
    btnGerarN->setMenu(PopupMenu1);

    m_linhas = new QStringListModel(this);
    ListaParcelas = new QListView(this);
    ListaParcelas->setModel(m_linhas);
    ListaParcelas->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListaParcelas->setObjectName(QStringLiteral("ListaParcelas"));
    ListaParcelas->setToolTip(
        QStringLiteral("Duplo clique na parcela para alterar valor e/ou data de vencimento."));
    QFont fixa(QStringLiteral("Monospace"));
    fixa.setStyleHint(QFont::TypeWriter);
    ListaParcelas->setFont(fixa);
    lblSomatorioParcelas = new QLabel(this);
    lblSomatorioParcelas->setObjectName(QStringLiteral("lblSomatorioParcelas"));
    btnSalvar = new QPushButton(QStringLiteral("Salvar"), this);
    btnSalvar->setObjectName(QStringLiteral("btnSalvar"));
    SpeedButton1 = new QPushButton(QStringLiteral("Cancelar"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));

    auto rotulo = [this](const QString &texto, QWidget *buddy) {
        auto *l = new QLabel(texto, this);
        l->setBuddy(buddy);
        return l;
    };
    auto *grade = new QGridLayout;
    grade->addWidget(rotulo(QStringLiteral("Valor Total"), edtValor_01), 0, 0);
    grade->addWidget(rotulo(QStringLiteral("Parcelas"), edtNumeroParcelas), 0, 1);
    grade->addWidget(rotulo(QStringLiteral("Valor Parcela"), edtValorParcela), 0, 2);
    grade->addWidget(rotulo(QStringLiteral("Vencimento Parcela 01"), edtData_01), 0, 3);
    grade->addWidget(edtValor_01, 1, 0);
    grade->addWidget(edtNumeroParcelas, 1, 1);
    grade->addWidget(edtValorParcela, 1, 2);
    grade->addWidget(edtData_01, 1, 3);
    auto *vencimentos = new QHBoxLayout;
    vencimentos->addWidget(rotulo(QStringLiteral("vencendo a primeira em "), edtData_01));
    vencimentos->addWidget(rotulo(QStringLiteral("e as próximas a cada                           dias."),
                                  edtVencimentoProximas));
    vencimentos->addWidget(edtVencimentoProximas);
    vencimentos->addWidget(btnGerarN);
    vencimentos->addStretch(1);
    auto *botoes = new QHBoxLayout;
    botoes->addWidget(lblSomatorioParcelas, 1);
    botoes->addWidget(btnSalvar);
    botoes->addWidget(SpeedButton1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grade);
    layout->addLayout(vencimentos);
    layout->addWidget(ListaParcelas, 1);
    layout->addLayout(botoes);
    resize(620, 420);
    TeclasDeEntrada::Aplicar(this, TeclasDeEntrada::Esc::Cancela);

    edtValor_01->setValue(m_modelo.Valor);
    edtData_01->setDate(DateTimeToQDate(m_modelo.Data));
    edtNumeroParcelas->setText(QString::number(m_quantidade).rightJustified(2, QLatin1Char('0')));
    edtValorParcela->setValue(m_quantidade > 0 ? m_modelo.Valor / m_quantidade : Money());

    connect(btnGerarN, &QToolButton::clicked, this, &TfrRepetindoContas::btnGerarNClick);
    connect(GerarsemDIVIDIRasparcelas1, &QAction::triggered, this,
            &TfrRepetindoContas::GerarsemDIVIDIRasparcelas1Click);
    connect(GerarsemDIVIDIRasparcelasnummesmodiadoms1, &QAction::triggered, this,
            &TfrRepetindoContas::GerarsemDIVIDIRasparcelasnummesmodiadoms1Click);
    connect(Semprenomesmodiadoms1, &QAction::triggered, this,
            &TfrRepetindoContas::Semprenomesmodiadoms1Click);
    connect(ListaParcelas, &QListView::doubleClicked, this, &TfrRepetindoContas::ListaParcelasDblClick);
    connect(btnSalvar, &QPushButton::clicked, this, &TfrRepetindoContas::btnSalvarClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrRepetindoContas::SpeedButton1Click);
}

void TfrRepetindoContas::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_mostrada && !event->spontaneous()) {
        m_mostrada = true;
        FormShow();
    }
}

void TfrRepetindoContas::FormShow()
{
    Gerar(true, true);
}

void TfrRepetindoContas::Gerar(bool dividir, bool mensal)
{
    bool ok = false;
    const Money valor = edtValor_01->value(&ok);
    if (!ok) {
        Seams::messages().show(QStringLiteral("Valor inválido! Use o formato 1.234,56."),
                               MessageService::Kind::Warning);
        edtValor_01->setFocus();
        return;
    }
    const QString recusa = Parcelas::QuantidadeRecusada(m_quantidade, dividir);
    if (!recusa.isEmpty()) {
        Seams::messages().show(recusa, MessageService::Kind::Warning);
        edtNumeroParcelas->setFocus();
        return;
    }
    if (m_quantidade <= 0)
        return; // repeating nothing: the series shown stays

    Parcelas::Pedido pedido;
    pedido.Modelo = m_modelo;
    pedido.Valor = valor;
    pedido.Quantidade = m_quantidade;
    pedido.PrimeiraData = QDateToDateTime(edtData_01->date());
    pedido.Intervalo = edtVencimentoProximas->text();
    pedido.Dividir = dividir;
    pedido.Mensal = mensal;
    pedido.Ctrl = Seams::keyboard().isKeyDown(kTeclaCtrl);
    QList<TFinancas> serie = Parcelas::Gerar(pedido);
    for (qsizetype i = 0; i < serie.size(); ++i)
        if (!dataValida(serie.at(i).Data)) {
            Seams::messages().show(
                QStringLiteral(
                    "O vencimento da parcela %1 passa do ano 9999. Diminua o intervalo entre as parcelas.")
                    .arg(i + 1, 2, 10, QLatin1Char('0')),
                MessageService::Kind::Warning);
            edtVencimentoProximas->setFocus();
            return;
        }
    edtValorParcela->setValue(dividir ? valor / m_quantidade : valor);
    m_serie = std::move(serie);
    MostrarSerie();
}

void TfrRepetindoContas::MostrarSerie()
{
    const int atual = ListaParcelas->currentIndex().row();
    QStringList linhas;
    for (const TFinancas &p : m_serie)
        linhas << Parcelas::Linha(p);
    m_linhas->setStringList(linhas);
    if (atual >= 0 && atual < linhas.size())
        ListaParcelas->setCurrentIndex(m_linhas->index(atual, 0));
    lblSomatorioParcelas->setText(Parcelas::TextoSoma(m_serie));
}

void TfrRepetindoContas::btnGerarNClick()
{
    m_quantidade = Parcelas::LerQuantidade(edtNumeroParcelas->text());
    Gerar(true, false);
}

void TfrRepetindoContas::GerarsemDIVIDIRasparcelas1Click()
{
    m_quantidade = Parcelas::LerQuantidade(edtNumeroParcelas->text());
    Gerar(false, false);
}

void TfrRepetindoContas::GerarsemDIVIDIRasparcelasnummesmodiadoms1Click()
{
    m_quantidade = Parcelas::LerQuantidade(edtNumeroParcelas->text());
    Gerar(false, true);
}

void TfrRepetindoContas::Semprenomesmodiadoms1Click()
{
    m_quantidade = Parcelas::LerQuantidade(edtNumeroParcelas->text());
    Gerar(true, true);
}

void TfrRepetindoContas::ListaParcelasDblClick()
{
    const int linha = ListaParcelas->currentIndex().row();
    if (m_serie.isEmpty() || linha < 0 || linha >= m_serie.size())
        return;
    if (const auto alterada =
            Telas::AlterarParcela(this, {m_serie.at(linha).Data, m_serie.at(linha).Valor})) {
        m_serie[linha].Data = alterada->data;
        m_serie[linha].Valor = alterada->valor;
    }
    MostrarSerie();
}

void TfrRepetindoContas::btnSalvarClick()
{
    if (m_serie.isEmpty()) {
        Seams::messages().show(QStringLiteral("Não há parcelas a inserir! Clique em Gerar."),
                               MessageService::Kind::Warning);
        return;
    }
    // all or nothing: a failure has been shown and the screen stays for another try
    if (TFinancas::InserirSerie(m_serie) != Resultado::Gravado)
        return;
    Seams::messages().show(QStringLiteral("Finanças inseridas com sucesso!"),
                           MessageService::Kind::Information);
    accept();
}

void TfrRepetindoContas::SpeedButton1Click()
{
    reject();
}
