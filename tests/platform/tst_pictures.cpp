// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QImage>
#include <QImageReader>
#include <QTest>

// The pictures the builds carry instead of the committed JPEGs (raw pixels in the Qt resources,
// 24-bit bitmaps in the Windows resources) are those JPEGs as decoded, pixel for pixel, as are
// the pointer and the icons with their transparency; and a picture keeps its size on the screen
// at every scale while filling the screen's pixels.
namespace {

// The reader takes "@2x" in a file name as a ratio; only the pixels count here.
QImage pixels(const QImage &image, QImage::Format format)
{
    QImage converted = image.convertToFormat(format);
    converted.setDevicePixelRatio(1);
    return converted;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Q_INIT_RESOURCE(velmora_pictures); }

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
        const QImage decoded = pixels(jpeg.read(), QImage::Format_RGB32);
        QVERIFY2(!decoded.isNull(), qPrintable(jpeg.errorString()));
        const QImage carried = platform::qt::rawPicture(QStringLiteral(":/main_window/") + name);
        const QImage bitmap(folder + name + QStringLiteral(".bmp"), "bmp");
        QCOMPARE(pixels(carried, QImage::Format_RGB32), decoded);
        QCOMPARE(pixels(bitmap, QImage::Format_RGB32), decoded);
    }

    void carriedPointerIsTheCommittedOne_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("1x") << "pointing_hand";
        QTest::newRow("2x") << "pointing_hand@2x";
    }
    void carriedPointerIsTheCommittedOne()
    {
        QFETCH(QString, name);
        const QImage committed(QStringLiteral(VELMORA_SOURCE_DIR "/main_window/") + name +
                                   QStringLiteral(".png"),
                               "png");
        QVERIFY(committed.hasAlphaChannel());
        const QImage carried = platform::qt::rawPicture(QStringLiteral(":/main_window/") + name);
        QCOMPARE(pixels(carried, QImage::Format_ARGB32), pixels(committed, QImage::Format_ARGB32));
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
        const QImage image =
            platform::qt::sharpImage(QStringLiteral(":/main_window/background"), ratio);
        QCOMPARE(image.size(), pixels);
        QCOMPARE(image.devicePixelRatio(), ratio);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
