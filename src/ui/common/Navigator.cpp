#include "ui/common/Navigator.h"

#include "app/TerminationSignals.h"

namespace {
std::unique_ptr<Navigator> &installed()
{
    static std::unique_ptr<Navigator> n = std::make_unique<ScreenNavigator>();
    return n;
}
} // namespace

Navigator &Navigator::instance()
{
    return *installed();
}

void Navigator::install(std::unique_ptr<Navigator> navigator)
{
    installed() = std::move(navigator);
}

void ScreenNavigator::add(const QString &screen, Factory factory)
{
    m_factories.insert(screen, std::move(factory));
}

bool ScreenNavigator::has(const QString &screen) const
{
    return m_factories.contains(screen);
}

Retorno ScreenNavigator::open(const QString &screen, QWidget *owner, const Abertura &abertura)
{
    // the program is ending: no new screen, nobody would use it
    if (TerminationSignals::requested())
        return {};
    const auto it = m_factories.constFind(screen);
    return it == m_factories.constEnd() ? Retorno{} : it.value()(owner, abertura);
}
