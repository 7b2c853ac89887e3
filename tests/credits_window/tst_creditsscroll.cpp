// SPDX-License-Identifier: MIT
#include "creditsscroll.h"

#include <QTest>

namespace {
// The layout's figures, in twips: the panel's design-time top and height, the viewport's
// height, and the lower edge of the visible band in the viewport's coordinates.
constexpr float kDesignTop = 2040;
constexpr float kPanelHeight = 1455;
constexpr float kViewportHeight = 4095;
constexpr float kVisibleBandBottom = 2160;

float tick(float top)
{
    return nextPanelTop(top, kPanelHeight, kViewportHeight);
}
} // namespace

class TestCreditsScroll : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void step_data()
    {
        QTest::addColumn<float>("top");
        QTest::addColumn<float>("next");
        QTest::newRow("moves up 5") << kDesignTop << 2035.0F;
        QTest::newRow("top exactly at minus the height still moves") << -1455.0F << -1460.0F;
        QTest::newRow("first top below minus the height jumps") << -1460.0F << kViewportHeight;
        QTest::newRow("just below minus the height jumps") << -1455.5F << kViewportHeight;
        QTest::newRow("after the jump, moves up again") << kViewportHeight << 4090.0F;
    }
    void step()
    {
        QFETCH(float, top);
        QFETCH(float, next);
        QCOMPARE(tick(top), next);
    }

    void firstPassFromTheDesignTop()
    {
        float top = kDesignTop;
        for (int i = 0; i < 700; ++i)
            top = tick(top);
        QCOMPARE(top, -1460.0F);
        QCOMPARE(tick(top), kViewportHeight);
    }

    void fullCycleIs1112Ticks()
    {
        float top = kViewportHeight;
        int ticks = 0;
        do {
            top = tick(top);
            ++ticks;
        } while (top != kViewportHeight && ticks < 10000);
        QCOMPARE(ticks, 1112);
    }

    void panelReachesTheVisibleBand387TicksAfterAJump()
    {
        float top = kViewportHeight;
        int ticks = 0;
        while (top > kVisibleBandBottom) {
            top = tick(top);
            ++ticks;
        }
        QCOMPARE(ticks, 387);
    }
};

QTEST_APPLESS_MAIN(TestCreditsScroll)
#include "tst_creditsscroll.moc"
