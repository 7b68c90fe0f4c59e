#include "model/MalaDireta.h"

#include "app/ProgramFolder.h"
#include "data/Query.h"
#include "services/Seams.h"
#include "services/TMAPIMail.h"
#include "util/RtfWriter.h"
#include "util/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace MalaDireta {

namespace {

// at least two digits: 5 becomes "05"
QString doisDigitos(qint32 n)
{
    return n >= 0 && n < 10 ? QLatin1Char('0') + QString::number(n) : QString::number(n);
}

// the postal code is stored as a number: one starting with 0 lost it there
QString cep(qint32 n)
{
    return n > 0 ? QStringLiteral("%1").arg(n, 8, 10, QLatin1Char('0')) : doisDigitos(n);
}

QString data(const Field &f)
{
    return f.isNull() ? QString() : FormatDateTime(QStringLiteral("dd/mm/yyyy"), f.asDate());
}

// The file written whole or not at all.
void gravar(const QString &caminho, const QByteArray &conteudo)
{
    QSaveFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(conteudo) != conteudo.size() || !f.commit())
        throw DbError::refused(
            QStringLiteral("Não foi possível gravar o arquivo %1.").arg(QDir::toNativeSeparators(caminho)),
            {});
}

QString corpoHtml(const QString &texto)
{
    QString html = texto.toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QStringLiteral("<html><body>") + html + QStringLiteral("</body></html>");
}

} // namespace

QStringList Rotulos(Tipo tipo)
{
    if (tipo == Tipo::PessoaFisica)
        return {
            QStringLiteral("Tratamento"),   QStringLiteral("Nome"),      QStringLiteral("Apelido"),
            QStringLiteral("Rua"),          QStringLiteral("Numero"),    QStringLiteral("Bairro"),
            QStringLiteral("Cidade"),       QStringLiteral("Estado"),    QStringLiteral("CEP"),
            QStringLiteral("Caixa Postal"), QStringLiteral("Profissão"), QStringLiteral("Data Nascimento"),
            QStringLiteral("Data"),         QStringLiteral("Hora")};
    return {QStringLiteral("Nome"),         QStringLiteral("CNPJ"),   QStringLiteral("IE"),
            QStringLiteral("Rua"),          QStringLiteral("Numero"), QStringLiteral("Bairro"),
            QStringLiteral("Cidade"),       QStringLiteral("Estado"), QStringLiteral("CEP"),
            QStringLiteral("Caixa Postal"), QStringLiteral("Data"),   QStringLiteral("Hora")};
}

QString Token(const QString &rotulo)
{
    return QStringLiteral("<|") + rotulo + QStringLiteral("|>");
}

QString Comando(Tipo tipo, const Escolha &escolha)
{
    if (tipo == Tipo::PessoaJuridica) {
        if (escolha.modo == Escolha::Modo::Grupo)
            return QStringLiteral(
                "SELECT * FROM PESSOAJURIDICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
                ":PUBLICA) AND G.COD_GRUPO = :COD_GRUPO AND G.COD_GRUPO = P.COD_GRUPO AND P.ENVIAR "
                "= :ENVIAR ORDER BY NOME, IDENTIFICADOR ");
        return QStringLiteral(
            "SELECT * FROM PESSOAJURIDICA WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) AND "
            "ENVIAR = :ENVIAR ORDER BY NOME, IDENTIFICADOR ");
    }
    switch (escolha.modo) {
    case Escolha::Modo::Grupo:
        return QStringLiteral(
            "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
            ":PUBLICA) AND G.COD_GRUPO = :COD_GRUPO AND G.COD_GRUPO = P.COD_GRUPO AND P.ENVIAR = "
            ":ENVIAR ORDER BY NOME, IDENTIFICADOR ");
    case Escolha::Modo::Aniversario:
        return QStringLiteral(
            "SELECT * FROM PESSOAFISICA P, GRUPO G WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = "
            ":PUBLICA) AND P.ENVIAR = :ENVIAR AND G.COD_GRUPO = P.COD_GRUPO AND EXTRACT(MONTH "
            "FROM P.DATA_NASCIMENTO) = :MES ORDER BY NOME, IDENTIFICADOR ");
    case Escolha::Modo::Todos: break;
    }
    return QStringLiteral(
        "SELECT * FROM PESSOAFISICA WHERE (UPPER(LOGIN) = :LOGIN OR PUBLICA = :PUBLICA) AND "
        "ENVIAR = :ENVIAR ORDER BY NOME, IDENTIFICADOR ");
}

int SubstituirTodos(QTextDocument &documento, const QString &token, const QString &valor)
{
    return Substituir(documento, {{token, valor}});
}

int Substituir(QTextDocument &documento, const QHash<QString, QString> &valores)
{
    int feitos = 0;
    int pos = 0;
    for (;;) {
        QTextCursor inicio = documento.find(QStringLiteral("<|"), pos, QTextDocument::FindCaseSensitively);
        if (inicio.isNull())
            break;
        const QTextBlock bloco = inicio.block();
        const int noBloco = inicio.selectionStart() - bloco.position();
        const int fim = bloco.text().indexOf(QLatin1String("|>"), noBloco + 2);
        if (fim < 0) {
            pos = inicio.selectionEnd();
            continue;
        }
        const QString token = bloco.text().mid(noBloco, fim + 2 - noBloco);
        const auto it = valores.constFind(token);
        if (it == valores.constEnd()) {
            // "<|a <|Nome|>": the next "<|" may start a real one
            pos = inicio.selectionStart() + 1;
            continue;
        }
        QTextCursor c(&documento);
        c.setPosition(inicio.selectionStart());
        c.setPosition(inicio.selectionStart() + 1, QTextCursor::KeepAnchor);
        const QTextCharFormat formato = c.charFormat();
        c.setPosition(bloco.position() + fim + 2, QTextCursor::KeepAnchor);
        c.insertText(it.value(), formato);
        pos = c.position();
        ++feitos;
    }
    return feitos;
}

QHash<QString, QString> Valores(Tipo tipo, const Query &q, TDateTime agora)
{
    QHash<QString, QString> v;
    auto texto = [&](const char *rotulo, const char *coluna) {
        v.insert(Token(QString::fromUtf8(rotulo)), q.field(QLatin1String(coluna)).asString());
    };
    texto("Nome", "NOME");
    if (tipo == Tipo::PessoaFisica) {
        texto("Tratamento", "TRATAMENTO");
        texto("Apelido", "APELIDO");
        texto("Profissão", "PROFISSAO");
        v.insert(Token(QStringLiteral("Data Nascimento")), data(q.field(QStringLiteral("DATA_NASCIMENTO"))));
    } else {
        texto("CNPJ", "CNPJ");
        texto("IE", "IE");
    }
    texto("Rua", "RUA");
    v.insert(Token(QStringLiteral("Numero")), doisDigitos(q.field(QStringLiteral("NUMERO")).asInt()));
    texto("Bairro", "BAIRRO");
    texto("Cidade", "CIDADE");
    texto("Estado", "ESTADO");
    v.insert(Token(QStringLiteral("CEP")), cep(q.field(QStringLiteral("CEP")).asInt()));
    v.insert(Token(QStringLiteral("Caixa Postal")), doisDigitos(q.field(QStringLiteral("CP")).asInt()));
    v.insert(Token(QStringLiteral("Data")), FormatDateTime(QStringLiteral("dd/mm/yyyy"), agora));
    v.insert(Token(QStringLiteral("Hora")), FormatDateTime(QStringLiteral("hh:nn:ss"), agora));
    return v;
}

QString Pasta()
{
    return ProgramPath(QStringLiteral("MalaDireta/"));
}
QString ArquivoCarta()
{
    return ProgramPath(QStringLiteral("MalaDireta/Mala.RTF"));
}
QString ArquivoDocumento()
{
    return ProgramPath(QStringLiteral("MalaDireta/MalaPF.RTF"));
}
QString ArquivoEnvio(int numero)
{
    return ProgramPath(QStringLiteral("MalaDireta/envio/%1/Mala.RTF").arg(numero, 4, 10, QLatin1Char('0')));
}

Geracao::Geracao() = default;
Geracao::~Geracao() = default;
Geracao::Geracao(Geracao &&) noexcept = default;
Geracao &Geracao::operator=(Geracao &&) noexcept = default;

Geracao Gerar(Database &db, const Pedido &pedido, const QTextDocument &modelo, const Progresso &progresso)
{
    Geracao g;
    const QString loginMaiusculo = Win1252::toUpper(pedido.login);
    g.resultado = dbOperation(db, [&](Transaction &t) {
        g.cartas.clear();
        g.ultimaCarta.clear();
        g.cabecalho.clear();
        g.corpo.reset();

        Query apagar(t, QStringLiteral("DELETE FROM MALA_DIRETA WHERE UPPER(LOGIN) = :LOGIN"));
        apagar.setText(QStringLiteral("LOGIN"), loginMaiusculo);
        apagar.execute();

        if (!QDir().mkpath(Pasta()))
            throw DbError::refused(
                QStringLiteral("Não foi possível criar a pasta %1.").arg(QDir::toNativeSeparators(Pasta())),
                {});
        if (pedido.copiasParaEnvio)
            QDir(Pasta() + QStringLiteral("envio")).removeRecursively();
        auto corpo = std::make_unique<QTemporaryFile>(Pasta() + QStringLiteral("MalaPF-XXXXXX.tmp"));
        if (!corpo->open())
            throw DbError::refused(QStringLiteral("Não foi possível criar um arquivo temporário em %1.")
                                       .arg(QDir::toNativeSeparators(Pasta())),
                                   {});

        Query q(t, Comando(pedido.tipo, pedido.escolha));
        q.setText(QStringLiteral("LOGIN"), loginMaiusculo);
        q.setInt(QStringLiteral("PUBLICA"), 1);
        q.setInt(QStringLiteral("ENVIAR"), 1);
        if (pedido.escolha.modo == Escolha::Modo::Grupo)
            q.setInt(QStringLiteral("COD_GRUPO"), pedido.escolha.grupo);
        else if (pedido.escolha.modo == Escolha::Modo::Aniversario && pedido.tipo == Tipo::PessoaFisica)
            q.setInt(QStringLiteral("MES"), pedido.escolha.mes);
        q.execute();

        Query inserir(t,
                      QStringLiteral("INSERT INTO MALA_DIRETA(TEXTO, LOGIN, EMAIL_DESTINO) VALUES (:TEXTO, "
                                     ":LOGIN, :EMAIL_DESTINO)"));
        // one writer per output: a picture of the template is encoded once
        RtfWriter cartas;
        RtfWriter juntas;
        QByteArray trecho;
        while (q.next()) {
            const int numero = int(g.cartas.size()) + 1;
            if (progresso)
                progresso(QStringLiteral("Montando a carta %1 (%2)")
                              .arg(numero)
                              .arg(q.field(QStringLiteral("NOME")).asString()),
                          numero - 1, 0);
            // every letter starts from the same copy of the template
            std::unique_ptr<QTextDocument> carta(modelo.clone());
            Substituir(*carta, Valores(pedido.tipo, q, pedido.agora));
            const QByteArray rtf = cartas.document(*carta);
            const QString email = q.field(QStringLiteral("EMAIL")).asString().trimmed();

            inserir.setBlob(QStringLiteral("TEXTO"), rtf);
            inserir.setText(QStringLiteral("LOGIN"), pedido.login);
            inserir.setText(QStringLiteral("EMAIL_DESTINO"), email);
            inserir.execute();

            trecho.clear();
            if (numero > 1)
                trecho += RtfWriter::pageBreak();
            juntas.appendBody(*carta, &trecho);
            if (corpo->write(trecho) != trecho.size())
                throw DbError::refused(QStringLiteral("Não foi possível gravar em %1.")
                                           .arg(QDir::toNativeSeparators(corpo->fileName())),
                                       {});
            if (pedido.copiasParaEnvio) {
                const QString copia = ArquivoEnvio(numero);
                QDir().mkpath(QFileInfo(copia).absolutePath());
                gravar(copia, rtf);
            }
            g.ultimaCarta = rtf;
            g.cartas.append({q.field(QStringLiteral("NOME")).asString(), email});
        }
        if (!corpo->flush())
            throw DbError::refused(QStringLiteral("Não foi possível gravar em %1.")
                                       .arg(QDir::toNativeSeparators(corpo->fileName())),
                                   {});
        g.cabecalho = juntas.header();
        g.corpo = std::move(corpo);
    });
    if (!g.resultado) {
        g.cartas.clear();
        g.ultimaCarta.clear();
        g.corpo.reset();
    }
    return g;
}

namespace {

void entregarSmtp(const Geracao &g, const Envio &envio, const Progresso &progresso)
{
    QList<MailAttachment> escolhidos;
    for (const QString &a : envio.anexos) {
        QFile f(a);
        if (!f.open(QIODevice::ReadOnly)) {
            Seams::messages().show(
                QStringLiteral("O arquivo anexo %1 não pôde ser lido.").arg(QDir::toNativeSeparators(a)),
                MessageService::Kind::Error);
            return;
        }
        escolhidos.append({QFileInfo(a).fileName(), f.readAll()});
    }
    int enviadas = 0;
    int falhas = 0;
    QString primeiroErro;
    auto enviar = [&](MailMessage m) {
        m.subject = envio.assunto;
        m.htmlBody = corpoHtml(envio.corpo);
        QString erro;
        if (Seams::mail().send(m, &erro)) {
            ++enviadas;
        } else {
            ++falhas;
            if (primeiroErro.isEmpty())
                primeiroErro = erro;
        }
    };
    if (envio.paraTodos) {
        MailMessage m;
        for (const Destino &d : g.cartas)
            if (!d.email.isEmpty())
                m.bcc << d.email;
        m.attachments = escolhidos;
        if (!m.bcc.isEmpty())
            enviar(m);
    } else {
        const int total = int(g.cartas.size());
        for (int i = 0; i < total; ++i) {
            const Destino &d = g.cartas.at(i);
            if (d.email.isEmpty())
                continue;
            if (progresso)
                progresso(QStringLiteral("Enviando a carta de %1").arg(d.nome), i, total);
            MailMessage m;
            m.to << d.email;
            m.attachments = escolhidos;
            if (!envio.apenasAnexo) {
                QFile f(ArquivoEnvio(i + 1));
                if (!f.open(QIODevice::ReadOnly)) {
                    ++falhas;
                    continue;
                }
                m.attachments.append(
                    {QStringLiteral("Mala.RTF"), f.readAll(), QByteArrayLiteral("application/rtf")});
            }
            enviar(m);
        }
    }
    QString texto = QStringLiteral("Envio concluído: %1 mensagem(ns) enviada(s), %2 com falha.")
                        .arg(enviadas)
                        .arg(falhas);
    if (!primeiroErro.isEmpty())
        texto += QStringLiteral("\r\n") + primeiroErro;
    Seams::messages().show(texto, falhas ? MessageService::Kind::Warning : MessageService::Kind::Information);
}

void entregarAoProgramaDeEmail(const Geracao &g, const Envio &envio)
{
    auto enviar = [&](const QStringList &enderecos, const QStringList &anexos) {
        TMAPIMail mail;
        mail.Subject = envio.assunto;
        mail.Body = envio.corpo;
        for (const QString &e : enderecos)
            mail.Recipients << QStringLiteral("BCC:") + e;
        mail.Attachments = anexos;
        mail.EditDialog = true;
        // a message the user discards in the mail program is simply not
        // sent; a program that cannot start or a file gone stops the sending
        if (mail.Send() == TMAPIMail::Sucesso)
            return true;
        Seams::messages().show(mail.Erro(), MessageService::Kind::Error);
        return false;
    };
    if (envio.paraTodos) {
        QStringList todos;
        for (const Destino &d : g.cartas)
            if (!d.email.isEmpty())
                todos << d.email;
        if (!todos.isEmpty())
            enviar(todos, envio.anexos);
        return;
    }
    for (int i = 0; i < g.cartas.size(); ++i) {
        const Destino &d = g.cartas.at(i);
        if (d.email.isEmpty())
            continue;
        QStringList anexos = envio.anexos;
        if (!envio.apenasAnexo)
            anexos << ArquivoEnvio(int(i) + 1);
        if (!enviar({d.email}, anexos))
            return;
    }
}

} // namespace

Resultado MontarDocumento(Geracao &geracao, const Envio &envio, const Progresso &progresso)
{
    try {
        if (!QDir().mkpath(Pasta()))
            throw DbError::refused(
                QStringLiteral("Não foi possível criar a pasta %1.").arg(QDir::toNativeSeparators(Pasta())),
                {});
        QFile::remove(ArquivoCarta());
        if (!geracao.corpo || !geracao.corpo->seek(0))
            throw DbError::refused(QStringLiteral("As cartas desta mala direta não estão mais disponíveis."),
                                   {});

        QSaveFile doc(ArquivoDocumento());
        bool ok = doc.open(QIODevice::WriteOnly) && doc.write(geracao.cabecalho) == geracao.cabecalho.size();
        while (ok && !geracao.corpo->atEnd()) {
            const QByteArray bloco = geracao.corpo->read(1 << 20);
            ok = !bloco.isEmpty() && doc.write(bloco) == bloco.size();
        }
        const QByteArray rodape = RtfWriter::footer();
        ok = ok && doc.write(rodape) == rodape.size() && doc.commit();
        if (!ok)
            throw DbError::refused(QStringLiteral("Não foi possível gravar o arquivo %1.")
                                       .arg(QDir::toNativeSeparators(ArquivoDocumento())),
                                   {});
        if (!geracao.ultimaCarta.isEmpty())
            gravar(ArquivoCarta(), geracao.ultimaCarta);
    } catch (const DbError &e) {
        Seams::messages().show(e.message(), MessageService::Kind::Error);
        return Resultado::Falhou;
    }
    geracao.corpo.reset();

    if (envio.email) {
        if (envio.smtp)
            entregarSmtp(geracao, envio, progresso);
        else
            entregarAoProgramaDeEmail(geracao, envio);
    }

    if (Seams::messages().confirm(PerguntaSucesso()))
        Seams::shell().open(ArquivoDocumento());
    return Resultado::Gravado;
}

Resultado Executar(Database &db, const Pedido &pedido, const QTextDocument &modelo, const Envio &envio,
                   const Progresso &progresso)
{
    if (envio.email && envio.paraTodos && envio.anexos.isEmpty()) {
        Seams::messages().show(MensagemSemAnexos(), MessageService::Kind::Warning);
        return Resultado::Recusado;
    }
    Pedido p = pedido;
    p.copiasParaEnvio = envio.email && !envio.paraTodos && !envio.apenasAnexo;
    Geracao g = Gerar(db, p, modelo, progresso);
    if (!g.resultado) {
        // the companies' screen has always shown the statement too
        Seams::messages().show(pedido.tipo == Tipo::PessoaJuridica ? g.resultado.texto(g.resultado.sql)
                                                                   : g.resultado.error,
                               MessageService::Kind::Error);
        return Resultado::Falhou;
    }
    if (g.cartas.isEmpty()) {
        Seams::messages().show(MensagemSemDados());
        return Resultado::Recusado;
    }
    return MontarDocumento(g, envio, progresso);
}

QString MensagemSemDados()
{
    return QStringLiteral("Não há dados a emitir!");
}

QString PerguntaSucesso()
{
    return QStringLiteral("Mala Direta Gerada com Sucesso!\r\nO arquivo ") +
           QDir::toNativeSeparators(ArquivoDocumento()) +
           QStringLiteral(" esta pronto!\r\nDeseja visualizá-lo?");
}

QString MensagemSemAnexos()
{
    return QStringLiteral(
        "Para enviar uma só mensagem a todos escolha o(s) arquivo(s) a anexar: a carta de cada "
        "pessoa não vai numa mensagem para todos.");
}

} // namespace MalaDireta
