// SPDX-License-Identifier: MIT
#include "createcontrol.h"

#include "designvalues.h"
#include "focusorder.h"
#include "picturebox.h"
#include "pictures.h"
#include "singlelineedit.h"
#include "wrappedlabel.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace platform::qt {
namespace {

QString picturePath(Picture picture)
{
    switch (picture) {
    case Picture::Background:
        // The committed JPEG, decoded when first painted.
        return QStringLiteral(":/main_window/background");
    case Picture::None:
        break;
    }
    return {};
}

// For the densest screen: a pointer is made once, and it is not smoothed.
const QCursor &pointingHand()
{
    static const QCursor hand = [] {
        const qreal ratio = qApp->devicePixelRatio();
        if (ratio <= 1)
            return QCursor(
                QPixmap::fromImage(resourcePicture(QStringLiteral(":/main_window/pointing_hand"))),
                5, 0);
        QPixmap pixmap =
            QPixmap::fromImage(resourcePicture(QStringLiteral(":/main_window/pointing_hand@2x")));
        pixmap.setDevicePixelRatio(2);
        return QCursor(pixmap, 10, 0);
    }();
    return hand;
}

// A label paints only its text: whatever lies below shows around the letters.
QLabel *createLabel(const ControlDesign &design, const FontDesign &windowFont, QWidget *parent)
{
    auto *label = design.wordWrap ? new WrappedLabel(design, windowFont, parent)
                                  : new QLabel(toQString(design.text), parent);
    label->setAlignment((design.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    label->setWordWrap(design.wordWrap);
    if (design.foreColour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colourOf(*design.foreColour));
        label->setPalette(palette);
    }
    return label;
}

QWidget *createWidget(const ControlDesign &design, const FontDesign &windowFont, QWidget *parent)
{
    switch (design.kind) {
    case ControlKind::Image:
        return new PictureImage(picturePath(design.picture), parent);
    case ControlKind::Label:
        return createLabel(design, windowFont, parent);
    case ControlKind::TextBox: {
        auto *edit = new SingleLineEdit(parent);
        edit->setText(toQString(design.text));
        if (design.maxLength > 0)
            edit->setMaxLength(design.maxLength);
        edit->setReadOnly(design.locked);
        return edit;
    }
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(toQString(design.text), parent);
        // Enter presses the button that has the focus, as Space does.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::PictureBox: {
        auto *picture = new PictureBoxControl(parent);
        if (design.backColour)
            picture->setBackColor(colourOf(*design.backColour));
        return picture;
    }
    case ControlKind::Timer:
        break;
    }
    return nullptr;
}

} // namespace

QWidget *createControl(const ControlDesign &design, const FontDesign &windowFont, QWidget *parent)
{
    QWidget *created = createWidget(design, windowFont, parent);
    if (!created)
        return nullptr;
    created->setObjectName(fromName(design.name));
    created->setGeometry(pixelsFromTwips(design.left), pixelsFromTwips(design.top),
                         pixelsFromTwips(design.width), pixelsFromTwips(design.height));
    if (auto *wrapped = qobject_cast<WrappedLabel *>(created))
        wrapped->reachContainerEdge();
    if (design.font)
        created->setFont(fontOf(*design.font));
    // Qt gives screen readers the tool tip as the description when none is set.
    if (!design.toolTip.empty())
        created->setToolTip(toQString(design.toolTip));
    if (!design.accessibleName.empty())
        created->setAccessibleName(toQString(design.accessibleName));
    created->setEnabled(design.enabled);
    if (takesFocus(design))
        created->setFocusPolicy(Qt::StrongFocus);
    if (design.pointer == MousePointer::Arrow)
        created->setCursor(Qt::ArrowCursor);
    else if (design.pointer == MousePointer::PointingHand)
        created->setCursor(pointingHand());
    return created;
}

} // namespace platform::qt
