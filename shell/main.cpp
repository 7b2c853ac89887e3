// SPDX-License-Identifier: MIT
#include "fonts.h"
#include "form1.h"
#include "qttext.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmora.Velmora"));
    // Every window takes the application icon unless it sets its own.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/shell/velmora.png")));
    platform::installSpanishTranslations(app);
    platform::installFontSubstitutes();
    platform::setUserNumberFormat(platform::numberFormatOf(QLocale()));

    // The main window discards itself when closed; the process ends with the last window.
    platform::load<Form1>().showModeless();
    return QApplication::exec();
}
