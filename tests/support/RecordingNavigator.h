#pragma once

#include "ui/common/Navigator.h"

#include <QList>
#include <QPair>
#include <QSet>

// Records the screens opened and what each was opened with; only the screens
// listed in `existing` count as present (their menu entries are enabled).
// onOpen answers for the screen (the person picked in a search, say).
class RecordingNavigator : public Navigator {
public:
    QSet<QString> existing;
    QList<QPair<QString, Abertura>> opened;
    std::function<Retorno(const QString &, QWidget *, const Abertura &)> onOpen;

    bool has(const QString &screen) const override { return existing.contains(screen); }
    Retorno open(const QString &screen, QWidget *owner, const Abertura &abertura) override
    {
        opened.append({screen, abertura});
        return onOpen ? onOpen(screen, owner, abertura) : Retorno{};
    }

    static RecordingNavigator *install(QSet<QString> existing)
    {
        auto *n = new RecordingNavigator;
        n->existing = std::move(existing);
        Navigator::install(std::unique_ptr<Navigator>(n));
        return n;
    }
};
