#include "gui/app/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
const char* const TranslatorName = "QtTranslation";
}

bool InstallQtTranslation(QCoreApplication& app, const QString& language) {
    if (auto* old = app.findChild<QTranslator*>(TranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto* translator = new QTranslator(&app);
    translator->setObjectName(TranslatorName);
    // "qt_uk" names the catalogues of every Qt module; qtbase holds the widgets' texts.
    if (!translator->load("qt_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}
