#include "model/ConsultaCEP.h"

#include "data/DbOperation.h"
#include "data/Query.h"
#include "services/Seams.h"
#include "services/Settings.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace ConsultaCEP {

namespace {

const char kSoapPath[] = "/xmlnuke-php/webservice.php/ws/cep";
const char kSoapAction[] = "urn:CEPServiceAction";
const char kSoapEnvelopeNs[] = "http://schemas.xmlsoap.org/soap/envelope/";
const char kSoapEncodingNs[] = "http://schemas.xmlsoap.org/soap/encoding/";
const char kXsdNs[] = "http://www.w3.org/2001/XMLSchema";
const char kXsiNs[] = "http://www.w3.org/2001/XMLSchema-instance";

// A service answer larger than this is not an address.
constexpr qsizetype kMaxAnswerBytes = 1 << 20;

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

// Trim in the classic sense: the space and every control character.
QString aparar(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

struct Http {
    bool feita = false; // an HTTP answer arrived (any status)
    long status = 0;
    QByteArray corpo;
    QByteArray tipo; // Content-Type
    QString erro;    // why there was no answer
};

size_t guardar(char *data, size_t size, size_t count, void *user)
{
    auto *corpo = static_cast<QByteArray *>(user);
    const size_t n = size * count;
    if (corpo->size() + qsizetype(n) > kMaxAnswerBytes)
        return 0; // curl stops with a write error
    corpo->append(data, qsizetype(n));
    return n;
}

// One request through a handle made for it and released after it.
Http chamar(const QByteArray &url, const QByteArray *post, const QList<QByteArray> &cabecalhos,
            const Configuracao &config)
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    Http h;
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl) {
        h.erro = latin("curl_easy_init failed");
        return h;
    }
    CURL *c = curl.get();
    struct curl_slist *lista = nullptr;
    for (const QByteArray &linha : cabecalhos)
        lista = curl_slist_append(lista, linha.constData());
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> listaGuardada(lista, &curl_slist_free_all);

    char erro[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(config.limiteConexaoMs));
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, long(config.limiteTotalMs));
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 3L);
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Lumisto");
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, erro);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &guardar);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &h.corpo);
    if (lista)
        curl_easy_setopt(c, CURLOPT_HTTPHEADER, lista);
    if (post) {
        curl_easy_setopt(c, CURLOPT_POST, 1L);
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, post->constData());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE, long(post->size()));
    }

    const CURLcode rc = curl_easy_perform(c);
    if (rc != CURLE_OK) {
        h.erro = QString::fromUtf8(erro[0] ? erro : curl_easy_strerror(rc));
        return h;
    }
    h.feita = true;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &h.status);
    char *tipo = nullptr;
    if (curl_easy_getinfo(c, CURLINFO_CONTENT_TYPE, &tipo) == CURLE_OK && tipo)
        h.tipo = QByteArray(tipo);
    return h;
}

// A body whose Content-Type names a single-byte charset, made UTF-8.
QByteArray comoUtf8(const Http &h)
{
    const QByteArray tipo = h.tipo.toLower();
    if (tipo.contains("iso-8859-1") || tipo.contains("latin1") || tipo.contains("windows-1252"))
        return Win1252::decode(h.corpo).toUtf8();
    return h.corpo;
}

QString semBarraFinal(QString text)
{
    while (text.endsWith(u'/'))
        text.chop(1);
    return text;
}

Endereco enderecoJson(const QJsonObject &o)
{
    // The JSON services answer in proper case ("Rua XV de Novembro"), which
    // is kept; a field all in capitals or all in small letters gets the
    // treatment of the SOAP answer.
    const auto campo = [&o](const char *nome) {
        const QString v = aparar(paraWin1252(o.value(latin(nome)).toString()));
        const bool semMistura = v == Win1252::toUpper(v) || v == Win1252::toLower(v);
        return semMistura ? capitalizar(v) : v;
    };
    Endereco e;
    e.rua = campo("logradouro");
    e.bairro = campo("bairro");
    e.cidade = campo("localidade");
    e.uf = Win1252::toUpper(aparar(paraWin1252(o.value(latin("uf")).toString())));
    return e;
}

RespostaWeb viaJson(const QString &cep, const Configuracao &config)
{
    RespostaWeb r;
    const QByteArray url =
        semBarraFinal(config.endereco).toUtf8() + '/' + QUrl::toPercentEncoding(cep) + "/json/";
    const Http h = chamar(url, nullptr, {QByteArrayLiteral("Accept: application/json")}, config);
    r.resposta = QString::fromUtf8(comoUtf8(h));
    if (!h.feita) {
        r.status = RespostaWeb::Status::Falhou;
        r.detalhe = h.erro;
        return r;
    }
    if (h.status == 400 || h.status == 404) { // a CEP the service does not take
        r.status = RespostaWeb::Status::NaoEncontrado;
        r.detalhe = QStringLiteral("HTTP %1").arg(h.status);
        return r;
    }
    if (h.status != 200) {
        r.status = RespostaWeb::Status::Falhou;
        r.detalhe = QStringLiteral("HTTP %1").arg(h.status);
        return r;
    }
    QJsonParseError erro;
    const QJsonDocument doc = QJsonDocument::fromJson(comoUtf8(h), &erro);
    if (!doc.isObject()) {
        r.status = RespostaWeb::Status::Falhou;
        r.detalhe = erro.error != QJsonParseError::NoError ? erro.errorString() : latin("not a JSON object");
        return r;
    }
    const QJsonObject o = doc.object();
    const QJsonValue naoAchou = o.value(latin("erro"));
    if (naoAchou.toBool() || naoAchou.toString().compare(latin("true"), Qt::CaseInsensitive) == 0) {
        r.status = RespostaWeb::Status::NaoEncontrado;
        return r;
    }
    r.endereco = enderecoJson(o);
    const Endereco &e = r.endereco;
    r.status = (e.rua.isEmpty() && e.bairro.isEmpty() && e.cidade.isEmpty() && e.uf.isEmpty())
                   ? RespostaWeb::Status::NaoEncontrado
                   : RespostaWeb::Status::Encontrado;
    return r;
}

RespostaWeb viaSoap(const QString &cep, const Configuracao &config)
{
    RespostaWeb r;
    QString endpoint = semBarraFinal(config.endereco);
    if (!endpoint.endsWith(latin(kSoapPath)))
        endpoint += latin(kSoapPath);
    const QByteArray corpo = envelopeSoap(cep, config.servicoNamespace);
    const Http h = chamar(endpoint.toUtf8(), &corpo,
                          {QByteArrayLiteral("Content-Type: text/xml; charset=utf-8"),
                           QByteArrayLiteral("SOAPAction: \"") + kSoapAction + '"'},
                          config);
    if (!h.feita) {
        r.status = RespostaWeb::Status::Falhou;
        r.detalhe = h.erro;
        return r;
    }
    QString retorno;
    QString erro;
    if (!lerRetornoSoap(h.corpo, &retorno, &erro)) { // a fault (HTTP 500) or no SOAP at all
        r.status = RespostaWeb::Status::Falhou;
        r.resposta = QString::fromUtf8(h.corpo);
        r.detalhe = QStringLiteral("HTTP %1: %2").arg(h.status).arg(erro);
        return r;
    }
    r.resposta = retorno;
    if (h.status != 200) {
        r.status = RespostaWeb::Status::Falhou;
        r.detalhe = QStringLiteral("HTTP %1").arg(h.status);
        return r;
    }
    const QString texto = paraWin1252(retorno);
    if (!texto.contains(u',')) {
        r.status = RespostaWeb::Status::NaoEncontrado;
        return r;
    }
    r.status = RespostaWeb::Status::Encontrado;
    r.endereco = lerRespostaComVirgulas(texto);
    return r;
}

} // namespace

Configuracao Configuracao::lida()
{
    const QString secao = QStringLiteral("CEP");
    Configuracao c;
    const QString modo = ReadSettingText(secao, QStringLiteral("MODO")).trimmed().toUpper();
    if (modo == QLatin1String("SOAP"))
        c.modo = Modo::Soap;
    else if (modo == QLatin1String("JSON"))
        c.modo = Modo::Json;
    else
        c.modo = Modo::Nenhum;
    c.endereco = ReadSettingText(secao, QStringLiteral("ENDERECO")).trimmed();
    c.servicoNamespace = ReadSettingText(secao, QStringLiteral("NAMESPACE")).trimmed();
    return c;
}

QString mensagemNaoLocalizado()
{
    return QStringLiteral("CEP Não localizado na WEB. Continuando pesquisa na sua base de dados...");
}

QString textoProcurando()
{
    return QStringLiteral("Procurando...");
}

QString textoRotulo()
{
    return QStringLiteral("CEP");
}

bool webDisponivel(const Configuracao &config)
{
    return config.modo != Modo::Nenhum && !config.endereco.isEmpty() && Seams::network().isOnNetwork();
}

RespostaWeb buscarNaWeb(const QString &cep, const Configuracao &config)
{
    if (!webDisponivel(config))
        return {};
    return config.modo == Modo::Soap ? viaSoap(cep, config) : viaJson(cep, config);
}

Resultado buscarNaBase(Database &db, const QString &cep, bool pessoaFisicaPrimeiro)
{
    static const QString pessoaFisica =
        QStringLiteral("SELECT * FROM PESSOAFISICA WHERE CEP = :CEP ORDER BY BAIRRO");
    static const QString pessoaJuridica =
        QStringLiteral("SELECT * FROM PESSOAJURIDICA WHERE CEP = :CEP ORDER BY BAIRRO");
    const QString ordem[2] = {pessoaFisicaPrimeiro ? pessoaFisica : pessoaJuridica,
                              pessoaFisicaPrimeiro ? pessoaJuridica : pessoaFisica};
    const int valor = cepComoInteiro(cep);

    Resultado r;
    const DbResult feito = dbLeitura(db, [&](Transaction &t) {
        for (const QString &sql : ordem) {
            Query q(t, sql);
            q.setInt(QStringLiteral("CEP"), valor);
            q.open();
            if (q.next()) {
                r.encontrado = true;
                r.fonte = Fonte::Base;
                r.rua = q.field(QStringLiteral("RUA")).asString();
                r.bairro = q.field(QStringLiteral("BAIRRO")).asString();
                r.cidade = q.field(QStringLiteral("CIDADE")).asString();
                r.uf = q.field(QStringLiteral("ESTADO")).asString();
                return;
            }
        }
    });
    if (!feito) {
        r = Resultado();
        r.erro = feito.error;
        r.mensagens << feito.error;
    }
    return r;
}

Resultado ConsultarCEP(Database &db, const QString &cep, bool pessoaFisicaPrimeiro,
                       const Configuracao &config)
{
    RespostaWeb web;
    QStringList mensagens;
    if (webDisponivel(config)) {
        web = buscarNaWeb(cep, config);
        if (web.encontrado()) {
            Resultado r;
            r.encontrado = true;
            r.fonte = Fonte::Web;
            r.rua = web.endereco.rua;
            r.bairro = web.endereco.bairro;
            r.cidade = web.endereco.cidade;
            r.uf = web.endereco.uf;
            r.web = web;
            return r;
        }
        mensagens << mensagemNaoLocalizado();
    }
    Resultado r = buscarNaBase(db, cep, pessoaFisicaPrimeiro);
    r.mensagens = mensagens + r.mensagens;
    r.web = web;
    return r;
}

int cepComoInteiro(const QString &cep)
{
    bool ok = false;
    const int valor = aparar(cep).toInt(&ok, 10);
    return ok ? valor : -1;
}

QString paraWin1252(const QString &text)
{
    QString out;
    const QString composto = text.normalized(QString::NormalizationForm_C);
    out.reserve(composto.size());
    for (const char32_t u : composto.toUcs4()) {
        if (u < 0x20 || u == 0x7F) { // line breaks and tabs inside a field read as blanks
            out += u' ';
            continue;
        }
        if (u >= 0x80 && u < 0xA0) // C1 controls carry nothing
            continue;
        if (u <= 0xFFFF && Win1252::toByte(QChar(char16_t(u))) >= 0) {
            out += QChar(char16_t(u));
            continue;
        }
        // "ẽ" -> "e", "ﬁ" -> "fi"; what has no such form is dropped
        const QString decomposto = QString::fromUcs4(&u, 1).normalized(QString::NormalizationForm_KD);
        for (QChar c : decomposto)
            if (!c.isMark() && c.unicode() >= 0x20 && !(c.unicode() >= 0x7F && c.unicode() < 0xA0) &&
                Win1252::toByte(c) >= 0)
                out += c;
    }
    return out;
}

QString capitalizar(const QString &text)
{
    QStringList palavras = CapitalizeName(Win1252::toLower(text)).split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < palavras.size(); ++i)
        if (i == palavras.size() - 1 || !IsNameParticle(palavras[i]))
            palavras[i][0] = Win1252::toUpper(palavras[i][0]);
    return palavras.join(u' ');
}

Endereco lerRespostaComVirgulas(const QString &text)
{
    QString resto = Win1252::toLower(text);
    // the text before the next comma, capitalised; the comma and what came
    // before it leave the rest
    const auto proximo = [&resto]() {
        const qsizetype virgula = resto.indexOf(u',');
        if (virgula < 0)
            return QString();
        const QString campo = capitalizar(resto.left(virgula));
        resto = aparar(resto.mid(virgula + 1));
        return campo;
    };
    Endereco e;
    e.rua = proximo();
    e.bairro = proximo();
    e.cidade = proximo();
    e.uf = Win1252::toUpper(aparar(resto));
    return e;
}

bool lerRetornoSoap(const QByteArray &xml, QString *retorno, QString *erro)
{
    const QString envelopeNs = latin(kSoapEnvelopeNs);
    QXmlStreamReader x(xml);
    int profundidade = 0; // 1 Envelope, 2 Body, 3 the answer (or Fault), 4 its parts
    bool corpo = false;
    bool falha = false;
    QString textoFalha;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            ++profundidade;
            const QStringView nome = x.name();
            if (profundidade == 1 && (nome != u"Envelope" || x.namespaceUri() != envelopeNs))
                break;
            if (profundidade == 2 && nome == u"Body" && x.namespaceUri() == envelopeNs) {
                corpo = true;
            } else if (profundidade == 3 && corpo) {
                if (nome == u"Fault" && x.namespaceUri() == envelopeNs)
                    falha = true;
            } else if (profundidade == 4 && corpo) {
                if (falha) {
                    if (nome == u"faultstring")
                        textoFalha = x.readElementText(QXmlStreamReader::IncludeChildElements);
                    else
                        x.skipCurrentElement();
                    --profundidade;
                    continue;
                }
                // the answer's first part is the return value
                const bool nulo =
                    x.attributes().value(latin(kXsiNs), QStringLiteral("nil")) == QLatin1String("true");
                const QString texto = x.readElementText(QXmlStreamReader::IncludeChildElements);
                if (x.hasError())
                    break;
                *retorno = nulo ? QString() : texto;
                return true;
            }
        } else if (x.isEndElement()) {
            if (profundidade == 3 && corpo && !falha) { // an answer without parts
                retorno->clear();
                return true;
            }
            if (profundidade == 3 && falha) {
                *erro = textoFalha.isEmpty() ? latin("SOAP fault") : textoFalha;
                return false;
            }
            --profundidade;
        }
    }
    if (x.hasError())
        *erro = x.errorString();
    else if (falha)
        *erro = textoFalha.isEmpty() ? latin("SOAP fault") : textoFalha;
    else
        *erro = latin("not a SOAP answer");
    return false;
}

QByteArray envelopeSoap(const QString &cep, const QString &servicoNamespace)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.writeStartDocument();
    w.writeNamespace(latin(kSoapEnvelopeNs), latin("SOAP-ENV"));
    w.writeNamespace(latin(kXsdNs), latin("xsd"));
    w.writeNamespace(latin(kXsiNs), latin("xsi"));
    w.writeNamespace(latin(kSoapEncodingNs), latin("SOAP-ENC"));
    w.writeStartElement(latin(kSoapEnvelopeNs), latin("Envelope"));
    w.writeStartElement(latin(kSoapEnvelopeNs), latin("Body"));
    w.writeAttribute(latin(kSoapEnvelopeNs), latin("encodingStyle"), latin(kSoapEncodingNs));
    if (servicoNamespace.isEmpty()) {
        w.writeStartElement(latin("obterLogradouro"));
    } else {
        w.writeNamespace(servicoNamespace, latin("NS1"));
        w.writeStartElement(servicoNamespace, latin("obterLogradouro"));
    }
    w.writeStartElement(latin("cep"));
    w.writeAttribute(latin(kXsiNs), latin("type"), latin("xsd:string"));
    w.writeCharacters(cep);
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

} // namespace ConsultaCEP
