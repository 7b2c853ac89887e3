// SPDX-License-Identifier: MIT
#include "form1test.h"
#include "services.h"

#include <QSignalSpy>

// The main window as the user types: the live letter, the keys the filter refuses with a beep, the
// silent ones, the eight-digit limit and the letter field that cannot be edited.
class TestForm1Typing : public Form1Test
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useSpanishDesktop(); }
    void init() { showForm(); }
    void cleanup() { closeForm(); }

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
        QTest::newRow("Ctrl+keypad minus")
            << int(Qt::Key_Minus) << (Qt::ControlModifier | Qt::KeypadModifier);
        QTest::newRow("Ctrl+Meta+plus")
            << int(Qt::Key_Plus) << (Qt::ControlModifier | Qt::MetaModifier);
    }
    void refusedKeysBeepAndChangeNothing()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        platform::setClipboardText(u"9");
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

    void letterFieldCannotBeEdited()
    {
        QTest::keyClick(text1, '7');
        text2->setFocus();
        QTest::keyClicks(text2, QStringLiteral("AB"));
        QTest::keyClick(text2, Qt::Key_Backspace);
        QCOMPARE(text2->text(), QStringLiteral("F"));
        QCOMPARE(text2->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestForm1Typing)
#include "tst_form1typing.moc"
