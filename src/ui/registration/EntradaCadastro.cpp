#include "ui/registration/EntradaCadastro.h"

#include "data/TDM.h"
#include "model/ConsultaCEP.h"
#include "model/TPessoa.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "ui/common/GroupList.h"
#include "ui/common/GroupListModel.h"
#include "ui/common/MaskedEdit.h"
#include "ui/common/Navigator.h"
#include "ui/registration/CampoNome.h"
#include "util/Win1252.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace EntradaCadastro {

namespace {

const char *const kTag = "tag";

QLineEdit *novoEdit(QWidget *pai, const char *nome, int maximo)
{
    auto *e = new QLineEdit(pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->setMaxLength(maximo);
    return e;
}

void configurarCombo(QComboBox *c, const char *nome, int maximo)
{
    c->setObjectName(QString::fromLatin1(nome));
    c->setEditable(true);
    c->setCompleter(nullptr);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->lineEdit()->setMaxLength(maximo);
    // the width comes from the layout, never from the longest item: a long
    // name in the list must not squeeze the fields beside it (and measuring
    // every item costs time with thousands of them)
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(20);
    c->setSizePolicy(QSizePolicy::Expanding, c->sizePolicy().verticalPolicy());
}

QComboBox *comboEditavel(QWidget *pai, const char *nome, int maximo)
{
    auto *c = new QComboBox(pai);
    configurarCombo(c, nome, maximo);
    return c;
}

} // namespace

BarraFerramentas::BarraFerramentas(QWidget *tela)
{
    barra = new QToolBar(tela);
    barra->setObjectName(QStringLiteral("ToolBar1"));
    barra->setIconSize(QSize(24, 24));
    auto botao = [this, tela](const char *nome, const QString &caption, QStyle::StandardPixmap icone,
                              int tag) {
        auto *b = new QToolButton(barra);
        b->setObjectName(QString::fromLatin1(nome));
        b->setText(caption);
        b->setIcon(tela->style()->standardIcon(icone));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        b->setMinimumWidth(64);
        b->setProperty(kTag, tag);
        barra->addWidget(b);
        return b;
    };
    btnNovo = botao("btnNovo", QStringLiteral("&Novo"), QStyle::SP_FileIcon, Novo);
    btnAlterar = botao("btnAlterar", QStringLiteral("&Alterar"), QStyle::SP_FileDialogContentsView, Alterar);
    btnGravar = botao("btnGravar", QStringLiteral("&Confirmar"), QStyle::SP_DialogApplyButton, Nenhuma);
    btnCancelar = botao("btnCancelar", QStringLiteral("Cancela&r"), QStyle::SP_DialogCancelButton, Nenhuma);
    btnExcluir = botao("btnExcluir", QStringLiteral("&Excluir"), QStyle::SP_TrashIcon, Excluir);
    barra->addSeparator();
    btnSair = botao("btnSair", QStringLiteral("&Sair"), QStyle::SP_DialogCloseButton, Nenhuma);
}

bool BarraFerramentas::editando() const
{
    return btnGravar->isEnabled();
}

void BarraFerramentas::mostrarEdicao(bool editar) const
{
    btnGravar->setEnabled(editar);
    btnCancelar->setEnabled(editar);
    btnNovo->setEnabled(!editar);
    btnExcluir->setEnabled(!editar);
    btnAlterar->setEnabled(!editar);
}

void BarraFerramentas::desabilitarParaAlterar() const
{
    for (QToolButton *b : {btnNovo, btnAlterar, btnGravar, btnCancelar, btnExcluir})
        b->setEnabled(false);
}

int BarraFerramentas::operacaoDe(const QObject *botao)
{
    return botao ? botao->property(kTag).toInt() : Nenhuma;
}

LinhaGrupo::LinhaGrupo(QWidget *tela, const QString &exemplo)
{
    txtGrupo = new GroupList(tela);
    txtGrupo->setObjectName(QStringLiteral("txtGrupo"));
    txtGrupo->setToolTip(
        QStringLiteral(
            "Para inserir novos grupos clique no botão ao lado.\n"
            "Use este espaço para agrupar as pessoas físicas e jurídicas por ramo de atividade.\n") +
        exemplo);
    txtGrupo->setMinimumWidth(260);
    // selected item pale blue in blue, the others white and pale green by turns
    QAbstractItemView *v = txtGrupo->view();
    v->setAlternatingRowColors(true);
    QPalette p = v->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(220, 255, 220));
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Highlight, QColor(190, 200, 255));
    p.setColor(QPalette::HighlightedText, Qt::blue);
    v->setPalette(p);

    Label22 = new QLabel(QStringLiteral("Grupo:"), tela);
    Label22->setObjectName(QStringLiteral("Label22"));
    btnNovoGrupo = new QToolButton(tela);
    btnNovoGrupo->setObjectName(QStringLiteral("btnNovoGrupo"));
    btnNovoGrupo->setText(QStringLiteral("+"));
    btnNovoGrupo->setToolTip(QStringLiteral("Grupo de Contatos"));
}

QString LinhaGrupo::nomeDoGrupo() const
{
    return txtGrupo->currentData(GroupListModel::NomeRole).toString();
}

void LinhaGrupo::atualizarRotulo() const
{
    // the name comes from the item, so a code of five digits reads right
    Label22->setText(txtGrupo->currentIndex() >= 0 ? QStringLiteral("Grupo: ") + nomeDoGrupo()
                                                   : QStringLiteral("Grupo Não Selecionado"));
}

void LinhaGrupo::preencher() const
{
    txtGrupo->recarregar();
    atualizarRotulo();
}

void LinhaGrupo::selecionar(int codigo) const
{
    if (!txtGrupo->selecionarCodigo(codigo))
        txtGrupo->setCurrentIndex(-1);
    atualizarRotulo();
}

CampoNome *CriarCampoNome(QWidget *tela)
{
    auto *edtNome = new CampoNome(tela);
    configurarCombo(edtNome, "edtNome", 100);
    // a plain field: the list is stepped through with the arrow keys, no button
    edtNome->setStyleSheet(
        QStringLiteral("QComboBox#edtNome { border: 1px solid #a0a0a0; border-radius: 2px;"
                       " background: white; padding: 1px 3px; }"
                       "QComboBox#edtNome:disabled { background: palette(window); color: gray; }"
                       "QComboBox#edtNome::drop-down { width: 0px; border: none; }"
                       "QComboBox#edtNome::down-arrow { image: none; width: 0px; }"));
    return edtNome;
}

void PreencherNomes(CampoNome *edtNome, std::function<std::unique_ptr<TPessoa>()> tipo)
{
    // only the names this user may see: another user's private persons stay hidden
    edtNome->Esquecer([tipo = std::move(tipo)](QStringList &nomes) {
        const QString login = TUsuario::atual() ? TUsuario::atual()->Login : QString();
        return tipo()->NomesVisiveis(login, nomes);
    });
}

namespace {

// Where `nome` stands in the list (the database's order), and whether it is there.
std::pair<int, bool> posicaoDoNome(const QComboBox *edtNome, const QString &nome)
{
    const QByteArray chave = Win1252::encodeLossy(nome);
    int inicio = 0;
    int fim = edtNome->count();
    while (inicio < fim) {
        const int meio = inicio + (fim - inicio) / 2;
        if (Win1252::encodeLossy(edtNome->itemText(meio)) < chave)
            inicio = meio + 1;
        else
            fim = meio;
    }
    return {inicio, inicio < edtNome->count() && edtNome->itemText(inicio) == nome};
}

} // namespace

void AtualizarNome(CampoNome *edtNome, const TPessoa &tipo, const QString &antigo, const QString &novo)
{
    // a list not read yet will be read with the change in it
    if (edtNome->ListaCarregada()) {
        const QString login = TUsuario::atual() ? TUsuario::atual()->Login : QString();
        if (!antigo.isEmpty() && antigo != novo) {
            const auto [onde, esta] = posicaoDoNome(edtNome, antigo);
            bool fica = true;
            // a failed lookup keeps the name: a stale entry is better than a missing one
            if (esta && tipo.NomeVisivel(login, antigo, fica) && !fica)
                edtNome->removeItem(onde);
        }
        if (!novo.isEmpty()) {
            const auto [onde, esta] = posicaoDoNome(edtNome, novo);
            if (!esta)
                edtNome->insertItem(onde, novo);
        }
        edtNome->setCurrentIndex(-1);
    }
    edtNome->setEditText(QString());
}

QLineEdit *AceitarSoDigitos(QLineEdit *edit, int maximo)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setMaxLength(maximo);
    return edit;
}

void ForcarCaixa(QLineEdit *edit, bool alta)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, alta](const QString &text) {
        const QString convertido = alta ? Win1252::toUpper(text) : Win1252::toLower(text);
        if (convertido == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(convertido);
        edit->setCursorPosition(cursor);
    });
}

void LimitarTexto(QPlainTextEdit *memo, int maximo)
{
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, maximo] {
        const QString t = memo->toPlainText();
        if (t.size() > maximo)
            memo->setPlainText(t.left(maximo));
    });
}

qint32 Inteiro(const QString &text)
{
    bool ok = false;
    const qint32 n = text.trimmed().toInt(&ok);
    return ok ? n : 0;
}

bool EhInteiro(const QString &text)
{
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

QString ComZeros(qint32 n, int casas)
{
    return QStringLiteral("%1").arg(n, casas, 10, QLatin1Char('0'));
}

void MostrarSemCortar(MaskedEdit *edit, const QStringList &mascaras, const QString &valor)
{
    if (edit->mascaras() != mascaras)
        edit->setMascaras(mascaras);
    if (edit->setValue(valor))
        return;
    edit->setMascara(QString());
    edit->setText(valor);
}

void LimparCampos(QWidget *tela)
{
    for (QLineEdit *e : tela->findChildren<QLineEdit *>()) {
        // the line edits inside the combo boxes belong to the combos: they keep what they show
        if (qobject_cast<QComboBox *>(e->parentWidget()))
            continue;
        if (auto *m = qobject_cast<MaskedEdit *>(e))
            m->setValue(QString());
        else
            e->clear();
    }
    for (QPlainTextEdit *memo : tela->findChildren<QPlainTextEdit *>())
        memo->clear();
}

CamposEndereco::CamposEndereco(QWidget *tela, const QStringList &estados, const QString &dicaEnviar)
{
    Label12 = new QLabel(ConsultaCEP::textoRotulo(), tela);
    Label12->setObjectName(QStringLiteral("Label12"));
    edtCEP = new MaskedEdit(QStringLiteral("00000\\-000;0;_"), tela);
    edtCEP->setObjectName(QStringLiteral("edtCEP"));
    edtCEP->setToolTip(QStringLiteral("Digite o CEP e tecle ENTER caso você já o tenha cadastrado."));
    Label12->setBuddy(edtCEP);
    edtRua = novoEdit(tela, "edtRua", 100);
    edtNumero = AceitarSoDigitos(novoEdit(tela, "edtNumero", 8), 8);
    edtBairro = novoEdit(tela, "edtBairro", 100);
    edtCidade = comboEditavel(tela, "edtCidade", 100);
    edtEstado = comboEditavel(tela, "edtEstado", 2);
    edtEstado->addItems(estados);
    ForcarCaixa(edtEstado->lineEdit(), true);
    edtEstado->setCurrentText(QStringLiteral("AC"));
    edtCP = AceitarSoDigitos(novoEdit(tela, "edtCP", 8), 8);
    edtComplemento = novoEdit(tela, "edtComplemento", 100);
    edtEnviar = new QCheckBox(QStringLiteral("Enviar Correspondência?"), tela);
    edtEnviar->setObjectName(QStringLiteral("edtEnviar"));
    edtEnviar->setChecked(true);
    edtEnviar->setToolTip(dicaEnviar);
}

void CamposEndereco::mostrar(const TEndereco &e) const
{
    edtRua->setText(e.Rua);
    edtNumero->setText(ComZeros(e.Numero, 2));
    edtBairro->setText(e.Bairro);
    edtCidade->setCurrentText(e.Cidade);
    edtEstado->setCurrentText(e.Estado);
    edtCEP->setValue(ComZeros(e.CEP, 8));
    edtCP->setText(ComZeros(e.CP, 3));
    edtComplemento->setText(e.Complemento);
}

void CamposEndereco::corrigirNumeros() const
{
    for (QLineEdit *e : {edtNumero, edtCP})
        if (!EhInteiro(e->text()))
            e->setText(QStringLiteral("0"));
    if (!EhInteiro(edtCEP->value()))
        edtCEP->setValue(QStringLiteral("0"));
}

TEndereco CamposEndereco::ler() const
{
    TEndereco e;
    e.Rua = edtRua->text();
    e.Numero = Inteiro(edtNumero->text());
    e.Bairro = edtBairro->text();
    e.Cidade = edtCidade->currentText();
    e.Estado = edtEstado->currentText();
    e.CEP = Inteiro(edtCEP->value());
    e.CP = Inteiro(edtCP->text());
    e.Complemento = edtComplemento->text();
    e.Enviar = edtEnviar->isChecked() ? 1 : 0;
    return e;
}

void CamposEndereco::preencher(const QString &rua, const QString &bairro, const QString &cidade,
                               const QString &uf) const
{
    edtRua->setText(rua);
    edtBairro->setText(bairro);
    edtCidade->setCurrentText(cidade);
    edtEstado->setCurrentIndex(edtEstado->findText(uf.trimmed(), Qt::MatchFixedString));
}

void CamposEndereco::ConsultarCEP(bool pessoaFisicaPrimeiro) const
{
    const ConsultaCEP::Configuracao config = ConsultaCEP::Configuracao::lida();
    if (ConsultaCEP::webDisponivel(config)) {
        Label12->setText(ConsultaCEP::textoProcurando());
        Label12->setStyleSheet(QStringLiteral("color: red;"));
        Label12->repaint();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const ConsultaCEP::RespostaWeb w = ConsultaCEP::buscarNaWeb(edtCEP->value(), config);
        QApplication::restoreOverrideCursor();
        if (!w.encontrado())
            Seams::messages().show(ConsultaCEP::mensagemNaoLocalizado());
        Label12->setText(ConsultaCEP::textoRotulo());
        Label12->setStyleSheet(QString());
        if (w.encontrado()) {
            preencher(w.endereco.rua, w.endereco.bairro, w.endereco.cidade, w.endereco.uf);
            return;
        }
    }
    ConsultarCEPNaBase(pessoaFisicaPrimeiro);
}

bool CamposEndereco::ConsultarCEPNaBase(bool pessoaFisicaPrimeiro) const
{
    const ConsultaCEP::Resultado r =
        ConsultaCEP::buscarNaBase(BancoDados(), edtCEP->value(), pessoaFisicaPrimeiro);
    for (const QString &m : r.mensagens)
        Seams::messages().show(m, r.erro.isEmpty() ? MessageService::Kind::Information
                                                   : MessageService::Kind::Error);
    if (r.encontrado)
        preencher(r.rua, r.bairro, r.cidade, r.uf);
    return r.encontrado;
}

ContasBancarias::ContasBancarias(QWidget *pagina)
{
    auto *g = new QGridLayout(pagina);
    g->addWidget(new QLabel(QStringLiteral("Banco"), pagina), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("Agência"), pagina), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Número da Conta"), pagina), 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Titular da Conta"), pagina), 0, 3);
    const char *sufixos[3] = {"", "02", "03"};
    const QString soNumeros = QStringLiteral("Informe apenas os números!");
    for (int i = 0; i < 3; ++i) {
        const QByteArray s(sufixos[i]);
        edtNomeBanco[i] = novoEdit(pagina, QByteArray("edtNomeBanco" + s).constData(), 30);
        edtAgencia[i] = novoEdit(pagina, QByteArray("edtAgencia" + s).constData(), 6);
        edtNroConta[i] = novoEdit(pagina, QByteArray("edtNro_Conta" + s).constData(), 15);
        edtTitularConta[i] = novoEdit(pagina, QByteArray("edtTitular_Conta" + s).constData(), 60);
        edtAgencia[i]->setToolTip(soNumeros);
        edtNroConta[i]->setToolTip(soNumeros);
        g->addWidget(edtNomeBanco[i], i + 1, 0);
        g->addWidget(edtAgencia[i], i + 1, 1);
        g->addWidget(edtNroConta[i], i + 1, 2);
        g->addWidget(edtTitularConta[i], i + 1, 3);
    }
    g->setColumnStretch(0, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(2, 2);
    g->setColumnStretch(3, 4);
    g->setRowStretch(4, 1);
}

void ContasBancarias::mostrar(const TPessoa &p) const
{
    const QString *campos[3][4] = {{&p.NomeBanco, &p.Agencia, &p.NroConta, &p.TitularConta},
                                   {&p.NomeBanco02, &p.Agencia02, &p.NroConta02, &p.TitularConta02},
                                   {&p.NomeBanco03, &p.Agencia03, &p.NroConta03, &p.TitularConta03}};
    for (int i = 0; i < 3; ++i) {
        edtNomeBanco[i]->setText(*campos[i][0]);
        edtAgencia[i]->setText(*campos[i][1]);
        edtNroConta[i]->setText(*campos[i][2]);
        edtTitularConta[i]->setText(*campos[i][3]);
    }
}

void ContasBancarias::ler(TPessoa &p) const
{
    QString *campos[3][4] = {{&p.NomeBanco, &p.Agencia, &p.NroConta, &p.TitularConta},
                             {&p.NomeBanco02, &p.Agencia02, &p.NroConta02, &p.TitularConta02},
                             {&p.NomeBanco03, &p.Agencia03, &p.NroConta03, &p.TitularConta03}};
    for (int i = 0; i < 3; ++i) {
        *campos[i][0] = edtNomeBanco[i]->text();
        *campos[i][1] = edtAgencia[i]->text();
        *campos[i][2] = edtNroConta[i]->text();
        *campos[i][3] = edtTitularConta[i]->text();
    }
}

QString ResumoAcessoRapido(const QString &grupo, const QString &nome, const QString &email)
{
    return QLatin1Char(' ') + grupo + QStringLiteral(" :: ") + nome + QStringLiteral(" :: ") + email;
}

void RestaurarEstadoEPagina(QComboBox *edtEstado, QTabWidget *paginas, const QString &secao, bool alterando)
{
    if (!alterando)
        edtEstado->setCurrentIndex(edtEstado->findText(DefaultState()));
    const int pagina = ReadSettingInt(secao, QStringLiteral("TIPO_PESSOA"));
    paginas->setCurrentIndex(qBound(0, pagina, paginas->count() - 1));
}

void GuardarEstadoEPagina(const QComboBox *edtEstado, const QTabWidget *paginas, const QString &secao)
{
    SetDefaultState(edtEstado->currentText());
    WriteSettingInt(secao, QStringLiteral("TIPO_PESSOA"), paginas->currentIndex());
}

void ReceberTeclas(QWidget *tela)
{
    for (QWidget *w : tela->findChildren<QWidget *>())
        w->installEventFilter(tela);
}

} // namespace EntradaCadastro
