// SPDX-License-Identifier: MIT
#include "committedpicture.h"
#include "pictures.h"

#include <QImage>
#include <QImageReader>
#include <QTest>

// What the program draws of its pictures is the committed file as the shared decoder decodes
// it: the background as drawn at 1x and at 2x (run a second time at QT_SCALE_FACTOR=2), pixel
// for pixel; the pointer with its transparency; and a picture keeps its size on the screen at
// every scale while filling the screen's pixels.
namespace {

// The first pixel where the drawing is not the decoded picture, or an empty text.
QString firstDifference(const QImage &drawn, const platform::DecodedPicture &decoded)
{
    if (drawn.size() != QSize(decoded.width, decoded.height))
        return QStringLiteral("drawn %1 x %2, decoded %3 x %4")
            .arg(drawn.width())
            .arg(drawn.height())
            .arg(decoded.width)
            .arg(decoded.height);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            const std::uint8_t *expected =
                &decoded.rgba()[(std::size_t(y) * decoded.width + x) * 4];
            if (qRed(pixel) != expected[0] || qGreen(pixel) != expected[1] ||
                qBlue(pixel) != expected[2] || qAlpha(pixel) != expected[3])
                return QStringLiteral("at %1,%2: drawn %3, decoded #%4%5%6%7")
                    .arg(x)
                    .arg(y)
                    .arg(pixel, 8, 16, QLatin1Char('0'))
                    .arg(expected[3], 2, 16, QLatin1Char('0'))
                    .arg(expected[0], 2, 16, QLatin1Char('0'))
                    .arg(expected[1], 2, 16, QLatin1Char('0'))
                    .arg(expected[2], 2, 16, QLatin1Char('0'));
        }
    }
    return {};
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Q_INIT_RESOURCE(velmora_pictures); }

    void backgroundIsDrawnAsDecoded()
    {
        platform::qt::PictureImage widget(QStringLiteral(":/main_window/background"), nullptr);
        widget.resize(509, 258);
        const qreal ratio = widget.devicePixelRatioF();
        if (ratio != 1 && ratio != 2)
            QSKIP("the picture is drawn unscaled only at 100 and 200 %");
        const auto decoded =
            decodeBytes(committedPictureBytes(ratio == 1 ? "background.jpg" : "background@2x.jpg"));
        QVERIFY(decoded);
        const QImage drawn = widget.grab().toImage();
        QVERIFY2(firstDifference(drawn, *decoded).isEmpty(),
                 qPrintable(firstDifference(drawn, *decoded)));
    }

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
