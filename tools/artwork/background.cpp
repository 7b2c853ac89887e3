// SPDX-License-Identifier: MIT
#include "background.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

namespace {

// The card is drawn flat at ID-1 proportions, then laid on the picture in perspective.
constexpr int kCardWidth = 428;
constexpr int kCardHeight = 270;

QFont cardFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawField(QPainter &p, int x, int y, const QString &caption, const QString &value)
{
    p.setPen(QColor(150, 40, 60));
    p.setFont(cardFont(11));
    p.drawText(x, y, caption);
    p.setPen(QColor(20, 20, 30));
    p.setFont(cardFont(17, true));
    p.drawText(x, y + 18, value);
}

void drawPortrait(QPainter &p, const QRectF &frame)
{
    QLinearGradient backdrop(frame.topLeft(), frame.bottomLeft());
    backdrop.setColorAt(0, QColor(226, 232, 238));
    backdrop.setColorAt(1, QColor(196, 204, 214));
    p.setPen(QPen(QColor(120, 130, 140), 1.5));
    p.setBrush(backdrop);
    p.drawRect(frame);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 104, 116));
    const QPointF head(frame.center().x(), frame.top() + frame.height() * 0.38);
    const qreal r = frame.width() * 0.22;
    p.drawEllipse(head, r, r * 1.18);
    QPainterPath shoulders;
    shoulders.moveTo(frame.left() + 6, frame.bottom());
    shoulders.cubicTo(frame.left() + 8, head.y() + r * 1.7, frame.right() - 8, head.y() + r * 1.7,
                      frame.right() - 6, frame.bottom());
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

QImage drawCard(int scale)
{
    QImage card(kCardWidth * scale, kCardHeight * scale, QImage::Format_ARGB32_Premultiplied);
    card.setDevicePixelRatio(scale);
    card.fill(Qt::transparent);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QPainterPath outline;
    outline.addRoundedRect(QRectF(1, 1, kCardWidth - 2, kCardHeight - 2), 18, 18);
    QLinearGradient paper(0, 0, kCardWidth, kCardHeight);
    paper.setColorAt(0.0, QColor(206, 228, 240));
    paper.setColorAt(0.45, QColor(236, 236, 222));
    paper.setColorAt(1.0, QColor(240, 210, 214));
    p.setPen(QPen(QColor(150, 160, 170), 2));
    p.setBrush(paper);
    p.drawPath(outline);
    p.setClipPath(outline);

    // Fine guilloche waves, as security printing has.
    p.setPen(QPen(QColor(120, 160, 190, 60), 1));
    for (int i = 0; i < 14; ++i) {
        QPainterPath wave;
        wave.moveTo(0, 40 + i * 16);
        for (int x = 0; x <= kCardWidth; x += 40)
            wave.quadTo(x + 20, 30 + i * 16 + ((x / 40) % 2 ? 18 : -6), x + 40, 40 + i * 16);
        p.drawPath(wave);
    }

    // Header band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 20, 40));
    p.drawRect(QRectF(0, 0, kCardWidth, 34));
    p.setBrush(QColor(250, 196, 0));
    p.drawRect(QRectF(0, 34, kCardWidth, 5));
    p.setPen(QColor(255, 255, 255));
    p.setFont(cardFont(17, true));
    p.drawText(QRectF(16, 0, 120, 34), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ESPAÑA"));
    p.setFont(cardFont(13, true));
    p.drawText(QRectF(120, 0, kCardWidth - 136, 34), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("DOCUMENTO NACIONAL DE IDENTIDAD"));

    drawPortrait(p, QRectF(18, 54, 118, 150));

    // The chip.
    QLinearGradient gold(0, 120, 0, 160);
    gold.setColorAt(0, QColor(240, 214, 120));
    gold.setColorAt(1, QColor(186, 146, 50));
    p.setPen(QPen(QColor(140, 110, 40), 1));
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(352, 112, 52, 40), 7, 7);
    p.drawLine(QPointF(352, 132), QPointF(404, 132));
    p.drawLine(QPointF(378, 112), QPointF(378, 152));

    drawField(p, 152, 62, QStringLiteral("APELLIDOS"), QStringLiteral("ESPAÑOLA"));
    p.drawText(152, 98, QStringLiteral("ESPAÑOLA"));
    drawField(p, 152, 120, QStringLiteral("NOMBRE"), QStringLiteral("CARMEN"));
    drawField(p, 152, 160, QStringLiteral("SEXO"), QStringLiteral("F"));
    drawField(p, 210, 160, QStringLiteral("NACIONALIDAD"), QStringLiteral("ESP"));
    drawField(p, 152, 200, QStringLiteral("FECHA DE NACIMIENTO"), QStringLiteral("01 01 1980"));

    p.setPen(QColor(20, 20, 30));
    p.setFont(cardFont(22, true));
    p.drawText(QRectF(18, 214, 300, 40), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("DNI 00000000T"));

    // Specimen overprint.
    p.save();
    p.translate(kCardWidth / 2.0, kCardHeight / 2.0 + 10);
    p.rotate(-18);
    p.setPen(QColor(200, 30, 50, 90));
    p.setFont(cardFont(50, true));
    p.drawText(QRectF(-230, -40, 460, 80), Qt::AlignCenter, QStringLiteral("ESPÉCIMEN"));
    p.restore();
    return card;
}

void drawCardInPerspective(QPainter &p, const QImage &card)
{
    const QPolygonF flat({{0, 0}, {kCardWidth, 0}, {kCardWidth, kCardHeight}, {0, kCardHeight}});
    // Tilted back and turned a little, its lower edge nearest the viewer.
    const QPolygonF laid({{22, 86}, {178, 70}, {196, 170}, {14, 182}});
    QTransform onPicture;
    QTransform::quadToQuad(flat, laid, onPicture);
    // Combined with the picture's scale, which the caller has set.
    const QTransform picture = p.transform();
    p.setTransform(onPicture * picture);
    p.drawImage(0, 0, card);

    // The reflection: the card mirrored about its lower edge, fading out quickly.
    QImage fading = card.mirrored(false, true);
    fading.setDevicePixelRatio(card.devicePixelRatio());
    {
        QPainter mask(&fading);
        mask.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient fade(0, 0, 0, kCardHeight * 0.55);
        fade.setColorAt(0, QColor(0, 0, 0, 80));
        fade.setColorAt(1, QColor(0, 0, 0, 0));
        mask.fillRect(fading.rect(), fade);
    }
    const QPolygonF mirrored({{14, 184}, {196, 172}, {212, 262}, {6, 280}});
    QTransform::quadToQuad(flat, mirrored, onPicture);
    p.setTransform(onPicture * picture);
    p.drawImage(0, 0, fading);
    p.setTransform(picture);
}

void drawName(QPainter &p)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(44);
    font.setBold(true);
    font.setItalic(true);
    QPainterPath name;
    name.addText(14, 50, font, QStringLiteral("Velmora"));
    // A soft glow keeps the letters crisp against the black.
    p.setPen(QPen(QColor(255, 255, 255, 40), 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(name);
}

} // namespace

QImage drawBackground(int scale)
{
    QImage picture(509 * scale, 258 * scale, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter p(&picture);
    // The same drawing at every scale; each element is drawn at full resolution, not enlarged.
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawName(p);
    drawCardInPerspective(p, drawCard(scale));
    return picture;
}
