#include "support/DbHelpers.h"

#include "data/DbOperation.h"
#include "data/Query.h"

namespace {

void bind(Query &q, const QVariantMap &params)
{
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        const QVariant &v = it.value();
        switch (v.typeId()) {
        case QMetaType::Int: q.setInt(it.key(), v.toInt()); break;
        case QMetaType::LongLong: q.setInt64(it.key(), v.toLongLong()); break;
        case QMetaType::Double: q.setDate(it.key(), v.toDouble()); break;
        case QMetaType::QByteArray: q.setBlob(it.key(), v.toByteArray()); break;
        default:
            if (v.isNull())
                q.setNull(it.key());
            else
                q.setText(it.key(), v.toString());
        }
    }
}

} // namespace

namespace DbHelpers {

bool exec(Database &db, const QString &sql, const QVariantMap &params, QString *error)
{
    const DbResult r = dbOperation(db, [&](Transaction &t) {
        Query q(t, sql);
        bind(q, params);
        q.execute();
    });
    if (error)
        *error = r.error;
    if (!r.ok && !error)
        qWarning("%s\n%s", qPrintable(r.error), qPrintable(sql));
    return r.ok;
}

QVariant scalar(Database &db, const QString &sql, const QVariantMap &params)
{
    QVariant out;
    const DbResult r = dbOperation(db, [&](Transaction &t) {
        Query q(t, sql);
        bind(q, params);
        q.open();
        if (q.next())
            out = q.field(0).isNull() ? QVariant() : QVariant(q.field(0).asString());
    });
    if (!r.ok)
        qWarning("%s", qPrintable(r.error));
    return out;
}

int count(Database &db, const QString &table, const QString &where)
{
    return scalar(db, QStringLiteral("SELECT COUNT(*) FROM ") + table +
                          (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where))
        .toInt();
}

namespace {
int insertPessoa(Database &db, const QString &table, const QString &nome, int grupo, const QString &login,
                 int publica)
{
    int id = 0;
    const DbResult r = dbOperation(db, [&](Transaction &t) {
        Query q(t, QStringLiteral("INSERT INTO ") + table +
                       QStringLiteral(" (COD_GRUPO, NOME, NUMERO, CEP, CP, ENVIAR, PUBLICA, LOGIN") +
                       (table == QLatin1String("PESSOAFISICA")
                            ? QStringLiteral(", SEXO, ESTADO_CIVIL, INFORMAR_ANIVERSARIO")
                            : QString()) +
                       QStringLiteral(") VALUES (:GRUPO, :NOME, 0, 0, 0, 1, :PUBLICA, :LOGIN") +
                       (table == QLatin1String("PESSOAFISICA") ? QStringLiteral(", 0, 0, 0") : QString()) +
                       QStringLiteral(") RETURNING IDENTIFICADOR"));
        q.setInt(QStringLiteral("GRUPO"), grupo);
        q.setText(QStringLiteral("NOME"), nome);
        q.setInt(QStringLiteral("PUBLICA"), publica);
        q.setText(QStringLiteral("LOGIN"), login);
        q.execute();
        if (q.next())
            id = q.field(0).asInt();
    });
    if (!r.ok)
        qWarning("%s", qPrintable(r.error));
    return id;
}
} // namespace

int insertPessoaFisica(Database &db, const QString &nome, int grupo, const QString &login, int publica)
{
    return insertPessoa(db, QStringLiteral("PESSOAFISICA"), nome, grupo, login, publica);
}

int insertPessoaJuridica(Database &db, const QString &nome, int grupo, const QString &login, int publica)
{
    return insertPessoa(db, QStringLiteral("PESSOAJURIDICA"), nome, grupo, login, publica);
}

int insertGrupo(Database &db, const QString &nome)
{
    int id = 0;
    const DbResult r = dbOperation(db, [&](Transaction &t) {
        Query q(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (:N) RETURNING COD_GRUPO"));
        q.setText(QStringLiteral("N"), nome);
        q.execute();
        if (q.next())
            id = q.field(0).asInt();
    });
    return r ? id : 0;
}

bool insertUsuario(Database &db, const QString &login)
{
    return exec(db, QStringLiteral("INSERT INTO USUARIO (LOGIN, NOME, TIPO) VALUES (:L, :L, 1)"),
                {{QStringLiteral("L"), login}});
}

} // namespace DbHelpers
