// SPDX-License-Identifier: MIT
#include "creditstexts.h"
#include "fonts.h"
#include "form1.h"
#include "loadedwindow.h"
#include "picturebox.h"
#include "qttext.h"
#include "timerwakeups.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace {

class MoveWatcher : public QObject
{
public:
    MoveWatcher(QWidget *widget, std::function<void()> moved) : moved_(std::move(moved))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move)
            moved_();
        return false;
    }

private:
    std::function<void()> moved_;
};

QList<QWidget *> openCreditsWindows()
{
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("Autor") && widget->isVisible())
            windows << widget;
    }
    return windows;
}

// The leftmost and rightmost light pixels of each band of rows that hold any: the lines of white
// text on the black panel.
QList<QPair<int, int>> inkLines(const QImage &image)
{
    QList<QPair<int, int>> lines;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        int left = image.width();
        int right = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 128) {
                left = std::min(left, x);
                right = x;
            }
        }
        if (right >= 0 && !inLine)
            lines.append({left, right});
        else if (right >= 0)
            lines.last() = {std::min(lines.last().first, left),
                            std::max(lines.last().second, right)};
        inLine = right >= 0;
    }
    return lines;
}

platform::qt::PictureBoxControl *panelOf(QWidget *autor)
{
    return autor->findChild<platform::qt::PictureBoxControl *>(QStringLiteral("Picture2"));
}

} // namespace

class TestAutor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::qt::installFontSubstitutes(); }

    void init()
    {
        form = showWindow<Form1>();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        command2 = form->findChild<QPushButton *>(QStringLiteral("Command2"));
        QVERIFY(command2);
    }
    void cleanup()
    {
        for (QWidget *autor : openCreditsWindows())
            delete autor;
        delete form;
    }

    void opensOneCreditsWindowHoweverOftenPressed()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        QTest::mouseClick(command2, Qt::LeftButton);
        QCOMPARE(openCreditsWindows().size(), 1);
        QVERIFY(form->isVisible());
    }

    void windowShowsItsTextsInANarrowToolWindow()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        QWidget *autor = openCreditsWindows().value(0);
        QVERIFY(autor);
        QCOMPARE(autor->windowTitle(), platform::qt::toQString(creditsTitle()));
        const QLabel *title1 = autor->findChild<QLabel *>(QStringLiteral("Label1"));
        QCOMPARE(title1->text(), QStringLiteral(".: Velmora :."));
        QCOMPARE(title1->palette().color(QPalette::WindowText), QColor(255, 255, 192));
        QVERIFY(title1->font().bold());
        QCOMPARE(title1->font().pointSizeF(), 8.25);

        QCOMPARE(autor->size(), QSize(272, 136));
        QCOMPARE(autor->minimumSize(), autor->maximumSize());
        QCOMPARE(autor->windowType(), Qt::Tool);
        const Qt::WindowFlags flags = autor->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(autor->parentWidget() == nullptr);
    }

    // Read back from what the label draws: three lines from its left edge, the author and the
    // rights lines nearly as wide as the design's 193 pixels and the address short, none of
    // them touching the widget's right edge, where it would be cut.
    void creditsShowThreeLinesWhole()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        QWidget *autor = openCreditsWindows().value(0);
        QVERIFY(autor);
        const QImage image = autor->findChild<QLabel *>(QStringLiteral("Label2"))->grab().toImage();
        const QList<QPair<int, int>> lines = inkLines(image);
        QCOMPARE(lines.size(), 3);
        const int designWidth = 2895 / 15;
        for (int i = 0; i < lines.size(); ++i) {
            const auto [left, right] = lines.at(i);
            const QByteArray line = "line " + QByteArray::number(i + 1) + " spans " +
                                    QByteArray::number(left) + " to " + QByteArray::number(right);
            QVERIFY2(left <= 1, line);
            QVERIFY2(right < image.width() - 1, line);
            QVERIFY2(i < 2 ? right >= designWidth * 9 / 10 : right < designWidth / 2, line);
        }
    }

    // The scroll moves the panel by a third of a pixel: it sits at the nearest whole pixel of
    // its twips, above the viewport's top as below it.
    void panelSitsAtTheNearestPixel_data()
    {
        QTest::addColumn<float>("top");
        QTest::addColumn<int>("y");
        QTest::newRow("design top, a whole pixel") << 2040.0F << 136;
        QTest::newRow("a third past a pixel") << 2030.0F << 135;
        QTest::newRow("two thirds past a pixel") << 2035.0F << 136;
        QTest::newRow("above the top, a third short") << -1445.0F << -96;
        QTest::newRow("above the top, two thirds short") << -1450.0F << -97;
    }
    void panelSitsAtTheNearestPixel()
    {
        QFETCH(float, top);
        QFETCH(int, y);
        QTest::mouseClick(command2, Qt::LeftButton);
        platform::qt::PictureBoxControl *panel = panelOf(openCreditsWindows().value(0));
        panel->setTop(top);
        QCOMPARE(panel->top(), top);
        QCOMPARE(panel->y(), y);
    }

    // The panel's moves, caught as they happen: the jump back is one tick, and the next tick
    // has already moved it on by the time a test looks.
    void panelRestartsBelowTheViewport()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        platform::qt::PictureBoxControl *panel = panelOf(openCreditsWindows().value(0));
        QList<QPair<float, int>> moves;
        MoveWatcher watcher(panel, [&] { moves.append({panel->top(), panel->y()}); });
        panel->setTop(-1455.0F);
        const auto below = [](const QPair<float, int> &move) { return move.first > 0; };
        QTRY_VERIFY(std::any_of(moves.begin(), moves.end(), below));
        const auto restart = *std::find_if(moves.begin(), moves.end(), below);
        QCOMPARE(restart.first, 4095.0F);
        QCOMPARE(restart.second, 273);
    }

    // The windows share one timer heartbeat; closing one of them must not stop the other's.
    // The scroll runs while the main window's composition rests; once the credits close
    // nothing wakes the process until a field changes.
    void identifierFollowsAfterTheCreditsClose()
    {
        auto *text1 = form->findChild<QLineEdit *>(QStringLiteral("Text1"));
        auto *text3 = form->findChild<QLineEdit *>(QStringLiteral("Text3"));
        TimerWakeups wakeups;
        QVERIFY(wakeups.waitForRest());
        QTest::mouseClick(command2, Qt::LeftButton);
        QPointer<QWidget> first = openCreditsWindows().value(0);
        const float start = panelOf(first)->top();
        QTRY_VERIFY(panelOf(first)->top() < start - 50.0F);
        first->close();
        QTRY_VERIFY(first.isNull());
        QVERIFY(wakeups.waitForRest());
        QTest::keyClick(text1, '5');
        QTRY_COMPARE(text3->text(), QStringLiteral("5M"));

        QTest::mouseClick(command2, Qt::LeftButton);
        QPointer<QWidget> second = openCreditsWindows().value(0);
        second->close();
        QTRY_VERIFY(second.isNull());
        QTest::keyClick(text1, '6');
        QTRY_COMPARE(text3->text(), QStringLiteral("56X"));
    }

    void reopeningStartsTheScrollAfresh()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        QPointer<QWidget> first = openCreditsWindows().value(0);
        QTRY_VERIFY(panelOf(first)->top() < 2000.0F);
        first->close();
        QTRY_VERIFY(first.isNull());

        QTest::mouseClick(command2, Qt::LeftButton);
        QCOMPARE(openCreditsWindows().size(), 1);
        QCOMPARE(panelOf(openCreditsWindows().value(0))->top(), 2040.0F);
    }

    // Runs last, since it runs the application's own event loop until the application quits.
    void processLivesUntilTheLastWindowCloses()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        QPointer<QWidget> autor = openCreditsWindows().value(0);
        QVERIFY(QTest::qWaitForWindowExposed(autor));

        bool livedOnWithCreditsOpen = false;
        QTimer::singleShot(0, form, [this] { form->close(); });
        QTimer::singleShot(300, autor, [&] {
            livedOnWithCreditsOpen = form.isNull() && autor->isVisible();
            autor->close();
        });
        QTimer::singleShot(10000, qApp, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(livedOnWithCreditsOpen);
        QVERIFY(autor.isNull());
    }

private:
    QPointer<QWidget> form;
    QPushButton *command2 = nullptr;
};

QTEST_MAIN(TestAutor)
#include "tst_autor.moc"
