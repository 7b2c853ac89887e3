// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

bool installSpanishTranslations(QCoreApplication &application)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString directory = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    auto *translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_es"), directory)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace platform
