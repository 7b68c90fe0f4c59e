/*
 * bench_listas: times the person search lists (individuals, companies) and
 * the grouped list of individuals, companies and contact persons on a large
 * database, each beside the bare statement run by isql-fb on the same file,
 * and the page "Acomp.html" written from a long list.
 *
 * Usage
 *   bench_listas [--n N] [--db PATH] [--repeat R] [--passos P] [--contatos C]
 *     --db PATH     a database filled by `bench_pessoas --db PATH` (N
 *                   individuals, N/10 companies); without it, bench_pessoas
 *                   (next to this program) fills a temporary one with N
 *                   individuals (default 100000)
 *     --contatos C  contact persons wanted (default 2 per company: 20,000 for
 *                   100,000 individuals); the missing ones are added once, in
 *                   one statement, and stay in the file
 *     --repeat R    timed runs of each search after one warm-up (default 3)
 *     --passos P    page-down steps timed while scrolling a grid (default 200)
 *     --foto DIR    also saves a picture of each screen after its first search
 *
 *   cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
 *   cmake --build build --target bench_pessoas --target bench_listas
 *   build/bench/bench_pessoas --db /tmp/p100k.fdb     # once, a few minutes
 *   build/bench/bench_listas --db /tmp/p100k.fdb
 *
 * What a figure means
 *   screen: from the "ok" (the screen's Pesquisar) until the grid has been
 *   painted with the new rows: the statement in its own transaction, every
 *   column of every row read into a record, the model reset and the visible
 *   rows drawn. Visibility: login CARLA or PUBLICA = 1.
 *   isql-fb: the very statement the screen runs, parameters as literals,
 *   isql's own "Elapsed time" (SET STATS ON) with every row written out.
 *   scrolling: one page down and the grid redrawn, median and worst step.
 *   page: "Imprimir" of the list, the page built and written (the browser
 *   is not started).
 *   Goals: ratio at most 2, scroll steps far below a frame, a page of
 *   10,000 persons in under 2 s.
 */

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "data/Transaction.h"
#include "model/PesquisaRelPF.h"
#include "model/PesquisaRelPJ.h"
#include "model/PesquisaRelPTotal.h"
#include "model/TUsuario.h"
#include "services/Seams.h"
#include "ui/reports/TfrRelPF.h"
#include "ui/reports/TfrRelPJ.h"
#include "ui/reports/TfrRelPTotal.h"

#include "BenchComum.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

using namespace bench;

namespace {

struct Options {
    int n = 100000;
    int repeat = 3;
    int passos = 200;
    int contatos = -1;
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
        else if (a == QLatin1String("--repeat"))
            o.repeat = valor().toInt();
        else if (a == QLatin1String("--passos"))
            o.passos = valor().toInt();
        else if (a == QLatin1String("--contatos"))
            o.contatos = valor().toInt();
        else if (a == QLatin1String("--db"))
            o.db = valor();
        else if (a == QLatin1String("--foto"))
            o.foto = valor();
        else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            say(QStringLiteral("usage: bench_listas [--n N] [--db PATH] [--repeat R] [--passos P] "
                               "[--contatos C] [--foto DIR]"));
            std::exit(0);
        } else
            fail(QStringLiteral("unknown argument ") + a + QStringLiteral(" (see --help)"));
    }
    if (o.n < 1 || o.repeat < 1 || o.passos < 1)
        fail(QStringLiteral("--n, --repeat and --passos must be at least 1"));
    return o;
}

QString literal(const QVariant &v)
{
    if (v.typeId() == QMetaType::Int)
        return QString::number(v.toInt());
    QString s = v.toString();
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

QString comLiterais(QString sql, const QVariantMap &params)
{
    for (auto it = params.begin(); it != params.end(); ++it)
        sql.replace(QRegularExpression(QStringLiteral(":") + it.key() + QStringLiteral("\\b")), literal(*it));
    return sql;
}

// Nobody sees the page: the benchmark times writing it.
class SemNavegador : public ShellService {
public:
    void open(const QString &) override {}
};

QVariant umValor(Database &db, const QString &sql)
{
    QVariant v;
    Transaction t(db);
    {
        Query q(t, sql);
        q.open();
        if (q.next())
            v = q.field(0).asString();
    }
    t.commit();
    return v;
}

// Two contacts per company, named after it, with its telephones; one in ten without a birth
// date, stored as 30/12/1899.
void completarContatos(Database &db, int desejados)
{
    const int existentes = umValor(db, QStringLiteral("SELECT COUNT(*) FROM CONTATO_PJ")).toInt();
    if (existentes >= desejados)
        return;
    const Cronometro::time_point start = Cronometro::now();
    Transaction t(db);
    {
        Query q(t,
                QStringLiteral(
                    "INSERT INTO CONTATO_PJ (IDENTIFICADOR_PJ, NOME, FUNCAO, EMAIL, FONE, CELULAR, RAMAL, "
                    "OBS, DATA) "
                    "SELECT FIRST :QUANTOS J.IDENTIFICADOR, IIF(K.N = 1, 'Gerente ', 'Contato ') || J.NOME, "
                    "'Gerente', J.EMAIL, J.FONE, J.FONE_CEL, K.N, '', "
                    "CASE WHEN MOD(J.IDENTIFICADOR + K.N, 10) = 0 THEN DATE '1899-12-30' "
                    "ELSE DATEADD(MOD(J.IDENTIFICADOR * 37 + K.N * 11, 15000) DAY TO DATE '1960-01-01') END "
                    "FROM PESSOAJURIDICA J CROSS JOIN (SELECT 1 AS N FROM RDB$DATABASE UNION ALL "
                    "SELECT 2 FROM RDB$DATABASE) K ORDER BY J.IDENTIFICADOR, K.N"));
        q.setInt(QStringLiteral("QUANTOS"), desejados - existentes);
        q.execute();
    }
    t.commit();
    say(QStringLiteral("contact persons: %1 added in %2 ms")
            .arg(desejados - existentes)
            .arg(ms(msSince(start))));
}

struct Medida {
    QString nome;
    QString sql; // with literals, for isql
    double telaMs = 0;
    int linhas = 0;
};

template <typename Tela>
double medir(Tela &tela, QTableView *grade, int repeat, const std::function<void()> &pesquisar)
{
    std::vector<double> tempos;
    for (int i = 0; i <= repeat; ++i) {
        const Cronometro::time_point start = Cronometro::now();
        pesquisar();
        grade->viewport()->repaint();
        QCoreApplication::processEvents();
        if (i > 0)
            tempos.push_back(msSince(start));
    }
    Q_UNUSED(tela);
    return median(tempos);
}

void rolar(QTableView *grade, int passos, const QString &nome)
{
    QScrollBar *barra = grade->verticalScrollBar();
    barra->setValue(0);
    std::vector<double> tempos;
    for (int i = 0; i < passos && barra->value() < barra->maximum(); ++i) {
        const Cronometro::time_point start = Cronometro::now();
        barra->setValue(barra->value() + barra->pageStep());
        grade->viewport()->repaint();
        tempos.push_back(msSince(start));
    }
    const Cronometro::time_point start = Cronometro::now();
    barra->setValue(barra->maximum());
    grade->viewport()->repaint();
    tempos.push_back(msSince(start));
    say(QStringLiteral("scrolling %1 (%2 rows): %3 page steps, median %4 ms, worst %5 ms")
            .arg(nome)
            .arg(grade->model()->rowCount())
            .arg(tempos.size())
            .arg(ms(median(tempos), 2), ms(*std::max_element(tempos.begin(), tempos.end()), 2)));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("bench_listas"));
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
        say(QStringLiteral("bench_listas: filling %1 individuals with bench_pessoas...").arg(o.n));
        runScript(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_pessoas"),
                  {QStringLiteral("--n"), QString::number(o.n), QStringLiteral("--db"), database,
                   QStringLiteral("--repeat"), QStringLiteral("1")});
    } else if (!QFileInfo::exists(database))
        fail(database + QStringLiteral(" does not exist (fill it with bench_pessoas --db)"));
    if (!QFile::link(database, folder + QStringLiteral("/DB/Orvalha.FDB")))
        fail(QStringLiteral("cannot link the database into the program folder"));
    qputenv("LUMISTO_PROGRAM_DIR", folder.toLocal8Bit());
    Seams::setShell(std::make_unique<SemNavegador>());

    auto tdm = std::make_unique<TDM>([](int) {});
    if (!tdm->BancoDados.isConnected())
        fail(QStringLiteral("TDM did not connect"));
    Database &db = tdm->BancoDados;
    const int empresas = umValor(db, QStringLiteral("SELECT COUNT(*) FROM PESSOAJURIDICA")).toInt();
    try {
        completarContatos(db, o.contatos >= 0 ? o.contatos : 2 * empresas);
    } catch (const DbError &e) {
        fail(e.message() + QStringLiteral("\n") + e.sql());
    }
    const QString cidade =
        umValor(db,
                QStringLiteral("SELECT FIRST 1 CIDADE FROM PESSOAFISICA GROUP BY CIDADE ORDER BY COUNT(*) "
                               "DESC"))
            .toString();
    say(QStringLiteral("bench_listas: %1; %2 individuals, %3 companies, %4 contact persons; login CARLA, "
                       "median of %5 runs after a warm-up")
            .arg(database)
            .arg(umValor(db, QStringLiteral("SELECT COUNT(*) FROM PESSOAFISICA")).toInt())
            .arg(empresas)
            .arg(umValor(db, QStringLiteral("SELECT COUNT(*) FROM CONTATO_PJ")).toInt())
            .arg(o.repeat));

    TUsuario carla;
    carla.Login = QStringLiteral("CARLA");
    TUsuario::setAtual(&carla);
    const QVariantMap visivel = {{QStringLiteral("LOGIN"), QStringLiteral("CARLA")},
                                 {QStringLiteral("PUBLICA"), 1}};
    auto com = [&](QVariantMap extra) {
        extra.insert(visivel);
        return extra;
    };
    std::vector<Medida> medidas;

    TfrRelPF pf;
    pf.resize(1100, 720);
    pf.show();
    QCoreApplication::processEvents();
    QTableView *gradePF = pf.grade();
    auto porFiltro = [&](const QString &nome, int filtro, const char *campo, const QString &valor,
                         const QVariantMap &params) {
        if (campo) {
            if (auto *e = pf.findChild<QLineEdit *>(QString::fromLatin1(campo)))
                e->setText(valor);
            else if (auto *c = pf.findChild<QComboBox *>(QString::fromLatin1(campo)))
                c->setCurrentIndex(c->findText(valor));
        }
        Medida m{nome, comLiterais(PesquisaRelPF::Comando(filtro), com(params))};
        m.telaMs = medir(pf, gradePF, o.repeat, [&] { pf.Pesquisar(filtro); });
        m.linhas = int(pf.PessoasEncontradas().size());
        say(QStringLiteral("TfrRelPF %1: %2 rows in %3 ms").arg(nome).arg(m.linhas).arg(ms(m.telaMs)));
        medidas.push_back(m);
    };
    porFiltro(QStringLiteral("name 'silva'"), PesquisaRelPF::Nome, "edtNome", QStringLiteral("silva"),
              {{QStringLiteral("NOME"), QStringLiteral("%SILVA%")}});
    if (!o.foto.isEmpty()) {
        auto *abas = pf.findChild<QTabWidget *>(QStringLiteral("PageControl"));
        for (int i = 0; i < abas->count(); ++i) {
            abas->setCurrentIndex(i);
            QCoreApplication::processEvents();
            pf.grab().save(o.foto + QStringLiteral("/bench_relpf_%1.png").arg(i));
        }
        abas->setCurrentIndex(0);
        TfrRelPJ pj;
        pj.resize(1000, 640);
        pj.show();
        QCoreApplication::processEvents();
        pj.findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(QStringLiteral("a"));
        pj.Pesquisar(PesquisaRelPJ::Nome);
        QCoreApplication::processEvents();
        pj.grab().save(o.foto + QStringLiteral("/bench_relpj.png"));
    }
    rolar(gradePF, o.passos, QStringLiteral("TfrRelPF 'silva'"));
    porFiltro(QStringLiteral("city '") + cidade + QLatin1Char('\''), PesquisaRelPF::Cidade, "edtCidade",
              cidade, {{QStringLiteral("CIDADE"), QLatin1Char('%') + cidade.toUpper() + QLatin1Char('%')}});
    porFiltro(QStringLiteral("birth month March"), PesquisaRelPF::MesNascimento, "txtMes",
              QStringLiteral("Março"), {{QStringLiteral("MES"), 3}});

    // "Imprimir": the longest of these lists, then exactly 10,000 persons
    for (const auto &[nome, filtro] : {std::pair{QStringLiteral("city"), int(PesquisaRelPF::Cidade)},
                                       std::pair{QStringLiteral("name ''"), int(PesquisaRelPF::Nome)}}) {
        if (filtro == PesquisaRelPF::Nome)
            pf.findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(QString());
        pf.Pesquisar(filtro);
        const Cronometro::time_point start = Cronometro::now();
        pf.findChild<QPushButton *>(QStringLiteral("btnImprimir"))->click();
        const double t = msSince(start);
        say(QStringLiteral("TfrRelPF Imprimir after %1: %2 persons, page of %3 KB in %4 ms")
                .arg(nome)
                .arg(pf.PessoasEncontradas().size())
                .arg(QFileInfo(folder + QStringLiteral("/Acomp.html")).size() / 1024)
                .arg(ms(t)));
    }
    pf.hide();

    TfrRelPTotal total;
    total.resize(900, 640);
    total.show();
    QCoreApplication::processEvents();
    total.findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(QStringLiteral("silva"));
    {
        Medida m{QStringLiteral("grouped name 'silva'"),
                 comLiterais(PesquisaRelPTotal::Comando(PesquisaRelPTotal::Nome),
                             com({{QStringLiteral("NOME"), QStringLiteral("%SILVA%")}}))};
        m.telaMs = medir(total, total.grade(), o.repeat, [&] { total.Pesquisar(PesquisaRelPTotal::Nome); });
        m.linhas = int(total.PessoasEncontradas().size());
        say(QStringLiteral("TfrRelPTotal %1: %2 rows in %3 ms").arg(m.nome).arg(m.linhas).arg(ms(m.telaMs)));
        medidas.push_back(m);
    }
    if (!o.foto.isEmpty())
        total.grab().save(o.foto + QStringLiteral("/bench_relptotal.png"));
    rolar(total.grade(), o.passos, QStringLiteral("TfrRelPTotal 'silva'"));
    total.findChild<QComboBox *>(QStringLiteral("txtMes"))->setCurrentIndex(11);
    {
        Medida m{QStringLiteral("grouped month December"),
                 comLiterais(PesquisaRelPTotal::Comando(PesquisaRelPTotal::MesNascimento),
                             com({{QStringLiteral("MES"), 12}}))};
        m.telaMs =
            medir(total, total.grade(), o.repeat, [&] { total.Pesquisar(PesquisaRelPTotal::MesNascimento); });
        m.linhas = int(total.PessoasEncontradas().size());
        say(QStringLiteral("TfrRelPTotal %1: %2 rows in %3 ms").arg(m.nome).arg(m.linhas).arg(ms(m.telaMs)));
        medidas.push_back(m);
    }
    total.hide();

    // isql-fb needs the file to itself
    TUsuario::setAtual(nullptr);
    tdm.reset();
    say(QStringLiteral(
        "isql-fb: the screens' statements, isql's own \"Elapsed time\", every row written out"));
    for (const Medida &m : medidas) {
        QString script = QStringLiteral("SET STATS ON;\nSET COUNT ON;\n");
        for (int r = 0; r <= o.repeat; ++r)
            script += m.sql + QStringLiteral(";\n");
        const IsqlRun run = isql(dir.path(), database, script);
        std::vector<double> elapsed = captured(run.out, QStringLiteral("Elapsed time\\s*=\\s*([0-9.]+) sec"));
        if (elapsed.size() != size_t(o.repeat + 1))
            fail(QStringLiteral("isql printed no timing for ") + m.nome);
        elapsed.erase(elapsed.begin()); // the warm-up
        const double isqlMs = median(elapsed) * 1000;
        say(QStringLiteral("isql %1: %2 ms; ours/isql %3")
                .arg(m.nome, ms(isqlMs), isqlMs > 0 ? ms(m.telaMs / isqlMs, 2) : QStringLiteral("-")));
    }
    say(QStringLiteral("bench_listas: done"));
    return 0;
}
