/*
 * bench_etiquetas: address labels over many persons: the time to collect the
 * addresses (the screen's statement, every row read into the list) and the
 * time to paint them all into a PDF on the 20-per-sheet model, with the
 * file's size and the growth of the resident set.
 *
 * Usage
 *   bench_etiquetas [--n N] [--pdf PATH]
 *     --n N      individuals, all public and with mail allowed (default 10000)
 *     --pdf PATH where the PDF goes (default a temporary file)
 *
 *   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
 *   cmake --build build-bench --target bench_etiquetas
 *   QT_QPA_PLATFORM=offscreen build-bench/bench/bench_etiquetas
 *
 * The goal: the PDF of 10,000 labels in under 10 s. The last line is
 * "bench_etiquetas: done".
 */

#include "data/TDM.h"
#include "model/ImpressaoEtiquetas.h"
#include "model/PesquisaEtiquetas.h"
#include "model/TEtiqueta.h"

#include "BenchComum.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <unistd.h>

using namespace bench;

namespace {

qint64 residenteKb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> campos = f.readAll().split(' ');
    return campos.size() > 1 ? campos.at(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024 : 0;
}

QString preenchimento(int n)
{
    return QStringLiteral(R"(SET TERM ^ ;
EXECUTE BLOCK AS
DECLARE I INTEGER = 0;
BEGIN
  INSERT INTO USUARIO (LOGIN, NOME) VALUES ('ANA', 'Ana');
  INSERT INTO GRUPO (NOME_GRUPO) VALUES ('Amigos');
  WHILE (I < %1) DO
  BEGIN
    INSERT INTO PESSOAFISICA (COD_GRUPO, NOME, TRATAMENTO, SEXO, ESTADO_CIVIL, INFORMAR_ANIVERSARIO, RUA, NUMERO,
      BAIRRO, CIDADE, ESTADO, CEP, CP, COMPLEMENTO, ENVIAR, PUBLICA, LOGIN)
    VALUES (1,
      DECODE(MOD(:I, 8), 0, 'Ana', 1, 'Carlos', 2, 'Maria', 3, 'José', 4, 'Paula', 5, 'João', 6, 'Fernanda', 'Luís')
        || ' ' || DECODE(MOD(:I / 8, 6), 0, 'Silva', 1, 'Souza', 2, 'Oliveira', 3, 'Santos', 4, 'Lima', 'Pereira')
        || ' ' || :I,
      DECODE(MOD(:I, 3), 0, 'Sr.', 1, 'Sra.', ''), MOD(:I, 2), 0, 1, 'Rua ' || MOD(:I, 500), MOD(:I, 2000),
      'Bairro ' || MOD(:I, 120), 'Cidade ' || MOD(:I, 60), 'SP', 1000000 + :I, MOD(:I, 7),
      IIF(MOD(:I, 4) = 0, 'Apto ' || MOD(:I, 300), NULL), 1, 1, 'ANA');
    I = I + 1;
  END
END^
SET TERM ; ^
COMMIT;
)")
        .arg(n);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("bench_etiquetas"));
    int n = 10000;
    QTemporaryDir dir;
    if (!dir.isValid())
        fail(QStringLiteral("no temporary folder"));
    QString pdf = dir.filePath(QStringLiteral("etiquetas.pdf"));
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--n"))
            n = args.at(++i).toInt();
        else if (args.at(i) == QLatin1String("--pdf"))
            pdf = args.at(++i);
    }
    if (n < 1)
        fail(QStringLiteral("--n 1 or more"));

    const QString folder = dir.path() + QStringLiteral("/Lumisto");
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/prepare-program-folder"),
              {folder, QStringLiteral(LUMISTO_FIREBIRD_HOME)});
    const QString database = dir.path() + QStringLiteral("/etiquetas.fdb");
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/create-db"), {database});
    say(QStringLiteral("bench_etiquetas: filling %1 individuals...").arg(n));
    isql(dir.path(), database, preenchimento(n));
    if (!QFile::link(database, folder + QStringLiteral("/DB/Orvalha.FDB")))
        fail(QStringLiteral("cannot link the database into the program folder"));
    qputenv("LUMISTO_PROGRAM_DIR", folder.toLocal8Bit());
    auto tdm = std::make_unique<TDM>([](int) {});
    if (!tdm->BancoDados.isConnected())
        fail(QStringLiteral("TDM did not connect"));

    PesquisaEtiquetas::Pedido p;
    p.login = QStringLiteral("ana");
    p.tipo = PesquisaEtiquetas::Fisicas;
    p.filtro = PesquisaEtiquetas::Nome;
    QList<EnderecoEtiqueta> enderecos;
    const qint64 antes = residenteKb();
    Cronometro::time_point inicio = Cronometro::now();
    if (!PesquisaEtiquetas::Pesquisar(tdm->BancoDados, p, &enderecos))
        fail(QStringLiteral("the collection failed"));
    say(QStringLiteral("collect %1 addresses: %2 ms, resident +%3 KB")
            .arg(enderecos.size())
            .arg(ms(msSince(inicio), 0))
            .arg(residenteKb() - antes));

    const TEtiqueta &modelo = ModelosEtiqueta().at(0);
    QPdfWriter escritor(pdf);
    escritor.setResolution(600);
    escritor.setPageSize(QPageSize(QPageSize::Letter));
    escritor.setPageMargins(QMarginsF(0, 0, 0, 0));
    int chamadas = 0;
    inicio = Cronometro::now();
    {
        QPainter painter(&escritor);
        ImpressaoEtiquetas::PintarEtiquetas(painter, escritor, modelo, enderecos, 1,
                                            QFont(QStringLiteral("Arial"), 10), Qt::black, false,
                                            [&](int) { ++chamadas; });
    }
    const double tempo = msSince(inicio);
    say(QStringLiteral(
            "PDF of %1 labels on \"%2\" (%3 sheets): %4 ms, %5 KB, %6 progress steps (goal: under 10000 ms)")
            .arg(enderecos.size())
            .arg(modelo.NomeTitulo)
            .arg(FolhasEtiqueta(modelo, int(enderecos.size())))
            .arg(ms(tempo, 0))
            .arg(QFileInfo(pdf).size() / 1024)
            .arg(chamadas));
    say(QStringLiteral("bench_etiquetas: done"));
    return 0;
}
