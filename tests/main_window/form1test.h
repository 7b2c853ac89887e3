// SPDX-License-Identifier: MIT
#pragma once

#include "fonts.h"
#include "form1.h"
#include "loadedwindow.h"
#include "numberformat.h"
#include "qttext.h"
#include "translations.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// The main window on a Spanish desktop, shown afresh for each test, with the controls the
// tests drive found by their design names. Each theme's test class derives from it and calls
// these from its initTestCase, init and cleanup.
class Form1Test : public QObject
{
protected:
    static void useSpanishDesktop()
    {
        platform::setUserNumberFormat(
            platform::qt::numberFormatOf(QLocale(QLocale::Spanish, QLocale::Spain)));
        QVERIFY(platform::qt::installSpanishTranslations(*QCoreApplication::instance()));
        platform::qt::installFontSubstitutes();
    }

    void showForm()
    {
        form = showWindow<Form1>();
        QVERIFY(form);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        text1 = form->findChild<QLineEdit *>(QStringLiteral("Text1"));
        text2 = form->findChild<QLineEdit *>(QStringLiteral("Text2"));
        text3 = form->findChild<QLineEdit *>(QStringLiteral("Text3"));
        command1 = form->findChild<QPushButton *>(QStringLiteral("Command1"));
        command2 = form->findChild<QPushButton *>(QStringLiteral("Command2"));
        QVERIFY(text1 && text2 && text3 && command1 && command2);
    }

    void closeForm() { delete form; }

    QPointer<QWidget> form;
    QLineEdit *text1 = nullptr;
    QLineEdit *text2 = nullptr;
    QLineEdit *text3 = nullptr;
    QPushButton *command1 = nullptr;
    QPushButton *command2 = nullptr;
};
