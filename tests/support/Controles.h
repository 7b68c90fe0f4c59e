#pragma once

#include <QObject>
#include <QString>

// A screen's control by its object name; a missing control ends the test
// with its name (a typo in a test is not a failed check).
template <typename T>
T *child(QObject *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

template <typename T>
T *child(QObject *w, const char *name)
{
    return child<T>(w, QString::fromLatin1(name));
}
