/*
 * bench_backup: the backup and restore of a large database, through the
 * engine's services and our archive, beside gbak and Python's zlib on the
 * same file.
 *
 * Usage
 *   bench_backup [--n N] [--fotos F] [--kb K]
 *     --n N      individuals (default 100000)
 *     --fotos F  history entries with a picture (default 2000)
 *     --kb K     size of each picture in KB (default 150: random bytes, which
 *                compress no better than a JPEG does)
 *
 *   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
 *   cmake --build build-bench --target bench_backup
 *   build-bench/bench/bench_backup
 *
 * What it does
 *   1. scripts/prepare-program-folder and scripts/create-db on a temporary
 *      folder, a connection through TDM, N individuals (one EXECUTE BLOCK)
 *      and F history entries with their pictures; the database's size is
 *      printed. The connection is then closed, as the backup screen does.
 *   2. Figures, each a line "name: ... in X ms":
 *      backup   DbServices::backup (the services manager, in this process);
 *      pack     CompactarArquivos of that file into the archive, with the
 *               growth of the process's peak memory while packing;
 *      unpack   DescompactarArquivo of the archive into another folder;
 *      restore  RestaurarBase: the engine's restore into a new file and the
 *               swap with the old one;
 *      gbak -b  the same backup by gbak in its own process (embedded);
 *      zlib     Python's zlib.compress of gbak's file, default level;
 *      gbak -rep  gbak's restore of its file over a copy of the database.
 *   3. The ratios "ours / (gbak + zlib)" for backup + pack and "ours / gbak"
 *      for the restore. The last line is "bench_backup: done".
 *
 * Optimised build, defaults (330 MB database, 315 MB backup), on a shared
 * two-core machine: backup 1.7 s, pack 8.9 s, restore 4.3 s; gbak -b 1.6 s,
 * zlib 9.3 s, gbak -rep 3.3 s: backup + pack 0.97 times gbak + zlib, restore
 * 1.30 times gbak -rep (1.13 at 30,000 individuals and 600 pictures). The
 * peak memory stays at 47 MB through packing and unpacking. Figures move by
 * a factor of two with the machine's other load: run it on a quiet machine.
 */

#include "data/DbOperation.h"
#include "data/DbServices.h"
#include "data/Query.h"
#include "data/RestauracaoSegura.h"
#include "data/TDM.h"
#include "util/ArquivoCompactado.h"

#include "BenchComum.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace bench;

namespace {

struct Options {
    int n = 100000;
    int fotos = 2000;
    int kb = 150;
};

Options parse(const QStringList &args)
{
    Options o;
    for (int i = 1; i < args.size(); ++i) {
        const QString a = args[i];
        const int v = i + 1 < args.size() ? args[i + 1].toInt() : 0;
        if (a == QStringLiteral("--n") && v > 0)
            o.n = v;
        else if (a == QStringLiteral("--fotos") && v >= 0)
            o.fotos = v;
        else if (a == QStringLiteral("--kb") && v > 0)
            o.kb = v;
        else
            fail(QStringLiteral("usage: bench_backup [--n N] [--fotos F] [--kb K]"));
        ++i;
    }
    return o;
}

// The peak resident memory of this process so far, in MB.
double picoMemoriaMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

double mb(qint64 bytes)
{
    return double(bytes) / (1024.0 * 1024.0);
}

double cronometrar(const QString &program, const QStringList &args)
{
    const auto start = Cronometro::now();
    runScript(program, args);
    return msSince(start);
}

void exigir(const DbResult &r, const QString &what)
{
    if (!r)
        fail(what + QStringLiteral(": ") + r.error + QLatin1Char('\n') + r.sql);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("bench_backup"));
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

    auto tdm = std::make_unique<TDM>([](int) {});
    Database &db = tdm->BancoDados;
    if (!db.isConnected())
        fail(QStringLiteral("TDM did not connect"));

    auto start = Cronometro::now();
    exigir(dbOperation(
               db,
               [&](Transaction &t) {
                   Query(t, QStringLiteral("INSERT INTO USUARIO (LOGIN, NOME, TIPO) VALUES ('CARLA', "
                                           "'Carla', 1)"))
                       .execute();
                   Query(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES ('Clientes')")).execute();
                   Query(t, QStringLiteral(
                                "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < %1) DO "
                                "BEGIN INSERT INTO PESSOAFISICA (COD_GRUPO, NOME, EMAIL, "
                                "FONE_RESIDENCIAL, RUA, CIDADE, ESTADO, LOGIN, PUBLICA, SEXO, ESTADO_CIVIL, "
                                "INFORMAR_ANIVERSARIO, NUMERO, CEP, CP, ENVIAR) VALUES "
                                "(1, 'Pessoa ' || :I, 'pessoa' || :I || '@exemplo.com.br', "
                                "'11' || (32450000 + :I), 'Rua ' || MOD(:I, 977), 'São Paulo', "
                                "'SP', 'CARLA', 1, MOD(:I, 2), 0, 0, "
                                "MOD(:I, 1500) + 1, 1310000 + :I, 0, 1); I = I + 1; END END")
                                .arg(o.n))
                       .execute();
               }),
           QStringLiteral("individuals"));
    const double pessoasMs = msSince(start);

    start = Cronometro::now();
    QRandomGenerator gerador(20261208);
    exigir(dbOperation(
               db,
               [&](Transaction &t) {
                   Query q(t, QStringLiteral("INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, DATA, TEXTO, "
                                             "IMAGEM) VALUES (:IDEN_PESSOA, 0, :DATA, :TEXTO, :IMAGEM)"));
                   QByteArray figura(o.kb * 1024, '\0');
                   for (int i = 0; i < o.fotos; ++i) {
                       gerador.fillRange(reinterpret_cast<quint32 *>(figura.data()), figura.size() / 4);
                       q.setInt(QStringLiteral("IDEN_PESSOA"), 1 + (i * 37) % o.n);
                       q.setDate(QStringLiteral("DATA"), 40000 + i);
                       q.setTextBlob(QStringLiteral("TEXTO"), QStringLiteral("Visita número %1").arg(i));
                       q.setBlob(QStringLiteral("IMAGEM"), figura);
                       q.execute();
                   }
               }),
           QStringLiteral("history"));
    say(QStringLiteral("fill: %1 individuals in %2 ms, %3 pictures of %4 KB in %5 ms; database %6 MB")
            .arg(o.n)
            .arg(ms(pessoasMs))
            .arg(o.fotos)
            .arg(o.kb)
            .arg(ms(msSince(start)))
            .arg(ms(mb(QFileInfo(database).size()))));
    db.disconnect();

    const QString pasta = folder + QStringLiteral("/DB/BackUP/");
    QDir().mkpath(pasta);
    const QString bck = pasta + QStringLiteral("Orvalha.bck");
    const QString z = pasta + QStringLiteral("Orvalha.z");

    start = Cronometro::now();
    exigir(DbServices().backup(database, bck), QStringLiteral("backup"));
    const double backupMs = msSince(start);
    say(QStringLiteral("backup: %1 MB in %2 ms").arg(ms(mb(QFileInfo(bck).size()))).arg(ms(backupMs)));

    const double memoriaAntes = picoMemoriaMb();
    start = Cronometro::now();
    const ResultadoArquivo pack = CompactarArquivos({bck}, z);
    const double packMs = msSince(start);
    if (!pack)
        fail(pack.erro);
    say(QStringLiteral("pack: %1 MB in %2 ms, peak memory %3 MB -> %4 MB")
            .arg(ms(mb(QFileInfo(z).size())))
            .arg(ms(packMs))
            .arg(ms(memoriaAntes))
            .arg(ms(picoMemoriaMb())));

    const QString outra = folder + QStringLiteral("/outra");
    start = Cronometro::now();
    const ResultadoArquivo unpack = DescompactarArquivo(z, outra);
    if (!unpack)
        fail(unpack.erro);
    say(QStringLiteral("unpack: in %1 ms, peak memory %2 MB")
            .arg(ms(msSince(start)))
            .arg(ms(picoMemoriaMb())));

    start = Cronometro::now();
    const ResultadoRestauracao restore =
        RestaurarBase(DbServices(), bck, database, QDateTime::currentDateTime());
    const double restoreMs = msSince(start);
    if (!restore)
        fail(restore.erro);
    say(QStringLiteral("restore: in %1 ms").arg(ms(restoreMs)));

    // gbak on the same database in a process of its own (nothing attached here)
    const QString gbakBck = folder + QStringLiteral("/gbak.bck");
    const QString sysdba = QStringLiteral("sysdba");
    const double gbakMs = cronometrar(
        QStringLiteral("gbak"), {QStringLiteral("-b"), QStringLiteral("-g"), QStringLiteral("-ig"),
                                 QStringLiteral("-nt"), QStringLiteral("-user"), sysdba, database, gbakBck});
    say(QStringLiteral("gbak -b: %1 MB in %2 ms").arg(ms(mb(QFileInfo(gbakBck).size()))).arg(ms(gbakMs)));
    const double zlibMs = cronometrar(
        QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import sys, zlib; open(sys.argv[2], 'wb').write(zlib.compress(open(sys.argv[1], "
                        "'rb').read()))"),
         gbakBck, gbakBck + QStringLiteral(".z")});
    say(QStringLiteral("zlib: in %1 ms").arg(ms(zlibMs)));
    const QString copia = folder + QStringLiteral("/gbak.fdb");
    QFile::copy(database, copia);
    const double gbakRepMs = cronometrar(
        QStringLiteral("gbak"), {QStringLiteral("-rep"), QStringLiteral("-use_all_space"),
                                 QStringLiteral("-p"), QStringLiteral("4096"), QStringLiteral("-bu"),
                                 QStringLiteral("3000"), QStringLiteral("-user"), sysdba, gbakBck, copia});
    say(QStringLiteral("gbak -rep: in %1 ms").arg(ms(gbakRepMs)));

    say(QStringLiteral("ratio backup + pack / (gbak -b + zlib): %1")
            .arg(QString::number((backupMs + packMs) / (gbakMs + zlibMs), 'f', 2)));
    say(QStringLiteral("ratio restore / gbak -rep: %1").arg(QString::number(restoreMs / gbakRepMs, 'f', 2)));
    say(QStringLiteral("bench_backup: done"));
    return 0;
}
