// The state tax number check: the library DllInscE32.so built beside the
// program (src/ie/), every state's rules through ValidarIE, and the two
// messages for a library or entry point that is not there.
#include "app/ProgramFolder.h"
#include "services/InscricaoEstadual.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <dlfcn.h>
#include <zlib.h>

#include <vector>

namespace {

// Valid numbers of each state and the same numbers with the last digit one
// more. The first ones of each state are the worked examples of the state's
// published rule; the others were computed from the rules (weights, modulus,
// prefixes) by a separate script, not taken from any list. BA has 8- and
// 9-digit numbers under both moduli, PE and RO their current and old forms,
// RN 9 and 10 digits, TO 9 and the old 11.
struct StateCase {
    const char *uf;
    std::vector<const char *> valid;
    std::vector<const char *> invalid;
};

const StateCase kStates[] = {
    {"AC",
     {"0100482300112", "0115881399854", "0169879730920"},
     {"0100482300113", "0115881399855", "0169879730921"}},
    {"AL", {"240000048", "241141702", "247536458"}, {"240000049", "241141703", "247536459"}},
    {"AP", {"030123459", "035681519", "038844729"}, {"030123450", "035681510", "038844720"}},
    {"AM", {"999999990", "940557614", "698716892"}, {"999999991", "940557615", "698716893"}},
    {"BA",
     {"12345663", "61234557", "100000306", "684697839", "93208164"},
     {"12345664", "61234558", "100000307", "684697830", "93208165"}},
    {"CE", {"060000015", "967273170", "784864888"}, {"060000016", "967273171", "784864889"}},
    {"DF",
     {"0730000100109", "0776634400236", "0797875347786"},
     {"0730000100100", "0776634400237", "0797875347787"}},
    {"ES", {"999999990", "876804571", "178472670"}, {"999999991", "876804572", "178472671"}},
    {"GO", {"109876547", "104751363", "117010790"}, {"109876548", "104751364", "117010791"}},
    {"MA", {"120000385", "128193310", "129084522"}, {"120000386", "128193311", "129084523"}},
    {"MT", {"00130000019", "05997283794", "29841622947"}, {"00130000010", "05997283795", "29841622948"}},
    {"MS", {"280405383", "506283607", "286105500"}, {"280405384", "506283608", "286105501"}},
    {"MG",
     {"0623079040081", "0875475177932", "9229836957970"},
     {"0623079040082", "0875475177933", "9229836957971"}},
    {"PA", {"159999995", "153186038", "152080732"}, {"159999996", "153186039", "152080733"}},
    {"PB", {"060000015", "702838225", "264686160"}, {"060000016", "702838226", "264686161"}},
    {"PR", {"1234567850", "4252477603", "4725877140"}, {"1234567851", "4252477604", "4725877141"}},
    {"PE",
     {"032141840", "18100100000049", "841330158", "56820525898310"},
     {"032141841", "18100100000040", "841330159", "56820525898311"}},
    {"PI", {"012345679", "948939494", "482141620"}, {"012345670", "948939495", "482141621"}},
    {"RN",
     {"200400401", "2000400400", "200521853", "201452448"},
     {"200400402", "2000400401", "200521854", "201452449"}},
    {"RS", {"2243658792", "1064600139", "0411895575"}, {"2243658793", "1064600130", "0411895576"}},
    {"RO",
     {"101625213", "00000000625213", "906593974", "15846450604544"},
     {"101625214", "00000000625214", "906593975", "15846450604545"}},
    {"RR", {"240066281", "241465908", "248538018"}, {"240066282", "241465909", "248538019"}},
    {"SC", {"251040852", "291102859", "940692562"}, {"251040853", "291102850", "940692563"}},
    {"SP",
     {"110042490114", "663632287086", "864230040870"},
     {"110042490115", "663632287087", "864230040871"}},
    {"SE", {"271234563", "645291285", "084585005"}, {"271234564", "645291286", "084585006"}},
    {"TO",
     {"29010227836", "290227836", "37013826532", "453557783"},
     {"29010227837", "290227837", "37013826533", "453557784"}},
    {"RJ", {"99999993", "79432628", "70586029"}, {"99999994", "79432629", "70586020"}},
};

QString folderOf(const char *file)
{
    return QFileInfo(QString::fromLocal8Bit(file)).absolutePath();
}

} // namespace

class TestInscricaoEstadual : public QObject {
    Q_OBJECT

private:
    QString m_programDir; // the build's program folder, with the real library

    void usePrograms(const QString &dir) { qputenv("LUMISTO_PROGRAM_DIR", QFile::encodeName(dir)); }

private slots:
    void initTestCase()
    {
        m_programDir = folderOf(LUMISTO_EXE);
        QVERIFY2(QFileInfo::exists(m_programDir + QStringLiteral("/DllInscE32.so")),
                 "the build puts DllInscE32.so beside the program");
    }
    void init() { usePrograms(m_programDir); }
    void cleanupTestCase() { qunsetenv("LUMISTO_PROGRAM_DIR"); }

    void theLibraryLivesBesideTheProgram()
    {
        QCOMPARE(IELibraryPath(), ProgramFolder() + QStringLiteral("DllInscE32.so"));
    }

    void everyStateHasRules() { QCOMPARE(int(std::size(kStates)), 27); }

    void states_data()
    {
        QTest::addColumn<QString>("uf");
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("valid");
        for (const StateCase &s : kStates) {
            for (const char *n : s.valid)
                QTest::addRow("%s %s valid", s.uf, n)
                    << QString::fromLatin1(s.uf) << QString::fromLatin1(n) << true;
            for (const char *n : s.invalid)
                QTest::addRow("%s %s invalid", s.uf, n)
                    << QString::fromLatin1(s.uf) << QString::fromLatin1(n) << false;
        }
        const auto row = [](const char *uf, const char *number, bool valid, const char *why) {
            QTest::addRow("%s %s %s", uf, number, why)
                << QString::fromLatin1(uf) << QString::fromUtf8(number) << valid;
        };
        // the state's fixed first digits, with check digits right for the number given
        row("AC", "0200482300194", false, "prefix 02");
        row("DF", "0830000100172", false, "prefix 08");
        row("AL", "250000040", false, "prefix 25");
        row("AP", "040123456", false, "prefix 04");
        row("MA", "130000388", false, "prefix 13");
        row("MS", "290405386", false, "prefix 29");
        row("PA", "169999998", false, "prefix 16");
        row("GO", "129876542", false, "prefix 12");
        row("RN", "210400404", false, "prefix 21");
        row("RR", "250066283", false, "prefix 25");
        row("TO", "29050227836", false, "old form with kind 05");
        // lengths the state does not have
        row("SP", "11004249011", false, "eleven digits");
        row("SP", "1100424901140", false, "thirteen digits");
        row("BA", "1000003060", false, "ten digits");
        row("BA", "1234566", false, "seven digits");
        row("PE", "0321418400", false, "ten digits");
        row("RO", "1016252130", false, "ten digits");
        row("RN", "20040040100", false, "eleven digits");
        row("MG", "062307904008", false, "twelve digits");
        row("RJ", "999999930", false, "nine digits");
        row("AC", "010048230011", false, "twelve digits");
        // punctuation is ignored, letters are not
        row("SP", "110.042.490.114", true, "with the state's format");
        row("MG", "062.307.904/0081", true, "with the state's format");
        row("AC", "01.004.823/001-12", true, "with the state's format");
        row("PE", "18.1.001.0000004-9", true, "with the state's format");
        row("SP", "11004249011A", false, "a letter");
        row("SP", "", false, "empty");
        row("SP", "...", false, "only punctuation");
        row("SP", "11004249011ª", false, "a Windows-1252 character");
        // São Paulo's rural producer: P, a zero, seven digits, the check digit, three more
        row("SP", "P-01100424.3/002", true, "rural producer");
        row("SP", "P011004243002", true, "rural producer without punctuation");
        row("SP", "p011004243002", true, "rural producer in small letters");
        row("SP", "P011004244002", false, "rural producer wrong digit");
        row("MG", "P011004243002", false, "rural producer of another state");
        // the state: case and blanks do not matter; an unknown one is never valid
        row("sp", "110042490114", true, "lower-case state");
        row(" SP ", "110042490114", true, "state with blanks");
        row("XX", "110042490114", false, "unknown state");
        row("", "110042490114", false, "no state");
        row("SPX", "110042490114", false, "three letters");
    }
    void states()
    {
        QFETCH(QString, uf);
        QFETCH(QString, number);
        QFETCH(bool, valid);
        const IEResultado r = ValidarIE(number, uf);
        QVERIFY2(!r.isError(), qPrintable(r.message + QStringLiteral(" ") + r.detail));
        QCOMPARE(r.isValid(), valid);
        QCOMPARE(r.isInvalid(), !valid);
        QVERIFY(r.message.isEmpty());
    }

    // The library's own contract, called as the program calls it.
    void libraryEntryPoint()
    {
        const QByteArray path = QFile::encodeName(IELibraryPath());
        void *handle = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(handle, dlerror());
        using Fn = int (*)(const char *, const char *);
        const auto fn = reinterpret_cast<Fn>(dlsym(handle, "ConsisteInscricaoEstadual"));
        QVERIFY(fn);
        QCOMPARE(fn("110042490114", "SP"), 0);
        QCOMPARE(fn("110042490115", "SP"), 1);
        QCOMPARE(fn(nullptr, "SP"), 1);
        QCOMPARE(fn("110042490114", nullptr), 1);
        QCOMPARE(fn("", ""), 1);
        // only the entry point is exported
        QVERIFY(!dlsym(handle, "consiste"));
        dlclose(handle);
    }

    void eachCheckLoadsAndUnloadsTheLibrary()
    {
        const QByteArray path = QFile::encodeName(IELibraryPath());
        QVERIFY(!dlopen(path.constData(), RTLD_NOW | RTLD_NOLOAD));
        QVERIFY(ValidarIE(QStringLiteral("110042490114"), QStringLiteral("SP")).isValid());
        QVERIFY2(!dlopen(path.constData(), RTLD_NOW | RTLD_NOLOAD), "nothing is kept between checks");
    }

    void missingLibrary()
    {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        usePrograms(empty.path());
        const IEResultado r = ValidarIE(QStringLiteral("110042490114"), QStringLiteral("SP"));
        QVERIFY(r.isError());
        QVERIFY(!r.isValid());
        QVERIFY(!r.isInvalid());
        QCOMPARE(r.message, QStringLiteral("Dll não carregada"));
        QVERIFY(!r.detail.isEmpty());
    }

    void aFileThatIsNoLibrary()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile f(dir.filePath(QStringLiteral("DllInscE32.so")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a library\n");
        f.close();
        usePrograms(dir.path());
        const IEResultado r = ValidarIE(QStringLiteral("110042490114"), QStringLiteral("SP"));
        QVERIFY(r.isError());
        QCOMPARE(r.message, QStringLiteral("Dll não carregada"));
    }

    void missingEntryPoint()
    {
        // a real shared library without the entry point: a copy of zlib
        Dl_info info{};
        QVERIFY(dladdr(reinterpret_cast<void *>(&zlibVersion), &info) && info.dli_fname);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(
            QFile::copy(QFile::decodeName(info.dli_fname), dir.filePath(QStringLiteral("DllInscE32.so"))));
        usePrograms(dir.path());
        const IEResultado r = ValidarIE(QStringLiteral("110042490114"), QStringLiteral("SP"));
        QVERIFY(r.isError());
        QCOMPARE(r.message, QStringLiteral("Entrypoint Download não encontrado na Dll"));
        const QByteArray copy = QFile::encodeName(dir.filePath(QStringLiteral("DllInscE32.so")));
        QVERIFY2(!dlopen(copy.constData(), RTLD_NOW | RTLD_NOLOAD), "unloaded on failure too");
    }
};

QTEST_GUILESS_MAIN(TestInscricaoEstadual)
#include "TestInscricaoEstadual.moc"
