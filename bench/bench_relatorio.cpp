/*
 * bench_relatorio: the individuals' list report over many persons: the time
 * to the first page laid out, to lay out every page, the memory the prepared
 * pages take, the saved-report file, and the time to write the whole PDF.
 *
 * Usage
 *   bench_relatorio [--n N] [--pdf PATH]
 *     --n N      persons (default 100000), names spread over 26 letters
 *     --pdf PATH where the PDF goes (default a temporary file)
 *
 *   cmake --build build --target bench_relatorio
 *   QT_QPA_PLATFORM=offscreen build/bench/bench_relatorio
 *
 * The rows are made in memory with the columns the report reads, so the
 * figures are the layout's and the painting's alone (the statement is timed
 * by bench_pessoas). Memory is the growth of the resident set while laying out.
 */
#include "ui/reports/TqrpListaPF.h"
#include "util/Relatorio.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {

qint64 residente()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> campos = f.readAll().split(' ');
    return campos.size() > 1 ? campos.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    int n = 100000;
    QTemporaryDir tmp;
    QString pdf = tmp.filePath(QStringLiteral("lista.pdf"));
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--n"))
            n = args.at(++i).toInt();
        else if (args.at(i) == QLatin1String("--pdf"))
            pdf = args.at(++i);
    }

    Relatorio::Dados dados;
    dados.colunas = TqrpListaPF::Colunas();
    for (int i = 0; i < n; ++i) {
        const QChar letra = QChar(u'A' + (i * 26 / std::max(1, n)));
        dados.linhas << QStringList{QStringLiteral("Sr."),
                                    QString(letra) +
                                        QStringLiteral("ntonio da Silva %1").arg(i, 6, 10, QLatin1Char('0')),
                                    QStringLiteral("São Paulo"),
                                    QStringLiteral("SP"),
                                    QStringLiteral("1132451234"),
                                    QStringLiteral("1132459876"),
                                    QStringLiteral("11987654321"),
                                    QStringLiteral("pessoa%1@exemplo.com.br").arg(i)};
    }
    const Relatorio::Definicao def = TqrpListaPF::Definicao();

    QElapsedTimer t;
    t.start();
    const Relatorio::Documento primeira =
        Relatorio::Preparar(def, dados, [](const Relatorio::Documento &) { return false; });
    const QImage img = Relatorio::Imagem(primeira, 0, 96 / 25.4 * 1.2);
    std::printf("first page laid out and drawn at 120%%: %lld ms\n", t.elapsed());

    const qint64 antes = residente();
    t.restart();
    const Relatorio::Documento doc = Relatorio::Preparar(def, dados);
    const qint64 ms = t.elapsed();
    const qint64 memoria = residente() - antes;
    std::printf("all %lld pages laid out: %lld ms\n", qint64(doc.paginas.size()), ms);
    std::printf("prepared pages: %.1f MiB (%.1f KiB per page)\n", memoria / 1048576.0,
                memoria / 1024.0 / std::max<qsizetype>(1, doc.paginas.size()));

    t.restart();
    const QByteArray salvo = Relatorio::Serializar(doc);
    std::printf("saved report: %.1f MiB in %lld ms\n", salvo.size() / 1048576.0, t.elapsed());

    t.restart();
    QPdfWriter w(pdf);
    w.setResolution(600);
    w.setPageSize(QPageSize(QPageSize::Letter));
    w.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&w);
    for (int i = 0; i < doc.paginas.size(); ++i) {
        if (i > 0)
            w.newPage();
        Relatorio::Pintar(painter, doc, i, 600 / 25.4);
    }
    painter.end();
    std::printf("whole PDF written: %lld ms (%.1f MiB)\n", t.elapsed(), QFile(pdf).size() / 1048576.0);
    return 0;
}
