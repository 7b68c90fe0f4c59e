#pragma once

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QSet>
#include <QWidget>

// Puts Qt's model tester on every model a screen shows (grids, lists and
// combo boxes): each change the model announces is checked against what it
// answers, and a broken promise fails the running test. The testers live
// as long as their models.
inline void TestarModelos(QWidget *tela)
{
    QSet<QAbstractItemModel *> vistos;
    auto testar = [&vistos](QAbstractItemModel *m) {
        if (!m || vistos.contains(m) || m->findChild<QAbstractItemModelTester *>())
            return;
        vistos.insert(m);
        new QAbstractItemModelTester(m, QAbstractItemModelTester::FailureReportingMode::QtTest, m);
    };
    // Qt's own item widgets are left alone: their model resets itself while
    // the widget is being destroyed, after the tester can answer
    for (QAbstractItemView *v : tela->findChildren<QAbstractItemView *>())
        if (!qobject_cast<QListWidget *>(v))
            testar(v->model());
    for (QComboBox *c : tela->findChildren<QComboBox *>())
        testar(c->model());
}
