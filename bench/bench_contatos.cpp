/*
 * bench_contatos: the import and export of contacts against a database that
 * already holds many individuals.
 *
 * Usage
 *   bench_contatos [--existentes N] [--contatos C] [--export E]
 *     --existentes N  individuals stored before the import (default 100000)
 *     --contatos C    contacts in the vCard file imported (default 10000)
 *     --export E      persons exported to vCard at the end (default: all of them)
 *
 * Build and run it in Release, in a build folder of its own:
 *   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release
 *   cmake --build build-bench --target bench_contatos
 *   build-bench/bench/bench_contatos --existentes 1000 --contatos 500   # quick check
 *   build-bench/bench/bench_contatos                                     # the goals' sizes
 *
 * Figures, each a line "name: X ms":
 *   preview  reading the vCard file, mapping every contact and the
 *            sound-alike marks (one statement per batch of names)
 *   store    the import of every contact in one transaction
 *   export   the visible persons read (one statement) and written as vCard 3.0
 * Goals: preview under 5 s, store under 10 s, export of 100,000 under 10 s.
 */

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "data/Transaction.h"
#include "model/ImportacaoContatos.h"
#include "model/TPessoaFisica.h"
#include "util/VCard.h"

#include "BenchComum.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace bench;

namespace {

const QStringList kPrenomes = {
    QStringLiteral("Ana"),     QStringLiteral("João"),     QStringLiteral("Maria"),
    QStringLiteral("José"),    QStringLiteral("Carlos"),   QStringLiteral("Beatriz"),
    QStringLiteral("Luís"),    QStringLiteral("Fernanda"), QStringLiteral("Paulo"),
    QStringLiteral("Juliana"), QStringLiteral("Ricardo"),  QStringLiteral("Conceição")};
const QStringList kSobrenomes = {
    QStringLiteral("Silva"),    QStringLiteral("Souza"),     QStringLiteral("Oliveira"),
    QStringLiteral("Santos"),   QStringLiteral("Pereira"),   QStringLiteral("Lima"),
    QStringLiteral("Ferreira"), QStringLiteral("Costa"),     QStringLiteral("Almeida"),
    QStringLiteral("Ribeiro"),  QStringLiteral("Gonçalves"), QStringLiteral("Araújo")};

QString nome(QRandomGenerator &r)
{
    return kPrenomes[r.bounded(int(kPrenomes.size()))] + QLatin1Char(' ') +
           kSobrenomes[r.bounded(int(kSobrenomes.size()))] + QLatin1Char(' ') +
           kSobrenomes[r.bounded(int(kSobrenomes.size()))] + QStringLiteral(" %1").arg(r.bounded(100000));
}

int argumento(const QStringList &args, const QString &nome, int padrao)
{
    const qsizetype i = args.indexOf(nome);
    return i >= 0 && i + 1 < args.size() ? args[i + 1].toInt() : padrao;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int existentes = argumento(args, QStringLiteral("--existentes"), 100000);
    const int quantos = argumento(args, QStringLiteral("--contatos"), 10000);

    QTemporaryDir dir;
    if (!dir.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString folder = dir.path();
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/prepare-program-folder"),
              {folder, QStringLiteral(LUMISTO_FIREBIRD_HOME)});
    runScript(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/create-db"),
              {folder + QStringLiteral("/DB/Orvalha.FDB")});
    qputenv("LUMISTO_PROGRAM_DIR", folder.toLocal8Bit());
    auto tdm = std::make_unique<TDM>([](int) {});
    if (!tdm->BancoDados.isConnected())
        fail(QStringLiteral("TDM did not connect"));
    Database &db = tdm->BancoDados;

    qint32 grupo = 0;
    QRandomGenerator r(2026);
    auto inicio = Cronometro::now();
    DbResult res = dbOperation(db, [&](Transaction &t) {
        Query u(t, QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('CARLA', 'x')"));
        u.execute();
        Query g(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES ('Todos') RETURNING COD_GRUPO"));
        g.execute();
        if (g.next())
            grupo = g.field(0).asInt();
    });
    if (!res)
        fail(res.error);
    for (int feitos = 0; feitos < existentes;) {
        res = dbOperation(db, [&](Transaction &t) {
            TPessoaFisica pf(db);
            Query q(t, pf.SqlInsercao());
            for (int k = 0; k < 5000 && feitos < existentes; ++k, ++feitos) {
                pf.Nome = nome(r);
                pf.Grupo.Codigo = grupo;
                pf.Login = QStringLiteral("CARLA");
                pf.FoneCelular = QStringLiteral("119%1").arg(10000000 + feitos);
                pf.InserirCom(q);
            }
        });
        if (!res)
            fail(res.error);
    }
    say(QStringLiteral("bench_contatos: %1 individuals stored in %2 ms")
            .arg(existentes)
            .arg(ms(msSince(inicio))));

    QList<Contato> contatos;
    for (int i = 0; i < quantos; ++i) {
        Contato c;
        c.nomeFormatado = nome(r);
        c.fones << Contato::Fone{
            Contato::TipoFone::Celular, QStringLiteral("+55 21 9%1").arg(20000000 + i), {}};
        c.emails << Contato::Email{QStringLiteral("contato%1@exemplo.com").arg(i), {}};
        c.notas = QStringLiteral("Importado, linha %1").arg(i);
        contatos << c;
    }
    const QByteArray arquivo = VCard::escrever(contatos, false);

    inicio = Cronometro::now();
    const VCard::Leitura l = VCard::ler(arquivo);
    QList<ContatoImportado> itens;
    itens.reserve(l.contatos.size());
    for (const Contato &c : l.contatos)
        itens << ImportacaoContatos::Mapear(c);
    const double lidos = msSince(inicio);
    const quint64 antes = Database::statementCount();
    res = ImportacaoContatos::MarcarSemelhantes(db, itens);
    if (!res)
        fail(res.error);
    int marcados = 0;
    for (const ContatoImportado &i : std::as_const(itens))
        marcados += i.semelhantes.isEmpty() ? 0 : 1;
    const double total = msSince(inicio);
    say(QStringLiteral("preview: %1 contacts (%2 sound-alikes, %3 statements) in %4 ms (goal 5000);"
                       " reading and mapping %5 ms, sound-alikes %6 ms")
            .arg(itens.size())
            .arg(marcados)
            .arg(Database::statementCount() - antes)
            .arg(ms(total), ms(lidos), ms(total - lidos)));

    inicio = Cronometro::now();
    ImportacaoContatos::Opcoes op;
    op.grupo = grupo;
    op.login = QStringLiteral("CARLA");
    ImportacaoContatos::Resumo resumo;
    res = ImportacaoContatos::Gravar(db, itens, op, &resumo);
    if (!res)
        fail(res.error);
    say(QStringLiteral("store: %1 contacts in %2 ms (goal 10000)")
            .arg(resumo.importados)
            .arg(ms(msSince(inicio))));

    inicio = Cronometro::now();
    QList<Contato> saida;
    res = ImportacaoContatos::Exportaveis(db, QStringLiteral("CARLA"), {}, true, saida);
    if (!res)
        fail(res.error);
    const QByteArray vcf = VCard::escrever(saida, true);
    say(QStringLiteral("export: %1 persons, %2 bytes of vCard in %3 ms (goal 10000 for 100000)")
            .arg(saida.size())
            .arg(vcf.size())
            .arg(ms(msSince(inicio))));
    tdm.reset();
    say(QStringLiteral("bench_contatos: done"));
    return 0;
}
