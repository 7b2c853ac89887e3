// SPDX-License-Identifier: MIT
#include "form1test.h"
#include "messageboxanswerer.h"
#include "services.h"
#include "timerwakeups.h"

#include <QClipboard>
#include <utility>

// The main window's full identifier, composed by its timer, and the copy to the clipboard with its
// message box.
class TestForm1Copy : public Form1Test
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { useSpanishDesktop(); }
    void init() { showForm(); }
    void cleanup() { closeForm(); }

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

    // The composition keeps ticking behind the confirmation box.
    void identifierIsComposedBehindTheBox()
    {
        QTest::keyClicks(text1, QStringLiteral("12345678"));
        QTRY_COMPARE(text3->text(), QStringLiteral("12345678Z"));
        SeenMessageBox seen;
        QString identifierWhileOpen;
        answerNextMessageBox(&seen, [&] {
            text3->setText(QStringLiteral("x"));
            QTRY_COMPARE(text3->text(), QStringLiteral("12345678Z"));
            identifierWhileOpen = text3->text();
        });
        QTest::mouseClick(command1, Qt::LeftButton);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("Aceptar")});
        QCOMPARE(identifierWhileOpen, QStringLiteral("12345678Z"));
    }

    // What the click copies is what the fields show at that moment, even when no tick has
    // composed it yet; and only an identity number goes out, else the clipboard is kept. Which
    // texts are identity numbers is the core's table; these rows are the handler's three ways.
    void copyTakesWhatTheFieldsShow_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString kept = QStringLiteral("lo que había antes");
        const QString refused = QStringLiteral("No hay ningún DNI que copiar");
        QTest::newRow("retyped digits, clicked before any tick")
            << ""
            << "87654321X"
            << "Se ha copiado al portapapeles!!"
            << "El DNI completo se ha copiado en el portapapeles, para pegarlo utilice CTRL+V";
        QTest::newRow("pasted sign, shown with a letter")
            << "+5" << kept << refused
            << "El campo Número no contiene un número de DNI. "
               "Escriba solo las cifras del DNI, sin letras ni signos.";
        QTest::newRow("emptied field")
            << "<emptied>" << kept << refused << "Escriba el número del DNI antes de copiar.";
    }
    void copyTakesWhatTheFieldsShow()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, copied);
        QFETCH(QString, title);
        QFETCH(QString, text);
        TimerWakeups wakeups;
        QTest::keyClicks(text1, QStringLiteral("12345678"));
        QTRY_COMPARE(text3->text(), QStringLiteral("12345678Z"));
        QVERIFY(wakeups.waitForRest());
        if (pasted == QStringLiteral("<emptied>")) {
            text1->selectAll();
            QTest::keyClick(text1, Qt::Key_Backspace);
        } else if (!pasted.isEmpty()) {
            text1->selectAll();
            platform::setClipboardText(platform::qt::u16(pasted));
            QTest::keyClick(text1, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(text1->text(), pasted);
        } else {
            text1->clear();
            QTest::keyClicks(text1, QStringLiteral("87654321"));
        }
        const QString letter = text2->text();
        platform::setClipboardText(u"lo que había antes");
        SeenMessageBox seen;
        answerNextMessageBox(&seen);
        QTest::mouseClick(command1, Qt::LeftButton);

        QCOMPARE(platform::clipboardText(), platform::qt::u16(copied));
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.icon, copied == QStringLiteral("lo que había antes")
                                ? QMessageBox::Warning
                                : QMessageBox::Information);
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
        QCOMPARE(seen.text, QStringLiteral("No se ha podido copiar el DNI completo en el "
                                           "portapapeles. Inténtelo de nuevo."));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("Aceptar")});
    }
};

QTEST_MAIN(TestForm1Copy)
#include "tst_form1copy.moc"
