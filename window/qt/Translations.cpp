#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

void InstallBulgarianTranslations(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/i18n/qtbase_bg.qm")))
        QCoreApplication::installTranslator(translator);
    else
        qWarning("The built-in Bulgarian translation of the toolkit could not be loaded");
}
