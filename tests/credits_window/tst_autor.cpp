// SPDX-License-Identifier: MIT
#include "autor.h"
#include "fonts.h"
#include "form1.h"
#include "picturebox.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace {

QList<Autor *> openCreditsWindows()
{
    QList<Autor *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *autor = qobject_cast<Autor *>(widget); autor && autor->isVisible())
            windows << autor;
    }
    return windows;
}

platform::PictureBox *panelOf(Autor *autor)
{
    return autor->findChild<platform::PictureBox *>(QStringLiteral("Picture2"));
}

} // namespace

class TestAutor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { platform::installFontSubstitutes(); }

    void init()
    {
        form = new Form1;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        command2 = form->findChild<QPushButton *>(QStringLiteral("Command2"));
        QVERIFY(command2);
    }
    void cleanup()
    {
        for (Autor *autor : openCreditsWindows())
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
        Autor *autor = openCreditsWindows().value(0);
        QVERIFY(autor);
        const QString title = autor->windowTitle();
        QCOMPARE(title.size(), 50);
        QVERIFY(title.startsWith(QStringLiteral("Créditos") + QString(21, u' ') +
                                 QStringLiteral("velmora.")));
        QVERIFY(title.endsWith(u'©'));
        const QString credits = autor->findChild<QLabel *>(QStringLiteral("Label2"))->text();
        QCOMPARE(credits.size(), 172);
        QCOMPARE(credits.mid(36, 66), QString(66, u' '));
        QVERIFY(credits.mid(102).startsWith(u'©'));
        QCOMPARE(credits.mid(139, 18), QString(18, u' '));
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

    void panelScrollsAndSitsAtItsNearestPixel()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        platform::PictureBox *panel = panelOf(openCreditsWindows().value(0));
        QCOMPARE(panel->top(), 2040.0F);
        QCOMPARE(panel->y(), 136);
        QTRY_VERIFY(panel->top() <= 2040.0F - 3 * 5);
        const float top = panel->top();
        QCOMPARE(panel->y(), static_cast<int>(std::lround(top / 15)));
    }

    void reopeningStartsTheScrollAfresh()
    {
        QTest::mouseClick(command2, Qt::LeftButton);
        QPointer<Autor> first = openCreditsWindows().value(0);
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
        QPointer<Autor> autor = openCreditsWindows().value(0);
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
    QPointer<Form1> form;
    QPushButton *command2 = nullptr;
};

QTEST_MAIN(TestAutor)
#include "tst_autor.moc"
