// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform::qt {

bool installSpanishTranslations(QCoreApplication &application)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString directory = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    // Linux distributions ship qtbase_es; windeployqt merges it into qt_es.
    for (const QString &name : {QStringLiteral("qtbase_es"), QStringLiteral("qt_es")}) {
        auto *translator = new QTranslator(&application);
        if (translator->load(name, directory))
            return QCoreApplication::installTranslator(translator);
        delete translator;
    }
    return false;
}

} // namespace platform::qt
