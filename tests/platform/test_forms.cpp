// SPDX-License-Identifier: MIT
#include "forms.h"

#include <gtest/gtest.h>
#include <string>

// A property set to the value it already has reaches no backend: a full identifier rewritten on
// every tick must not be redrawn or announced to screen readers each time.
namespace {

struct Controls final : platform::TextBox, platform::CommandButton, platform::PictureBox
{
    std::u16string shown;
    bool on = false;
    float twips = 0;
    int changes = 0;

    std::u16string text() const override { return shown; }
    bool enabled() const override { return on; }
    float top() const override { return twips; }
    float scaleHeight() const override { return 0; }

protected:
    void replaceText(std::u16string_view text) override { shown = text, ++changes; }
    void changeEnabled(bool enabled) override { on = enabled, ++changes; }
    void moveTop(float top) override { twips = top, ++changes; }
};

} // namespace

TEST(Forms, OnlyARealChangeReachesTheBackend)
{
    Controls controls;
    controls.setText(u"12345678Z");
    controls.setText(u"12345678Z");
    EXPECT_EQ(controls.changes, 1) << "text";
    controls.setEnabled(true);
    controls.setEnabled(true);
    controls.setEnabled(false);
    EXPECT_EQ(controls.changes, 3) << "enabled";
    controls.setTop(2040);
    controls.setTop(2040);
    controls.setTop(2035);
    EXPECT_EQ(controls.changes, 5) << "top";
    EXPECT_EQ(controls.shown, u"12345678Z");
    EXPECT_EQ(controls.twips, 2035.0F);
}
