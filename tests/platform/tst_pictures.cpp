// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QImage>
#include <QImageReader>
#include <QTest>

// The pointer as the program carries it is the committed PNG, transparency included. How the
// background is drawn at each scale is seen on the screen (e2e_hidpi).
class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Q_INIT_RESOURCE(velmora_pictures); }

    void pointerIsTheCommittedPng_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("1x") << "pointing_hand";
        QTest::newRow("2x") << "pointing_hand@2x";
    }
    void pointerIsTheCommittedPng()
    {
        QFETCH(QString, name);
        // Qt's own PNG reader as the other opinion, transparency included.
        QImageReader reader(QStringLiteral(VELMORA_SOURCE_DIR "/main_window/") + name +
                                QStringLiteral(".png"),
                            "png");
        QImage committed = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!committed.isNull(), qPrintable(reader.errorString()));
        QVERIFY(committed.hasAlphaChannel());
        // The reader takes "@2x" in a file name as a ratio; only the pixels count here.
        committed.setDevicePixelRatio(1);
        const QImage carried =
            platform::qt::resourcePicture(QStringLiteral(":/main_window/") + name);
        QVERIFY(carried.hasAlphaChannel());
        QCOMPARE(carried.convertToFormat(QImage::Format_ARGB32), committed);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
