// SPDX-License-Identifier: MIT
#pragma once

#include "forms.h"

#include <QWidget>
#include <optional>

namespace platform::qt {

// A borderless container whose vertical position and inner height are kept in twips, as
// 32-bit floats: the twips value is the truth, and the widget sits at its nearest whole pixel.
// It measures in twips from its inner top-left corner (no custom scale).
class PictureBoxControl : public QWidget, public platform::PictureBox
{
    Q_OBJECT

public:
    explicit PictureBoxControl(QWidget *parent = nullptr);

    float top() const override;
    float scaleHeight() const override;

    void setBackColor(const QColor &colour);

Q_SIGNALS:
    void topChanged();

private:
    void moveTop(float twips) override;

    // Until first set, the design-time pixel position is the twips position.
    std::optional<float> top_;
};

} // namespace platform::qt
