// SPDX-License-Identifier: MIT
#include "fonts.h"
#include "form1.h"
#include "pictures.h"
#include "qttext.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char *argv[])
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 6 does both always: windows follow the screen's scale, pixmaps carry their density.
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmora.Velmora"));
    // Every window takes the application icon unless it sets its own. Dense screens also get the
    // larger sizes; at 100 % the desktop scales the one 48-pixel image as ever, and start-up does
    // not decode sizes nobody shows.
    QIcon icon(
        QPixmap::fromImage(platform::qt::resourcePicture(QStringLiteral(":/shell/velmora"))));
    if (qApp->devicePixelRatio() > 1) {
        for (const int size : {64, 128})
            icon.addPixmap(QPixmap::fromImage(
                platform::qt::resourcePicture(QStringLiteral(":/shell/velmora-%1").arg(size))));
    }
    QApplication::setWindowIcon(icon);
    platform::qt::installSpanishTranslations(app);
    platform::qt::installFontSubstitutes();
    platform::setUserNumberFormat(platform::qt::numberFormatOf(QLocale()));

    // The main window discards itself when closed; the process ends with the last window.
    platform::load<Form1>().showModeless();
    return QApplication::exec();
}
