// SPDX-License-Identifier: MIT
#include "autor.h"
#include "fonts.h"
#include "form1.h"
#include "laidout.h"
#include "loadedwindow.h"
#include "picturebox.h"
#include "timerwakeups.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace {

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

    void windowIsAFixedToolWindowLaidOutAsDesigned()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        QWidget *autor = openCreditsWindows().value(0);
        QVERIFY(autor);
        QCOMPARE(autor->minimumSize(), autor->maximumSize());
        const QString misplaced = firstMisplaced(autor, Autor::design());
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
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
    void panelSitsAtTheNearestPixel()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        platform::qt::PictureBoxControl *panel = panelOf(openCreditsWindows().value(0));
        for (const auto &[top, y] : {std::pair{2035.0F, 136}, {-1450.0F, -97}}) {
            panel->setTop(top);
            QCOMPARE(panel->top(), top);
            QCOMPARE(panel->y(), y);
        }
    }

    // Once above the viewport, the panel starts again from below it, the viewport's height in
    // twips down (and by the time a test looks, a few ticks on).
    void panelRestartsBelowTheViewport()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        platform::qt::PictureBoxControl *panel = panelOf(openCreditsWindows().value(0));
        panel->setTop(-1455.0F);
        QTRY_VERIFY(panel->top() > 0.0F);
        QVERIFY2(panel->top() > 3500.0F && panel->top() <= 4095.0F,
                 QByteArray::number(panel->top()));
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

    // However often "Autor" is pressed there is one credits window; closed and opened again, it
    // starts its scroll afresh.
    void oneCreditsWindowThatReopensAfresh()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        QTest::mouseClick(command2, Qt::LeftButton);
        QCOMPARE(openCreditsWindows().size(), 1);
        QPointer<QWidget> first = openCreditsWindows().value(0);
        QTRY_VERIFY(panelOf(first)->top() < 2000.0F);
        first->close();
        QTRY_VERIFY(first.isNull());

        QTest::mouseClick(command2, Qt::LeftButton);
        QCOMPARE(openCreditsWindows().size(), 1);
        QCOMPARE(panelOf(openCreditsWindows().value(0))->top(), 2040.0F);
    }

private:
    QPointer<QWidget> form;
    QPushButton *command2 = nullptr;
};

QTEST_MAIN(TestAutor)
#include "tst_autor.moc"
