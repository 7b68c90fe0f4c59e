#include "support/ServidorFirebird.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

int portaLivre()
{
    QTcpServer s;
    if (!s.listen(QHostAddress::LocalHost, 0))
        return 0;
    return s.serverPort();
}

bool rodar(const QString &programa, const QStringList &args, const QProcessEnvironment &env, QString *saida,
           const QByteArray &entrada = {})
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programa, args);
    if (!p.waitForStarted(30000)) {
        *saida = QStringLiteral("não iniciou: ") + programa;
        return false;
    }
    if (!entrada.isEmpty())
        p.write(entrada);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        *saida = QStringLiteral("tempo esgotado: ") + programa;
        return false;
    }
    *saida = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

ServidorFirebird::ServidorFirebird()
{
    m_ok = m_raiz.isValid() && prepararRaiz() && iniciar();
}

ServidorFirebird::~ServidorFirebird()
{
    parar();
}

bool ServidorFirebird::prepararRaiz()
{
    const QString raiz = m_raiz.path();
    const QString sistema = QStringLiteral(LUMISTO_FIREBIRD_HOME);
    QDir().mkpath(pasta());
    QDir().mkpath(raiz + QStringLiteral("/lock"));
    for (const char *nome : {"plugins", "firebird.msg", "plugins.conf"})
        QFile::link(sistema + QLatin1Char('/') + QLatin1String(nome),
                    raiz + QLatin1Char('/') + QLatin1String(nome));
    // the engine takes a character-set module only from inside its own root
    QDir().mkpath(raiz + QStringLiteral("/intl"));
    QFile::link(sistema + QStringLiteral("/intl/fbintl.conf"), raiz + QStringLiteral("/intl/fbintl.conf"));
    QFile::copy(sistema + QStringLiteral("/intl/libfbintl.so"), raiz + QStringLiteral("/intl/libfbintl.so"));
    m_porta = portaLivre();
    if (m_porta == 0) {
        lastError = QStringLiteral("nenhuma porta livre");
        return false;
    }
    QFile conf(raiz + QStringLiteral("/firebird.conf"));
    if (!conf.open(QIODevice::WriteOnly))
        return false;
    const QString seguranca = raiz + QStringLiteral("/security3.fdb");
    conf.write(QStringLiteral("RemoteServicePort = %1\n"
                              "RemoteBindAddress = 127.0.0.1\n"
                              "ServerMode = Super\n"
                              "Providers = Engine12\n"
                              "SecurityDatabase = %2\n"
                              "AuthServer = Srp\n"
                              "AuthClient = Srp\n"
                              "UserManager = Srp\n"
                              "WireCrypt = Enabled\n"
                              "IpcName = LUMISTO_TESTE_%1\n"
                              "DatabaseAccess = Full\n")
                   .arg(m_porta)
                   .arg(seguranca)
                   .toLocal8Bit());
    conf.close();

    // the security database with the server's account, through the embedded engine
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), raiz);
    env.insert(QStringLiteral("FIREBIRD_LOCK"), raiz + QStringLiteral("/lock"));
    QFile sql(sistema.startsWith(QStringLiteral("/usr/lib"))
                  ? QStringLiteral("/usr/share/firebird/3.0/security.sql")
                  : sistema + QStringLiteral("/security.sql"));
    if (!sql.open(QIODevice::ReadOnly)) {
        lastError = QStringLiteral("security.sql não encontrado");
        return false;
    }
    QByteArray script = QStringLiteral("CREATE DATABASE '%1';\n").arg(seguranca).toLocal8Bit();
    script += sql.readAll();
    script +=
        QStringLiteral("\nCOMMIT;\nCREATE OR ALTER USER SYSDBA PASSWORD '%1' USING PLUGIN Srp;\nCOMMIT;\n")
            .arg(senha())
            .toLocal8Bit();
    QFile arquivo(raiz + QStringLiteral("/seguranca.sql"));
    if (!arquivo.open(QIODevice::WriteOnly))
        return false;
    arquivo.write(script);
    arquivo.close();
    QString saida;
    if (!rodar(QStringLiteral("isql-fb"),
               {QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("-user"), QStringLiteral("SYSDBA"),
                QStringLiteral("-i"), arquivo.fileName()},
               env, &saida)) {
        lastError = QStringLiteral("banco de segurança: ") + saida;
        return false;
    }
    return true;
}

bool ServidorFirebird::iniciar()
{
    if (rodando())
        return true;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), m_raiz.path());
    env.insert(QStringLiteral("FIREBIRD_LOCK"), m_raiz.path() + QStringLiteral("/lock"));
    env.remove(QStringLiteral("LD_PRELOAD"));
    m_processo.setProcessEnvironment(env);
    m_processo.setProcessChannelMode(QProcess::MergedChannels);
    m_processo.start(QStringLiteral("/usr/sbin/firebird"), {});
    if (!m_processo.waitForStarted(30000)) {
        lastError = QStringLiteral("o servidor não iniciou: ") + m_processo.errorString();
        return false;
    }
    // ready once it accepts connections on its port
    QDeadlineTimer prazo(60000);
    while (!prazo.hasExpired()) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, quint16(m_porta));
        if (s.waitForConnected(500)) {
            s.disconnectFromHost();
            return true;
        }
        if (!rodando()) {
            lastError = QStringLiteral("o servidor parou: ") + QString::fromLocal8Bit(m_processo.readAll());
            return false;
        }
        QThread::msleep(100);
    }
    lastError = QStringLiteral("o servidor não abriu a porta");
    return false;
}

bool ServidorFirebird::parar()
{
    if (!rodando())
        return true;
    m_processo.terminate();
    // a server waiting on its own shutdown has nothing the test still needs
    if (!m_processo.waitForFinished(3000)) {
        m_processo.kill();
        m_processo.waitForFinished(10000);
    }
    return !rodando();
}

ServidorRede ServidorFirebird::servidor(const QString &banco) const
{
    ServidorRede s;
    s.host = QStringLiteral("127.0.0.1");
    s.porta = m_porta;
    s.banco = banco;
    s.usuario = usuario();
    s.senha = senha();
    return s;
}

bool ServidorFirebird::criarBanco(const QString &caminho)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), QStringLiteral(LUMISTO_FIREBIRD_HOME));
    return rodar(QStringLiteral(LUMISTO_SOURCE_DIR "/scripts/create-db"), {caminho}, env, &lastError);
}

bool ServidorFirebird::criarBancoVazio(const QString &caminho)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), QStringLiteral(LUMISTO_FIREBIRD_HOME));
    return rodar(
        QStringLiteral("isql-fb"), {QStringLiteral("-q")}, env, &lastError,
        QStringLiteral("CREATE DATABASE '%1' USER 'SYSDBA' PASSWORD 'x';\n").arg(caminho).toLocal8Bit());
}

QString ServidorFirebird::isql(const QString &banco, const QString &sql, bool *ok)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), QStringLiteral(LUMISTO_FIREBIRD_HOME));
    QString saida;
    const bool bom = rodar(QStringLiteral("isql-fb"),
                           {QStringLiteral("-q"), QStringLiteral("-ch"), QStringLiteral("WIN1252"),
                            QStringLiteral("-user"), usuario(), QStringLiteral("-password"), senha(),
                            servidor(banco).endereco()},
                           env, &saida, sql.toLatin1());
    if (ok)
        *ok = bom;
    return saida;
}
