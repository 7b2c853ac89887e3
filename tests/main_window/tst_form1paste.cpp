// SPDX-License-Identifier: MIT
#include "form1test.h"
#include "services.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>

// The main window as text arrives without the key filter: pasted by keys or by the Spanish menu,
// or dropped.
class TestForm1Paste : public Form1Test
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useSpanishDesktop(); }
    void init() { showForm(); }
    void cleanup() { closeForm(); }

    // Pasting does not pass the key filter, so any text can arrive. Whatever it is, the field
    // keeps at most 8 characters, the copy button is enabled, and the letter field shows the
    // rule's letter or keeps the one it had ("Y", from a typed 6). Which texts are numeric, and
    // their values, is the text layer's table; these rows are the ways through the handler.
    void pastedText_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("letter");
        const QString kept = QStringLiteral("Y");
        QTest::newRow("eight digits") << "12345678"
                                      << "Z";
        QTest::newRow("overflow by one, cut to 8") << "2147483648"
                                                   << "N";
        QTest::newRow("letters: not numeric") << "abc" << kept;
        QTest::newRow("negative: numeric, no letter") << "-1" << kept;
        QTest::newRow("Spanish decimal comma, half to even") << "2,5"
                                                             << "W";
        QTest::newRow("C-locale separators in Spanish") << "1,234.5" << kept;
        QTest::newRow("Qt's own Spanish currency format")
            << QLocale(QLocale::Spanish, QLocale::Spain).toCurrencyString(7.5) << "P";
    }
    void pastedText()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, letter);
        QTest::keyClick(text1, '6');
        text1->clear();
        platform::setClipboardText(platform::qt::u16(clipboard));
        QTest::keyClick(text1, Qt::Key_Insert, Qt::ShiftModifier);
        QVERIFY(text1->text().size() <= 8);
        QCOMPARE(text2->text(), letter);
        QVERIFY(command1->isEnabled());
    }

    void firstChangeEnablesCopyEvenWithoutALetter()
    {
        platform::setClipboardText(u"x");
        QTest::keyClick(text1, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(text2->text(), QString());
        QVERIFY(command1->isEnabled());
    }

    // The number field's menu is in Spanish, and names no key that its filter refuses with a
    // beep (Ctrl+V, Ctrl+A...), as the Windows build's shows none; its "Pegar" takes the first
    // line, as every paste does. The letter field has no filter, and still names its Ctrl+C.
    void spanishMenuNamesNoRefusedKeyAndPastesTheFirstLine()
    {
        const auto menuOf = [](QLineEdit *field) {
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                      field->mapToGlobal(QPoint(1, 1)));
            QCoreApplication::sendEvent(field, &request);
            return field->findChild<QMenu *>();
        };
        const auto shortcutsNamed = [](QMenu *menu) {
            QStringList named;
            for (QAction *action : menu->actions()) {
                if (action->text().contains(u'\t'))
                    named << action->text().section(u'\t', 1);
            }
            menu->close();
            return named;
        };
        QMenu *letterMenu = menuOf(text2);
        QVERIFY(letterMenu);
        QVERIFY(!shortcutsNamed(letterMenu).isEmpty());

        platform::setClipboardText(u"12\n34");
        QMenu *menu = menuOf(text1);
        QVERIFY(menu);
        QAction *paste = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().remove(u'&') == QStringLiteral("Pegar"))
                paste = action;
        }
        QVERIFY(paste);
        paste->trigger();
        QCOMPARE(shortcutsNamed(menu), QStringList());
        QCOMPARE(text1->text(), QStringLiteral("12"));
        QCOMPARE(text2->text(), QStringLiteral("N"));
    }

    // Dropped text would pass neither the key filter nor the paste rule.
    void droppedTextIsRefused()
    {
        QTest::keyClicks(text1, QStringLiteral("12"));
        QMimeData dragged;
        dragged.setText(QStringLiteral("abc\n34"));
        const QPoint at = text1->mapTo(form, text1->rect().center());
        QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form->windowHandle(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form->windowHandle(), &drop);
        QCOMPARE(text1->text(), QStringLiteral("12"));
    }
};

QTEST_MAIN(TestForm1Paste)
#include "tst_form1paste.moc"
