#include "data/FbStatus.h"

#include "data/Database.h"
#include "util/Win1252.h"

#include <ibase.h>

namespace FbStatus {

QString text(const Firebird::IStatus *status)
{
    char buffer[4096];
    const unsigned n =
        Database::util()->formatStatus(buffer, sizeof buffer - 1, const_cast<Firebird::IStatus *>(status));
    QString s = Win1252::decode(QByteArray(buffer, int(qMin<unsigned>(n, sizeof buffer - 1))));
    while (s.endsWith(QLatin1Char('\n')))
        s.chop(1);
    return s;
}

long firstCode(const Firebird::IStatus *status)
{
    const intptr_t *v = const_cast<Firebird::IStatus *>(status)->getErrors();
    return (v && v[0] == isc_arg_gds) ? long(v[1]) : 0;
}

QString paraOUsuario(long code, const QString &texto)
{
    switch (code) {
    case isc_network_error:
    case isc_net_read_err:
    case isc_net_write_err:
    case isc_conn_lost:
    case isc_lost_db_connection:
    case isc_att_shutdown:
    case isc_shutdown:
        return QStringLiteral(
                   "A conexão com o servidor de banco de dados foi perdida. Nada do que estava "
                   "sendo feito foi gravado; tente de novo quando o servidor estiver disponível.\n") +
               texto;
    case isc_lock_conflict:
    case isc_deadlock:
    case isc_update_conflict:
    case isc_lock_timeout:
        return QStringLiteral("Outro usuário está alterando estes dados neste momento. Nada foi gravado; "
                              "tente de novo em alguns instantes.\n") +
               texto;
    default: return texto;
    }
}

void run(const std::function<void(Firebird::ThrowStatusWrapper &)> &call, const QString &sql)
{
    Firebird::ThrowStatusWrapper status(Database::master()->getStatus());
    try {
        call(status);
    } catch (const Firebird::FbException &e) {
        const long code = firstCode(e.getStatus());
        DbError error(paraOUsuario(code, text(e.getStatus())), sql, code);
        status.dispose();
        throw error;
    }
    status.dispose();
}

} // namespace FbStatus
