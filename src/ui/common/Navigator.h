#pragma once

#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>

class QWidget;

// Screens open other screens by name through the one installed navigator, so
// a test can see "this button opened TfrPesquisaAnotacao" without running it.
// Menu entries of screens that are not registered stay disabled.
class Navigator {
public:
    // Shows the screen modally; returns its exec() result.
    using Factory = std::function<int(QWidget *owner, const QVariantMap &args)>;

    virtual ~Navigator() = default;
    virtual bool has(const QString &screen) const = 0;
    virtual int open(const QString &screen, QWidget *owner, const QVariantMap &args = {}) = 0;

    static Navigator &instance();
    static void install(std::unique_ptr<Navigator> navigator);
};

// The program's navigator: a table of screen factories.
class ScreenNavigator : public Navigator {
public:
    void add(const QString &screen, Factory factory);
    bool has(const QString &screen) const override;
    int open(const QString &screen, QWidget *owner, const QVariantMap &args = {}) override;

private:
    QHash<QString, Factory> m_factories;
};

// Registers every screen the program has into a ScreenNavigator and installs it.
void InstallScreens();
