// SPDX-License-Identifier: MIT
#include "qtform.h"

#include "focusorder.h"
#include "keypresshook.h"
#include "messagebox.h"
#include "picturebox.h"
#include "pictures.h"
#include "qttext.h"
#include "restingtimer.h"
#include "singlelineedit.h"
#include "timer.h"
#include "twips.h"
#include "windowframe.h"
#include "wrappedlabel.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

// The pictures live in a static library; its resources must be registered by name.
static void initResources()
{
    Q_INIT_RESOURCE(velmora_pictures);
}

namespace platform::qt {
namespace {

// Every design figure is a whole number of pixels.
int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

QColor colourOf(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

QFont fontOf(const FontDesign &design)
{
    QFont font(toQString(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

QString fromName(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

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

[[noreturn]] void noSuchControl(std::string_view form, std::string_view name)
{
    std::fprintf(stderr, "%.*s has no control %.*s of that kind\n", static_cast<int>(form.size()),
                 form.data(), static_cast<int>(name.size()), name.data());
    std::abort();
}

// A form is a window of its own: screen readers announce a frame by its title on activation,
// where a plain widget would be a nameless filler.
QAccessibleInterface *formAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(QtForm::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

class QtForm::TextBoxAdapter final : public TextBox
{
public:
    explicit TextBoxAdapter(QLineEdit *edit) : edit_(edit) {}
    std::u16string text() const override { return edit_->text().toStdU16String(); }
    // The same text again is no change: rewritten anyway, as the full identifier is on every
    // tick, it would be announced to screen readers as deleted and typed anew each time.
    void setText(std::u16string_view text) override
    {
        if (const QString wanted = toQString(text); wanted != edit_->text())
            edit_->setText(wanted);
    }

    QLineEdit *const edit_;
};

class QtForm::ButtonAdapter final : public CommandButton
{
public:
    ButtonAdapter(QPushButton *button, QtForm *form) : button_(button), form_(form) {}
    void setEnabled(bool enabled) override
    {
        if (enabled == button_->isEnabled())
            return;
        button_->setEnabled(enabled);
        form_->controlChanged();
    }

    QPushButton *const button_;

private:
    QtForm *const form_;
};

class QtForm::WindowReference final : public FormHandle::Window
{
public:
    explicit WindowReference(QtForm *form) : form_(form) {}
    void showModeless() override { platform::showModeless(form_); }

private:
    QtForm *const form_;
};

QtForm::QtForm(const FormDesign &design)
    : design_(design), reference_(std::make_shared<WindowReference>(this))
{
    initResources();
    static const bool accessibleAsWindow = (QAccessible::installFactory(formAccessible), true);
    Q_UNUSED(accessibleAsWindow);
    setObjectName(fromName(design.name));
    setWindowTitle(toQString(design.title));
    setFont(fontOf(design.font));
    resize(pixels(design.clientWidth), pixels(design.clientHeight));
    if (design.backColour) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, colourOf(*design.backColour));
        setPalette(palette);
        setAutoFillBackground(true);
    }
    for (const ControlDesign &control : design.controls) {
        if (QWidget *widget = createControl(control))
            widgets_.emplace(std::string(control.name), widget);
    }
    // The design lists the topmost control first.
    for (auto control = design.controls.rbegin(); control != design.controls.rend(); ++control) {
        if (const auto found = widgets_.find(control->name); found != widgets_.end())
            found->second->raise();
    }
    if (design.border == Border::FixedSingle)
        setFixedSingleBorder(this);
    else
        setFixedToolWindowBorder(this);
    unloadOnClose(this);
    centreOnScreen(this);
    applyTabOrder();
    watchForChanges();
}

QtForm::~QtForm()
{
    handlers_.reset();
}

void QtForm::setHandlers(std::unique_ptr<Handlers> handlers)
{
    handlers_ = std::move(handlers);
}

FormHandle QtForm::handle() const
{
    return FormHandle(reference_);
}

QWidget *QtForm::createControl(const ControlDesign &design)
{
    QWidget *parent = design.container.empty() ? this : widget(design.container);
    QWidget *created = nullptr;
    switch (design.kind) {
    case ControlKind::Image: {
        created = new PictureImage(picturePath(design.picture), parent);
        break;
    }
    case ControlKind::Label: {
        // A label paints only its text: whatever lies below shows around the letters.
        auto *label = design.wordWrap ? new WrappedLabel(design, design_.font, parent)
                                      : new QLabel(toQString(design.text), parent);
        label->setAlignment(
            (design.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
            Qt::AlignTop);
        label->setWordWrap(design.wordWrap);
        if (design.foreColour) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, colourOf(*design.foreColour));
            label->setPalette(palette);
        }
        created = label;
        break;
    }
    case ControlKind::TextBox: {
        auto *edit = new SingleLineEdit(parent);
        edit->setText(toQString(design.text));
        if (design.maxLength > 0)
            edit->setMaxLength(design.maxLength);
        edit->setReadOnly(design.locked);
        textBoxes_.emplace(std::string(design.name), std::make_unique<TextBoxAdapter>(edit));
        created = edit;
        break;
    }
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(toQString(design.text), parent);
        // Enter presses the button that has the focus, as Space does.
        button->setAutoDefault(true);
        buttons_.emplace(std::string(design.name), std::make_unique<ButtonAdapter>(button, this));
        created = button;
        break;
    }
    case ControlKind::PictureBox: {
        auto *picture = new PictureBox(parent);
        if (design.backColour)
            picture->setBackColor(colourOf(*design.backColour));
        created = picture;
        break;
    }
    case ControlKind::Timer:
        return nullptr;
    }
    created->setObjectName(fromName(design.name));
    created->setGeometry(pixels(design.left), pixels(design.top), pixels(design.width),
                         pixels(design.height));
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

void QtForm::watchForChanges()
{
    for (const auto &[name, textBox] : textBoxes_)
        connect(textBox->edit_, &QLineEdit::textChanged, this, &QtForm::controlChanged);
    for (const auto &[name, widget] : widgets_) {
        if (auto *picture = qobject_cast<PictureBox *>(widget))
            connect(picture, &PictureBox::topChanged, this, &QtForm::controlChanged);
    }
}

void QtForm::controlChanged()
{
    for (const std::unique_ptr<RestingTimer> &timer : timers_)
        timer->windowChanged();
}

void QtForm::applyTabOrder()
{
    const std::vector<const ControlDesign *> order = focusOrder(design_);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widget(order[i - 1]->name), widget(order[i]->name));
    if (!order.empty())
        widget(order.front()->name)->setFocus();
}

const ControlDesign &QtForm::control(std::string_view name) const
{
    const auto found = std::find_if(design_.controls.begin(), design_.controls.end(),
                                    [name](const ControlDesign &c) { return c.name == name; });
    if (found == design_.controls.end())
        noSuchControl(design_.name, name);
    return *found;
}

QWidget *QtForm::widget(std::string_view name) const
{
    const auto found = widgets_.find(name);
    if (found == widgets_.end())
        noSuchControl(design_.name, name);
    return found->second;
}

QLineEdit *QtForm::lineEdit(std::string_view name) const
{
    const auto found = textBoxes_.find(name);
    if (found == textBoxes_.end())
        noSuchControl(design_.name, name);
    return found->second->edit_;
}

QPushButton *QtForm::button(std::string_view name) const
{
    const auto found = buttons_.find(name);
    if (found == buttons_.end())
        noSuchControl(design_.name, name);
    return found->second->button_;
}

TextBox &QtForm::textBox(std::string_view name)
{
    lineEdit(name);
    return *textBoxes_.find(name)->second;
}

CommandButton &QtForm::commandButton(std::string_view name)
{
    button(name);
    return *buttons_.find(name)->second;
}

platform::PictureBox &QtForm::pictureBox(std::string_view name)
{
    auto *picture = qobject_cast<PictureBox *>(widget(name));
    if (!picture)
        noSuchControl(design_.name, name);
    return *picture;
}

void QtForm::onKeyPress(std::string_view textBox, std::function<void(std::int16_t &)> handler)
{
    new KeyPressHook(lineEdit(textBox), std::move(handler));
}

void QtForm::onChange(std::string_view textBox, std::function<void()> handler)
{
    connect(lineEdit(textBox), &QLineEdit::textChanged, this, [handler] { handler(); });
}

void QtForm::onClick(std::string_view button, std::function<void()> handler)
{
    connect(this->button(button), &QPushButton::clicked, this, [handler] { handler(); });
}

void QtForm::onTimer(std::string_view timer, std::function<void()> handler)
{
    const std::size_t index = timers_.size();
    TimerClock *clock =
        platform::startTimer(this, std::chrono::milliseconds(control(timer).interval),
                             [this, index] { timers_[index]->tick(); });
    timers_.push_back(std::make_unique<RestingTimer>(
        std::move(handler), [clock](bool running) { clock->setRunning(running); }));
}

void QtForm::showMessageBox(std::u16string_view body, MessageBoxStyle style,
                            std::u16string_view title)
{
    qt::showMessageBox(this, toQString(body), style, toQString(title));
}

} // namespace platform::qt

namespace platform {

FormHandle loadForm(const FormDesign &design, const HandlersFactory &makeHandlers)
{
    auto *form = new qt::QtForm(design);
    form->setHandlers(makeHandlers(*form));
    return form->handle();
}

} // namespace platform
