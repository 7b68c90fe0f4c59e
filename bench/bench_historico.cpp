/*
 * bench_historico: a history of N entries, each with a picture, and how long
 * the history screen takes to open and show it, beside what reading every
 * picture up front would cost.
 *
 * Usage
 *   bench_historico [--n N] [--repeat R] [--largura W] [--altura H] [--foto PNG]
 *     --n N        entries of the one company's history (default 1000)
 *     --repeat R   timed runs of each figure after one warm-up (default 5);
 *                  the median is printed
 *     --largura W, --altura H
 *                  size of the pictures (default 800 x 600: a noisy JPEG of
 *                  about 100 KB, like a photo or a scanned page)
 *     --foto PNG   also saves a picture of the screen as shown
 *
 *   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
 *   cmake --build build-bench --target bench_historico
 *   build-bench/bench/bench_historico
 *
 * What it does
 *   1. scripts/prepare-program-folder and scripts/create-db on a temporary
 *      folder (LUMISTO_PROGRAM_DIR points there, as in the tests), and a
 *      connection through TDM.
 *   2. One company and N entries through THistorico::Inserir, one a day, each
 *      with its own picture (fixed seed: the same options give the same
 *      bytes); the fill time is printed.
 *   3. Figures, each a line "name: ... in X ms":
 *      open    TfrHistorico created, shown (its list read) and its grid
 *              painted: what the user waits for after clicking "Histórico";
 *      reload  "Mostrar Todos": the list read again and the grid repainted;
 *      viewer  TfrMostraImg of one entry: its picture read, decoded, painted;
 *      page    "Imprimir": Historico.html written (the shell's open is a no-op);
 *      eager   the same list statement with every picture's bytes read, as a
 *              screen that loaded all pictures up front would have to.
 *   The last line is "bench_historico: done".
 *
 * In a Debug build with the sanitizers (1000 entries, 800 x 600): open
 * 57 ms, reload 32 ms, viewer 24 ms, page 39 ms, eager 1642 ms for 106 MB
 * of pictures -- 29 times the open. A Release build is faster throughout.
 */

#include "data/DbError.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/THistorico.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "ui/registration/TfrHistorico.h"
#include "ui/registration/TfrMostraImg.h"
#include "util/DateTime.h"

#include "BenchComum.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using namespace bench;

namespace {

struct Options {
    int n = 1000;
    int repeat = 5;
    int largura = 800;
    int altura = 600;
    QString foto;
};

Options parse(const QStringList &args)
{
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        auto valor = [&]() -> QString {
            if (i + 1 >= args.size())
                fail(a + QStringLiteral(" needs a value"));
            return args[++i];
        };
        if (a == QLatin1String("--n"))
            o.n = valor().toInt();
        else if (a == QLatin1String("--repeat"))
            o.repeat = valor().toInt();
        else if (a == QLatin1String("--largura"))
            o.largura = valor().toInt();
        else if (a == QLatin1String("--altura"))
            o.altura = valor().toInt();
        else if (a == QLatin1String("--foto"))
            o.foto = valor();
        else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            say(QStringLiteral(
                "usage: bench_historico [--n N] [--repeat R] [--largura W] [--altura H] [--foto PNG]"));
            std::exit(0);
        } else
            fail(QStringLiteral("unknown argument ") + a + QStringLiteral(" (see --help)"));
    }
    if (o.n < 1 || o.repeat < 1 || o.largura < 8 || o.altura < 8)
        fail(QStringLiteral("--n and --repeat must be at least 1, the picture at least 8 x 8"));
    return o;
}

// The shell's "open" must not start a browser for every printed page.
class SemShell : public ShellService {
public:
    void open(const QString &) override {}
};

// A picture with some noise, so the JPEG has the size of a real one.
QByteArray figura(int largura, int altura, quint32 semente)
{
    QImage img(largura, altura, QImage::Format_RGB32);
    quint32 x = semente * 2654435761u + 1;
    for (int y = 0; y < altura; ++y) {
        auto *linha = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int i = 0; i < largura; ++i) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            const int ruido = int(x & 0x0F);
            linha[i] = qRgb((i * 255 / largura + ruido) & 0xFF, (y * 255 / altura + ruido) & 0xFF,
                            int(semente * 37 + quint32(ruido)) & 0xFF);
        }
    }
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "JPG", 85);
    return bytes;
}

template <typename F>
double medianOf(int repeat, F &&f)
{
    std::vector<double> tempos;
    for (int i = 0; i <= repeat; ++i) {
        const Cronometro::time_point start = Cronometro::now();
        f();
        if (i > 0)
            tempos.push_back(msSince(start));
    }
    return median(tempos);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("bench_historico"));
    const Options o = parse(app.arguments());

    QTemporaryDir dir;
    if (!dir.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString folder = dir.path() + QStringLiteral("/Lumisto");
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/prepare-program-folder"),
              {folder, QStringLiteral(LUMISTO_FIREBIRD_HOME)});
    const QString database = folder + QStringLiteral("/DB/Orvalha.FDB");
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/create-db"), {database});
    qputenv("LUMISTO_PROGRAM_DIR", folder.toLocal8Bit());
    Seams::setShell(std::make_unique<SemShell>());

    auto tdm = std::make_unique<TDM>([](int) {});
    if (!tdm->BancoDados.isConnected())
        fail(QStringLiteral("TDM did not connect"));
    TUsuario carla;
    carla.Login = QStringLiteral("CARLA");
    TUsuario::setAtual(&carla);

    // the company itself: the screen is filled as the navigator fills it
    const qint32 empresa = 1;
    const double primeiroDia = EncodeDate(2000, 1, 1);

    Cronometro::time_point start = Cronometro::now();
    qint64 bytesFigura = 0;
    qint32 umaEntrada = 0;
    for (int i = 0; i < o.n; ++i) {
        const QByteArray bytes = figura(o.largura, o.altura, quint32(i));
        bytesFigura += bytes.size();
        THistorico h;
        h.IdenPessoa = empresa;
        h.TipoPessoa = 1;
        h.Data = primeiroDia + i;
        h.Texto = QStringLiteral("Visita número %1 à empresa.\r\nPedido conferido, entrega combinada para a "
                                 "semana seguinte.")
                      .arg(i + 1);
        if (h.Inserir(bytes) != Resultado::Gravado)
            fail(QStringLiteral("insert %1 failed").arg(i + 1));
        if (i == o.n / 2)
            umaEntrada = h.Identificador;
    }
    say(QStringLiteral(
            "bench_historico: %1 entries with %2 x %3 pictures (%4 KB on average) in %5, filled in "
            "%6 ms")
            .arg(o.n)
            .arg(o.largura)
            .arg(o.altura)
            .arg(bytesFigura / o.n / 1024)
            .arg(database, ms(msSince(start), 0)));
    say(QStringLiteral("median of %1 runs after a warm-up").arg(o.repeat));

    auto preparar = [&](TfrHistorico &tela) {
        tela.Nome = tela.NomePessoa = QStringLiteral("Padaria Pão Quente Ltda");
        tela.Cidade = QStringLiteral("São Paulo");
        tela.UF = QStringLiteral("SP");
        tela.Fone1 = QStringLiteral("1131112222");
        tela.Fone3 = QStringLiteral("08001234567");
        tela.resize(900, 640);
    };

    int linhas = 0;
    const double abrir = medianOf(o.repeat, [&] {
        THistorico historico;
        historico.IdenPessoa = empresa;
        historico.TipoPessoa = 1;
        TfrHistorico tela(historico);
        preparar(tela);
        tela.show();
        QCoreApplication::processEvents();
        auto *grade = tela.findChild<QTableView *>(QStringLiteral("Grid"));
        grade->viewport()->repaint();
        linhas = grade->model()->rowCount();
    });
    say(QStringLiteral("open: %1 rows listed and painted in %2 ms").arg(linhas).arg(ms(abrir)));

    THistorico historico;
    historico.IdenPessoa = empresa;
    historico.TipoPessoa = 1;
    TfrHistorico tela(historico);
    preparar(tela);
    tela.show();
    QCoreApplication::processEvents();
    auto *grade = tela.findChild<QTableView *>(QStringLiteral("Grid"));
    if (!o.foto.isEmpty())
        tela.grab().save(o.foto);

    const double recarregar = medianOf(o.repeat, [&] {
        tela.findChild<QToolButton *>(QStringLiteral("JvArrowButton1"))->click();
        grade->viewport()->repaint();
        QCoreApplication::processEvents();
    });
    say(QStringLiteral("reload: %1 rows in %2 ms").arg(grade->model()->rowCount()).arg(ms(recarregar)));

    const double visualizar = medianOf(o.repeat, [&] {
        TfrMostraImg img(umaEntrada);
        img.show();
        QCoreApplication::processEvents();
        img.repaint();
    });
    say(QStringLiteral("viewer: one picture read, decoded and painted in %1 ms").arg(ms(visualizar)));

    const double pagina =
        medianOf(o.repeat, [&] { tela.findChild<QPushButton *>(QStringLiteral("btnImprimir"))->click(); });
    say(QStringLiteral("page: Historico.html of %1 entries (%2 KB) written in %3 ms")
            .arg(grade->model()->rowCount())
            .arg(QFileInfo(folder + QStringLiteral("/Historico.html")).size() / 1024)
            .arg(ms(pagina)));

    qint64 lidos = 0;
    const double ansioso = medianOf(o.repeat, [&] {
        lidos = 0;
        const DbResult r = dbOperation(tdm->BancoDados, [&](Transaction &t) {
            Query q(t,
                    QStringLiteral("SELECT * FROM HISTORICO WHERE IDEN_PESSOA = :IDEN_PESSOA AND TIPO_PESSOA "
                                   "= :TIPO_PESSOA ORDER BY DATA "));
            q.setInt(QStringLiteral("IDEN_PESSOA"), empresa);
            q.setInt(QStringLiteral("TIPO_PESSOA"), 1);
            q.open();
            while (q.next())
                lidos += q.field(QStringLiteral("IMAGEM")).asBytes().size();
        });
        if (!r)
            fail(r.error);
    });
    say(QStringLiteral("eager: the list with every picture's bytes (%1 MB) read in %2 ms, %3 times the open")
            .arg(ms(double(lidos) / (1024.0 * 1024.0)))
            .arg(ms(ansioso))
            .arg(ms(ansioso / abrir)));

    tela.close();
    TUsuario::setAtual(nullptr);
    tdm.reset();
    say(QStringLiteral("bench_historico: done"));
    return 0;
}
