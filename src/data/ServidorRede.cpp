#include "data/ServidorRede.h"

#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "services/Settings.h"

#include <ibase.h>

namespace {
const QString kSecao = QStringLiteral("SERVIDOR");
}

QString ServidorRede::endereco() const
{
    return host.trimmed() + QLatin1Char('/') + QString::number(porta) + QLatin1Char(':') + banco.trimmed();
}

QString ServidorRede::descricao() const
{
    return host.trimmed() + QLatin1Char(':') + banco.trimmed();
}

ServidorRede ServidorRede::Ler()
{
    ServidorRede s;
    s.host = ReadSettingText(kSecao, QStringLiteral("HOST")).trimmed();
    s.porta = ReadSettingInt(kSecao, QStringLiteral("PORTA"));
    if (s.porta <= 0 || s.porta > 65535)
        s.porta = 3050;
    s.banco = ReadSettingText(kSecao, QStringLiteral("BANCO")).trimmed();
    s.usuario = ReadSettingText(kSecao, QStringLiteral("USUARIO")).trimmed();
    s.senha = ReadSettingText(kSecao, QStringLiteral("SENHA"));
    return s;
}

bool ServidorRede::Gravar() const
{
    return WriteSettingText(kSecao, QStringLiteral("HOST"), host.trimmed()) &&
           WriteSettingText(kSecao, QStringLiteral("PORTA"), QString::number(porta)) &&
           WriteSettingText(kSecao, QStringLiteral("BANCO"), banco.trimmed()) &&
           WriteSettingText(kSecao, QStringLiteral("USUARIO"), usuario.trimmed()) &&
           WriteSettingText(kSecao, QStringLiteral("SENHA"), senha);
}

void ServidorRede::Configurar(Database &db) const
{
    db.setParams(usuario.trimmed(), senha, QStringLiteral("WIN1252"));
    db.setRemoto(true);
    db.setDatabaseName(endereco());
}

QString ServidorRede::Mensagem(long gdsCode, const QString &texto) const
{
    const QString onde = QStringLiteral("\"") + descricao() + QStringLiteral("\"");
    switch (gdsCode) {
    case isc_network_error:
    case isc_net_connect_err:
    case isc_net_read_err:
    case isc_net_write_err:
    case isc_conn_lost:
        return QStringLiteral("O servidor de banco de dados ") + host.trimmed() + QStringLiteral(" (porta ") +
               QString::number(porta) +
               QStringLiteral(") não respondeu.\r\nVerifique se o computador servidor está ligado, se o "
                              "Firebird está em execução nele e se a porta está liberada na rede.");
    case isc_login:
        return QStringLiteral("O servidor de banco de dados recusou o usuário \"") + usuario.trimmed() +
               QStringLiteral("\" ou a senha.\r\nVerifique a conta do servidor nas configurações de rede.");
    case isc_io_error:
    case isc_bad_db_format:
        return QStringLiteral("O banco de dados ") + onde +
               QStringLiteral(" não foi encontrado no servidor ou não pôde ser aberto.\r\nVerifique o "
                              "caminho do banco de dados nas configurações de rede.");
    case isc_no_priv:
        return QStringLiteral("O usuário \"") + usuario.trimmed() +
               QStringLiteral("\" não tem permissão para usar o banco de dados ") + onde + QLatin1Char('.');
    default:
        return QStringLiteral("Não foi possível conectar ao banco de dados ") + onde +
               QStringLiteral(".\r\n") + texto;
    }
}

QString ServidorRede::Testar() const
{
    if (!ativo())
        return QStringLiteral("Informe o nome ou o endereço do servidor.");
    if (banco.trimmed().isEmpty())
        return QStringLiteral("Informe o caminho do banco de dados no servidor.");
    Database db;
    Configurar(db);
    try {
        db.connect();
    } catch (const DbError &e) {
        return Mensagem(e.gdsCode(), e.message());
    }
    bool nosso = false;
    const DbResult r = dbLeitura(db, [&](Transaction &t) {
        Query q(t, QStringLiteral("SELECT COUNT(*) FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = 'USUARIO'"));
        q.open();
        nosso = q.next() && q.field(0).asInt() > 0;
    });
    db.disconnect();
    if (!r)
        return Mensagem(r.gdsCode, r.error);
    if (!nosso)
        return QStringLiteral("O banco de dados \"") + descricao() +
               QStringLiteral("\" não é um banco de dados deste programa (não tem a tabela USUARIO).");
    return {};
}
