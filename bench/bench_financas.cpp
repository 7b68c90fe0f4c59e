/*
 * bench_financas: times the finance screen's month list of one person, its
 * all-persons month list and the finance search page for one year on a large
 * database, each beside the bare statement(s) run by isql-fb on the same file.
 *
 * Usage
 *   bench_financas [--n N] [--db PATH] [--lancamentos E] [--repeat R]
 *     --db PATH   a database filled by `bench_pessoas --db PATH` (N individuals,
 *                 N/10 companies); without it, bench_pessoas (next to this
 *                 program) fills a temporary one with N individuals (default
 *                 100000)
 *     --lancamentos E  finance entries spread over 2024-2026 (default 300000),
 *                 added once: a database that already holds entries keeps them
 *     --repeat R  timed runs of each figure after one warm-up (default 3)
 *     --foto PREFIX  also saves PREFIX-pessoa.png and PREFIX-todas.png (the
 *                 finance screen in both modes) and PREFIX-pessoa.html and
 *                 PREFIX-pesquisa.html (its printed page and the search page)
 *
 *   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
 *   cmake --build build-bench --target bench_pessoas --target bench_financas
 *   build-bench/bench/bench_pessoas --db /tmp/p100k.fdb     # once, a few minutes
 *   build-bench/bench/bench_financas --db /tmp/p100k.fdb
 *
 * What a figure means
 *   The clock is fixed on 15/06/2025 and the user is CARLA (visibility: login
 *   CARLA or PUBLICA = 1).
 *   one person: "Mês Atual" on the finance screen of the individual with the
 *   most entries in June 2025: the statement, every row into the list, the
 *   totals, the grid model reset and the grid painted.
 *   all persons: the same after "Entre Datas" with "Mostrar todas as
 *   pessoas?" checked: every visible individual's entries of June 2025.
 *   search page: "Imprimir" on the finance search for 2025, every filter at
 *   "Todas": the selection, the month's grouped summaries, the page built,
 *   written as Windows-1252 and handed to a shell that does nothing. The
 *   statements it ran are counted; the tests show the count does not grow
 *   with the number of persons.
 *   isql-fb: the very statements, parameters as literals, isql's own
 *   "Elapsed time" (SET STATS ON) with every row written out.
 *   The goal is a ratio of at most 2.
 */

#include "BenchComum.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "data/Transaction.h"
#include "model/ListaFinancas.h"
#include "model/PesquisaFinancas.h"
#include "model/TPessoaFisica.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "ui/finance/TfrEscolhaAsDatas.h"
#include "ui/finance/TfrFinancas.h"
#include "ui/finance/TfrFinancasPesquisa.h"
#include "util/DateTime.h"
#include "util/PaginaHtml.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

using namespace bench;

namespace {

struct Options {
    int n = 100000;
    int lancamentos = 300000;
    int repeat = 3;
    QString db;
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
        else if (a == QLatin1String("--lancamentos"))
            o.lancamentos = valor().toInt();
        else if (a == QLatin1String("--repeat"))
            o.repeat = valor().toInt();
        else if (a == QLatin1String("--db"))
            o.db = valor();
        else if (a == QLatin1String("--foto"))
            o.foto = valor();
        else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            say(QStringLiteral(
                "usage: bench_financas [--n N] [--db PATH] [--lancamentos E] [--repeat R] [--foto PREFIX]"));
            std::exit(0);
        } else
            fail(QStringLiteral("unknown argument ") + a + QStringLiteral(" (see --help)"));
    }
    if (o.n < 1 || o.repeat < 1 || o.lancamentos < 1)
        fail(QStringLiteral("--n, --lancamentos and --repeat must be at least 1"));
    return o;
}

class Relogio : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2025, 6, 15), QTime(12, 0, 0)); }
};

class SemShell : public ShellService {
public:
    void open(const QString &) override {}
};

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

qint64 escalar(Database &db, const QString &sql)
{
    Transaction t(db);
    qint64 valor = 0;
    {
        Query q(t, sql);
        q.open();
        if (q.next())
            valor = q.field(0).asInt64();
    }
    t.commit();
    return valor;
}

// The entries, in one statement: nine in ten of individuals, the rest of
// companies, dates over three years, both types and situations.
void preencher(Database &db, int lancamentos)
{
    const qint64 pfMin = escalar(db, QStringLiteral("SELECT MIN(IDENTIFICADOR) FROM PESSOAFISICA"));
    const qint64 pfN = escalar(db, QStringLiteral("SELECT COUNT(*) FROM PESSOAFISICA"));
    const qint64 pjMin = escalar(db, QStringLiteral("SELECT MIN(IDENTIFICADOR) FROM PESSOAJURIDICA"));
    const qint64 pjN = escalar(db, QStringLiteral("SELECT COUNT(*) FROM PESSOAJURIDICA"));
    if (pfN == 0 || pjN == 0)
        fail(QStringLiteral("the database has no individuals or no companies"));
    const QString sql =
        QStringLiteral(
            "EXECUTE BLOCK AS DECLARE I INTEGER = 0; DECLARE K INTEGER; BEGIN WHILE (I < %1) DO BEGIN "
            "K = IIF(MOD(I, 10) = 9, 1, 0); "
            "INSERT INTO FINANCAS (ID_PESSOA, TIPO_PESSOA, VALOR, DATA, TIPO_OPERACAO, FORMAP_PAGAMENTO, "
            "SITUACAO, OBS, LOGIN) VALUES (IIF(:K = 0, %2 + MOD(:I * 7919, %3), %4 + MOD(:I * 104729, %5)), "
            ":K, "
            "CAST(MOD(:I * 97, 100000) + 1 AS NUMERIC(18,4)) / 100, DATEADD(MOD(:I * 31, 1096) DAY TO DATE "
            "'2024-01-01'), MOD(:I / 7, 2), MOD(:I, 6), MOD(:I / 3, 2), 'Lançamento ' || :I, 'carla'); "
            "I = I + 1; END END")
            .arg(lancamentos)
            .arg(pfMin)
            .arg(pfN)
            .arg(pjMin)
            .arg(pjN);
    Transaction t(db);
    {
        Query q(t, sql);
        q.execute();
    }
    t.commit();
}

QString comLiterais(QString sql, const QList<std::pair<QString, QString>> &params)
{
    for (const auto &[nome, valor] : params)
        sql.replace(QRegularExpression(QStringLiteral(":") + nome + QStringLiteral("\\b")), valor);
    return sql;
}

void pintar(QTableView *grade)
{
    QCoreApplication::processEvents();
    grade->viewport()->repaint();
}

} // namespace

int executar(int argc, char **argv);

int main(int argc, char **argv)
{
    try {
        return executar(argc, argv);
    } catch (const DbError &e) {
        fail(e.message() + QStringLiteral("\n") + e.sql());
    }
}

int executar(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("bench_financas"));
    const Options o = parse(app.arguments());

    QTemporaryDir dir;
    if (!dir.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString folder = dir.path() + QStringLiteral("/Lumisto");
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/prepare-program-folder"),
              {folder, QStringLiteral(LUMISTO_FIREBIRD_HOME)});
    QString database = o.db.isEmpty() ? QString() : QFileInfo(o.db).absoluteFilePath();
    if (database.isEmpty()) {
        database = dir.path() + QStringLiteral("/pessoas.fdb");
        say(QStringLiteral("bench_financas: filling %1 individuals with bench_pessoas...").arg(o.n));
        runScript(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_pessoas"),
                  {QStringLiteral("--n"), QString::number(o.n), QStringLiteral("--db"), database,
                   QStringLiteral("--repeat"), QStringLiteral("1")});
    } else if (!QFileInfo::exists(database))
        fail(database + QStringLiteral(" does not exist (fill it with bench_pessoas --db)"));
    if (!QFile::link(database, folder + QStringLiteral("/DB/Orvalha.FDB")))
        fail(QStringLiteral("cannot link the database into the program folder"));
    qputenv("LUMISTO_PROGRAM_DIR", folder.toLocal8Bit());
    Seams::setShell(std::make_unique<SemShell>());
    Seams::setClock(std::make_unique<Relogio>());

    auto tdm = std::make_unique<TDM>([](int) {});
    Database &db = tdm->BancoDados;
    if (!db.isConnected())
        fail(QStringLiteral("TDM did not connect"));
    TUsuario carla;
    carla.Login = QStringLiteral("CARLA");
    carla.Nome = QStringLiteral("Carla");
    TUsuario::setAtual(&carla);

    if (escalar(db, QStringLiteral("SELECT COUNT(*) FROM FINANCAS")) == 0) {
        const Cronometro::time_point start = Cronometro::now();
        preencher(db, o.lancamentos);
        say(QStringLiteral("bench_financas: %1 entries added in %2 ms")
                .arg(o.lancamentos)
                .arg(ms(msSince(start), 0)));
    }
    say(QStringLiteral("bench_financas: %1 individuals, %2 companies, %3 entries in %4")
            .arg(escalar(db, QStringLiteral("SELECT COUNT(*) FROM PESSOAFISICA")))
            .arg(escalar(db, QStringLiteral("SELECT COUNT(*) FROM PESSOAJURIDICA")))
            .arg(escalar(db, QStringLiteral("SELECT COUNT(*) FROM FINANCAS")))
            .arg(database));
    const qint32 pessoa = qint32(escalar(
        db, QStringLiteral("SELECT FIRST 1 ID_PESSOA FROM FINANCAS WHERE TIPO_PESSOA = 0 AND DATA BETWEEN "
                           "'2025-06-01' AND '2025-06-30' GROUP BY ID_PESSOA ORDER BY COUNT(*) DESC")));
    say(QStringLiteral("median of %1 runs after a warm-up").arg(o.repeat));

    struct Figura {
        QString nome;
        QStringList comandos;
        double nossoMs = 0;
    };
    std::vector<Figura> figuras;
    const QList<std::pair<QString, QString>> mes = {
        {QStringLiteral("ID_PESSOA"), QString::number(pessoa)},
        {QStringLiteral("TIPO_PESSOA"), QStringLiteral("0")},
        {QStringLiteral("DATA_01"), QStringLiteral("'2025-06-01'")},
        {QStringLiteral("DATA_02"), QStringLiteral("'2025-06-30'")},
        {QStringLiteral("LOGIN"), QStringLiteral("'CARLA'")},
        {QStringLiteral("PUBLICA"), QStringLiteral("1")}};
    ListaFinancas::Filtro filtro;
    filtro.IdPessoa = pessoa;
    filtro.TipoPessoa = 0;

    {
        TPessoaFisica p;
        p.Identificador = pessoa;
        if (!p.Carregar())
            fail(QStringLiteral("person %1 not loaded").arg(pessoa));
        TfrFinancas tela;
        tela.DefinirPessoa(p);
        tela.resize(900, 700);
        tela.show();
        QCoreApplication::processEvents();
        auto *grade = tela.findChild<QTableView *>(QStringLiteral("Grid"));
        auto *mesAtual = tela.findChild<QToolButton *>(QStringLiteral("JvArrowButton1"));

        Figura um{QStringLiteral("one person, June 2025"),
                  {comLiterais(ListaFinancas::Comando(filtro), mes)}};
        um.nossoMs = medianOf(o.repeat, [&] {
            mesAtual->click();
            pintar(grade);
        });
        say(QStringLiteral("%1: %2 rows in %3 ms")
                .arg(um.nome)
                .arg(grade->model()->rowCount())
                .arg(ms(um.nossoMs)));
        figuras.push_back(um);
        const QString pagina = folder + QStringLiteral("/Financas.html");
        if (!o.foto.isEmpty()) {
            tela.grab().save(o.foto + QStringLiteral("-pessoa.png"));
            tela.findChild<QPushButton *>(QStringLiteral("btnImprimir"))->click();
            QFile::remove(o.foto + QStringLiteral("-pessoa.html"));
            QFile::copy(pagina, o.foto + QStringLiteral("-pessoa.html"));
        }

        // "Entre Datas" once with every person, then "Mês Atual" keeps that mode
        QTimer::singleShot(0, [] {
            auto *d = qobject_cast<TfrEscolhaAsDatas *>(QApplication::activeModalWidget());
            if (!d)
                fail(QStringLiteral("the date dialog did not open"));
            d->findChild<QCheckBox *>(QStringLiteral("edtPessoas"))->setChecked(true);
            d->findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->click();
        });
        tela.findChild<QAction *>(QStringLiteral("EntreDatas1"))->trigger();
        if (!tela.TodasAsPessoas())
            fail(QStringLiteral("the all-persons mode did not start"));
        filtro.TodasAsPessoas = true;
        Figura todas{QStringLiteral("all persons, June 2025"),
                     {comLiterais(ListaFinancas::Comando(filtro), mes)}};
        todas.nossoMs = medianOf(o.repeat, [&] {
            mesAtual->click();
            pintar(grade);
        });
        say(QStringLiteral("%1: %2 rows in %3 ms")
                .arg(todas.nome)
                .arg(grade->model()->rowCount())
                .arg(ms(todas.nossoMs)));
        figuras.push_back(todas);
        if (!o.foto.isEmpty())
            tela.grab().save(o.foto + QStringLiteral("-todas.png"));
    }

    {
        TfrFinancasPesquisa pesquisa;
        pesquisa.findChild<QDateEdit *>(QStringLiteral("data_in"))->setDate(QDate(2025, 1, 1));
        pesquisa.findChild<QDateEdit *>(QStringLiteral("data_out"))->setDate(QDate(2025, 12, 31));
        auto *imprimir = pesquisa.findChild<QPushButton *>(QStringLiteral("btnPesquisar"));
        quint64 comandos = 0;
        Figura pagina{QStringLiteral("search page, 2025"), {}};
        PesquisaFinancas::Filtro f;
        f.De = EncodeDate(2025, 1, 1);
        f.Ate = EncodeDate(2025, 12, 31);
        const QList<std::pair<QString, QString>> ano = {
            {QStringLiteral("NOME"), QStringLiteral("'%%'")},
            {QStringLiteral("OBS"), QStringLiteral("'%%'")},
            {QStringLiteral("DATA_01"), QStringLiteral("'2025-01-01'")},
            {QStringLiteral("DATA_02"), QStringLiteral("'2025-12-31'")},
            {QStringLiteral("DATA1"), QStringLiteral("'2025-01-01'")},
            {QStringLiteral("DATA2"), QStringLiteral("'2025-01-31'")},
            {QStringLiteral("LOGIN"), QStringLiteral("'CARLA'")},
            {QStringLiteral("PUBLICA"), QStringLiteral("1")}};
        pagina.comandos = {comLiterais(PesquisaFinancas::ComandoSelecao(f), ano),
                           comLiterais(PesquisaFinancas::ComandoResumos(), ano)};
        pagina.nossoMs = medianOf(o.repeat, [&] {
            const quint64 antes = Database::statementCount();
            imprimir->click();
            comandos = Database::statementCount() - antes;
        });
        const QFileInfo arquivo(folder + QStringLiteral("/Financas.html"));
        say(QStringLiteral("%1: %2 statements, a page of %3 KB in %4 ms")
                .arg(pagina.nome)
                .arg(comandos)
                .arg(arquivo.size() / 1024)
                .arg(ms(pagina.nossoMs)));
        figuras.push_back(pagina);

        // where the page's time goes
        f.Login = carla.Login;
        QList<PesquisaFinancas::Linha> linhas;
        PesquisaFinancas::Resumos resumos;
        QString html;
        const double selecao = medianOf(o.repeat, [&] {
            if (!PesquisaFinancas::Selecionar(db, f, linhas))
                fail(QStringLiteral("the selection failed"));
        });
        const double somas = medianOf(o.repeat, [&] {
            if (!PesquisaFinancas::ResumosDoMes(db, f.De, resumos))
                fail(QStringLiteral("the summaries failed"));
        });
        const double montagem = medianOf(o.repeat, [&] {
            html = PesquisaFinancas::Pagina(f, linhas, resumos, carla.Nome, EncodeDate(2025, 6, 15));
        });
        const double gravacao = medianOf(o.repeat, [&] {
            if (!GravarPagina(dir.path() + QStringLiteral("/pagina.html"), html))
                fail(QStringLiteral("the page was not written"));
        });
        say(QStringLiteral(
                "  of which: selection %1 rows %2 ms, summaries %3 ms, page built %4 ms, written %5 ms")
                .arg(linhas.size())
                .arg(ms(selecao), ms(somas), ms(montagem), ms(gravacao)));
        if (!o.foto.isEmpty()) {
            QFile::remove(o.foto + QStringLiteral("-pesquisa.html"));
            QFile::copy(arquivo.filePath(), o.foto + QStringLiteral("-pesquisa.html"));
        }
    }

    TUsuario::setAtual(nullptr);
    tdm.reset();
    say(QStringLiteral("isql-fb: the same statements, isql's own \"Elapsed time\", every row written out"));
    for (const Figura &fig : figuras) {
        double isqlMs = 0;
        for (const QString &comando : fig.comandos) {
            QString script = QStringLiteral("SET STATS ON;\nSET COUNT ON;\n");
            for (int r = 0; r <= o.repeat; ++r)
                script += comando + QStringLiteral(";\n");
            const IsqlRun run = isql(dir.path(), database, script);
            std::vector<double> elapsed =
                captured(run.out, QStringLiteral("Elapsed time\\s*=\\s*([0-9.]+) sec"));
            if (elapsed.size() != size_t(o.repeat + 1))
                fail(QStringLiteral("isql printed no timing for ") + fig.nome);
            elapsed.erase(elapsed.begin()); // the warm-up
            isqlMs += median(elapsed) * 1000;
        }
        say(QStringLiteral("isql %1: %2 ms; ours/isql %3")
                .arg(fig.nome, ms(isqlMs), isqlMs > 0 ? ms(fig.nossoMs / isqlMs, 2) : QStringLiteral("-")));
    }
    say(QStringLiteral("bench_financas: done"));
    return 0;
}
