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

    // A refused key beeps and changes nothing; Enter, the arrows and Backspace are silent.
    void keysOnTheNumberField_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        const Qt::KeyboardModifiers none;
        QTest::newRow("letter") << int(Qt::Key_A) << none << "12" << 1;
        QTest::newRow("minus sign") << int(Qt::Key_Minus) << none << "12" << 1;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "12" << 1;
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                << "12" << 1;
        QTest::newRow("Enter inserts nothing") << int(Qt::Key_Return) << none << "12" << 0;
        QTest::newRow("Left arrow") << int(Qt::Key_Left) << none << "12" << 0;
        QTest::newRow("Backspace deletes") << int(Qt::Key_Backspace) << none << "1" << 0;
    }
    void keysOnTheNumberField()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        platform::setClipboardText(u"9");
        QTest::keyClicks(text1, QStringLiteral("12"));
        const int before = platform::beepCount();
        QTest::keyClick(text1, Qt::Key(key), modifiers);
        QCOMPARE(text1->text(), text);
        // The letter of what is left: 12's, or 1's after Backspace.
        QCOMPARE(text2->text(), text.size() == 2 ? QStringLiteral("N") : QStringLiteral("R"));
        QCOMPARE(platform::beepCount() - before, beeps);
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
