// SPDX-License-Identifier: MIT
#include "keyfilter.h"
#include "services.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using Codes = QList<int>;

class TestKeyFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void characterCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Codes>("codes");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        QTest::newRow("euro sign, from AltGr")
            << int(Qt::Key_E) << (Qt::ControlModifier | Qt::AltModifier) << "€" << Codes{128};
        QTest::newRow("two characters from one key")
            << int(Qt::Key_unknown) << none << "ñ5" << Codes{241, 53};

        QTest::newRow("Enter") << int(Qt::Key_Return) << none << "\r" << Codes{13};
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "\r" << Codes{13};
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << Codes{8};
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << "\x1b" << Codes{27};
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << ctrl << "\x03" << Codes{3};
        QTest::newRow("Ctrl+V, no text given") << int(Qt::Key_V) << ctrl << "" << Codes{22};

        QTest::newRow("no code: Left") << int(Qt::Key_Left) << none << "" << Codes{};
        QTest::newRow("no code: Delete with DEL text")
            << int(Qt::Key_Delete) << none << "\x7f" << Codes{};
        QTest::newRow("no code: Shift+Insert") << int(Qt::Key_Insert) << shift << "" << Codes{};
        QTest::newRow("no code: Tab") << int(Qt::Key_Tab) << none << "\t" << Codes{};
        QTest::newRow("no code: Shift+Tab") << int(Qt::Key_Backtab) << shift << "" << Codes{};
        QTest::newRow("no code: Ctrl+digit") << int(Qt::Key_1) << ctrl << "1" << Codes{};
    }
    void characterCodes()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(Codes, codes);
        const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QCOMPARE(platform::qt::characterCodes(event), codes);
    }

    void init()
    {
        field = std::make_unique<QLineEdit>();
        raised.clear();
        // Lets digits through and cancels everything else, as a digits-only field would.
        new platform::qt::KeyFilter(field.get(), [this](std::int16_t &code) {
            raised.append(code);
            if (code < '0' || code > '9')
                code = 0;
        });
        field->show();
        QVERIFY(QTest::qWaitForWindowExposed(field.get()));
        platform::setClipboardText(u"42x");
    }
    void cleanup() { field.reset(); }

    void ctrlCIsRefused()
    {
        field->setText(QStringLiteral("77"));
        field->selectAll();
        QTest::keyClick(field.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(platform::clipboardText(), u"42x");
    }

    void inputMethodTextIsFilteredCharacterByCharacter()
    {
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("a1é2"));
        QCoreApplication::sendEvent(field.get(), &commit);
        QCOMPARE(field->text(), QStringLiteral("12"));
        QCOMPARE(raised, (Codes{'a', '1', 0xE9, '2'}));
    }

    // What a line edit would insert passes the handler character by character, and only what it
    // lets through goes in: a refused key leaves the field, selection included, as it was.
    void keysInsertOnlyWhatTheHandlerLetsThrough_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::addColumn<Codes>("codes");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;

        QTest::newRow("Ctrl+keypad minus") << int(Qt::Key_Minus) << (ctrl | keypad) << "-"
                                           << "77" << Codes{'-'};
        QTest::newRow("Ctrl+keypad digit") << int(Qt::Key_1) << (ctrl | keypad) << "1"
                                           << "1" << Codes{'1'};
        QTest::newRow("Ctrl+Meta+symbol") << int(Qt::Key_Plus) << (ctrl | Qt::MetaModifier) << "+"
                                          << "77" << Codes{'+'};
        QTest::newRow("soft hyphen") << int(Qt::Key_hyphen) << Qt::KeyboardModifiers() << "\u00AD"
                                     << "77" << Codes{0xAD};
        QTest::newRow("zero-width joiner from Shift+Space")
            << int(Qt::Key_Space) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "\u200D"
            << "77" << Codes{'?'};
        QTest::newRow("private-use character")
            << int(Qt::Key_unknown) << Qt::KeyboardModifiers() << "\uE000"
            << "77" << Codes{'?'};
        QTest::newRow("several characters, the digit goes in")
            << int(Qt::Key_unknown) << Qt::KeyboardModifiers() << "ñ5"
            << "5" << Codes{0xF1, '5'};
        QTest::newRow("several characters, all refused")
            << int(Qt::Key_unknown) << Qt::KeyboardModifiers() << "ab"
            << "77" << Codes{'a', 'b'};
    }
    void keysInsertOnlyWhatTheHandlerLetsThrough()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QFETCH(Codes, codes);
        field->setText(QStringLiteral("77"));
        field->selectAll();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(field.get(), &press);
        QCOMPARE(field->text(), result);
        QCOMPARE(raised, codes);
    }

private:
    std::unique_ptr<QLineEdit> field;
    Codes raised;
};

QTEST_MAIN(TestKeyFilter)
#include "tst_keyfilter.moc"
