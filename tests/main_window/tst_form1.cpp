// SPDX-License-Identifier: MIT
#include "beep.h"
#include "clipboard.h"
#include "fonts.h"
#include "form1.h"
#include "translations.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QVERIFY(platform::installSpanishTranslations(*QCoreApplication::instance()));
        platform::installFontSubstitutes();
    }

    void init()
    {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        text1 = form->findChild<QLineEdit *>(QStringLiteral("Text1"));
        text2 = form->findChild<QLineEdit *>(QStringLiteral("Text2"));
        text3 = form->findChild<QLineEdit *>(QStringLiteral("Text3"));
        command1 = form->findChild<QPushButton *>(QStringLiteral("Command1"));
        command2 = form->findChild<QPushButton *>(QStringLiteral("Command2"));
        QVERIFY(text1 && text2 && text3 && command1 && command2);
    }
    void cleanup() { form.reset(); }

    void startsEmptyWithCopyDisabledAndFocusInNumber()
    {
        QCOMPARE(text1->text(), QString());
        QCOMPARE(text2->text(), QString());
        QVERIFY(!command1->isEnabled());
        QVERIFY(command2->isEnabled());
        QCOMPARE(QApplication::focusWidget(), text1);
    }

    void lettersFollowEveryDigit()
    {
        const QString letters = QStringLiteral("RNPSVSLZ");
        for (int i = 0; i < letters.size(); ++i) {
            QTest::keyClick(text1, char('1' + i));
            QCOMPARE(text2->text(), letters.mid(i, 1));
        }
        QCOMPARE(text1->text(), QStringLiteral("12345678"));
        QVERIFY(command1->isEnabled());
    }

    void refusedKeysBeepAndChangeNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("letter") << int(Qt::Key_A) << Qt::KeyboardModifiers();
        QTest::newRow("blank") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
        QTest::newRow("minus sign") << int(Qt::Key_Minus) << Qt::KeyboardModifiers();
        QTest::newRow("point") << int(Qt::Key_Period) << Qt::KeyboardModifiers();
        QTest::newRow("comma") << int(Qt::Key_Comma) << Qt::KeyboardModifiers();
        QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers();
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ControlModifier);
    }
    void refusedKeysBeepAndChangeNothing()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        platform::setClipboardText(QStringLiteral("9"));
        QTest::keyClicks(text1, QStringLiteral("12"));
        const int beeps = platform::beepCount();
        QTest::keyClick(text1, Qt::Key(key), modifiers);
        QCOMPARE(text1->text(), QStringLiteral("12"));
        QCOMPARE(text2->text(), QStringLiteral("N"));
        QCOMPARE(platform::beepCount(), beeps + 1);
    }

    void silentKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("Enter inserts nothing") << int(Qt::Key_Return) << "12";
        QTest::newRow("keypad Enter inserts nothing") << int(Qt::Key_Enter) << "12";
        QTest::newRow("Left arrow") << int(Qt::Key_Left) << "12";
        QTest::newRow("Home") << int(Qt::Key_Home) << "12";
        QTest::newRow("Backspace deletes") << int(Qt::Key_Backspace) << "1";
    }
    void silentKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QTest::keyClicks(text1, QStringLiteral("12"));
        const int beeps = platform::beepCount();
        QTest::keyClick(text1, Qt::Key(key));
        QCOMPARE(text1->text(), text);
        QCOMPARE(platform::beepCount(), beeps);
    }

    void emptyingTheFieldKeepsTheLastLetter()
    {
        QTest::keyClicks(text1, QStringLiteral("12"));
        QTest::keyClick(text1, Qt::Key_Backspace);
        QCOMPARE(text2->text(), QStringLiteral("R"));
        QTest::keyClick(text1, Qt::Key_Backspace);
        QCOMPARE(text1->text(), QString());
        QCOMPARE(text2->text(), QStringLiteral("R"));
        QVERIFY(command1->isEnabled());
    }

    void ninthDigitIsNotInserted()
    {
        QTest::keyClicks(text1, QStringLiteral("12345678"));
        QSignalSpy changes(text1, &QLineEdit::textChanged);
        const int beeps = platform::beepCount();
        QTest::keyClick(text1, '9');
        QCOMPARE(text1->text(), QStringLiteral("12345678"));
        QCOMPARE(changes.count(), 0);
        QCOMPARE(platform::beepCount(), beeps);
        QCOMPARE(text2->text(), QStringLiteral("Z"));
    }

    // Pasting does not pass the key filter, so any text can arrive; the letter field must
    // then show the rule's letter or keep the one it had.
    void pastedText_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("letter");
        QTest::newRow("long number is cut to 8") << "123456789012"
                                                 << "12345678"
                                                 << "Z";
        QTest::newRow("not a number") << "abc"
                                      << "abc"
                                      << "N";
        QTest::newRow("negative multiple of 23") << "-46"
                                                 << "-46"
                                                 << "T";
        QTest::newRow("negative, no letter") << "-1"
                                             << "-1"
                                             << "N";
        QTest::newRow("overflow by exponent") << "1e999999"
                                              << "1e999999"
                                              << "N";
        QTest::newRow("just past 32 bits") << "9e9"
                                           << "9e9"
                                           << "N";
        QTest::newRow("Spanish thousands") << "1.000"
                                           << "1.000"
                                           << "B";
    }
    void pastedText()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, number);
        QFETCH(QString, letter);
        QTest::keyClicks(text1, QStringLiteral("12"));
        text1->clear();
        platform::setClipboardText(clipboard);
        QTest::keyClick(text1, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(text1->text(), number);
        QCOMPARE(text2->text(), letter);
        QVERIFY(command1->isEnabled());
    }

    void firstChangeEnablesCopyEvenWithoutALetter()
    {
        platform::setClipboardText(QStringLiteral("x"));
        QTest::keyClick(text1, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(text2->text(), QString());
        QVERIFY(command1->isEnabled());
    }

    void windowIsFixedCentredAndTitled()
    {
        QCOMPARE(form->windowTitle(),
                 QStringLiteral("Calculadora de letra DNI o NIF    .:Velmora:."));
        QCOMPARE(form->size(), QSize(449, 193));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(form->windowType(), Qt::Window);
        const QRect available = form->screen()->availableGeometry();
        QVERIFY((form->frameGeometry().center() - available.center()).manhattanLength() <= 2);
    }

    void tabVisitsHiddenFieldAndSkipsDisabledCopy()
    {
        QWidget *expected[] = {text2, text3, command2, text1};
        for (QWidget *next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(text1, '1');
        QWidget *enabled[] = {text2, text3, command1, command2};
        for (QWidget *next : enabled) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QVERIFY(!form->rect().intersects(text3->geometry()));
    }

    void letterFieldCannotBeEdited()
    {
        QTest::keyClick(text1, '7');
        text2->setFocus();
        QTest::keyClicks(text2, QStringLiteral("AB"));
        QTest::keyClick(text2, Qt::Key_Backspace);
        QCOMPARE(text2->text(), QStringLiteral("F"));
        QCOMPARE(text2->cursor().shape(), Qt::ArrowCursor);
    }

    void pointersAndToolTips()
    {
        for (QPushButton *button : {command1, command2}) {
            const QCursor hand = button->cursor();
            QCOMPARE(hand.shape(), Qt::BitmapCursor);
            QCOMPARE(hand.pixmap().size(), QSize(32, 32));
            QCOMPARE(hand.hotSpot(), QPoint(5, 0));
        }
        QCOMPARE(text1->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(text1->toolTip(), QStringLiteral("Introduzca el número del DNI"));
        QCOMPARE(
            command1->toolTip(),
            QStringLiteral("Copia el resultado completo al portapapeles, para pegar use CTRL+V"));
        QCOMPARE(command2->toolTip(), QStringLiteral("Créditos del autor"));
    }

    void numberFontIsBoldArial()
    {
        const QFontInfo info(text1->font());
        QVERIFY2(info.family() == QLatin1String("Arial") ||
                     info.family() == QLatin1String("Liberation Sans"),
                 qPrintable(info.family()));
        QVERIFY(info.bold());
        QCOMPARE(text1->font().pointSizeF(), 9.75);
    }

    void contextMenuIsSpanish()
    {
        std::unique_ptr<QMenu> menu(text1->createStandardContextMenu());
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text().section(u'\t', 0, 0).remove(u'&');
        QVERIFY2(texts.contains(QStringLiteral("Pegar")), qPrintable(texts.join(u',')));
    }

private:
    std::unique_ptr<Form1> form;
    QLineEdit *text1 = nullptr;
    QLineEdit *text2 = nullptr;
    QLineEdit *text3 = nullptr;
    QPushButton *command1 = nullptr;
    QPushButton *command2 = nullptr;
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
