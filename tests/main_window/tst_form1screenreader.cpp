// SPDX-License-Identifier: MIT
#include "announcer.h"
#include "form1test.h"

#include <QAccessible>
#include <QSignalSpy>

// What a screen reader is given of the main window beyond what the end-to-end test reads from
// the tree: the letter announced once per change, wherever the focus is, by a notification in
// a status bar of the window's; and each field's text with its attributes as one run over all of
// it (Orca ends a field's text where that run ends).
class TestForm1ScreenReader : public Form1Test
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useSpanishDesktop(); }
    void init() { showForm(); }
    void cleanup() { closeForm(); }

    void letterIsAnnouncedOncePerChange_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("each digit's new letter")
            << QStringLiteral("123") << QStringList{"Letra R", "Letra N", "Letra P"};
        // 25 has the letter of 2, and an emptied field keeps its letter.
        QTest::newRow("a digit that keeps the letter, Backspace back to it and to empty")
            << QStringLiteral("25\b\b") << QStringList{"Letra W"};
    }
    void letterIsAnnouncedOncePerChange()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, said);
        auto *announcer = form->findChild<platform::qt::Announcer *>();
        QVERIFY(announcer);
        QSignalSpy announced(announcer, &platform::qt::Announcer::announced);
        for (const QChar key : keys) {
            if (key == QLatin1Char('\b'))
                QTest::keyClick(text1, Qt::Key_Backspace);
            else
                QTest::keyClick(text1, key.toLatin1());
        }
        QStringList heard;
        for (const QList<QVariant> &arguments : announced)
            heard.append(arguments.at(0).toString());
        QCOMPARE(heard, said);
    }

    // Orca speaks a notification's name alone only inside a status bar, which it finds as the
    // window's child.
    void announcementIsANotificationInTheWindowsStatusBar()
    {
        QTest::keyClicks(text1, QStringLiteral("12345678"));
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form);
        QAccessibleInterface *statusBar = window->child(window->childCount() - 1);
        QVERIFY(statusBar);
        QCOMPARE(statusBar->role(), QAccessible::StatusBar);
        QCOMPARE(window->indexOfChild(statusBar), window->childCount() - 1);
        QCOMPARE(statusBar->childCount(), 1);
        QAccessibleInterface *notification = statusBar->child(0);
        QCOMPARE(notification->role(), QAccessible::Notification);
        QCOMPARE(notification->text(QAccessible::Name), QStringLiteral("Letra Z"));
        QCOMPARE(notification->parent()->object(), statusBar->object());
        QCOMPARE(statusBar->parent()->object(), form.data());
    }

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
