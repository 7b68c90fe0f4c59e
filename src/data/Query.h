#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class Transaction;

namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
} // namespace Firebird

class Query;

// One column of the current row (valid until the next fetch).
class Field {
public:
    bool isNull() const;
    QString asString() const;   // text (CHAR columns without trailing blanks), numbers as text, text blobs
    QByteArray asBytes() const; // the stored bytes of a text or blob column
    qint32 asInt() const;       // 0 when NULL
    qint64 asInt64() const;     // integer part for scaled numbers
    qint64 asScaled(int scale) const; // the value times 10^scale, exact for NUMERIC (money: scale 4)
    double asDouble() const;
    double asDateTime() const; // day number from 30/12/1899 with the time as a fraction; 0 when NULL
    double asDate() const;     // the same without the time
    const QString &name() const;

private:
    friend class Query;
    Field(const Query *q, int index) : m_query(q), m_index(index) {}
    const Query *m_query;
    int m_index;
};

// A statement with named parameters (":LOGIN"; a name used twice binds both
// places), prepared in a transaction. Values travel as typed parameters, never
// pasted into the text. Rows are read forward only, one at a time.
class Query {
public:
    // Prepares at once. Throws DbError (with the statement text).
    Query(Transaction &transaction, const QString &sql);
    ~Query();
    Query(const Query &) = delete;
    Query &operator=(const Query &) = delete;

    const QString &sql() const { return m_sql; }
    QStringList parameterNames() const;

    // Setters throw DbError for an unknown name or for text that Windows-1252
    // cannot hold. A parameter never set is sent as NULL.
    void setText(const QString &name, const QString &value);
    void setInt(const QString &name, qint32 value);
    void setInt64(const QString &name, qint64 value);
    void setScaled(const QString &name, qint64 value, int scale); // value / 10^scale, exact
    void setDate(const QString &name, double dayNumber);          // the date part only
    void setDateTime(const QString &name, double dayNumber);
    void setTextBlob(const QString &name, const QString &value);
    void setBlob(const QString &name, const QByteArray &bytes);
    void setNull(const QString &name);

    // Runs the statement. Rows of a SELECT are then read with next(); a
    // statement with RETURNING has its one row ready at once.
    void execute();
    void open() { execute(); }
    bool next();
    void close();
    bool isOpen() const { return m_cursor != nullptr; }

    // Rows changed by the last INSERT, UPDATE or DELETE.
    int rowsAffected() const { return m_rowsAffected; }

    int fieldCount() const { return m_columns.size(); }
    bool hasField(const QString &name) const;
    // By column name; where names repeat, the second is NAME1, the third NAME2.
    Field field(const QString &name) const;
    Field field(int index) const;

    // A digest of the current row's columns that come from `relation` (a
    // table name), values as stored: two readings of one row give the same
    // digest exactly when nobody changed it in between.
    QByteArray assinatura(const QString &relation) const;

private:
    friend class Field;
    struct Param {
        enum class Kind { Null, Text, Int64, Date, DateTime, TextBlob, Blob };
        QString name;
        Kind kind = Kind::Null;
        QByteArray bytes;
        qint64 number = 0;
        int scale = 0;
        double dateTime = 0;
    };
    struct Column {
        QString name;
        unsigned type = 0;
        int scale = 0;
        int subType = 0;
        unsigned offset = 0;
        unsigned nullOffset = 0;
        bool fixedChar = false;
        QString relation;
        unsigned length = 0;
    };

    void prepareOutput();
    Param &param(const QString &name);
    void bindInput(QByteArray &buffer, Firebird::IMessageMetadata **meta);
    QByteArray readBlob(const unsigned char *quad) const;

    Transaction &m_transaction;
    QString m_sql;
    QString m_parsedSql;
    QStringList m_positions;          // parameter name of each '?', in order
    QHash<QString, int> m_paramIndex; // name -> index into m_params
    QVector<std::shared_ptr<Param>> m_params;
    QVector<Column> m_columns;
    QHash<QString, int> m_columnIndex;

    Firebird::IStatement *m_statement = nullptr;
    Firebird::IResultSet *m_cursor = nullptr;
    Firebird::IMessageMetadata *m_outMeta = nullptr;
    QByteArray m_row;
    bool m_hasRow = false;
    bool m_pendingRow = false; // a RETURNING row waiting for next()
    int m_rowsAffected = 0;
    bool m_isSelect = false;
};
