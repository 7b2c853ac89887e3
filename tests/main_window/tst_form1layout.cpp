// SPDX-License-Identifier: MIT
#include "form1test.h"
#include "laidout.h"

#include <QFontInfo>

// What a user meets of the main window's layout: a fixed window with its controls where the
// design puts them, the tab order, the pointers and the number's font. Its place on the screen is
// seen under a window manager (e2e_windows), its title and tool tips heard from Orca
// (e2e_screen_reader).
class TestForm1Layout : public Form1Test
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useSpanishDesktop(); }
    void init() { showForm(); }
    void cleanup() { closeForm(); }

    void windowIsFixedAndLaidOutAsDesigned()
    {
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const QString misplaced = firstMisplaced(form, Form1::design());
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(form->windowType(), Qt::Window);
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

    void pointers()
    {
        for (QPushButton *button : {command1, command2}) {
            const QCursor hand = button->cursor();
            QCOMPARE(hand.shape(), Qt::BitmapCursor);
            QCOMPARE(hand.pixmap().size(), QSize(32, 32));
            QCOMPARE(hand.hotSpot(), QPoint(5, 0));
        }
        QCOMPARE(text1->cursor().shape(), Qt::IBeamCursor);
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
};

QTEST_MAIN(TestForm1Layout)
#include "tst_form1layout.moc"
