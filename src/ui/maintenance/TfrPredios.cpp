#include "ui/maintenance/TfrPredios.h"

#include "model/TPessoaFisica.h"
#include "services/Seams.h"
#include "ui/common/TeclasDeEntrada.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kQuebra = QStringLiteral("\r\n");

int inteiro(const QLineEdit *e)
{
    return e->text().trimmed().toInt();
}

} // namespace

TfrPredios::TfrPredios(TPessoaFisica &pessoa, QWidget *parent) : QDialog(parent), m_pessoa(pessoa)
{
    setObjectName(QStringLiteral("frPredios"));
    setWindowTitle(QStringLiteral("Inserindo contatos para : ") + pessoa.Nome);
    setModal(true);
    criarControles();
    TeclasDeEntrada::Aplicar(this);
    connect(btnGerar, &QPushButton::clicked, this, &TfrPredios::btnGerarClick);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnGravaNoBancoDados, &QPushButton::clicked, this, &TfrPredios::btnGravaNoBancoDadosClick);
}

void TfrPredios::criarControles()
{
    auto campo = [this](const char *nome, const QString &texto, int maximo) {
        auto *e = new QLineEdit(texto, this);
        e->setObjectName(QString::fromLatin1(nome));
        e->setAlignment(Qt::AlignRight);
        e->setValidator(new QIntValidator(0, maximo, e));
        e->setMaximumWidth(90);
        return e;
    };
    edtNroAptoInicial = campo("edtNroAptoInicial", QStringLiteral("0"), 999999);
    edtNroAptoFinal = campo("edtNroAptoFinal", QStringLiteral("0"), 999999);
    edtNumerodeAndares = campo("edtNumerodeAndares", QStringLiteral("0"), 9999);
    edtNroDeBlocos = campo("edtNroDeBlocos", QStringLiteral("1"), 9999);
    edtIncrementoPorAndar = campo("edtIncrementoPorAndar", QStringLiteral("0"), 999999);
    edtBlocoInicial = new QLineEdit(QStringLiteral("A"), this);
    edtBlocoInicial->setObjectName(QStringLiteral("edtBlocoInicial"));
    edtBlocoInicial->setMaximumWidth(90);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Nro Inicial Primeiro Andar"), edtNroAptoInicial);
    form->addRow(QStringLiteral("Nro Final Primeiro Andar"), edtNroAptoFinal);
    form->addRow(QStringLiteral("Número de Andares"), edtNumerodeAndares);
    form->addRow(QStringLiteral("Número de Blocos"), edtNroDeBlocos);
    form->addRow(QStringLiteral("Bloco Inicial"), edtBlocoInicial);
    form->addRow(QStringLiteral("Incremento por Andar"), edtIncrementoPorAndar);

    btnGerar = new QPushButton(QStringLiteral("Gerar"), this);
    btnGerar->setObjectName(QStringLiteral("btnGerar"));
    Button1 = new QPushButton(QStringLiteral("Sair"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    auto *botoes = new QVBoxLayout;
    botoes->addWidget(btnGerar);
    botoes->addWidget(Button1);
    botoes->addStretch();

    auto *topo = new QHBoxLayout;
    topo->addLayout(form);
    topo->addSpacing(12);
    topo->addLayout(botoes);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setMinimumHeight(180);

    pnlGravar = new QWidget(this);
    pnlGravar->setObjectName(QStringLiteral("pnlGravar"));
    btnGravaNoBancoDados = new QPushButton(QStringLiteral("Gravar no Banco de Dados"), pnlGravar);
    btnGravaNoBancoDados->setObjectName(QStringLiteral("btnGravaNoBancoDados"));
    ProgressBar1 = new QProgressBar(pnlGravar);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setValue(0);
    auto *gravar = new QHBoxLayout(pnlGravar);
    gravar->setContentsMargins(0, 0, 0, 0);
    gravar->addWidget(btnGravaNoBancoDados);
    gravar->addWidget(ProgressBar1, 1);
    pnlGravar->setVisible(false);

    auto *tudo = new QVBoxLayout(this);
    tudo->addLayout(topo);
    tudo->addWidget(Memo1, 1);
    tudo->addWidget(pnlGravar);
    resize(420, 460);
}

QStringList TfrPredios::GerarComplementos(int inicial, int final, int andares, int incremento, int blocos,
                                          QChar blocoInicial)
{
    QStringList linhas;
    QChar bloco = blocos > 1 ? blocoInicial : QLatin1Char('A');
    for (int b = 0; b < blocos; ++b) {
        int deslocamento = 0;
        for (int andar = 0; andar < andares; ++andar) {
            for (int n = inicial; n <= final; ++n) {
                QString linha = QStringLiteral("Apto: ") +
                                QStringLiteral("%1").arg(n + deslocamento, 2, 10, QLatin1Char('0')) +
                                QLatin1Char(' ');
                if (blocos > 1)
                    linha += QStringLiteral("Bloco:") + QLatin1Char(' ') + bloco;
                linhas << linha;
            }
            deslocamento += incremento;
        }
        bloco = QChar(char16_t(bloco.unicode() + 1));
    }
    return linhas;
}

bool TfrPredios::recusar(const QString &texto, QLineEdit *campo)
{
    Seams::messages().show(texto, MessageService::Kind::Warning);
    campo->setFocus();
    return false;
}

void TfrPredios::btnGerarClick()
{
    const int inicial = inteiro(edtNroAptoInicial);
    const int final = inteiro(edtNroAptoFinal);
    const int andares = inteiro(edtNumerodeAndares);
    const int incremento = inteiro(edtIncrementoPorAndar);
    const int blocos = inteiro(edtNroDeBlocos);
    if (inicial == 0)
        return void(recusar(QStringLiteral("O número do Apartamento inicial deve ser maior que zero!"),
                            edtNroAptoInicial));
    if (final == 0)
        return void(recusar(QStringLiteral("O número do Apartamento final deve ser maior que zero!"),
                            edtNroAptoFinal));
    if (final < inicial)
        return void(recusar(QStringLiteral("O número do Apartamento final não pode ser menor que o inicial!"),
                            edtNroAptoInicial));
    if (andares == 0)
        return void(
            recusar(QStringLiteral("O número de andares deve ser maior que zero!"), edtNumerodeAndares));
    if (incremento == 0)
        return void(recusar(QStringLiteral("O incremento por andar deve ser maior que zero!"),
                            edtIncrementoPorAndar));
    if (blocos == 0)
        return void(recusar(QStringLiteral("O número de blocos deve ser maior que zero!"), edtNroDeBlocos));
    if (blocos > 1 && edtBlocoInicial->text().isEmpty())
        return void(
            recusar(QStringLiteral("Você precisa definir uma letra para o bloco inicial!"), edtBlocoInicial));
    // each line becomes a row: a typo in the floors must not fill the table
    const qint64 total = qint64(final - inicial + 1) * andares * blocos;
    if (total > kMaximoLinhas)
        return void(recusar(QStringLiteral("Estes dados gerariam %1 apartamentos; o máximo é %2 de cada vez.")
                                    .arg(total)
                                    .arg(kMaximoLinhas) +
                                kQuebra + QStringLiteral("Gere o prédio em partes menores."),
                            edtNumerodeAndares));

    const QChar primeiro =
        edtBlocoInicial->text().isEmpty() ? QLatin1Char('A') : edtBlocoInicial->text().at(0);
    m_linhas = GerarComplementos(inicial, final, andares, incremento, blocos, primeiro);
    Memo1->setPlainText(m_linhas.join(QLatin1Char('\n')));
    pnlGravar->setVisible(!m_linhas.isEmpty());
}

void TfrPredios::btnGravaNoBancoDadosClick()
{
    if (m_linhas.isEmpty())
        return;
    const int total = int(m_linhas.size());
    ProgressBar1->setRange(0, total);
    ProgressBar1->setValue(0);

    m_pessoa.Identificador = 0;
    m_pessoa.Endereco.Complemento = m_linhas.first();
    // No to the question, or a refused text: nothing written, and the
    // record has said why
    if (m_pessoa.Inserir() != Resultado::Gravado) {
        ProgressBar1->setValue(0);
        return;
    }
    ProgressBar1->setValue(1);

    // The record keeps its INSERT and its binding to itself, so the first
    // apartment went through Inserir (text checks and the similar-names
    // question, once for the building) and the others are copies of that row.
    int gravados = 1;
    const DbResult r = m_pessoa.CopiarComComplementos(m_linhas.mid(1), [&] {
        ++gravados;
        ProgressBar1->setValue(gravados);
    });
    if (!r) {
        // the copies were rolled back; the first apartment goes too, so a
        // second attempt does not find half a building
        const int antes = gravados;
        const bool desfeito = m_pessoa.Excluir() == Resultado::Gravado;
        QString texto = QStringLiteral("Não foi possível gravar o apartamento \"%1\" (%2 de %3):")
                            .arg(m_linhas.at(antes))
                            .arg(antes + 1)
                            .arg(total) +
                        kQuebra + r.error + kQuebra + kQuebra;
        texto += desfeito
                     ? QStringLiteral("Nenhum apartamento foi gravado: os %1 já inseridos foram desfeitos.")
                           .arg(antes)
                     : QStringLiteral("Somente o apartamento \"%1\" ficou gravado.").arg(m_linhas.first());
        Seams::messages().show(texto, MessageService::Kind::Error);
        ProgressBar1->setValue(0);
        return;
    }
    pnlGravar->setVisible(false);
    ProgressBar1->setValue(0);
}
