#pragma once

#include "ui/common/Navigator.h"

#include <QList>
#include <QPair>
#include <QSet>

// Records the screens opened; only the screens listed in `existing` count as
// present (their menu entries are enabled).
class RecordingNavigator : public Navigator {
public:
    QSet<QString> existing;
    QList<QPair<QString, QVariantMap>> opened;
    std::function<int(const QString &, QWidget *, const QVariantMap &)> onOpen;

    bool has(const QString &screen) const override { return existing.contains(screen); }
    int open(const QString &screen, QWidget *owner, const QVariantMap &args) override
    {
        opened.append({screen, args});
        return onOpen ? onOpen(screen, owner, args) : 0;
    }

    static RecordingNavigator *install(QSet<QString> existing)
    {
        auto *n = new RecordingNavigator;
        n->existing = std::move(existing);
        Navigator::install(std::unique_ptr<Navigator>(n));
        return n;
    }
};
