/*
 * bench_maladireta: the mail merge of a one-page letter with a picture: the
 * letters per second of the run (select, fill, store, join) and of writing
 * the joined document, its size, and the memory the run takes for a small
 * and a full list of addressees (it should not grow with the letters beyond
 * the output, which goes to disk).
 *
 * Usage
 *   bench_maladireta [--n N]
 *     --n N   addressees (default 2000)
 *
 *   cmake --build build --target bench_maladireta
 *   QT_QPA_PLATFORM=offscreen build/bench/bench_maladireta
 *
 * Goal: at least 200 letters per second.
 */
#include "BenchComum.h"

#include "data/Query.h"
#include "data/TDM.h"
#include "model/MalaDireta.h"
#include "services/Seams.h"
#include "util/DateTime.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <sys/resource.h>

using namespace bench;

namespace {

class ShellMudo : public ShellService {
public:
    void open(const QString &) override {}
};

class MensagensMudas : public MessageService {
public:
    void show(const QString &text, Kind) override { fail(text); }
    bool confirm(const QString &) override { return false; }
};

long residenteKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> campos = f.readAll().split(' ');
    return campos.size() > 1 ? campos.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

long picoKb()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

// About a page of text with every placeholder, the name bold and red, and a
// logo at the top.
void montarCarta(QTextDocument &doc)
{
    QTextCursor c(&doc);
    QImage logo(300, 120, QImage::Format_RGB32);
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x)
            logo.setPixel(x, y, qRgb(x % 256, y * 2 % 256, (x * y) % 256));
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("logo")), logo);
    QTextImageFormat img;
    img.setName(QStringLiteral("logo"));
    c.insertImage(img);
    c.insertBlock();
    QTextCharFormat normal;
    normal.setFontFamilies({QStringLiteral("Liberation Serif")});
    normal.setFontPointSize(12);
    QTextCharFormat nome = normal;
    nome.setFontWeight(QFont::Bold);
    nome.setForeground(QColor(200, 0, 0));
    c.insertText(QStringLiteral("São Paulo, <|Data|>"), normal);
    c.insertBlock();
    c.insertText(QStringLiteral("<|Tratamento|> "), normal);
    c.insertText(QStringLiteral("<|Nome|>"), nome);
    c.insertBlock();
    c.insertText(QStringLiteral("<|Rua|>, <|Numero|> - <|Bairro|> - <|Cidade|>/<|Estado|> - CEP <|CEP|>"),
                 normal);
    c.insertBlock();
    for (int p = 0; p < 8; ++p) {
        c.insertBlock();
        c.insertText(
            QStringLiteral("Prezado(a) <|Apelido|>, como <|Profissão|> você sabe que a nossa associação "
                           "trabalha há muitos anos pelo bairro <|Bairro|>. Este parágrafo tem texto "
                           "suficiente para ocupar algumas linhas de uma carta comum, com acentuação, "
                           "cedilha e aspas “curvas” — como numa carta de verdade."),
            normal);
    }
    c.insertBlock();
    c.insertText(QStringLiteral("Atenciosamente, emitido às <|Hora|>."), normal);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("bench_maladireta"));
    int n = 2000;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args.at(i) == QLatin1String("--n"))
            n = args.at(++i).toInt();

    QTemporaryDir dir;
    if (!dir.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString folder = dir.path() + QStringLiteral("/Lumisto");
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/prepare-program-folder"),
              {folder, QStringLiteral(LUMISTO_FIREBIRD_HOME)});
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/create-db"),
              {folder + QStringLiteral("/DB/Orvalha.FDB")});
    qputenv("LUMISTO_PROGRAM_DIR", folder.toLocal8Bit());
    Seams::setShell(std::make_unique<ShellMudo>());
    Seams::setMessages(std::make_unique<MensagensMudas>());

    auto tdm = std::make_unique<TDM>([](int) {});
    if (!tdm->BancoDados.isConnected())
        fail(QStringLiteral("TDM did not connect"));
    Database &db = tdm->BancoDados;

    int grupos[2] = {0, 0};
    // two groups: the first holds a tenth of the persons (the small run)
    const DbResult cheio = dbOperation(db, [&](Transaction &t) {
        Query u(t, QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('carla', 'x')"));
        u.execute();
        Query g(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (:N) RETURNING COD_GRUPO"));
        for (int i = 1; i <= 2; ++i) {
            g.setText(QStringLiteral("N"), QStringLiteral("Grupo %1").arg(i));
            g.execute();
            if (g.next())
                grupos[i - 1] = g.field(0).asInt();
            g.close();
        }
        Query p(t, QStringLiteral(
                       "INSERT INTO PESSOAFISICA (COD_GRUPO, NOME, APELIDO, TRATAMENTO, RUA, NUMERO, "
                       "BAIRRO, CIDADE, ESTADO, CEP, CP, PROFISSAO, EMAIL, ENVIAR, PUBLICA, LOGIN, SEXO, "
                       "ESTADO_CIVIL, INFORMAR_ANIVERSARIO) VALUES (:G, :NOME, :APELIDO, 'Sr(a).', "
                       "'Rua das Acácias', :NUMERO, 'Jardim Paulista', 'São Paulo', 'SP', :CEP, 0, "
                       "'Engenheiro(a)', :EMAIL, 1, 0, 'carla', 0, 0, 0)"));
        for (int i = 0; i < n; ++i) {
            p.setInt(QStringLiteral("G"), grupos[i % 10 == 0 ? 0 : 1]);
            p.setText(QStringLiteral("NOME"),
                      QStringLiteral("Pessoa Número %1").arg(i, 5, 10, QLatin1Char('0')));
            p.setText(QStringLiteral("APELIDO"), QStringLiteral("Pessoa %1").arg(i));
            p.setInt(QStringLiteral("NUMERO"), i % 900 + 1);
            p.setInt(QStringLiteral("CEP"), 1000000 + i);
            p.setText(QStringLiteral("EMAIL"), QStringLiteral("pessoa%1@exemplo.com.br").arg(i));
            p.execute();
        }
    });
    if (!cheio)
        fail(cheio.error);
    say(QStringLiteral("bench_maladireta: %1 addressees, a one-page letter with a 300x120 picture").arg(n));

    QTextDocument modelo;
    montarCarta(modelo);

    struct Corrida {
        QString nome;
        MalaDireta::Escolha escolha;
    };
    MalaDireta::Escolha pequena;
    pequena.modo = MalaDireta::Escolha::Modo::Grupo;
    pequena.grupo = grupos[0];
    for (const Corrida &c : {Corrida{QStringLiteral("a tenth (one group)"), pequena},
                             Corrida{QStringLiteral("everyone"), MalaDireta::Escolha{}}}) {
        MalaDireta::Pedido pedido;
        pedido.login = QStringLiteral("carla");
        pedido.escolha = c.escolha;
        pedido.agora = QDateTimeToDateTime(Seams::clock().now());
        const long antes = residenteKb();
        const Cronometro::time_point inicio = Cronometro::now();
        MalaDireta::Geracao g = MalaDireta::Gerar(db, pedido, modelo);
        const double gerarMs = msSince(inicio);
        if (!g.resultado)
            fail(g.resultado.error);
        const long depoisGerar = residenteKb();
        const Cronometro::time_point montar = Cronometro::now();
        if (MalaDireta::MontarDocumento(g, MalaDireta::Envio{}) != Resultado::Gravado)
            fail(QStringLiteral("the document was not written"));
        const double montarMs = msSince(montar);
        const int cartas = int(g.cartas.size());
        say(QStringLiteral("%1: %2 letters, run %3 ms (%4 letters/s), document %5 ms, total %6 letters/s")
                .arg(c.nome)
                .arg(cartas)
                .arg(ms(gerarMs, 0))
                .arg(ms(cartas / (gerarMs / 1000.0), 0))
                .arg(ms(montarMs, 0))
                .arg(ms(cartas / ((gerarMs + montarMs) / 1000.0), 0)));
        say(QStringLiteral(
                "   MalaPF.RTF %1 KB (%2 KB a letter), Mala.RTF %3 KB; resident growth during the run "
                "%4 KB, peak resident %5 KB")
                .arg(QFileInfo(MalaDireta::ArquivoDocumento()).size() / 1024)
                .arg(QFileInfo(MalaDireta::ArquivoDocumento()).size() / 1024 / qMax(1, cartas))
                .arg(QFileInfo(MalaDireta::ArquivoCarta()).size() / 1024)
                .arg(depoisGerar - antes)
                .arg(picoKb()));
    }
    return 0;
}
