// The postal-code lookup: the SOAP and JSON services played by a server on
// 127.0.0.1 that this test starts (in a thread of its own, since the lookup
// blocks), the fall-back to the database on a real database file, and no
// request at all without a network.
#include "data/TDM.h"
#include "data/Transaction.h"
#include "model/ConsultaCEP.h"
#include "services/Settings.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"

#include <QMutex>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>

using namespace ConsultaCEP;
using namespace DbHelpers;

namespace {

// A small HTTP/1.1 server: records every request and answers as told.
class FakeServer : public QThread {
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        QByteArray header(const QByteArray &name) const
        {
            for (const auto &h : headers)
                if (h.first.compare(name, Qt::CaseInsensitive) == 0)
                    return h.second;
            return {};
        }
    };
    struct Reply {
        enum Kind { Answer, Silent, Close };
        Kind kind = Answer;
        int status = 200;
        QByteArray contentType;
        QByteArray body;
    };
    using Handler = std::function<Reply(const Request &)>;

    ~FakeServer() override { stop(); }

    quint16 start()
    {
        QThread::start();
        m_ready.acquire();
        return m_port;
    }
    void stop()
    {
        if (isRunning()) {
            quit();
            wait();
        }
    }
    void answer(Handler handler)
    {
        QMutexLocker lock(&m_mutex);
        m_handler = std::move(handler);
        m_requests.clear();
    }
    QList<Request> requests()
    {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        m_port = server.serverPort();
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                auto buffer = std::make_shared<QByteArray>();
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket, buffer] { receive(socket, *buffer); });
            }
        });
        m_ready.release();
        exec();
    }

private:
    void receive(QTcpSocket *socket, QByteArray &buffer)
    {
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        Request r;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        r.method = first.value(0);
        r.path = first.value(1);
        qsizetype length = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon < 0)
                continue;
            const QByteArray name = lines[i].left(colon).trimmed();
            const QByteArray value = lines[i].mid(colon + 1).trimmed();
            r.headers.append({name, value});
            if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
                length = value.toLongLong();
        }
        if (buffer.size() < end + 4 + length)
            return; // the body is still on its way
        r.body = buffer.mid(end + 4, length);
        buffer.clear();

        Reply reply;
        {
            QMutexLocker lock(&m_mutex);
            m_requests.append(r);
            if (m_handler)
                reply = m_handler(r);
        }
        if (reply.kind == Reply::Silent)
            return; // keep the connection open, say nothing
        if (reply.kind == Reply::Close) {
            socket->abort();
            return;
        }
        QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + " X\r\n";
        if (!reply.contentType.isEmpty())
            out += "Content-Type: " + reply.contentType + "\r\n";
        out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\nConnection: close\r\n\r\n";
        out += reply.body;
        socket->write(out);
        socket->disconnectFromHost();
    }

    QMutex m_mutex;
    Handler m_handler;
    QList<Request> m_requests;
    QSemaphore m_ready;
    quint16 m_port = 0;
};

QByteArray soapAnswer(const QByteArray &returnText)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "SOAP-ENV:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\">"
           "<SOAP-ENV:Body><ns1:obterLogradouroResponse xmlns:ns1=\"urn:teste\">"
           "<return xsi:type=\"xsd:string\">" +
           returnText + "</return></ns1:obterLogradouroResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>";
}

QByteArray soapFault(const QByteArray &text)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\">"
           "<SOAP-ENV:Body><SOAP-ENV:Fault><faultcode>SOAP-ENV:Client</faultcode>"
           "<faultstring>" +
           text + "</faultstring></SOAP-ENV:Fault></SOAP-ENV:Body></SOAP-ENV:Envelope>";
}

FakeServer::Reply xml(const QByteArray &body, int status = 200)
{
    return {FakeServer::Reply::Answer, status, "text/xml; charset=utf-8", body};
}

FakeServer::Reply json(const QByteArray &body, int status = 200)
{
    return {FakeServer::Reply::Answer, status, "application/json; charset=utf-8", body};
}

FakeServer::Reply silent()
{
    FakeServer::Reply r;
    r.kind = FakeServer::Reply::Silent;
    return r;
}

FakeServer::Reply closed()
{
    FakeServer::Reply r;
    r.kind = FakeServer::Reply::Close;
    return r;
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

const QString kNaoLocalizado = u("CEP Não localizado na WEB. Continuando pesquisa na sua base de dados...");

} // namespace

class TestConsultaCEP : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    FakeServer m_server;
    quint16 m_port = 0;
    Database &db() { return m_dm->BancoDados; }

    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    Configuracao soap() const
    {
        Configuracao c;
        c.modo = Modo::Soap;
        c.endereco = base();
        c.servicoNamespace = QStringLiteral("urn:teste");
        c.limiteConexaoMs = 2000;
        c.limiteTotalMs = 3000;
        return c;
    }
    Configuracao jsonMode() const
    {
        Configuracao c = soap();
        c.modo = Modo::Json;
        c.endereco = base() + QStringLiteral("/ws");
        return c;
    }
    void setEndereco(const char *table, int id, int cep, const QString &rua, const QString &bairro,
                     const QString &cidade, const QString &estado)
    {
        QVERIFY(
            exec(db(),
                 QStringLiteral("UPDATE %1 SET CEP = :CEP, RUA = :RUA, BAIRRO = :BAIRRO, CIDADE = :CIDADE, "
                                "ESTADO = :ESTADO WHERE IDENTIFICADOR = :ID")
                     .arg(QLatin1String(table)),
                 {{QStringLiteral("CEP"), cep},
                  {QStringLiteral("RUA"), rua},
                  {QStringLiteral("BAIRRO"), bairro},
                  {QStringLiteral("CIDADE"), cidade},
                  {QStringLiteral("ESTADO"), estado},
                  {QStringLiteral("ID"), id}}));
    }

private slots:
    void initTestCase()
    {
        // the requests go straight to 127.0.0.1, whatever the environment says
        for (const char *v :
             {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(v);
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        m_port = m_server.start();
        QVERIFY(m_port != 0);

        // One individual and one company share CEP 01001000; CEP 04001000
        // belongs to an individual only; CEP 05001000 to two individuals
        // whose districts sort the other way round; 100100 (a short CEP).
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        const int grupo = insertGrupo(db(), QStringLiteral("Geral"));
        const int pf = insertPessoaFisica(db(), QStringLiteral("Pessoa"), grupo, QStringLiteral("ana"));
        const int pj = insertPessoaJuridica(db(), QStringLiteral("Empresa"), grupo, QStringLiteral("ana"));
        const int soPf = insertPessoaFisica(db(), QStringLiteral("Só física"), grupo, QStringLiteral("ana"));
        const int zeta = insertPessoaFisica(db(), QStringLiteral("Zeta"), grupo, QStringLiteral("ana"));
        const int alfa = insertPessoaFisica(db(), QStringLiteral("Alfa"), grupo, QStringLiteral("ana"));
        const int curto = insertPessoaJuridica(db(), QStringLiteral("Curto"), grupo, QStringLiteral("ana"));
        QVERIFY(pf && pj && soPf && zeta && alfa && curto);
        setEndereco("PESSOAFISICA", pf, 1001000, u("Rua da Pessoa Física"), u("Sé"), u("São Paulo"),
                    QStringLiteral("SP"));
        setEndereco("PESSOAJURIDICA", pj, 1001000, u("Rua da Empresa"), u("Centro"), u("São Paulo"),
                    QStringLiteral("SP"));
        setEndereco("PESSOAFISICA", soPf, 4001000, u("RUA GUARDADA ASSIM"), u("vila mariana"), u("são paulo"),
                    QStringLiteral("sp"));
        setEndereco("PESSOAFISICA", zeta, 5001000, u("Rua Z"), u("Zeta"), u("Campinas"),
                    QStringLiteral("SP"));
        setEndereco("PESSOAFISICA", alfa, 5001000, u("Rua A"), u("Alfa"), u("Campinas"),
                    QStringLiteral("SP"));
        setEndereco("PESSOAJURIDICA", curto, 100100, u("Rua Curta"), u("Bairro"), u("Santos"),
                    QStringLiteral("SP"));
    }
    void init()
    {
        m_seams.network->online = true;
        m_server.answer({});
    }
    void cleanupTestCase()
    {
        m_server.stop();
        m_dm.reset();
    }

    // --- the pieces ---

    void cepAsInteger_data()
    {
        QTest::addColumn<QString>("cep");
        QTest::addColumn<int>("value");
        QTest::newRow("eight digits") << QStringLiteral("01001000") << 1001000;
        QTest::newRow("fewer digits") << QStringLiteral("0100100") << 100100;
        QTest::newRow("empty") << QString() << -1;
        QTest::newRow("letters") << QStringLiteral("0100A000") << -1;
        QTest::newRow("hyphen") << QStringLiteral("01001-000") << -1;
        QTest::newRow("too large") << QStringLiteral("99999999999") << -1;
    }
    void cepAsInteger()
    {
        QFETCH(QString, cep);
        QFETCH(int, value);
        QCOMPARE(cepComoInteiro(cep), value);
    }

    void capitalisation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ascii") << u("rua x") << u("Rua X");
        QTest::newRow("accented capitals") << u("SÃO PAULO") << u("São Paulo");
        QTest::newRow("accented first letter") << u("ÁGUA BRANCA") << u("Água Branca");
        QTest::newRow("particles stay small")
            << u("AVENIDA DA ÉPOCA DE OURO") << u("Avenida da Época de Ouro");
        QTest::newRow("last word always capital") << u("morro do") << u("Morro Do");
        QTest::newRow("blanks collapse") << u("  praça   da   sé  ") << u("Praça da Sé");
        QTest::newRow("empty") << QString() << QString();
    }
    void capitalisation()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(capitalizar(text), expected);
    }

    void webTextBecomesWindows1252()
    {
        QCOMPARE(paraWin1252(u("São Paulo")), u("São Paulo"));
        QCOMPARE(paraWin1252(u("Sa\u0303o")), u("São"));         // decomposed accent
        QCOMPARE(paraWin1252(u("Rua \u1EBC")), u("Rua E"));      // Ẽ lacks a byte: the letter stays
        QCOMPARE(paraWin1252(u("Rua \U0001F600X")), u("Rua X")); // an emoji goes
        QCOMPARE(paraWin1252(u("Rua\tX\n")), u("Rua X "));
        QCOMPARE(paraWin1252(u("Œuvre €")), u("Œuvre €"));        // Windows-1252 has both
        QCOMPARE(paraWin1252(u("\xEF\xAC\x81m")), u("fim"));      // the ligature ﬁ
        QCOMPARE(paraWin1252(QString(QChar(0xD800))), QString()); // a lone surrogate
    }

    void commaFields_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("street, district, city and state")
            << u("rua x, centro, são paulo, sp")
            << QStringList{u("Rua X"), u("Centro"), u("São Paulo"), u("SP")};
        QTest::newRow("capitals") << u("AVENIDA DA ÁGUA BRANCA, ÁGUA BRANCA, SÃO PAULO, SP")
                                  << QStringList{u("Avenida da Água Branca"), u("Água Branca"),
                                                 u("São Paulo"), u("SP")};
        QTest::newRow("no blanks") << u("rua y,vila nova,campinas,sp")
                                   << QStringList{u("Rua Y"), u("Vila Nova"), u("Campinas"), u("SP")};
        // a field whose comma is missing comes out empty; the rest is the state
        QTest::newRow("two fields") << u("rua x, centro")
                                    << QStringList{u("Rua X"), QString(), QString(), u("CENTRO")};
        QTest::newRow("empty fields") << u(",,,") << QStringList{QString(), QString(), QString(), QString()};
    }
    void commaFields()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, fields);
        const Endereco e = lerRespostaComVirgulas(answer);
        QCOMPARE((QStringList{e.rua, e.bairro, e.cidade, e.uf}), fields);
    }

    void soapReturnText()
    {
        QString ret;
        QString err;
        QVERIFY(lerRetornoSoap(soapAnswer("rua x, centro, s\xC3\xA3o paulo, sp"), &ret, &err));
        QCOMPARE(ret, u("rua x, centro, são paulo, sp"));
        QVERIFY(!lerRetornoSoap(soapFault("CEP inválido"), &ret, &err));
        QCOMPARE(err, u("CEP inválido"));
        QVERIFY(!lerRetornoSoap("<html>not soap</html>", &ret, &err));
        QVERIFY(
            !lerRetornoSoap("<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                            "<SOAP-ENV:Body><a>",
                            &ret, &err));
        QVERIFY(!lerRetornoSoap(QByteArray(), &ret, &err));
    }

    void requestEnvelope()
    {
        const QByteArray body = envelopeSoap(QStringLiteral("01001000"), QStringLiteral("urn:teste"));
        QVERIFY(body.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        QXmlStreamReader x(body);
        QStringList path;
        QString cep;
        QString type;
        QString encodingStyle;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement()) {
                path << x.namespaceUri().toString() + QLatin1Char('|') + x.name().toString();
                if (x.name() == u"Body")
                    encodingStyle = x.attributes()
                                        .value(QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/"),
                                               QStringLiteral("encodingStyle"))
                                        .toString();
                if (x.name() == u"cep") {
                    type = x.attributes()
                               .value(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"),
                                      QStringLiteral("type"))
                               .toString();
                    cep = x.readElementText();
                }
            }
        }
        QVERIFY2(!x.hasError(), qPrintable(x.errorString()));
        QCOMPARE(path, (QStringList{QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/|Envelope"),
                                    QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/|Body"),
                                    QStringLiteral("urn:teste|obterLogradouro"), QStringLiteral("|cep")}));
        QCOMPARE(cep, QStringLiteral("01001000"));
        QCOMPARE(type, QStringLiteral("xsd:string"));
        QCOMPARE(encodingStyle, QStringLiteral("http://schemas.xmlsoap.org/soap/encoding/"));
    }

    // --- the settings ---

    void settingsDefaultsAndSection()
    {
        const Configuracao d = Configuracao::lida();
        QCOMPARE(d.modo, Modo::Json);
        QCOMPARE(d.endereco, QStringLiteral("https://viacep.com.br/ws"));
        QCOMPARE(d.servicoNamespace, QStringLiteral("urn:CEPService"));
        QCOMPARE(d.limiteConexaoMs, 3000);
        QCOMPARE(d.limiteTotalMs, 5000);

        QVERIFY(WriteSettingText(QStringLiteral("CEP"), QStringLiteral("MODO"), QStringLiteral("soap")));
        QVERIFY(WriteSettingText(QStringLiteral("CEP"), QStringLiteral("ENDERECO"), base()));
        QVERIFY(WriteSettingText(QStringLiteral("CEP"), QStringLiteral("NAMESPACE"),
                                 QStringLiteral("urn:teste")));
        const Configuracao c = Configuracao::lida();
        QCOMPARE(c.modo, Modo::Soap);
        QCOMPARE(c.endereco, base());
        QCOMPARE(c.servicoNamespace, QStringLiteral("urn:teste"));

        // the whole lookup through the settings file
        m_server.answer([](const FakeServer::Request &) {
            return xml(soapAnswer("rua x, centro, s\xC3\xA3o paulo, sp"));
        });
        const Resultado r = ConsultarCEP(db(), QStringLiteral("01001000"), true);
        QVERIFY(r.encontrado);
        QCOMPARE(r.fonte, Fonte::Web);
        QCOMPARE(r.cidade, u("São Paulo"));
        QCOMPARE(m_server.requests().size(), 1);

        QVERIFY(WriteSettingText(QStringLiteral("CEP"), QStringLiteral("MODO"), QStringLiteral("NENHUM")));
        QCOMPARE(Configuracao::lida().modo, Modo::Nenhum);
        QVERIFY(!webDisponivel());
        QVERIFY(WriteSettingText(QStringLiteral("CEP"), QStringLiteral("MODO"), QStringLiteral("outro")));
        QCOMPARE(Configuracao::lida().modo, Modo::Nenhum);
        QVERIFY(QFile::remove(SettingsFilePath()));
    }

    // --- SOAP ---

    void soapFound()
    {
        m_server.answer([](const FakeServer::Request &) {
            return xml(soapAnswer("rua x, centro, s\xC3\xA3o paulo, sp"));
        });
        const Resultado r = ConsultarCEP(db(), QStringLiteral("01001000"), true, soap());
        QVERIFY(r.encontrado);
        QCOMPARE(r.fonte, Fonte::Web);
        QCOMPARE(r.rua, u("Rua X"));
        QCOMPARE(r.bairro, u("Centro"));
        QCOMPARE(r.cidade, u("São Paulo"));
        QCOMPARE(r.uf, u("SP"));
        QVERIFY(r.mensagens.isEmpty());
        QCOMPARE(r.web.status, RespostaWeb::Status::Encontrado);

        const QList<FakeServer::Request> requests = m_server.requests();
        QCOMPARE(requests.size(), 1);
        const FakeServer::Request &q = requests.first();
        QCOMPARE(q.method, QByteArray("POST"));
        QCOMPARE(q.path, QByteArray("/xmlnuke-php/webservice.php/ws/cep"));
        QCOMPARE(q.header("SOAPAction"), QByteArray("\"urn:CEPServiceAction\""));
        QCOMPARE(q.header("Content-Type"), QByteArray("text/xml; charset=utf-8"));
        QCOMPARE(q.body, envelopeSoap(QStringLiteral("01001000"), QStringLiteral("urn:teste")));
    }

    void soapCapitalsBecomeProperNames()
    {
        m_server.answer([](const FakeServer::Request &) {
            return xml(soapAnswer("AVENIDA DA \xC3\x81GUA BRANCA, \xC3\x81GUA BRANCA, S\xC3\x83O PAULO, SP"));
        });
        const RespostaWeb w = buscarNaWeb(QStringLiteral("05001000"), soap());
        QVERIFY(w.encontrado());
        QCOMPARE(w.endereco.rua, u("Avenida da Água Branca"));
        QCOMPARE(w.endereco.bairro, u("Água Branca"));
        QCOMPARE(w.endereco.cidade, u("São Paulo"));
        QCOMPARE(w.endereco.uf, u("SP"));
    }

    void soapCharactersOutsideWindows1252()
    {
        m_server.answer([](const FakeServer::Request &) {
            return xml(soapAnswer("rua \xE1\xBA\xBD \xF0\x9F\x98\x80lar, centro, s\xC3\xA3o paulo, sp"));
        });
        const RespostaWeb w = buscarNaWeb(QStringLiteral("01001000"), soap());
        QVERIFY(w.encontrado());
        QCOMPARE(w.endereco.rua, u("Rua E Lar"));
    }

    void aPathEndingTheAddressIsNotRepeated()
    {
        m_server.answer(
            [](const FakeServer::Request &) { return xml(soapAnswer("rua x, centro, santos, sp")); });
        Configuracao c = soap();
        c.endereco = base() + QStringLiteral("/xmlnuke-php/webservice.php/ws/cep/");
        QVERIFY(buscarNaWeb(QStringLiteral("01001000"), c).encontrado());
        QCOMPARE(m_server.requests().value(0).path, QByteArray("/xmlnuke-php/webservice.php/ws/cep"));
    }

    void soapNotFoundGoesToTheDatabase()
    {
        m_server.answer([](const FakeServer::Request &) { return xml(soapAnswer("CEP NAO ENCONTRADO")); });
        const Resultado r = ConsultarCEP(db(), QStringLiteral("01001000"), true, soap());
        QCOMPARE(r.web.status, RespostaWeb::Status::NaoEncontrado);
        QCOMPARE(r.mensagens, QStringList{kNaoLocalizado});
        QVERIFY(r.encontrado);
        QCOMPARE(r.fonte, Fonte::Base);
        QCOMPARE(r.rua, u("Rua da Pessoa Física"));
        QCOMPARE(m_server.requests().size(), 1);
    }

    void soapEmptyReturnIsNotFound()
    {
        m_server.answer([](const FakeServer::Request &) { return xml(soapAnswer("")); });
        QCOMPARE(buscarNaWeb(QStringLiteral("01001000"), soap()).status, RespostaWeb::Status::NaoEncontrado);
    }

    void soapFaultGoesToTheDatabase()
    {
        m_server.answer([](const FakeServer::Request &) { return xml(soapFault("Acesso negado"), 500); });
        const Resultado r = ConsultarCEP(db(), QStringLiteral("01001000"), false, soap());
        QCOMPARE(r.web.status, RespostaWeb::Status::Falhou);
        QVERIFY(r.web.detalhe.contains(u("Acesso negado")));
        QCOMPARE(r.mensagens, QStringList{kNaoLocalizado});
        QVERIFY(r.encontrado);
        QCOMPARE(r.fonte, Fonte::Base);
        QCOMPARE(r.rua, u("Rua da Empresa"));
    }

    void httpErrorGoesToTheDatabase()
    {
        m_server.answer([](const FakeServer::Request &) { return xml("<html>gateway</html>", 502); });
        const Resultado r = ConsultarCEP(db(), QStringLiteral("04001000"), true, soap());
        QCOMPARE(r.web.status, RespostaWeb::Status::Falhou);
        QCOMPARE(r.fonte, Fonte::Base);
        QCOMPARE(r.mensagens, QStringList{kNaoLocalizado});
    }

    void timeOutGoesToTheDatabase()
    {
        m_server.answer([](const FakeServer::Request &) { return silent(); });
        Configuracao c = soap();
        c.limiteTotalMs = 1000;
        // the server never answers: only the time-out can end the call
        const Resultado r = ConsultarCEP(db(), QStringLiteral("01001000"), true, c);
        QCOMPARE(r.web.status, RespostaWeb::Status::Falhou);
        QCOMPARE(r.mensagens, QStringList{kNaoLocalizado});
        QCOMPARE(r.fonte, Fonte::Base);
        QCOMPARE(r.rua, u("Rua da Pessoa Física"));
    }

    void closedConnectionGoesToTheDatabase()
    {
        m_server.answer([](const FakeServer::Request &) { return closed(); });
        const Resultado r = ConsultarCEP(db(), QStringLiteral("01001000"), false, soap());
        QCOMPARE(r.web.status, RespostaWeb::Status::Falhou);
        QVERIFY(!r.web.detalhe.isEmpty());
        QCOMPARE(r.fonte, Fonte::Base);
        QCOMPARE(r.rua, u("Rua da Empresa"));
    }

    void serverDownGoesToTheDatabase()
    {
        // a port that was just free: nothing listens there
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 port = probe.serverPort();
        probe.close();
        Configuracao c = soap();
        c.endereco = QStringLiteral("http://127.0.0.1:%1").arg(port);
        const Resultado r = ConsultarCEP(db(), QStringLiteral("04001000"), false, c);
        QCOMPARE(r.web.status, RespostaWeb::Status::Falhou);
        QCOMPARE(r.mensagens, QStringList{kNaoLocalizado});
        QVERIFY(r.encontrado);
        QCOMPARE(r.fonte, Fonte::Base);
    }

    void notFoundAnywhere()
    {
        m_server.answer([](const FakeServer::Request &) { return xml(soapAnswer("nada")); });
        const Resultado r = ConsultarCEP(db(), QStringLiteral("99999999"), true, soap());
        QVERIFY(!r.encontrado);
        QCOMPARE(r.fonte, Fonte::Nenhuma);
        QCOMPARE(r.mensagens, QStringList{kNaoLocalizado});
        QVERIFY(r.rua.isEmpty() && r.bairro.isEmpty() && r.cidade.isEmpty() && r.uf.isEmpty());
        QVERIFY(r.erro.isEmpty());
    }

    // --- JSON ---

    void jsonFound()
    {
        m_server.answer([](const FakeServer::Request &) {
            return json(
                "{\n  \"cep\": \"01001-000\",\n  \"logradouro\": \"Pra\xC3\xA7"
                "a da S\xC3\xA9\",\n"
                "  \"complemento\": \"lado \xC3\xADmpar\",\n  \"bairro\": \"S\xC3\xA9\",\n"
                "  \"localidade\": \"S\xC3\xA3o Paulo\",\n  \"uf\": \"SP\",\n  \"ibge\": \"3550308\"\n}");
        });
        const Resultado r = ConsultarCEP(db(), QStringLiteral("01001000"), true, jsonMode());
        QVERIFY(r.encontrado);
        QCOMPARE(r.fonte, Fonte::Web);
        QCOMPARE(r.rua, u("Praça da Sé"));
        QCOMPARE(r.bairro, u("Sé"));
        QCOMPARE(r.cidade, u("São Paulo"));
        QCOMPARE(r.uf, u("SP"));
        const QList<FakeServer::Request> requests = m_server.requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().method, QByteArray("GET"));
        QCOMPARE(requests.first().path, QByteArray("/ws/01001000/json/"));
    }

    void jsonKeepsProperCaseAndFixesCapitals()
    {
        m_server.answer([](const FakeServer::Request &) {
            return json("{\"logradouro\": \"Rua XV de Novembro\", \"bairro\": \"\xC3\x81GUA BRANCA\", "
                        "\"localidade\": \"s\xC3\xA3o paulo\", \"uf\": \"sp\"}");
        });
        const RespostaWeb w = buscarNaWeb(QStringLiteral("01001000"), jsonMode());
        QVERIFY(w.encontrado());
        QCOMPARE(w.endereco.rua, u("Rua XV de Novembro"));
        QCOMPARE(w.endereco.bairro, u("Água Branca"));
        QCOMPARE(w.endereco.cidade, u("São Paulo"));
        QCOMPARE(w.endereco.uf, u("SP"));
    }

    void jsonErroGoesToTheDatabase()
    {
        m_server.answer([](const FakeServer::Request &) { return json("{\n  \"erro\": true\n}"); });
        const Resultado r = ConsultarCEP(db(), QStringLiteral("04001000"), false, jsonMode());
        QCOMPARE(r.web.status, RespostaWeb::Status::NaoEncontrado);
        QCOMPARE(r.mensagens, QStringList{kNaoLocalizado});
        QVERIFY(r.encontrado);
        QCOMPARE(r.fonte, Fonte::Base);
        QCOMPARE(r.rua, u("RUA GUARDADA ASSIM"));

        m_server.answer([](const FakeServer::Request &) { return json("{\"erro\": \"true\"}"); });
        QCOMPARE(buscarNaWeb(QStringLiteral("04001000"), jsonMode()).status,
                 RespostaWeb::Status::NaoEncontrado);
        m_server.answer(
            [](const FakeServer::Request &) { return json("{\"erro\": \"CEP inv\xC3\xA1lido\"}", 400); });
        QCOMPARE(buscarNaWeb(QStringLiteral("0400"), jsonMode()).status, RespostaWeb::Status::NaoEncontrado);
    }

    void jsonGarbageGoesToTheDatabase()
    {
        m_server.answer([](const FakeServer::Request &) { return json("<html>oops</html>"); });
        const Resultado r = ConsultarCEP(db(), QStringLiteral("04001000"), true, jsonMode());
        QCOMPARE(r.web.status, RespostaWeb::Status::Falhou);
        QCOMPARE(r.fonte, Fonte::Base);
        QCOMPARE(r.mensagens, QStringList{kNaoLocalizado});
    }

    void jsonTimeOut()
    {
        m_server.answer([](const FakeServer::Request &) { return silent(); });
        Configuracao c = jsonMode();
        c.limiteTotalMs = 1000;
        const RespostaWeb w = buscarNaWeb(QStringLiteral("01001000"), c);
        QCOMPARE(w.status, RespostaWeb::Status::Falhou);
        QVERIFY(!w.detalhe.isEmpty());
    }

    // --- no web at all ---

    void noNetworkSendsNothing()
    {
        m_seams.network->online = false;
        m_server.answer(
            [](const FakeServer::Request &) { return xml(soapAnswer("rua x, centro, santos, sp")); });
        QVERIFY(!webDisponivel(soap()));
        QCOMPARE(buscarNaWeb(QStringLiteral("01001000"), soap()).status, RespostaWeb::Status::NaoTentada);
        const Resultado r = ConsultarCEP(db(), QStringLiteral("04001000"), false, soap());
        QCOMPARE(r.web.status, RespostaWeb::Status::NaoTentada);
        QVERIFY(r.mensagens.isEmpty());
        // the company screen finds the individual's address when no company has the CEP
        QVERIFY(r.encontrado);
        QCOMPARE(r.fonte, Fonte::Base);
        QCOMPARE(r.rua, u("RUA GUARDADA ASSIM"));
        QCOMPARE(jsonMode().modo, Modo::Json);
        QCOMPARE(ConsultarCEP(db(), QStringLiteral("04001000"), false, jsonMode()).fonte, Fonte::Base);
        QCOMPARE(m_server.requests().size(), 0);
    }

    void modeNoneSendsNothing()
    {
        Configuracao c = soap();
        c.modo = Modo::Nenhum;
        QVERIFY(!webDisponivel(c));
        const Resultado r = ConsultarCEP(db(), QStringLiteral("01001000"), true, c);
        QCOMPARE(r.web.status, RespostaWeb::Status::NaoTentada);
        QVERIFY(r.mensagens.isEmpty());
        QCOMPARE(r.fonte, Fonte::Base);
        c = soap();
        c.endereco.clear();
        QVERIFY(!webDisponivel(c));
        QCOMPARE(buscarNaWeb(QStringLiteral("01001000"), c).status, RespostaWeb::Status::NaoTentada);
        QCOMPARE(m_server.requests().size(), 0);
    }

    // --- the database ---

    void localOrderPerScreen()
    {
        const Resultado pf = buscarNaBase(db(), QStringLiteral("01001000"), true);
        QVERIFY(pf.encontrado);
        QCOMPARE(pf.fonte, Fonte::Base);
        QCOMPARE(pf.rua, u("Rua da Pessoa Física"));
        QCOMPARE(pf.bairro, u("Sé"));
        QCOMPARE(pf.cidade, u("São Paulo"));
        QCOMPARE(pf.uf, u("SP"));
        QVERIFY(pf.mensagens.isEmpty());

        const Resultado pj = buscarNaBase(db(), QStringLiteral("01001000"), false);
        QVERIFY(pj.encontrado);
        QCOMPARE(pj.rua, u("Rua da Empresa"));
        QCOMPARE(pj.bairro, u("Centro"));
    }

    void localFallsToTheOtherTable()
    {
        const Resultado r = buscarNaBase(db(), QStringLiteral("04001000"), false);
        QVERIFY(r.encontrado);
        // fields as stored, not capitalised
        QCOMPARE(r.rua, u("RUA GUARDADA ASSIM"));
        QCOMPARE(r.bairro, u("vila mariana"));
        QCOMPARE(r.cidade, u("são paulo"));
        QCOMPARE(r.uf, u("sp"));
        QCOMPARE(buscarNaBase(db(), QStringLiteral("0100100"), true).rua, u("Rua Curta"));
    }

    void localFirstRowByDistrict()
    {
        const Resultado r = buscarNaBase(db(), QStringLiteral("05001000"), true);
        QCOMPARE(r.rua, u("Rua A"));
        QCOMPARE(r.bairro, u("Alfa"));
    }

    void localNothing()
    {
        for (const QString &cep : {QStringLiteral("99999999"), QStringLiteral("abc"), QString()}) {
            const Resultado r = buscarNaBase(db(), cep, true);
            QVERIFY(!r.encontrado);
            QCOMPARE(r.fonte, Fonte::Nenhuma);
            QVERIFY(r.mensagens.isEmpty());
            QVERIFY(r.erro.isEmpty());
        }
    }

    void localAnswersWithoutNetwork()
    {
        m_seams.network->online = false;
        const Resultado r = ConsultarCEP(db(), QStringLiteral("01001000"), false);
        QCOMPARE(r.rua, u("Rua da Empresa"));
        QCOMPARE(m_server.requests().size(), 0);
    }

    // Last: it changes the table.
    void aFailingStatementGivesItsText()
    {
        QVERIFY(exec(db(), QStringLiteral("ALTER TABLE PESSOAJURIDICA DROP BAIRRO")));
        const Resultado r = buscarNaBase(db(), QStringLiteral("99999999"), true);
        QVERIFY(!r.encontrado);
        QVERIFY(!r.erro.isEmpty());
        QVERIFY2(r.erro.contains(QStringLiteral("BAIRRO")), qPrintable(r.erro));
        QCOMPARE(r.mensagens, QStringList{r.erro});
        QCOMPARE(Transaction::openCount(), 0);
        // the first table answered before the second failed
        QCOMPARE(buscarNaBase(db(), QStringLiteral("01001000"), true).rua, u("Rua da Pessoa Física"));
    }
};

QTEST_GUILESS_MAIN(TestConsultaCEP)
#include "TestConsultaCEP.moc"
