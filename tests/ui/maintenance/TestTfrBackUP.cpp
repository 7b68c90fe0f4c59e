// The backup screen on a real database in a program folder of its own: the
// engine's backup packed into the archive, the restore that brings it back
// and never loses the database, the archive handed to the mail program and
// the dated copy.
#include "data/Database.h"
#include "data/TDM.h"
#include "services/Settings.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "ui/maintenance/TfrBackUP.h"
#include "util/ArquivoCompactado.h"
#include "util/DateTime.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace DbHelpers;

namespace {

QByteArray soma(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    return h.result();
}

QByteArray ler(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool gravar(const QString &caminho, const QByteArray &bytes)
{
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QString texto(TfrBackUP &dlg)
{
    return child<QLabel>(&dlg, "lblFilename")->text();
}

void clicar(TfrBackUP &dlg, const char *botao)
{
    QVERIFY(child<QPushButton>(&dlg, botao)->isEnabled());
    child<QPushButton>(&dlg, botao)->click();
}

} // namespace

class TestTfrBackUP : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }
    QString base() const { return m_folder.file(QStringLiteral("DB/Orvalha.FDB")); }
    QString pastaBackup() const { return m_folder.file(QStringLiteral("DB/BackUP/")); }
    QStringList nomes()
    {
        const QVariant v = scalar(db(), QStringLiteral("SELECT LIST(NOME, '|') FROM (SELECT NOME FROM "
                                                       "PESSOAFISICA ORDER BY NOME)"));
        return v.isNull() ? QStringList() : v.toString().split(QLatin1Char('|'));
    }
    void fazerBackup(TfrBackUP &dlg)
    {
        m_seams.messages->answers << true;
        clicar(dlg, "btnCompress");
        QCOMPARE(m_seams.messages->shown, QStringList());
        QVERIFY(QFile::exists(dlg.arquivoBackup()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        m_grupo = insertGrupo(db(), QStringLiteral("Amigos"));
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.handoff->handedOff.clear();
        m_seams.input->asked.clear();
        m_seams.input->inputs.clear();
        m_seams.input->files.clear();
        QFile::remove(SettingsFilePath());
        QDir(pastaBackup()).removeRecursively();
        QVERIFY(db().isConnected() || m_dm->Reconectar());
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA")));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Ana Antes"), m_grupo, QStringLiteral("ana")) > 0);
    }
    void cleanup()
    {
        QCOMPARE(m_seams.messages->unexpected, QStringList());
        QCOMPARE(m_seams.messages->answers.size(), 0);
        // every operation gives the program its connection back
        QVERIFY(db().isConnected());
    }
    void cleanupTestCase() { m_dm.reset(); }

    void showsThePathsAndTheLastBackup()
    {
        {
            TfrBackUP dlg;
            QCOMPARE(dlg.windowTitle(), QStringLiteral("BackUP - Restore"));
            QCOMPARE(texto(dlg), QStringLiteral("BackUP ainda não realizado!!"));
            QCOMPARE(child<QLineEdit>(&dlg, "edSrcFolder")->text(), m_folder.file(QStringLiteral("DB/")));
            QCOMPARE(child<QLineEdit>(&dlg, "edFilename")->text(),
                     pastaBackup() + QStringLiteral("Orvalha.z"));
            QCOMPARE(child<QLineEdit>(&dlg, "edDestFolder")->text(),
                     m_folder.file(QStringLiteral("DB/BackUP")));
            QCOMPARE(child<QPushButton>(&dlg, "btnCopiar")->toolTip(),
                     QStringLiteral("Copiar BASE para: ") + pastaBackup());
            QVERIFY(child<QPushButton>(&dlg, "btnCompress")->isEnabled());
            QVERIFY(child<QPushButton>(&dlg, "btnUnCompress")->isEnabled());
            // a chosen folder moves the archive, the copy with it
            m_seams.input->files << m_folder.file(QStringLiteral("outra"));
            child<QPushButton>(&dlg, "btnDestFile")->click();
            QCOMPARE(child<QLineEdit>(&dlg, "edFilename")->text(),
                     m_folder.file(QStringLiteral("outra/Orvalha.z")));
            QCOMPARE(dlg.copiaDaBase(), m_folder.file(QStringLiteral("outra/Orvalha_2026_12_08.FDB")));
            // cancelling the chooser changes nothing
            child<QPushButton>(&dlg, "btnDestFile")->click();
            QCOMPARE(child<QLineEdit>(&dlg, "edFilename")->text(),
                     m_folder.file(QStringLiteral("outra/Orvalha.z")));
            dlg.reject();
        }
        QCOMPARE(ReadSettingText(QStringLiteral("BACKUP"), QStringLiteral("LOCAL")),
                 m_folder.file(QStringLiteral("outra/Orvalha.z")));
        QVERIFY(WriteSettingDate(QStringLiteral("BACKUP"), QStringLiteral("DATA"), EncodeDate(2026, 11, 3)));
        TfrBackUP dlg;
        QCOMPARE(texto(dlg), QStringLiteral("Último backup realizado em: 03/11/2026"));
        QCOMPARE(child<QLineEdit>(&dlg, "edFilename")->text(),
                 m_folder.file(QStringLiteral("outra/Orvalha.z")));
    }

    void backupPacksTheEngineBackup()
    {
        TfrBackUP dlg;
        m_seams.messages->answers << false;
        clicar(dlg, "btnCompress");
        QCOMPARE(m_seams.messages->questions,
                 QStringList{QStringLiteral("Deseja realizar a operação de BACKUP agora?")});
        QVERIFY(!QFile::exists(dlg.arquivoBackup()));
        QVERIFY(!SettingsHasSection(QStringLiteral("BACKUP")));

        QVERIFY(gravar(pastaBackup() + QStringLiteral("Orvalha.bck"), "backup antigo"));
        fazerBackup(dlg);
        const QString bck = pastaBackup() + QStringLiteral("Orvalha.bck");
        const QByteArray backup = ler(bck);
        QVERIFY(backup.size() > 10000);
        const QByteArray arquivo = ler(pastaBackup() + QStringLiteral("Orvalha.z"));
        QCOMPARE(arquivo.left(13), QByteArray("\x00\x0BOrvalha.bck", 13));
        QCOMPARE(qFromLittleEndian<qint32>(arquivo.constData() + 13), qint32(backup.size()));
        QCOMPARE(qFromLittleEndian<qint32>(arquivo.constData() + 17), qint32(arquivo.size() - 21));
        QTemporaryDir outro;
        QVERIFY(DescompactarArquivo(dlg.arquivoBackup(), outro.path()).ok);
        QVERIFY(ler(outro.filePath(QStringLiteral("Orvalha.bck"))) == backup);

        QCOMPARE(ReadSettingDate(QStringLiteral("BACKUP"), QStringLiteral("DATA")), EncodeDate(2026, 12, 8));
        QCOMPARE(ReadSettingText(QStringLiteral("BACKUP"), QStringLiteral("LOCAL")), dlg.arquivoBackup());
        QCOMPARE(texto(dlg), QStringLiteral("Último backup realizado em: 08/12/2026"));
    }

    // A backup that fails packs nothing, keeps the last date and says so.
    void aFailedBackupPacksNothing()
    {
        QVERIFY(WriteSettingDate(QStringLiteral("BACKUP"), QStringLiteral("DATA"), EncodeDate(2026, 11, 3)));
        TfrBackUP dlg;
        QVERIFY(QDir().mkpath(pastaBackup()));
        QVERIFY(gravar(pastaBackup() + QStringLiteral("Orvalha.z"), "arquivo de ontem"));
        QVERIFY(gravar(pastaBackup() + QStringLiteral("Orvalha.bck"), "backup de ontem"));
        // the database is somewhere the engine cannot open it
        db().disconnect();
        QVERIFY(QFile::rename(base(), base() + QStringLiteral(".fora")));
        m_seams.messages->answers << true;
        clicar(dlg, "btnCompress");
        QVERIFY(QFile::rename(base() + QStringLiteral(".fora"), base()));
        QVERIFY(m_seams.messages->shown.size() >= 1);
        QCOMPARE(texto(dlg), QStringLiteral("BackUP NÃO realizado."));
        QVERIFY(!QFile::exists(pastaBackup() + QStringLiteral("Orvalha.bck")));
        QCOMPARE(ler(pastaBackup() + QStringLiteral("Orvalha.z")), QByteArray("arquivo de ontem"));
        QCOMPARE(ReadSettingDate(QStringLiteral("BACKUP"), QStringLiteral("DATA")), EncodeDate(2026, 11, 3));
        QVERIFY(m_dm->Reconectar());
    }

    // From an archive in a folder of its own: the later person is gone, the
    // database before the restore is kept beside it.
    void restoreBringsTheBackupBack()
    {
        TfrBackUP dlg;
        m_seams.input->files << m_folder.file(QStringLiteral("pendrive"));
        child<QPushButton>(&dlg, "btnDestFile")->click();
        fazerBackup(dlg);
        QCOMPARE(dlg.arquivoBackup(), m_folder.file(QStringLiteral("pendrive/Orvalha.z")));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Bia Depois"), m_grupo, QStringLiteral("ana")) > 0);
        QCOMPARE(nomes().size(), 2);

        m_seams.messages->answers << true;
        clicar(dlg, "btnUnCompress");
        QCOMPARE(m_seams.messages->questions.last(),
                 QStringLiteral("Deseja realizar a operação de RESTORE agora?"));
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(texto(dlg), QStringLiteral("Restore realizado!!"));
        QVERIFY(db().isConnected());
        QCOMPARE(nomes(), QStringList{QStringLiteral("Ana Antes")});
        QVERIFY(QFile::exists(pastaBackup() + QStringLiteral("Orvalha.bck")));
        QVERIFY(QDir(m_folder.file(QStringLiteral("DB")))
                    .entryList(QDir::Files)
                    .contains(QStringLiteral("Orvalha_antes_restore_2026_12_08_103000.FDB")));
        QCOMPARE(ReadSettingDate(QStringLiteral("BACKUP"), QStringLiteral("DATA")), EncodeDate(2026, 12, 8));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Caio Novo"), m_grupo, QStringLiteral("ana")) > 0);
    }

    void restoreRefusesADamagedArchive_data()
    {
        QTest::addColumn<int>("dano");
        QTest::newRow("truncated") << 0;
        QTest::newRow("corrupt zlib stream") << 1;
        QTest::newRow("declared size lies") << 2;
        QTest::newRow("no archive at all") << 3;
    }
    void restoreRefusesADamagedArchive()
    {
        QFETCH(int, dano);
        TfrBackUP dlg;
        fazerBackup(dlg);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Bia Depois"), m_grupo, QStringLiteral("ana")) > 0);
        QByteArray arquivo = ler(dlg.arquivoBackup());
        if (dano == 0)
            arquivo.truncate(arquivo.size() * 2 / 3);
        else if (dano == 1)
            for (int i = 0; i < 32; ++i)
                arquivo[arquivo.size() / 2 + i] = char(~arquivo[arquivo.size() / 2 + i]);
        else if (dano == 2)
            qToLittleEndian<qint32>(qFromLittleEndian<qint32>(arquivo.constData() + 13) + 1,
                                    arquivo.data() + 13);
        if (dano == 3)
            QVERIFY(QFile::remove(dlg.arquivoBackup()));
        else
            QVERIFY(gravar(dlg.arquivoBackup(), arquivo));

        db().disconnect();
        const QByteArray antes = soma(base());
        const QStringList arquivos = QDir(m_folder.file(QStringLiteral("DB"))).entryList(QDir::Files);
        QByteArray naFalha;
        m_seams.messages->onShown = [&](const QString &) { naFalha = soma(base()); };
        m_seams.messages->answers << true;
        clicar(dlg, "btnUnCompress");
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().contains(QStringLiteral("Orvalha.z")));
        QCOMPARE(naFalha, antes);
        QCOMPARE(QDir(m_folder.file(QStringLiteral("DB"))).entryList(QDir::Files), arquivos);
        if (dano == 3) {
            QCOMPARE(m_seams.messages->shown.first(),
                     QStringLiteral("Arquivo ") + dlg.arquivoBackup() + QStringLiteral(" não encontrado!"));
        } else {
            QCOMPARE(texto(dlg), QStringLiteral("Restore NÃO realizado."));
        }
        QVERIFY(db().isConnected());
        QCOMPARE(nomes(), (QStringList{QStringLiteral("Ana Antes"), QStringLiteral("Bia Depois")}));
    }

    void backupAndEmailHandsTheArchiveOff()
    {
        TfrBackUP dlg;
        m_seams.messages->answers << true;
        m_seams.input->inputs << QStringLiteral("  destino@exemplo.com.br ");
        clicar(dlg, "btnBackUPEmail");
        QCOMPARE(m_seams.input->asked, QStringList{QStringLiteral("Destino do BackUP | Email de Destino:")});
        QCOMPARE(m_seams.handoff->handedOff.size(), 1);
        const MailHandoffMessage m = m_seams.handoff->handedOff.first();
        QCOMPARE(m.to, QStringList{QStringLiteral("destino@exemplo.com.br")});
        QCOMPARE(m.subject, QStringLiteral("Orvalha -- BackUP"));
        QCOMPARE(m.attachments, QStringList{pastaBackup() + QStringLiteral("Orvalha.z")});
        QVERIFY(m.body.startsWith(QStringLiteral("-----------\r\nBackUP do Aplicativo Orvalha\r\n")));
        QVERIFY(m.body.contains(QStringLiteral("pelo email suporte@lumisto.com.br\r\n")));
        QVERIFY(m.body.endsWith(QStringLiteral("Data de envio: 08/12/2026 -- 10:30:00\r\n-----------")));
        QCOMPARE(ReadSettingText(QStringLiteral("BACKUP"), QStringLiteral("EMAIL")),
                 QStringLiteral("destino@exemplo.com.br"));
    }

    // Backup declined and no archive yet: nothing to attach, the user is told.
    void emailWithoutAnArchiveHandsNothingOff()
    {
        TfrBackUP dlg;
        m_seams.messages->answers << false;
        m_seams.input->inputs << QStringLiteral("destino@exemplo.com.br");
        clicar(dlg, "btnBackUPEmail");
        QCOMPARE(m_seams.handoff->handedOff.size(), 0);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().startsWith(QStringLiteral("Arquivo ") + dlg.arquivoBackup() +
                                                           QStringLiteral(" não encontrado!")));
    }

    void copyEqualsTheDatabase()
    {
        TfrBackUP dlg;
        QVERIFY(QDir().mkpath(pastaBackup()));
        const QString copia = pastaBackup() + QStringLiteral("Orvalha_2026_12_08.FDB");
        QVERIFY(gravar(copia, "uma cópia mais antiga"));
        db().disconnect();
        const QByteArray antes = soma(base());
        clicar(dlg, "btnCopiar");
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(soma(copia), antes);

        // a copy that cannot be made is reported, never taken for done
        QVERIFY(QFile::remove(copia));
        QVERIFY(QDir().mkpath(copia + QStringLiteral("/ocupado")));
        clicar(dlg, "btnCopiar");
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral("Não foi possível copiar a base de dados para ") + copia +
                             QLatin1Char('.')});
    }
};

QTEST_MAIN(TestTfrBackUP)
#include "TestTfrBackUP.moc"
