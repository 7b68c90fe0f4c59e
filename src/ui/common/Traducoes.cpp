#include "ui/common/Traducoes.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstalarTraducoesDoQt()
{
    // "qtbase" covers the widgets' dialogs; "qtmultimedia" the player's errors
    bool algum = false;
    const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *modulo : {"qtbase", "qtmultimedia"}) {
        auto *tradutor = new QTranslator(QCoreApplication::instance());
        if (tradutor->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QString::fromLatin1(modulo),
                           QStringLiteral("_"), pasta) &&
            QCoreApplication::installTranslator(tradutor)) {
            algum = true;
            continue;
        }
        delete tradutor;
    }
    return algum;
}
