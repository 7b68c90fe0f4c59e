#include "data/FbStatus.h"

#include "data/Database.h"
#include "util/Win1252.h"

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

void run(const std::function<void(Firebird::ThrowStatusWrapper &)> &call, const QString &sql)
{
    Firebird::ThrowStatusWrapper status(Database::master()->getStatus());
    try {
        call(status);
    } catch (const Firebird::FbException &e) {
        DbError error(text(e.getStatus()), sql, firstCode(e.getStatus()));
        status.dispose();
        throw error;
    }
    status.dispose();
}

} // namespace FbStatus
