#include "data/Query.h"

#include "data/Database.h"
#include "data/FbStatus.h"
#include "data/Transaction.h"
#include "util/Win1252.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include <cmath>
#include <cstring>

using namespace Firebird;

namespace {

constexpr unsigned kCharsetWin1252 = 53;
// 30/12/1899 counted in the server's days (from 17/11/1858)
constexpr int kDayZero = 15018;
constexpr qint64 kTicksPerDay = 86400LL * 10000;

qint64 pow10(int n)
{
    qint64 r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

// Day number with time fraction -> server date and time (1/10000 s).
void splitDateTime(double value, ISC_DATE *date, ISC_TIME *time)
{
    double days = value < 0 ? std::trunc(value) : std::floor(value);
    double frac = std::fabs(value - days);
    qint64 ticks = std::llround(frac * double(kTicksPerDay));
    if (ticks >= kTicksPerDay) {
        ticks -= kTicksPerDay;
        days += value < 0 ? -1 : 1;
    }
    *date = ISC_DATE(qint64(days) + kDayZero);
    *time = ISC_TIME(ticks);
}

double joinDateTime(ISC_DATE date, ISC_TIME time)
{
    const double days = double(qint64(date) - kDayZero);
    const double frac = double(time) / double(kTicksPerDay);
    return days < 0 ? days - frac : days + frac;
}

// Finds ":NAME" outside quotes and comments; returns the text with '?' in
// their place and the names in order of appearance.
QString parseParameters(const QString &sql, QStringList *names)
{
    QString out;
    out.reserve(sql.size());
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            out += c;
            for (++i; i < n; ++i) {
                out += sql[i];
                if (sql[i] == c) {
                    if (i + 1 < n && sql[i + 1] == c) {
                        out += sql[++i];
                        continue;
                    }
                    break;
                }
            }
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            while (i < n && sql[i] != QLatin1Char('\n'))
                out += sql[i++];
            if (i < n)
                out += sql[i];
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            const qsizetype stop = end < 0 ? n : end + 2;
            out += sql.mid(i, stop - i);
            i = stop - 1;
            continue;
        }
        if (c == QLatin1Char(':') && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_'))) {
            qsizetype j = i + 1;
            while (j < n &&
                   (sql[j].isLetterOrNumber() || sql[j] == QLatin1Char('_') || sql[j] == QLatin1Char('$')))
                ++j;
            names->append(sql.mid(i + 1, j - i - 1).toUpper());
            out += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        out += c;
    }
    return out;
}

} // namespace

Query::Query(Transaction &transaction, const QString &sql) : m_transaction(transaction), m_sql(sql)
{
    // PSQL blocks and definitions use ":NAME" for their own variables
    static const QRegularExpression psql(QStringLiteral("^\\s*(EXECUTE\\s+BLOCK|CREATE|ALTER|RECREATE)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    m_parsedSql = psql.match(sql).hasMatch() ? sql : parseParameters(sql, &m_positions);
    for (const QString &name : std::as_const(m_positions)) {
        if (!m_paramIndex.contains(name)) {
            auto p = std::make_shared<Param>();
            p->name = name;
            m_paramIndex.insert(name, m_params.size());
            m_params.append(p);
        }
    }
    QByteArray text;
    if (!Win1252::encode(m_parsedSql, &text)) {
        QString bad;
        Win1252::encode(m_parsedSql, nullptr, &bad);
        throw DbError::refused(Win1252::unencodableMessage(bad), sql);
    }
    IAttachment *att = transaction.database().attachment();
    if (!att || !transaction.handle())
        throw DbError(QStringLiteral("Não há conexão com o banco de dados."), sql);
    FbStatus::run(
        [&](ThrowStatusWrapper &st) {
            m_statement = att->prepare(&st, transaction.handle(), text.size(), text.constData(), 3,
                                       IStatement::PREPARE_PREFETCH_METADATA);
            m_isSelect = m_statement->getType(&st) == isc_info_sql_stmt_select ||
                         m_statement->getType(&st) == isc_info_sql_stmt_select_for_upd;
        },
        sql);
    prepareOutput();
}

Query::~Query()
{
    close();
    if (m_outMeta)
        m_outMeta->release();
    if (m_statement) {
        try {
            FbStatus::run([&](ThrowStatusWrapper &st) { m_statement->free(&st); });
        } catch (const DbError &) {
            m_statement->release();
        }
    }
}

QStringList Query::parameterNames() const
{
    QStringList names;
    for (const auto &p : m_params)
        names << p->name;
    return names;
}

void Query::prepareOutput()
{
    FbStatus::run(
        [&](ThrowStatusWrapper &st) {
            IMessageMetadata *meta = m_statement->getOutputMetadata(&st);
            const unsigned count = meta->getCount(&st);
            if (count == 0) {
                meta->release();
                return;
            }
            IMetadataBuilder *builder = meta->getBuilder(&st);
            m_columns.resize(int(count));
            QHash<QString, int> seen;
            for (unsigned i = 0; i < count; ++i) {
                Column &c = m_columns[int(i)];
                QString name = QString::fromUtf8(meta->getAlias(&st, i));
                if (name.isEmpty())
                    name = QString::fromUtf8(meta->getField(&st, i));
                name = name.toUpper();
                const int times = seen.value(name, 0);
                seen[name] = times + 1;
                c.name = times == 0 ? name : name + QString::number(times);
                c.relation = QString::fromUtf8(meta->getRelation(&st, i)).toUpper();
                const unsigned type = meta->getType(&st, i) & ~1u;
                c.scale = meta->getScale(&st, i);
                c.subType = meta->getSubType(&st, i);
                switch (type) {
                case SQL_TEXT:
                case SQL_VARYING:
                    // fixed-length text arrives as varying text; its padding is dropped on reading
                    c.fixedChar = type == SQL_TEXT;
                    c.type = SQL_VARYING;
                    builder->setType(&st, i, SQL_VARYING);
                    builder->setLength(&st, i, meta->getLength(&st, i));
                    break;
                case SQL_SHORT:
                case SQL_LONG:
                case SQL_INT64:
                    c.type = SQL_INT64;
                    builder->setType(&st, i, SQL_INT64);
                    builder->setLength(&st, i, 8);
                    builder->setScale(&st, i, c.scale);
                    break;
                case SQL_FLOAT:
                case SQL_DOUBLE:
                case SQL_D_FLOAT:
                    c.type = SQL_DOUBLE;
                    builder->setType(&st, i, SQL_DOUBLE);
                    builder->setLength(&st, i, 8);
                    builder->setScale(&st, i, 0);
                    break;
                default: c.type = type; break;
                }
            }
            m_outMeta = builder->getMetadata(&st);
            builder->release();
            meta->release();
            for (unsigned i = 0; i < count; ++i) {
                m_columns[int(i)].offset = m_outMeta->getOffset(&st, i);
                m_columns[int(i)].nullOffset = m_outMeta->getNullOffset(&st, i);
                m_columns[int(i)].length = m_outMeta->getLength(&st, i);
            }
            m_row.fill(0, int(m_outMeta->getMessageLength(&st)));
        },
        m_sql);
    for (int i = 0; i < m_columns.size(); ++i)
        if (!m_columnIndex.contains(m_columns[i].name))
            m_columnIndex.insert(m_columns[i].name, i);
}

Query::Param &Query::param(const QString &name)
{
    QString key = name.toUpper();
    if (key.startsWith(QLatin1Char(':')))
        key.remove(0, 1);
    const auto it = m_paramIndex.constFind(key);
    if (it == m_paramIndex.constEnd())
        throw DbError(QStringLiteral("Parâmetro não encontrado: ") + name, m_sql);
    return *m_params[it.value()];
}

void Query::setText(const QString &name, const QString &value)
{
    Param &p = param(name);
    QString bad;
    if (!Win1252::encode(value, &p.bytes, &bad))
        throw DbError::refused(Win1252::unencodableMessage(bad), m_sql);
    p.kind = Param::Kind::Text;
}

void Query::setInt(const QString &name, qint32 value)
{
    setInt64(name, value);
}

void Query::setInt64(const QString &name, qint64 value)
{
    setScaled(name, value, 0);
}

void Query::setScaled(const QString &name, qint64 value, int scale)
{
    Param &p = param(name);
    p.kind = Param::Kind::Int64;
    p.number = value;
    p.scale = scale;
}

void Query::setDate(const QString &name, double dayNumber)
{
    Param &p = param(name);
    p.kind = Param::Kind::Date;
    p.dateTime = dayNumber;
}

void Query::setDateTime(const QString &name, double dayNumber)
{
    Param &p = param(name);
    p.kind = Param::Kind::DateTime;
    p.dateTime = dayNumber;
}

void Query::setTextBlob(const QString &name, const QString &value)
{
    Param &p = param(name);
    QString bad;
    if (!Win1252::encode(value, &p.bytes, &bad))
        throw DbError::refused(Win1252::unencodableMessage(bad), m_sql);
    p.kind = Param::Kind::TextBlob;
}

void Query::setBlob(const QString &name, const QByteArray &bytes)
{
    Param &p = param(name);
    p.bytes = bytes;
    p.kind = Param::Kind::Blob;
}

void Query::setNull(const QString &name)
{
    Param &p = param(name);
    p.kind = Param::Kind::Null;
    p.bytes.clear();
}

void Query::bindInput(QByteArray &buffer, IMessageMetadata **metaOut)
{
    *metaOut = nullptr;
    if (m_positions.isEmpty())
        return;
    IAttachment *att = m_transaction.database().attachment();
    ITransaction *tra = m_transaction.handle();
    FbStatus::run(
        [&](ThrowStatusWrapper &st) {
            IMessageMetadata *described = m_statement->getInputMetadata(&st);
            IMetadataBuilder *builder = described->getBuilder(&st);
            described->release();
            for (int i = 0; i < m_positions.size(); ++i) {
                const Param &p = *m_params[m_paramIndex.value(m_positions[i])];
                const unsigned idx = unsigned(i);
                switch (p.kind) {
                case Param::Kind::Null: break; // the described type, flagged NULL
                case Param::Kind::Text:
                    builder->setType(&st, idx, SQL_VARYING);
                    builder->setCharSet(&st, idx, kCharsetWin1252);
                    builder->setLength(&st, idx, unsigned(qMax<qsizetype>(p.bytes.size(), 1)));
                    break;
                case Param::Kind::Int64:
                    builder->setType(&st, idx, SQL_INT64);
                    builder->setLength(&st, idx, 8);
                    builder->setScale(&st, idx, -p.scale);
                    break;
                case Param::Kind::Date:
                    builder->setType(&st, idx, SQL_TYPE_DATE);
                    builder->setLength(&st, idx, 4);
                    builder->setScale(&st, idx, 0);
                    break;
                case Param::Kind::DateTime:
                    builder->setType(&st, idx, SQL_TIMESTAMP);
                    builder->setLength(&st, idx, 8);
                    builder->setScale(&st, idx, 0);
                    break;
                case Param::Kind::TextBlob:
                case Param::Kind::Blob:
                    builder->setType(&st, idx, SQL_BLOB);
                    builder->setLength(&st, idx, 8);
                    builder->setScale(&st, idx, 0);
                    builder->setSubType(&st, idx, p.kind == Param::Kind::TextBlob ? 1 : 0);
                    if (p.kind == Param::Kind::TextBlob)
                        builder->setCharSet(&st, idx, kCharsetWin1252);
                    break;
                }
            }
            IMessageMetadata *meta = builder->getMetadata(&st);
            builder->release();
            *metaOut = meta;
            buffer.fill(0, int(meta->getMessageLength(&st)));
            unsigned char *base = reinterpret_cast<unsigned char *>(buffer.data());
            for (int i = 0; i < m_positions.size(); ++i) {
                const Param &p = *m_params[m_paramIndex.value(m_positions[i])];
                const unsigned idx = unsigned(i);
                unsigned char *data = base + meta->getOffset(&st, idx);
                auto *nullFlag = reinterpret_cast<short *>(base + meta->getNullOffset(&st, idx));
                *nullFlag = p.kind == Param::Kind::Null ? -1 : 0;
                switch (p.kind) {
                case Param::Kind::Null: break;
                case Param::Kind::Text: {
                    const auto len = static_cast<unsigned short>(p.bytes.size());
                    std::memcpy(data, &len, 2);
                    std::memcpy(data + 2, p.bytes.constData(), size_t(p.bytes.size()));
                    break;
                }
                case Param::Kind::Int64: std::memcpy(data, &p.number, 8); break;
                case Param::Kind::Date: {
                    ISC_DATE d;
                    ISC_TIME t;
                    splitDateTime(p.dateTime, &d, &t);
                    std::memcpy(data, &d, 4);
                    break;
                }
                case Param::Kind::DateTime: {
                    ISC_TIMESTAMP ts;
                    splitDateTime(p.dateTime, &ts.timestamp_date, &ts.timestamp_time);
                    std::memcpy(data, &ts, 8);
                    break;
                }
                case Param::Kind::TextBlob:
                case Param::Kind::Blob: {
                    ISC_QUAD id{};
                    IBlob *blob = att->createBlob(&st, tra, &id, 0, nullptr);
                    try {
                        qsizetype done = 0;
                        while (done < p.bytes.size()) {
                            const auto chunk = unsigned(qMin<qsizetype>(p.bytes.size() - done, 32768));
                            blob->putSegment(&st, chunk, p.bytes.constData() + done);
                            done += chunk;
                        }
                        blob->close(&st);
                    } catch (...) {
                        blob->release();
                        throw;
                    }
                    std::memcpy(data, &id, 8);
                    break;
                }
                }
            }
        },
        m_sql);
}

void Query::execute()
{
    close();
    QByteArray input;
    IMessageMetadata *inMeta = nullptr;
    try {
        bindInput(input, &inMeta);
        Database::countStatement();
        FbStatus::run(
            [&](ThrowStatusWrapper &st) {
                if (m_isSelect) {
                    m_cursor = m_statement->openCursor(&st, m_transaction.handle(), inMeta, input.data(),
                                                       m_outMeta, 0);
                    m_rowsAffected = 0;
                } else {
                    m_statement->execute(&st, m_transaction.handle(), inMeta, input.data(), m_outMeta,
                                         m_outMeta ? m_row.data() : nullptr);
                    m_pendingRow = m_outMeta != nullptr;
                    m_rowsAffected = int(m_statement->getAffectedRecords(&st));
                }
            },
            m_sql);
    } catch (...) {
        if (inMeta)
            inMeta->release();
        throw;
    }
    if (inMeta)
        inMeta->release();
}

QByteArray Query::assinatura(const QString &relation) const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!m_hasRow)
        return {};
    const QString tabela = relation.toUpper();
    for (const Column &c : m_columns) {
        if (c.relation != tabela)
            continue;
        hash.addData(c.name.toUtf8());
        const char *base = m_row.constData();
        const bool nulo = *reinterpret_cast<const short *>(base + c.nullOffset) != 0;
        hash.addData(QByteArrayView(nulo ? "N" : "V", 1));
        if (nulo)
            continue;
        if (c.type == SQL_VARYING) {
            // only the text itself: what follows it in the buffer is left over from other rows
            unsigned short n = 0;
            std::memcpy(&n, base + c.offset, sizeof n);
            hash.addData(QByteArrayView(base + c.offset, qsizetype(sizeof n + qMin<unsigned>(n, c.length))));
        } else {
            hash.addData(QByteArrayView(base + c.offset, qsizetype(c.length)));
        }
    }
    return hash.result();
}

bool Query::next()
{
    if (m_pendingRow) {
        m_pendingRow = false;
        m_hasRow = true;
        return true;
    }
    if (!m_cursor) {
        m_hasRow = false;
        return false;
    }
    int result = 0;
    FbStatus::run([&](ThrowStatusWrapper &st) { result = m_cursor->fetchNext(&st, m_row.data()); }, m_sql);
    m_hasRow = result == IStatus::RESULT_OK;
    if (!m_hasRow)
        close();
    return m_hasRow;
}

void Query::close()
{
    m_pendingRow = false;
    if (!m_cursor)
        return;
    IResultSet *c = m_cursor;
    m_cursor = nullptr;
    try {
        FbStatus::run([&](ThrowStatusWrapper &st) { c->close(&st); });
    } catch (const DbError &) {
        c->release();
    }
}

bool Query::hasField(const QString &name) const
{
    return m_columnIndex.contains(name.toUpper());
}

Field Query::field(const QString &name) const
{
    const auto it = m_columnIndex.constFind(name.toUpper());
    if (it == m_columnIndex.constEnd())
        throw DbError(QStringLiteral("Campo não encontrado: ") + name, m_sql);
    return Field(this, it.value());
}

Field Query::field(int index) const
{
    if (index < 0 || index >= m_columns.size())
        throw DbError(QStringLiteral("Campo não encontrado: ") + QString::number(index), m_sql);
    return Field(this, index);
}

QByteArray Query::readBlob(const unsigned char *quad) const
{
    QByteArray out;
    ISC_QUAD id;
    std::memcpy(&id, quad, sizeof id);
    IAttachment *att = m_transaction.database().attachment();
    FbStatus::run(
        [&](ThrowStatusWrapper &st) {
            IBlob *blob = att->openBlob(&st, m_transaction.handle(), &id, 0, nullptr);
            try {
                char buf[32768];
                for (;;) {
                    unsigned len = 0;
                    const int r = blob->getSegment(&st, sizeof buf, buf, &len);
                    if (r == IStatus::RESULT_OK || r == IStatus::RESULT_SEGMENT)
                        out.append(buf, int(len));
                    else
                        break;
                }
                blob->close(&st);
            } catch (...) {
                blob->release();
                throw;
            }
        },
        m_sql);
    return out;
}

// ---------------------------------------------------------------- Field

const QString &Field::name() const
{
    return m_query->m_columns[m_index].name;
}

bool Field::isNull() const
{
    if (!m_query->m_hasRow)
        return true;
    const Query::Column &c = m_query->m_columns[m_index];
    short flag;
    std::memcpy(&flag, m_query->m_row.constData() + c.nullOffset, 2);
    return flag != 0;
}

QByteArray Field::asBytes() const
{
    if (isNull())
        return {};
    const Query::Column &c = m_query->m_columns[m_index];
    const auto *data = reinterpret_cast<const unsigned char *>(m_query->m_row.constData()) + c.offset;
    if (c.type == SQL_VARYING) {
        unsigned short len;
        std::memcpy(&len, data, 2);
        QByteArray bytes(reinterpret_cast<const char *>(data + 2), len);
        if (c.fixedChar) {
            while (bytes.endsWith(' '))
                bytes.chop(1);
        }
        return bytes;
    }
    if (c.type == SQL_BLOB)
        return m_query->readBlob(data);
    return Win1252::encodeLossy(asString());
}

QString Field::asString() const
{
    if (isNull())
        return {};
    const Query::Column &c = m_query->m_columns[m_index];
    switch (c.type) {
    case SQL_VARYING:
    case SQL_BLOB: return Win1252::decode(asBytes());
    case SQL_INT64: {
        if (c.scale == 0)
            return QString::number(asInt64());
        const qint64 v = asScaled(-c.scale);
        const qint64 p = pow10(-c.scale);
        QString s = QString::number(qAbs(v / p)) + QLatin1Char(',') +
                    QStringLiteral("%1").arg(qAbs(v % p), -c.scale, 10, QLatin1Char('0'));
        return v < 0 ? QLatin1Char('-') + s : s;
    }
    case SQL_DOUBLE: return QString::number(asDouble());
    default: return QString::number(asDateTime(), 'f', 10);
    }
}

qint64 Field::asScaled(int scale) const
{
    if (isNull())
        return 0;
    const Query::Column &c = m_query->m_columns[m_index];
    const auto *data = m_query->m_row.constData() + c.offset;
    if (c.type == SQL_INT64) {
        qint64 v;
        std::memcpy(&v, data, 8);
        const int shift = scale + c.scale; // value = v * 10^scale(column)
        if (shift >= 0)
            return v * pow10(shift);
        const qint64 p = pow10(-shift);
        // round half away from zero when a column holds more decimals than asked
        const qint64 q = v / p, r = v % p;
        return 2 * qAbs(r) >= p ? q + (v < 0 ? -1 : 1) : q;
    }
    if (c.type == SQL_DOUBLE)
        return std::llround(asDouble() * double(pow10(scale)));
    if (c.type == SQL_VARYING) {
        bool ok = false;
        const qint64 v = asString().trimmed().toLongLong(&ok);
        return ok ? v * pow10(scale) : 0;
    }
    return 0;
}

qint64 Field::asInt64() const
{
    return asScaled(0);
}

qint32 Field::asInt() const
{
    return qint32(asInt64());
}

double Field::asDouble() const
{
    if (isNull())
        return 0;
    const Query::Column &c = m_query->m_columns[m_index];
    const auto *data = m_query->m_row.constData() + c.offset;
    if (c.type == SQL_DOUBLE) {
        double d;
        std::memcpy(&d, data, 8);
        return d;
    }
    if (c.type == SQL_INT64) {
        qint64 v;
        std::memcpy(&v, data, 8);
        return double(v) / double(pow10(-c.scale));
    }
    if (c.type == SQL_TYPE_DATE || c.type == SQL_TIMESTAMP || c.type == SQL_TYPE_TIME)
        return asDateTime();
    return asString().toDouble();
}

double Field::asDateTime() const
{
    if (isNull())
        return 0;
    const Query::Column &c = m_query->m_columns[m_index];
    const auto *data = m_query->m_row.constData() + c.offset;
    switch (c.type) {
    case SQL_TYPE_DATE: {
        ISC_DATE d;
        std::memcpy(&d, data, 4);
        return joinDateTime(d, 0);
    }
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP ts;
        std::memcpy(&ts, data, 8);
        return joinDateTime(ts.timestamp_date, ts.timestamp_time);
    }
    case SQL_TYPE_TIME: {
        ISC_TIME t;
        std::memcpy(&t, data, 4);
        return double(t) / double(kTicksPerDay);
    }
    default: return asDouble();
    }
}

double Field::asDate() const
{
    const double v = asDateTime();
    return v < 0 ? std::trunc(v) : std::floor(v);
}
