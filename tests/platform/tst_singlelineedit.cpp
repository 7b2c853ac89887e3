// SPDX-License-Identifier: MIT
#include "singlelineedit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

// A single-line text box takes a pasted text up to its first line break, by every way of
// pasting there is.
class TestSingleLineEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        box = std::make_unique<platform::qt::SingleLineEdit>();
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    }
    void cleanup() { box.reset(); }

    void pasteStopsAtTheFirstLineBreak_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("pasted");
        // Which breaks end a line is the text layer's table; these are the ways in.
        QTest::newRow("LF") << "12\n34"
                            << "12";
        QTest::newRow("line separator") << QStringLiteral("12\u202834") << "12";
    }
    void pasteStopsAtTheFirstLineBreak()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, pasted);
        QGuiApplication::clipboard()->setText(clipboard);

        box->setText(QStringLiteral("ab"));
        box->setCursorPosition(1);
        QTest::keyClick(box.get(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box->text(), u'a' + pasted + u'b');

        box->setText(QStringLiteral("ab"));
        box->setCursorPosition(1);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                  box->mapToGlobal(QPoint(1, 1)));
        QCoreApplication::sendEvent(box.get(), &request);
        QMenu *menu = box->findChild<QMenu *>();
        QVERIFY(menu);
        const QList<QAction *> actions = menu->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction *action) {
            return action->text().startsWith(QStringLiteral("&Paste"));
        });
        QVERIFY(paste != actions.end());
        (*paste)->trigger();
        menu->close();
        QCOMPARE(box->text(), u'a' + pasted + u'b');
    }

    void pasteIsAnUndoStepOfItsOwn()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("12\n34"));
        QTest::keyClicks(box.get(), QStringLiteral("98"));
        box->selectAll();
        QTest::keyClick(box.get(), Qt::Key_Backspace);
        QTest::keyClicks(box.get(), QStringLiteral("5"));
        QTest::keyClick(box.get(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box->text(), QStringLiteral("512"));
        box->undo();
        QCOMPARE(box->text(), QStringLiteral("5"));
    }

private:
    std::unique_ptr<platform::qt::SingleLineEdit> box;
};

QTEST_MAIN(TestSingleLineEdit)
#include "tst_singlelineedit.moc"
