// SPDX-License-Identifier: MIT
#include "fonts.h"
#include "form1.h"
#include "loadedwindow.h"
#include "qttext.h"
#include "services.h"
#include "timerwakeups.h"
#include "translations.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

struct SeenMessageBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the next modal message box from inside its own event loop, after running whileOpen,
// so that a test never hangs on it. Gives up after five seconds.
void answerNextMessageBox(SeenMessageBox *seen, std::function<void()> whileOpen = {})
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout,
                     [poll, seen, whileOpen, started = QTime::currentTime()] {
                         auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                         if (!box && started.msecsTo(QTime::currentTime()) < 5000)
                             return;
                         poll->deleteLater();
                         poll->stop();
                         if (!box)
                             return;
                         seen->title = box->windowTitle();
                         seen->text = box->text();
                         seen->icon = box->icon();
                         for (const QAbstractButton *button : box->buttons())
                             seen->buttons << button->text();
                         if (whileOpen)
                             whileOpen();
                         box->accept();
                     });
    poll->start(10);
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        platform::setUserNumberFormat(
            platform::numberFormatOf(QLocale(QLocale::Spanish, QLocale::Spain)));
        QVERIFY(platform::installSpanishTranslations(*QCoreApplication::instance()));
        platform::installFontSubstitutes();
    }

    void init()
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
    void cleanup() { delete form; }

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

    // Pasting does not pass the key filter, so any text can arrive. Whatever it is, nothing
    // crashes, the field keeps at most 8 characters, the copy button is enabled, and the letter
    // field shows the rule's letter or keeps the one it had ("Y", from a typed 6).
    void pastedText_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("letter");
        const QString kept = QStringLiteral("Y");
        QTest::newRow("overflow by one, cut to 8") << "2147483648"
                                                   << "N";
        QTest::newRow("INT_MIN, cut to 8: negative") << "-2147483648" << kept;
        QTest::newRow("negative") << "-1" << kept;
        QTest::newRow("negative multiple of 23") << "-46"
                                                 << "T";
        QTest::newRow("minus 23") << "-23"
                                  << "T";
        QTest::newRow("negative with thousands") << "-1.000" << kept;
        QTest::newRow("exponent") << "1e5"
                                  << "L";
        QTest::newRow("exponent past 32 bits") << "1e999999" << kept;
        QTest::newRow("just past 32 bits") << "9e9" << kept;
        QTest::newRow("negative exponent rounds to 0") << "1E-5"
                                                       << "T";
        QTest::newRow("exponent without digits") << "1e" << kept;
        QTest::newRow("Spanish thousands") << "1.234"
                                           << "S";
        QTest::newRow("Spanish decimal comma, half to even") << "2,5"
                                                             << "W";
        QTest::newRow("point between digits groups them") << "12.5"
                                                          << "X";
        QTest::newRow("C-locale separators in Spanish") << "1,234.5" << kept;
        QTest::newRow("euro sign after") << "5 €"
                                         << "M";
        QTest::newRow("Qt's own Spanish currency format")
            << QLocale(QLocale::Spanish, QLocale::Spain).toCurrencyString(7.5) << "P";
        QTest::newRow("euro sign before") << "€5"
                                          << "M";
        QTest::newRow("dollar sign") << "$5" << kept;
        QTest::newRow("surrounding blanks") << " 7 "
                                            << "F";
        QTest::newRow("surrounding tabs") << "\t7\t"
                                          << "F";
        QTest::newRow("blanks only") << "   " << kept;
        QTest::newRow("plus sign") << "+13"
                                   << "J";
        QTest::newRow("lone minus") << "-" << kept;
        QTest::newRow("lone plus") << "+" << kept;
        QTest::newRow("lone point") << "." << kept;
        QTest::newRow("Unicode minus sign") << QStringLiteral("\u22125") << kept;
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662\u0663") << kept;
        QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12\uFF13") << kept;
        QTest::newRow("infinity") << QStringLiteral("\u221E") << kept;
        QTest::newRow("emoji") << QStringLiteral("\U0001F600\U0001F600") << kept;
        QTest::newRow("embedded NUL ends the text") << QString::fromUtf16(u"12\0"
                                                                          "34",
                                                                          5)
                                                    << "N";
        QTest::newRow("control characters") << "\x01\x02" << kept;
        QTest::newRow("hexadecimal") << "0x1A" << kept;
        QTest::newRow("letters") << "abc" << kept;
        QTest::newRow("400 digits, cut to 8") << QString(400, u'9') << "R";
        QTest::newRow("two lines: the first is taken") << "12\n34"
                                                       << "N";
        QTest::newRow("eight zeros") << "00000000"
                                     << "T";
        QTest::newRow("eight digits") << "12345678"
                                      << "Z";
    }
    void pastedText()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, letter);
        QTest::keyClick(text1, '6');
        text1->clear();
        platform::setClipboardText(platform::u16(clipboard));
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

    // The composition rests while nothing changes, and a change wakes it for the very next tick.
    void fullIdentifierFollowsTheFields_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("eight digits") << "12345678"
                                      << "12345678Z";
        QTest::newRow("only digit deleted: the letter alone") << "1\b"
                                                              << "R";
    }
    void fullIdentifierFollowsTheFields()
    {
        QFETCH(QString, typed);
        QFETCH(QString, identifier);
        TimerWakeups wakeups;
        QVERIFY(wakeups.waitForRest());
        QCOMPARE(text3->text(), QString());
        for (const QChar c : typed) {
            wakeups.count = 0;
            int wakeupsToFollow = -1;
            const auto followed =
                connect(text3, &QLineEdit::textChanged, [&] { wakeupsToFollow = wakeups.count; });
            if (c == u'\b')
                QTest::keyClick(text1, Qt::Key_Backspace);
            else
                QTest::keyClick(text1, c.toLatin1());
            QTRY_VERIFY(wakeupsToFollow >= 0);
            disconnect(followed);
            QCOMPARE(wakeupsToFollow, 1);
        }
        QCOMPARE(text3->text(), identifier);
        QVERIFY(wakeups.waitForRest());
    }

    void typingIntoTheHiddenFieldDoesNotLast()
    {
        TimerWakeups wakeups;
        QTest::keyClicks(text1, QStringLiteral("7"));
        QTRY_COMPARE(text3->text(), QStringLiteral("7F"));
        QVERIFY(wakeups.waitForRest());
        text3->setFocus();
        QTest::keyClicks(text3, QStringLiteral("zz"));
        QTRY_COMPARE(text3->text(), QStringLiteral("7F"));
    }

    void copyReplacesTheClipboardAndConfirms()
    {
        platform::setClipboardText(u"lo que había antes");
        QTest::keyClicks(text1, QStringLiteral("12345678"));
        QTRY_COMPARE(text3->text(), QStringLiteral("12345678Z"));

        SeenMessageBox seen;
        QString identifierWhileOpen;
        answerNextMessageBox(&seen, [&] {
            // The composition keeps ticking behind the box.
            text3->setText(QStringLiteral("x"));
            QTRY_COMPARE(text3->text(), QStringLiteral("12345678Z"));
            identifierWhileOpen = text3->text();
        });
        QTest::mouseClick(command1, Qt::LeftButton);

        QCOMPARE(platform::clipboardText(), u"12345678Z");
        QCOMPARE(seen.title, QStringLiteral("Se ha copiado al portapapeles!!"));
        QCOMPARE(seen.text, QStringLiteral("El DNI completo se ha copiado en el portapapeles, "
                                           "para pegarlo utilice CTRL+V"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("Aceptar")});
        QCOMPARE(identifierWhileOpen, QStringLiteral("12345678Z"));
    }

    // What the click copies is what the fields show at that moment, even when no tick has
    // composed it yet; and only an identity number goes out, else the clipboard is kept.
    void copyTakesWhatTheFieldsShow_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("title");
        const QString confirmed = QStringLiteral("Se ha copiado al portapapeles!!");
        const QString refused = QStringLiteral("No hay ningún DNI que copiar");
        const QString kept = QStringLiteral("lo que había antes");
        QTest::newRow("retyped digits, clicked before any tick") << ""
                                                                 << "87654321X" << confirmed;
        QTest::newRow("pasted leading zeros") << "00000023"
                                              << "00000023T" << confirmed;
        QTest::newRow("foreigner's number") << "X1234567" << kept << refused;
        QTest::newRow("negative") << "-1" << kept << refused;
        QTest::newRow("negative multiple of 23") << "-46" << kept << refused;
        QTest::newRow("past 32 bits") << "9e9" << kept << refused;
        QTest::newRow("letters") << "abc" << kept << refused;
        QTest::newRow("emptied field") << "<emptied>" << kept << refused;
    }
    void copyTakesWhatTheFieldsShow()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, copied);
        QFETCH(QString, title);
        TimerWakeups wakeups;
        QTest::keyClicks(text1, QStringLiteral("12345678"));
        QTRY_COMPARE(text3->text(), QStringLiteral("12345678Z"));
        QVERIFY(wakeups.waitForRest());
        if (pasted == QStringLiteral("<emptied>")) {
            text1->selectAll();
            QTest::keyClick(text1, Qt::Key_Backspace);
        } else if (!pasted.isEmpty()) {
            text1->selectAll();
            platform::setClipboardText(platform::u16(pasted));
            QTest::keyClick(text1, Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            text1->clear();
            QTest::keyClicks(text1, QStringLiteral("87654321"));
        }
        const QString letter = text2->text();
        platform::setClipboardText(u"lo que había antes");
        SeenMessageBox seen;
        answerNextMessageBox(&seen);
        QTest::mouseClick(command1, Qt::LeftButton);

        QCOMPARE(platform::clipboardText(), platform::u16(copied));
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.icon, title == QStringLiteral("No hay ningún DNI que copiar")
                                ? QMessageBox::Warning
                                : QMessageBox::Information);
        QVERIFY(!seen.text.isEmpty());
        // The fields stay as the user left them, and the button usable.
        QCOMPARE(text2->text(), letter);
        QVERIFY(command1->isEnabled());
    }

    // As when another program takes the clipboard the moment we set it.
    void copyThatDoesNotLandIsReportedAsAFailure()
    {
        QTest::keyClicks(text1, QStringLiteral("1"));
        QTRY_COMPARE(text3->text(), QStringLiteral("1R"));
        QClipboard *clipboard = QGuiApplication::clipboard();
        bool taken = false;
        const auto connection = connect(clipboard, &QClipboard::dataChanged, [&] {
            if (clipboard->text() == QStringLiteral("1R") && !std::exchange(taken, true))
                clipboard->setText(QStringLiteral("otro programa"));
        });
        SeenMessageBox seen;
        answerNextMessageBox(&seen);
        QTest::mouseClick(command1, Qt::LeftButton);
        disconnect(connection);

        QVERIFY(taken);
        QCOMPARE(seen.title, QStringLiteral("No se ha podido copiar"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("Aceptar")});
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

    // The field's menu is in Spanish, and its "Pegar" takes the first line, as every paste does.
    void spanishMenuPastesTheFirstLine()
    {
        platform::setClipboardText(u"12\n34");
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                  text1->mapToGlobal(QPoint(1, 1)));
        QCoreApplication::sendEvent(text1, &request);
        QMenu *menu = text1->findChild<QMenu *>();
        QVERIFY(menu);
        QAction *paste = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().section(u'\t', 0, 0).remove(u'&') == QStringLiteral("Pegar"))
                paste = action;
        }
        QVERIFY(paste);
        paste->trigger();
        menu->close();
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

private:
    QPointer<QWidget> form;
    QLineEdit *text1 = nullptr;
    QLineEdit *text2 = nullptr;
    QLineEdit *text3 = nullptr;
    QPushButton *command1 = nullptr;
    QPushButton *command2 = nullptr;
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
