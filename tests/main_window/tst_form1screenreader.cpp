// SPDX-License-Identifier: MIT
#include "form1test.h"

#include <QAccessible>

// What a screen reader is given of the main window's fields beyond what Orca is heard to say
// (e2e_screen_reader): each field's text with its attributes as one run over all of it (Orca ends
// a field's text where that run ends), its characters where mouse review finds them, and no way
// to edit the locked letter field.
class TestForm1ScreenReader : public Form1Test
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useSpanishDesktop(); }
    void init() { showForm(); }
    void cleanup() { closeForm(); }

    void fieldTextIsOneRunOfAttributes_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("the number") << QStringLiteral("Text1") << QStringLiteral("12345678");
        QTest::newRow("the letter") << QStringLiteral("Text2") << QStringLiteral("Z");
        QTest::newRow("the full identifier")
            << QStringLiteral("Text3") << QStringLiteral("12345678Z");
    }
    void fieldTextIsOneRunOfAttributes()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QTest::keyClicks(text1, QStringLiteral("12345678"));
        QLineEdit *edit = form->findChild<QLineEdit *>(field);
        QTRY_COMPARE(edit->text(), text);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(edit);
        QAccessibleTextInterface *asText = accessible->textInterface();
        QVERIFY(asText);
        QCOMPARE(asText->characterCount(), text.size());
        QCOMPARE(asText->text(0, asText->characterCount()), text);
        QCOMPARE(accessible->text(QAccessible::Value), text);
        for (int offset = 0; offset <= text.size(); ++offset) {
            int start = -1;
            int end = -1;
            asText->attributes(offset, &start, &end);
            QCOMPARE(start, 0);
            QCOMPARE(end, text.size());
        }
        // Where a screen reader's mouse review finds each character, Qt's own layout of the
        // line puts the same one.
        const QRect box(edit->mapToGlobal(QPoint()), edit->size());
        for (int offset = 0; offset < text.size(); ++offset) {
            const QRect character = asText->characterRect(offset);
            QVERIFY2(box.contains(character), qPrintable(QString::number(offset)));
            QCOMPARE(asText->offsetAtPoint(character.center()), offset);
        }
    }

    void lockedLetterFieldCannotBeEditedThroughTheScreenReader()
    {
        QTest::keyClicks(text1, QStringLiteral("1"));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(text2);
        QVERIFY(accessible->state().readOnly);
        QVERIFY(!accessible->state().editable);
        accessible->editableTextInterface()->insertText(0, QStringLiteral("X"));
        accessible->setText(QAccessible::Value, QStringLiteral("X"));
        QCOMPARE(text2->text(), QStringLiteral("R"));
    }
};

QTEST_MAIN(TestForm1ScreenReader)
#include "tst_form1screenreader.moc"
