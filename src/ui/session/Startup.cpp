#include "ui/session/Startup.h"

#include "app/SingleInstance.h"
#include "app/Version.h"
#include "data/DbError.h"
#include "data/TDM.h"
#include "services/Seams.h"
#include "ui/common/WidgetSeams.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

#include <memory>

int RunLumisto(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // 1. another copy running: bring it forward and end here, touching nothing
    SingleInstance instance;
    if (instance.notifyRunning() || !instance.listen())
        return 0;

    // 2. the date and time vocabulary is fixed to Brazilian Portuguese in the
    //    program's own formatter (util/DateTime), whatever the machine's locale

    // 3. title and hint colour
    QApplication::setApplicationName(QStringLiteral("Lumisto"));
    QApplication::setApplicationDisplayName(ProgramTitle());
    QApplication::setApplicationVersion(ProgramVersion());
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(166, 198, 200));
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);
    InstallWidgetSeams();

    // 4. the data module connects (its own failures are shown inside it)
    std::unique_ptr<TDM> dm;
    try {
        dm = std::make_unique<TDM>();
    } catch (const std::exception &) {
        Seams::messages().show(QStringLiteral("Erro na Criação do DataModule!"), MessageService::Kind::Error);
    }

    return 0;
}
