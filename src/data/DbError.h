#pragma once

#include <QString>
#include <exception>

// An error from the database or from the layer in front of it: the server's
// text (from its status vector, or our own Portuguese text for a value that
// cannot be sent) and the statement that failed.
class DbError : public std::exception {
public:
    DbError(QString message, QString sql = {}, long gdsCode = 0)
        : m_message(std::move(message)), m_sql(std::move(sql)), m_gdsCode(gdsCode)
    {
    }
    // A value the program itself refuses before anything is sent (a
    // character Windows-1252 lacks): the message alone says it all.
    static DbError refused(QString message, QString sql)
    {
        DbError e(std::move(message), std::move(sql));
        e.m_refused = true;
        return e;
    }
    bool refused() const { return m_refused; }
    const QString &message() const { return m_message; }
    const QString &sql() const { return m_sql; }
    // The first error code of the status vector (isc_...), 0 when none.
    long gdsCode() const { return m_gdsCode; }
    void setSql(const QString &sql) { m_sql = sql; }
    const char *what() const noexcept override { return "database error"; }

private:
    QString m_message;
    QString m_sql;
    long m_gdsCode;
    bool m_refused = false;
};
