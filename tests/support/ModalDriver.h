#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Acts on the next modal dialog of type T as soon as it is shown (tests drive
// nested exec() loops this way). Gives up after `timeoutMs`.
template <typename T>
void whenModal(std::function<void(T *)> action, int timeoutMs = 10000)
{
    auto *timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action, waited, timeoutMs] {
        *waited += 20;
        // only the innermost modal window counts: acting on one below it would
        // end its loop while a nested one still runs
        T *dlg = qobject_cast<T *>(QApplication::activeModalWidget());
        if (dlg && !dlg->isVisible())
            dlg = nullptr;
        if (dlg || *waited > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            if (dlg)
                action(dlg);
        }
    });
    timer->start(20);
}
