#include "ui/common/Help.h"

#include "app/ProgramFolder.h"
#include "services/Desktop.h"
#include "util/TextUtils.h"

void OpenHelp(const QString &page)
{
    OpenWithShell(ProgramPath(QStringLiteral("Ajuda/") + page));
}
