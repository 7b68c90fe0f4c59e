/*
 * bench_telas: times the individuals' search panel itself (the frame of the
 * search dialog and of the entry screen) and the main window's birthday and
 * telephone-search lists on a large database, beside the bare statement run
 * by isql-fb on the same file.
 *
 * Usage
 *   bench_telas [--n N] [--db PATH] [--repeat R] [--passos P]
 *     --db PATH   a database filled by `bench_pessoas --db PATH`; without it,
 *                 bench_pessoas (next to this program) fills a temporary one
 *                 with N individuals (default 100000)
 *     --repeat R  timed runs of each search after one warm-up (default 3)
 *     --passos P  page-down steps timed while scrolling the grid (default 200)
 *     --foto PNG  also saves a picture of the panel after the name search
 *
 *   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
 *   cmake --build build-bench --target bench_pessoas --target bench_telas
 *   build-bench/bench/bench_pessoas --db /tmp/p100k.fdb     # once, a few minutes
 *   build-bench/bench/bench_telas --db /tmp/p100k.fdb
 *
 * What a figure means
 *   panel: from the click (TframePesquisaNome::Pesquisar) until the grid has
 *   been painted with the new rows: the statement in its own transaction,
 *   the grid's columns of every row read, the model reset and the visible
 *   rows drawn. Visibility: login CARLA or PUBLICA = 1.
 *   isql-fb: the very statement the panel runs, parameters as literals,
 *   isql's own "Elapsed time" (SET STATS ON) with every row written out.
 *   scrolling: one page down and the grid redrawn, median and worst step.
 *   lists: the main window's birthday list (this month) and telephone search
 *   by name ('silva'): the statement, every row into its entry, the list
 *   model reset and the list drawn.
 *   screens: the individual screen (what Ctrl+F opens) from its creation
 *   until shown and painted; the main window until shown and painted, and
 *   until its two lists have filled after it mapped; both also on an empty
 *   database. The name list: its reading on the first arrow key, and the
 *   change a save makes to it. The panel with an empty name (every visible
 *   person) and the birthday page of every month, each beside its statement
 *   in isql-fb, with the growth of the resident set on the first run.
 *   The closing table puts each figure beside its peer and its goal.
 *   The goal is a ratio of at most 2 and scroll steps far below a frame.
 */

#include "data/Database.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "data/Transaction.h"
#include "model/Aniversariantes.h"
#include "model/PessoaResumo.h"
#include "model/TUsuario.h"
#include "ui/common/GroupList.h"
#include "ui/registration/CampoNome.h"
#include "ui/registration/EntradaCadastro.h"
#include "ui/registration/TfrPessoaFisica.h"
#include "ui/search/TframePesquisaNome.h"
#include "ui/session/ListaAniversariantes.h"
#include "ui/session/ListaPessoasResumo.h"
#include "ui/session/TfrPrincipalAC.h"

#include "BenchComum.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

#include <unistd.h>

using namespace bench;

namespace {

struct Options {
    int n = 100000;
    int repeat = 3;
    int passos = 200;
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
        else if (a == QLatin1String("--db"))
            o.db = valor();
        else if (a == QLatin1String("--foto"))
            o.foto = valor();
        else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            say(QStringLiteral(
                "usage: bench_telas [--n N] [--db PATH] [--repeat R] [--passos P] [--foto PNG]"));
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

long residenteKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> campos = f.readAll().split(' ');
    return campos.size() > 1 ? long(campos.at(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024) : 0;
}

struct Busca {
    QString nome;
    int modo = 0;
    QVariantMap params; // for isql: what the panel binds
    double painelMs = 0;
    int linhas = 0;
    double isqlMs = 0;
};

// The visible group with the most individuals: the heaviest group search.
std::pair<int, QString> grupoMaior(Database &db)
{
    Transaction t(db);
    std::pair<int, QString> grupo{0, {}};
    {
        Query q(t, QStringLiteral("SELECT FIRST 1 G.COD_GRUPO, G.NOME_GRUPO, COUNT(*) FROM PESSOAFISICA P "
                                  "JOIN GRUPO G ON G.COD_GRUPO = P.COD_GRUPO GROUP BY 1, 2 ORDER BY 3 DESC"));
        q.open();
        if (!q.next())
            fail(QStringLiteral("the database has no individuals"));
        grupo = {q.field(0).asInt(), q.field(1).asString()};
    }
    t.commit();
    return grupo;
}

// The screens a user opens every day, from the command until the window
// has been shown and painted (and, for the main window, until its lists
// have filled after it mapped); medians of `repeat` runs after a warm-up.
struct Telas {
    double pessoaFisica = 0;
    double principal = 0;
    double listas = 0;
};

Telas medirTelas(TUsuario &usuario, int repeat)
{
    Telas t;
    std::vector<double> tempos;
    for (int i = 0; i <= repeat; ++i) {
        const Cronometro::time_point start = Cronometro::now();
        TfrPessoaFisica tela;
        tela.show();
        tela.repaint();
        QCoreApplication::processEvents();
        if (i > 0)
            tempos.push_back(msSince(start));
    }
    t.pessoaFisica = median(tempos);
    std::vector<double> mapeada, listas;
    for (int i = 0; i <= repeat; ++i) {
        const Cronometro::time_point start = Cronometro::now();
        TfrPrincipalAC principal(usuario);
        principal.show();
        principal.repaint();
        const double aberta = msSince(start);
        while (!principal.ListasCarregadas())
            QCoreApplication::processEvents();
        if (i > 0) {
            mapeada.push_back(aberta);
            listas.push_back(msSince(start));
        }
    }
    t.principal = median(mapeada);
    t.listas = median(listas);
    return t;
}

// One row of the closing table: ours beside its peer.
struct Linha {
    QString oque;
    QString nosso;
    QString par;
    QString meta;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("bench_telas"));
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
        say(QStringLiteral("bench_telas: filling %1 individuals with bench_pessoas...").arg(o.n));
        runScript(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_pessoas"),
                  {QStringLiteral("--n"), QString::number(o.n), QStringLiteral("--db"), database,
                   QStringLiteral("--repeat"), QStringLiteral("1")});
    } else if (!QFileInfo::exists(database))
        fail(database + QStringLiteral(" does not exist (fill it with bench_pessoas --db)"));
    qputenv("LUMISTO_PROGRAM_DIR", folder.toLocal8Bit());
    const QString programa = folder + QStringLiteral("/DB/Orvalha.FDB");
    TUsuario carla;
    carla.Login = QStringLiteral("CARLA");
    TUsuario::setAtual(&carla);

    // the same screens on an empty database: what "flat in the data" is measured against
    Telas vazio;
    {
        const QString vazia = dir.path() + QStringLiteral("/vazia.fdb");
        runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/create-db"), {vazia});
        if (!QFile::link(vazia, programa))
            fail(QStringLiteral("cannot link the empty database into the program folder"));
        {
            TDM semDados([](int) {});
            if (!semDados.BancoDados.isConnected())
                fail(QStringLiteral("TDM did not connect to the empty database"));
            vazio = medirTelas(carla, o.repeat);
        }
        QFile::remove(programa);
    }

    if (!QFile::link(database, programa))
        fail(QStringLiteral("cannot link the database into the program folder"));
    auto tdm = std::make_unique<TDM>([](int) {});
    if (!tdm->BancoDados.isConnected())
        fail(QStringLiteral("TDM did not connect"));
    const auto [codigoGrupo, nomeGrupo] = grupoMaior(tdm->BancoDados);

    TframePesquisaNome frame;
    frame.resize(1100, 720);
    frame.show();
    QCoreApplication::processEvents();
    frame.CarregarGrupos();
    frame.findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(QStringLiteral("silva"));
    frame.findChild<QLineEdit *>(QStringLiteral("edtNomeF"))->setText(QStringLiteral("souza"));
    if (!frame.findChild<GroupList *>(QStringLiteral("txtGrupo"))->selecionarCodigo(codigoGrupo))
        fail(QStringLiteral("group not in the panel's list"));

    const QVariantMap visivel = {{QStringLiteral("LOGIN"), QStringLiteral("CARLA")},
                                 {QStringLiteral("PUBLICA"), 1}};
    auto com = [&](const QString &nome, const QVariant &valor) {
        QVariantMap m = visivel;
        m.insert(nome, valor);
        return m;
    };
    std::vector<Busca> buscas = {
        {QStringLiteral("name 'silva'"), TframePesquisaNome::ModoNome,
         com(QStringLiteral("NOME"), QStringLiteral("%SILVA%"))},
        {QStringLiteral("phonetic 'souza'"), TframePesquisaNome::ModoFonetico,
         com(QStringLiteral("NOME"), QStringLiteral("%SOUZA%"))},
        {QStringLiteral("group '") + nomeGrupo + QLatin1Char('\''), TframePesquisaNome::ModoGrupo,
         com(QStringLiteral("COD_GRUPO"), codigoGrupo)},
    };

    QTableView *grade = frame.grade();
    say(QStringLiteral("bench_telas: %1, login CARLA, median of %2 runs after a warm-up")
            .arg(database)
            .arg(o.repeat));

    const Telas telas = medirTelas(carla, o.repeat);
    say(QStringLiteral("individual screen (Ctrl+F) shown and painted: %1 ms (empty database %2 ms)")
            .arg(ms(telas.pessoaFisica), ms(vazio.pessoaFisica)));
    say(QStringLiteral("main window shown and painted: %1 ms, its lists filled: %2 ms (empty database %3 ms, "
                       "%4 ms)")
            .arg(ms(telas.principal), ms(telas.listas), ms(vazio.principal), ms(vazio.listas)));

    // the name list of the individual screen: read when the arrow keys first
    // step into it, then changed by the one name a save writes
    double leituraNomes = 0, atualizacaoNomes = 0, leituraSoNomes = 0;
    int nomesNaLista = 0;
    {
        TfrPessoaFisica tela;
        tela.show();
        QCoreApplication::processEvents();
        auto *campo = tela.findChild<CampoNome *>(QStringLiteral("edtNome"));
        if (!campo)
            fail(QStringLiteral("no name field"));
        Cronometro::time_point start = Cronometro::now();
        campo->CarregarLista();
        leituraNomes = msSince(start);
        nomesNaLista = campo->count();
        std::vector<double> tempos;
        for (int i = 0; i <= o.repeat; ++i) {
            const QString nome = QStringLiteral("Mmm Bench %1").arg(i);
            start = Cronometro::now();
            EntradaCadastro::AtualizarNome(campo, TPessoaFisica(), QString(), nome);
            if (i > 0)
                tempos.push_back(msSince(start));
        }
        atualizacaoNomes = median(tempos);
        QStringList nomes;
        start = Cronometro::now();
        if (!TPessoaFisica().NomesVisiveis(QStringLiteral("CARLA"), nomes))
            fail(QStringLiteral("the names could not be read"));
        leituraSoNomes = msSince(start);
        if (campo->count() != nomesNaLista + o.repeat + 1)
            fail(QStringLiteral("the name list did not take the new names"));
    }
    say(QStringLiteral(
            "name list: %1 names read on the first arrow key in %2 ms (the reading alone %3 ms); a "
            "save changes it in %4 ms")
            .arg(nomesNaLista)
            .arg(ms(leituraNomes), ms(leituraSoNomes), ms(atualizacaoNomes, 3)));

    // the empty name: every person the login may see
    Busca vazia{QStringLiteral("name '' (every visible person)"), TframePesquisaNome::ModoNome,
                com(QStringLiteral("NOME"), QStringLiteral("%%"))};
    long kbVazia = 0;
    {
        auto *nome = frame.findChild<QLineEdit *>(QStringLiteral("edtNome"));
        const QString antes = nome->text();
        nome->setText(QString());
        std::vector<double> tempos;
        for (int i = 0; i <= o.repeat; ++i) {
            const long kb = residenteKb();
            const Cronometro::time_point start = Cronometro::now();
            frame.Pesquisar(TframePesquisaNome::ModoNome);
            grade->viewport()->repaint();
            QCoreApplication::processEvents();
            if (i == 0)
                kbVazia = residenteKb() - kb;
            else
                tempos.push_back(msSince(start));
        }
        vazia.painelMs = median(tempos);
        vazia.linhas = grade->model()->rowCount();
        say(QStringLiteral("panel, empty name: %1 rows in %2 ms, resident +%3 KB")
                .arg(vazia.linhas)
                .arg(ms(vazia.painelMs))
                .arg(kbVazia));
        nome->setText(antes);
    }

    Busca pagina{QStringLiteral("birthday page of every month"), 0, visivel};
    pagina.params.insert(QStringLiteral("INFORMAR_ANIVERSARIO"), 1);
    long kbPagina = 0;
    {
        std::vector<double> tempos;
        for (int i = 0; i <= o.repeat; ++i) {
            const long kb = residenteKb();
            const Cronometro::time_point start = Cronometro::now();
            QStringList linhas;
            if (!Aniversariantes::Pagina(Aniversariantes::Todos, QStringLiteral("CARLA"), 0, linhas))
                fail(QStringLiteral("the birthday page failed"));
            if (i == 0)
                kbPagina = residenteKb() - kb;
            else
                tempos.push_back(msSince(start));
            pagina.linhas = int(linhas.size());
        }
        pagina.painelMs = median(tempos);
        say(QStringLiteral("birthday page of every month: %1 lines in %2 ms, resident +%3 KB")
                .arg(pagina.linhas)
                .arg(ms(pagina.painelMs))
                .arg(kbPagina));
    }
    for (Busca &b : buscas) {
        std::vector<double> tempos;
        for (int i = 0; i <= o.repeat; ++i) {
            const Cronometro::time_point start = Cronometro::now();
            frame.Pesquisar(b.modo);
            grade->viewport()->repaint();
            QCoreApplication::processEvents();
            if (i > 0)
                tempos.push_back(msSince(start));
        }
        b.painelMs = median(tempos);
        b.linhas = grade->model()->rowCount();
        say(QStringLiteral("panel %1: %2 rows in %3 ms").arg(b.nome).arg(b.linhas).arg(ms(b.painelMs)));
    }

    // scrolling the longest result page by page, the grid redrawn each time
    frame.Pesquisar(TframePesquisaNome::ModoNome);
    QCoreApplication::processEvents();
    if (!o.foto.isEmpty() && !frame.grab().save(o.foto))
        fail(QStringLiteral("cannot save ") + o.foto);
    QScrollBar *barra = grade->verticalScrollBar();
    std::vector<double> passos;
    for (int i = 0; i < o.passos && barra->value() < barra->maximum(); ++i) {
        const Cronometro::time_point start = Cronometro::now();
        barra->setValue(barra->value() + barra->pageStep());
        grade->viewport()->repaint();
        passos.push_back(msSince(start));
    }
    {
        const Cronometro::time_point start = Cronometro::now();
        barra->setValue(barra->maximum());
        grade->viewport()->repaint();
        passos.push_back(msSince(start));
    }
    say(QStringLiteral(
            "scrolling %1 rows: %2 page steps, median %3 ms, worst %4 ms (jump to the end included)")
            .arg(grade->model()->rowCount())
            .arg(passos.size())
            .arg(ms(median(passos), 2), ms(*std::max_element(passos.begin(), passos.end()), 2)));

    // the main window's lists
    const int mes = QDate::currentDate().month();
    ListaAniversariantes aniversarios;
    aniversarios.resize(900, 500);
    aniversarios.show();
    ListaPessoasResumo telefones(ListaPessoasResumo::Estilo::Pesquisa);
    telefones.resize(900, 500);
    telefones.show();
    auto medir = [&](const std::function<int()> &encher) {
        std::vector<double> tempos;
        int linhas = 0;
        for (int i = 0; i <= o.repeat; ++i) {
            const Cronometro::time_point start = Cronometro::now();
            linhas = encher();
            QCoreApplication::processEvents();
            if (i > 0)
                tempos.push_back(msSince(start));
        }
        return std::make_pair(linhas, median(tempos));
    };
    const auto [linhasMes, msMes] = medir([&] {
        aniversarios.Definir(Aniversariantes::DoMesAtual(QStringLiteral("CARLA"), mes), 0);
        aniversarios.viewport()->repaint();
        return aniversarios.quantidade();
    });
    Busca listaMes{QStringLiteral("birthday list, month ") + QString::number(mes), 0, {}, msMes, linhasMes};
    listaMes.params = visivel;
    listaMes.params.insert(QStringLiteral("MES"), mes);
    listaMes.params.insert(QStringLiteral("INFORMAR_ANIVERSARIO"), 1);
    say(QStringLiteral("%1: %2 rows in %3 ms").arg(listaMes.nome).arg(linhasMes).arg(ms(msMes)));
    const auto [linhasNome, msNome] = medir([&] {
        telefones.Definir(PessoaResumo::PorNome(QStringLiteral("CARLA"), QStringLiteral("silva")));
        telefones.viewport()->repaint();
        return telefones.quantidade();
    });
    Busca listaNome{QStringLiteral("telephone search 'silva'"), 0,
                    com(QStringLiteral("NOME"), QStringLiteral("%SILVA%")), msNome, linhasNome};
    say(QStringLiteral("%1: %2 rows in %3 ms").arg(listaNome.nome).arg(linhasNome).arg(ms(msNome)));

    // the same statements in isql-fb, which needs the file to itself
    std::vector<QString> comandos;
    for (const Busca &b : buscas)
        comandos.push_back(comLiterais(frame.comandoDe(b.modo), b.params));
    const size_t iVazia = buscas.size();
    buscas.push_back(vazia);
    comandos.push_back(comLiterais(frame.comandoDe(vazia.modo), vazia.params));
    const size_t iPagina = buscas.size();
    buscas.push_back(pagina);
    comandos.push_back(comLiterais(Aniversariantes::ComandoTodos(), pagina.params));
    buscas.push_back(listaMes);
    comandos.push_back(comLiterais(Aniversariantes::ComandoDoMes(), listaMes.params));
    buscas.push_back(listaNome);
    // isql wants no ';' of its own inside the statement it is given
    QString porNome = comLiterais(PessoaResumo::ComandoPorNome(), listaNome.params);
    if (porNome.endsWith(QLatin1Char(';')))
        porNome.chop(1);
    comandos.push_back(porNome);
    frame.hide();
    TUsuario::setAtual(nullptr);
    tdm.reset();
    say(QStringLiteral(
        "isql-fb: the panel's statements, isql's own \"Elapsed time\", every row written out"));
    for (size_t i = 0; i < buscas.size(); ++i) {
        QString script = QStringLiteral("SET STATS ON;\nSET COUNT ON;\n");
        for (int r = 0; r <= o.repeat; ++r)
            script += comandos[i] + QStringLiteral(";\n");
        const IsqlRun run = isql(dir.path(), database, script);
        std::vector<double> elapsed = captured(run.out, QStringLiteral("Elapsed time\\s*=\\s*([0-9.]+) sec"));
        if (elapsed.size() != size_t(o.repeat + 1))
            fail(QStringLiteral("isql printed no timing for ") + buscas[i].nome);
        elapsed.erase(elapsed.begin()); // the warm-up
        const double isqlMs = median(elapsed) * 1000;
        say(QStringLiteral("isql %1: %2 ms; ours/isql %3")
                .arg(buscas[i].nome, ms(isqlMs),
                     isqlMs > 0 ? ms(buscas[i].painelMs / isqlMs, 2) : QStringLiteral("-")));
        buscas[i].isqlMs = isqlMs;
    }

    vazia.isqlMs = buscas[iVazia].isqlMs;
    pagina.isqlMs = buscas[iPagina].isqlMs;
    const auto razao = [](const Busca &b) {
        return b.isqlMs > 0 ? QStringLiteral(" (%1x)").arg(ms(b.painelMs / b.isqlMs, 2)) : QString();
    };
    const std::vector<Linha> tabela = {
        {QStringLiteral("Ctrl+F until the individual screen answers input"),
         ms(telas.pessoaFisica) + QStringLiteral(" ms"),
         ms(vazio.pessoaFisica) + QStringLiteral(" ms (empty database)"),
         QStringLiteral("under 100 ms, flat in the data")},
        {QStringLiteral("The name list after a save (%1 names read on the first arrow key in %2 ms)")
             .arg(nomesNaLista)
             .arg(ms(leituraNomes)),
         ms(atualizacaoNomes, 3) + QStringLiteral(" ms"), QStringLiteral("-"), QStringLiteral("under 10 ms")},
        {QStringLiteral("Start-up: main window shown and painted / its lists filled"),
         ms(telas.principal) + QStringLiteral(" ms / ") + ms(telas.listas) + QStringLiteral(" ms"),
         ms(vazio.principal) + QStringLiteral(" ms / ") + ms(vazio.listas) +
             QStringLiteral(" ms (empty database)"),
         QStringLiteral("under 250 ms, flat in the data")},
        {QStringLiteral("Search panel with an empty name (%1 rows)").arg(vazia.linhas),
         ms(vazia.painelMs) + QStringLiteral(" ms") + razao(vazia) +
             QStringLiteral(", +%1 MB").arg(kbVazia / 1024),
         QStringLiteral("isql-fb ") + ms(vazia.isqlMs) + QStringLiteral(" ms"),
         QStringLiteral("within 1.5x, under 40 MB more")},
        {QStringLiteral("Birthday page of all months (%1 lines)").arg(pagina.linhas),
         ms(pagina.painelMs) + QStringLiteral(" ms") + razao(pagina) +
             QStringLiteral(", +%1 MB").arg(kbPagina / 1024),
         QStringLiteral("isql-fb ") + ms(pagina.isqlMs) + QStringLiteral(" ms"),
         QStringLiteral("within 1.5x")},
    };
    say(QString());
    say(QStringLiteral("| What | Now | Peer | Goal |"));
    say(QStringLiteral("|---|---|---|---|"));
    for (const Linha &l : tabela)
        say(QStringLiteral("| %1 | %2 | %3 | %4 |").arg(l.oque, l.nosso, l.par, l.meta));
    say(QStringLiteral("bench_telas: done"));
    return 0;
}
