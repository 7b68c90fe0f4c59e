/*
 * bench_fones: the telephone-list pages on a large database, beside the bare
 * statements of each list run by isql-fb on the same file.
 *
 * Usage
 *   bench_fones [--n N] [--historico H] [--repeat R] [--db PATH]
 *     --n N          individuals (default 100000); companies N/10, each with
 *                    two contact persons
 *     --historico H  history entries (default 200000), dated over 2025 and
 *                    2026, nine in ten of individuals
 *     --repeat R     timed runs of each list after one warm-up (default 3);
 *                    the median is printed
 *     --db PATH      keep the filled database at PATH (which must not exist);
 *                    an existing PATH is used as it is, without filling
 *
 *   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
 *   cmake --build build-bench --target bench_fones
 *   build-bench/bench/bench_fones --n 1000 --historico 2000    # quick check
 *   build-bench/bench/bench_fones                             # a few minutes
 *
 * What it does
 *   1. scripts/prepare-program-folder and scripts/create-db on a temporary
 *      folder (LUMISTO_PROGRAM_DIR points there, as in the tests); the rows
 *      are made by isql-fb (EXECUTE BLOCK, one transaction each): 5 users,
 *      30 groups, the persons (one in three public, the rest private to one
 *      of the users), the contact persons and the history.
 *   2. Through TDM, as the screen does it, for login CARLA and both kinds:
 *      all   "Imprimir" of all groups (group counts, contact persons, the
 *            persons), with addresses and contacts;
 *      year  the history list for 2026, only persons with entries (history,
 *            contact persons, the persons).
 *      Each list first runs its statements bare in this process (every row
 *      fetched, every column read, nothing written), then writes its page:
 *      from the request to Fones_PF_PJ.html written beside the program (the
 *      shell's open a no-op), with the page's size. The peak memory of the
 *      process is shown after the bare run (the engine's sort and cache)
 *      and how much more the page took: the page is written while the rows
 *      arrive, so that stays far below its size.
 *   3. TDM disconnects and isql-fb runs the same statements with their
 *      parameters as literals, every row written out (SET BLOB ALL: the
 *      history texts are read too): isql's own "Elapsed time", summed over
 *      the list's statements. The goal is ours/isql at most 2 and a memory
 *      growth far below the page's size.
 *   The last line is "bench_fones: done".
 */

#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/ListaFones.h"
#include "services/Seams.h"
#include "util/DateTime.h"

#include "BenchComum.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <memory>

using namespace bench;

namespace {

struct Options {
    int n = 100000;
    int historico = 200000;
    int repeat = 3;
    QString db;
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
        else if (a == QLatin1String("--historico"))
            o.historico = valor().toInt();
        else if (a == QLatin1String("--repeat"))
            o.repeat = valor().toInt();
        else if (a == QLatin1String("--db"))
            o.db = valor();
        else
            fail(QStringLiteral("unknown option ") + a);
    }
    if (o.n < 10 || o.historico < 1 || o.repeat < 1)
        fail(QStringLiteral("--n 10 or more, --historico and --repeat 1 or more"));
    return o;
}

class ShellMudo : public ShellService {
public:
    void open(const QString &) override {}
};

// The rows, made inside the engine: names from fixed lists, so the same
// options give the same database.
QString scriptDePreenchimento(const Options &o)
{
    const int empresas = o.n / 10;
    return QStringLiteral(R"(SET TERM ^ ;
EXECUTE BLOCK AS
DECLARE I INTEGER = 0;
BEGIN
  INSERT INTO USUARIO (LOGIN, NOME) VALUES ('ANA', 'Ana');
  INSERT INTO USUARIO (LOGIN, NOME) VALUES ('BRUNO', 'Bruno');
  INSERT INTO USUARIO (LOGIN, NOME) VALUES ('CARLA', 'Carla');
  INSERT INTO USUARIO (LOGIN, NOME) VALUES ('DANIEL', 'Daniel');
  INSERT INTO USUARIO (LOGIN, NOME) VALUES ('EVA', 'Eva');
  WHILE (I < 30) DO
  BEGIN
    INSERT INTO GRUPO (NOME_GRUPO) VALUES ('Grupo ' || LPAD(:I, 2, '0'));
    I = I + 1;
  END
END^
EXECUTE BLOCK AS
DECLARE I INTEGER = 0;
BEGIN
  WHILE (I < %1) DO
  BEGIN
    INSERT INTO PESSOAFISICA (COD_GRUPO, NOME, TRATAMENTO, EMAIL, MSN, FONE_RESIDENCIAL, FONE_COMERCIAL,
      FONE_CELULAR, PROFISSAO, DATA_NASCIMENTO, SEXO, ESTADO_CIVIL, INFORMAR_ANIVERSARIO, RUA, NUMERO, BAIRRO,
      CIDADE, ESTADO, CEP, CP, ENVIAR, PUBLICA, LOGIN)
    VALUES (MOD(:I, 30) + 1,
      DECODE(MOD(:I, 8), 0, 'Ana', 1, 'Carlos', 2, 'Maria', 3, 'José', 4, 'Paula', 5, 'João', 6, 'Fernanda', 'Luís')
        || ' ' || DECODE(MOD(:I / 8, 6), 0, 'Silva', 1, 'Souza', 2, 'Oliveira', 3, 'Santos', 4, 'Lima', 'Pereira')
        || ' ' || :I,
      DECODE(MOD(:I, 3), 0, 'Sr.', 1, 'Sra.', ''), 'pessoa' || :I || '@exemplo.com.br', 'p' || :I || '@msn.com',
      '11' || (32000000 + :I), '11' || (33000000 + :I), '119' || (80000000 + :I),
      'Profissão ' || MOD(:I, 40), DATEADD(MOD(:I, 20000) DAY TO DATE '1950-01-01'), MOD(:I, 2), 0, 1,
      'Rua ' || MOD(:I, 500), MOD(:I, 2000), 'Bairro ' || MOD(:I, 120), 'Cidade ' || MOD(:I, 60), 'SP',
      1000000 + :I, 0, 1, IIF(MOD(:I, 3) = 0, 1, 0),
      DECODE(MOD(:I, 5), 0, 'ANA', 1, 'BRUNO', 2, 'CARLA', 3, 'DANIEL', 'EVA'));
    I = I + 1;
  END
END^
EXECUTE BLOCK AS
DECLARE I INTEGER = 0;
BEGIN
  WHILE (I < %2) DO
  BEGIN
    INSERT INTO PESSOAJURIDICA (COD_GRUPO, NOME, CNPJ, FONE, FONE_FAX, FONE_0800, EMAIL, HOME_PAGE, RUA, NUMERO,
      BAIRRO, CIDADE, ESTADO, CEP, CP, ENVIAR, PUBLICA, LOGIN)
    VALUES (MOD(:I, 30) + 1,
      DECODE(MOD(:I, 4), 0, 'Comércio', 1, 'Indústria', 2, 'Padaria', 'Oficina') || ' ' || :I || ' Ltda',
      '112223330001' || LPAD(MOD(:I, 100), 2, '0'), '11' || (34000000 + :I), '11' || (35000000 + :I),
      '0800' || (1000000 + :I), 'contato' || :I || '@empresa.com.br', 'www.empresa' || :I || '.com.br',
      'Avenida ' || MOD(:I, 300), MOD(:I, 3000), 'Bairro ' || MOD(:I, 120), 'Cidade ' || MOD(:I, 60), 'SP',
      2000000 + :I, 0, 1, IIF(MOD(:I, 3) = 0, 1, 0),
      DECODE(MOD(:I, 5), 0, 'ANA', 1, 'BRUNO', 2, 'CARLA', 3, 'DANIEL', 'EVA'));
    INSERT INTO CONTATO_PJ (IDENTIFICADOR_PJ, NOME, FUNCAO, EMAIL, FONE, CELULAR, RAMAL)
      VALUES (:I + 1, 'Contato A ' || :I, 'Compras', 'a' || :I || '@empresa.com.br', '11' || (36000000 + :I),
              '119' || (70000000 + :I), MOD(:I, 300));
    INSERT INTO CONTATO_PJ (IDENTIFICADOR_PJ, NOME, FUNCAO, EMAIL, FONE, CELULAR, RAMAL)
      VALUES (:I + 1, 'Contato B ' || :I, 'Vendas', 'b' || :I || '@empresa.com.br', '11' || (37000000 + :I),
              '119' || (60000000 + :I), NULL);
    I = I + 1;
  END
END^
EXECUTE BLOCK AS
DECLARE I INTEGER = 0;
BEGIN
  WHILE (I < %3) DO
  BEGIN
    IF (MOD(I, 10) < 9) THEN
      INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, DATA, TEXTO)
        VALUES (MOD(:I * 7919, %1) + 1, 0, DATEADD(MOD(:I, 730) DAY TO DATE '2025-01-01'),
                'Ligação de acompanhamento número ' || :I || ASCII_CHAR(13) || ASCII_CHAR(10)
                || 'Retornar na próxima semana com a proposta <revisada> & assinada.');
    ELSE
      INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, DATA, TEXTO)
        VALUES (MOD(:I * 7919, %2) + 1, 1, DATEADD(MOD(:I, 730) DAY TO DATE '2025-01-01'),
                'Pedido ' || :I || ' entregue.');
    I = I + 1;
  END
END^
SET TERM ; ^
COMMIT;
)")
        .arg(o.n)
        .arg(empresas)
        .arg(o.historico);
}

QString literal(const QVariant &v)
{
    if (v.typeId() == QMetaType::Int)
        return QString::number(v.toInt());
    return QLatin1Char('\'') + v.toString().replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
}

// The statement with its parameters written in, as isql takes it.
QString comLiterais(QString sql, const QVariantMap &params)
{
    for (auto it = params.begin(); it != params.end(); ++it)
        sql.replace(QRegularExpression(QStringLiteral(":") + it.key() + QStringLiteral("\\b")), literal(*it));
    if (sql.endsWith(QLatin1Char(';')))
        sql.chop(1);
    return sql;
}

long picoKb()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

struct Figura {
    QString nome;
    ListaFones::Pedido pedido;
    QVariantMap params;
    double nossoMs = 0;
    double nuMs = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("bench_fones"));
    const Options o = parse(app.arguments());

    QTemporaryDir dir;
    if (!dir.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString folder = dir.path() + QStringLiteral("/Lumisto");
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/prepare-program-folder"),
              {folder, QStringLiteral(LUMISTO_FIREBIRD_HOME)});
    QString database =
        o.db.isEmpty() ? dir.path() + QStringLiteral("/fones.fdb") : QFileInfo(o.db).absoluteFilePath();
    if (!QFileInfo::exists(database)) {
        runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/create-db"), {database});
        say(QStringLiteral("bench_fones: filling %1 individuals, %2 companies, %3 history entries...")
                .arg(o.n)
                .arg(o.n / 10)
                .arg(o.historico));
        const Cronometro::time_point inicio = Cronometro::now();
        isql(dir.path(), database, scriptDePreenchimento(o));
        say(QStringLiteral("fill: %1 ms").arg(ms(msSince(inicio), 0)));
    }
    if (!QFile::link(database, folder + QStringLiteral("/DB/Orvalha.FDB")))
        fail(QStringLiteral("cannot link the database into the program folder"));
    qputenv("LUMISTO_PROGRAM_DIR", folder.toLocal8Bit());
    Seams::setShell(std::make_unique<ShellMudo>());

    auto tdm = std::make_unique<TDM>([](int) {});
    if (!tdm->BancoDados.isConnected())
        fail(QStringLiteral("TDM did not connect"));

    auto pedido = [](ListaFones::Lista lista) {
        ListaFones::Pedido p;
        p.lista = lista;
        p.tipo = ListaFones::FisicaEJuridica;
        p.login = QStringLiteral("carla");
        p.inicio = EncodeDate(2026, 1, 1);
        p.fim = EncodeDate(2026, 12, 31);
        p.larguraTela = 1024;
        p.agora = QDateTimeToDateTime(Seams::clock().now());
        return p;
    };
    const QVariantMap visivel = {{QStringLiteral("LOGIN"), QStringLiteral("CARLA")},
                                 {QStringLiteral("PUBLICA"), 1}};
    QVariantMap doAno = visivel;
    doAno.insert(QStringLiteral("NOME"), QStringLiteral("%%"));
    doAno.insert(QStringLiteral("DATA_01"), QStringLiteral("2026-01-01"));
    doAno.insert(QStringLiteral("DATA_02"), QStringLiteral("2026-12-31"));
    std::vector<Figura> figuras = {
        {QStringLiteral("all groups"), pedido(ListaFones::Lista::TodosOsGrupos), visivel},
        {QStringLiteral("history of 2026"), pedido(ListaFones::Lista::Historico), doAno},
    };

    const QString pagina = folder + QStringLiteral("/Fones_PF_PJ.html");
    for (Figura &f : figuras) {
        // the same statements bare, in this process: every row fetched and
        // every column read, nothing written
        const QStringList comandos = ListaFones::Comandos(f.pedido);
        std::vector<double> nus;
        long crescimentoNu = 0;
        for (int r = 0; r <= o.repeat; ++r) {
            const long antes = picoKb();
            const Cronometro::time_point inicio = Cronometro::now();
            const DbResult lido = dbOperation(tdm->BancoDados, [&](Transaction &t) {
                for (const QString &c : comandos) {
                    Query q(t, comLiterais(c, f.params));
                    q.open();
                    while (q.next())
                        for (int i = 0; i < q.fieldCount(); ++i)
                            (void)q.field(i).asString();
                }
            });
            if (!lido)
                fail(lido.error);
            const double t = msSince(inicio);
            if (r == 0)
                crescimentoNu = picoKb() - antes; // the first run: the peak only grows
            else
                nus.push_back(t);
        }
        f.nuMs = median(nus);
        std::vector<double> tempos;
        long crescimento = 0;
        for (int r = 0; r <= o.repeat; ++r) {
            const long antes = picoKb();
            const Cronometro::time_point inicio = Cronometro::now();
            if (ListaFones::GravarEAbrir(f.pedido) != Resultado::Gravado)
                fail(f.nome + QStringLiteral(": the page was not written"));
            const double t = msSince(inicio);
            if (r == 0)
                crescimento = picoKb() - antes;
            else
                tempos.push_back(t);
        }
        f.nossoMs = median(tempos);
        say(QStringLiteral(
                "%1: bare statements in-process %2 ms (peak memory +%3 KB); page of %4 KB in %5 ms "
                "(peak memory +%6 KB more); page/bare %7")
                .arg(f.nome, ms(f.nuMs))
                .arg(crescimentoNu)
                .arg(QFileInfo(pagina).size() / 1024)
                .arg(ms(f.nossoMs))
                .arg(crescimento)
                .arg(ms(f.nossoMs / f.nuMs, 2)));
    }
    tdm.reset();

    say(QStringLiteral(
        "isql-fb: the same statements, isql's own \"Elapsed time\" summed, every row written out"));
    for (const Figura &f : figuras) {
        const QStringList comandos = ListaFones::Comandos(f.pedido);
        QString script = QStringLiteral("SET STATS ON;\nSET BLOB ALL;\n");
        for (int r = 0; r <= o.repeat; ++r)
            for (const QString &c : comandos)
                script += comLiterais(c, f.params) + QStringLiteral(";\n");
        const IsqlRun run = isql(dir.path(), database, script);
        const std::vector<double> elapsed =
            captured(run.out, QStringLiteral("Elapsed time\\s*=\\s*([0-9.]+) sec"));
        const size_t porRodada = size_t(comandos.size());
        if (elapsed.size() != porRodada * size_t(o.repeat + 1))
            fail(QStringLiteral("isql printed no timing for ") + f.nome);
        std::vector<double> somas;
        for (int r = 1; r <= o.repeat; ++r) { // the first round is the warm-up
            double soma = 0;
            for (size_t i = 0; i < porRodada; ++i)
                soma += elapsed[size_t(r) * porRodada + i];
            somas.push_back(soma * 1000);
        }
        const double isqlMs = median(somas);
        say(QStringLiteral("isql %1 (%2 statements): %3 ms; ours/isql %4")
                .arg(f.nome)
                .arg(porRodada)
                .arg(ms(isqlMs))
                .arg(isqlMs > 0 ? ms(f.nossoMs / isqlMs, 2) : QStringLiteral("-")));
    }
    say(QStringLiteral("bench_fones: done"));
    return 0;
}
