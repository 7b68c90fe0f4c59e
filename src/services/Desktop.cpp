#include "services/Desktop.h"

#include "app/ProgramFolder.h"
#include "services/Seams.h"
#include "util/PaginaHtml.h"

bool IsKeyDown(int virtualKey)
{
    return Seams::keyboard().isKeyDown(virtualKey);
}

bool IsOnNetwork()
{
    return Seams::network().isOnNetwork();
}

void OpenWithShell(const QString &target)
{
    Seams::shell().open(target);
}

namespace {

template <typename Pagina>
bool gravarEAbrir(const QString &arquivo, const Pagina &pagina)
{
    const QString caminho = ProgramPath(arquivo);
    QString erro;
    if (!GravarPagina(caminho, pagina, &erro)) {
        Seams::messages().show(erro, MessageService::Kind::Error);
        return false;
    }
    OpenWithShell(caminho);
    return true;
}

} // namespace

bool GravarEAbrirPagina(const QString &arquivo, const QString &texto)
{
    return gravarEAbrir(arquivo, texto);
}

bool GravarEAbrirPagina(const QString &arquivo, const QStringList &linhas)
{
    return gravarEAbrir(arquivo, linhas);
}
