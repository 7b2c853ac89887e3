// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QImage>
#include <QImageReader>
#include <QTest>

// The pictures the builds carry instead of the committed JPEGs (PNG in the Qt resources, 24-bit
// bitmaps in the Windows resources) are those JPEGs as decoded, pixel for pixel; and a picture
// keeps its size on the screen at every scale while filling the screen's pixels.
class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Q_INIT_RESOURCE(main_window); }

    void carriedPictureIsTheDecodedJpeg_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("1x") << "background";
        QTest::newRow("2x") << "background@2x";
    }
    void carriedPictureIsTheDecodedJpeg()
    {
        QFETCH(QString, name);
        const QString folder = QStringLiteral(VELMORA_SOURCE_DIR "/main_window/");
        QImageReader jpeg(folder + name + QStringLiteral(".jpg"), "jpeg");
        const QImage decoded = jpeg.read().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!decoded.isNull(), qPrintable(jpeg.errorString()));
        const QImage png(QStringLiteral(":/main_window/") + name + QStringLiteral(".png"));
        const QImage bitmap(folder + name + QStringLiteral(".bmp"), "bmp");
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32), decoded);
        QCOMPARE(bitmap.convertToFormat(QImage::Format_RGB32), decoded);
    }

    void pixmapFillsTheScreensPixels_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("100 %") << 1.0 << QSize(509, 258);
        QTest::newRow("125 %") << 1.25 << QSize(636, 323);
        QTest::newRow("150 %") << 1.5 << QSize(764, 387);
        QTest::newRow("200 %") << 2.0 << QSize(1018, 516);
        QTest::newRow("300 %") << 3.0 << QSize(1527, 774);
    }
    void pixmapFillsTheScreensPixels()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, pixels);
        const QPixmap pixmap =
            platform::qt::sharpPixmap(QStringLiteral(":/main_window/background.png"), ratio);
        QCOMPARE(pixmap.size(), pixels);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
