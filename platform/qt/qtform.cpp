// SPDX-License-Identifier: MIT
#include "qtform.h"

#include "accessibleids.h"
#include "announcer.h"
#include "button.h"
#include "controlnames.h"
#include "createcontrol.h"
#include "designvalues.h"
#include "focusorder.h"
#include "formaccessible.h"
#include "formtimers.h"
#include "heartbeatclock.h"
#include "keyfilter.h"
#include "liveannouncement.h"
#include "messagebox.h"
#include "picturebox.h"
#include "textbox.h"
#include "windowframe.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

// The pictures live in a static library; its resources must be registered by name.
static void initResources()
{
    Q_INIT_RESOURCE(velmora_pictures);
}

namespace platform::qt {
namespace {

// The control of that name in one of the form's maps by name; stops the program if none.
template <typename ByName>
auto &named(const ByName &controls, const FormDesign &design, std::string_view name)
{
    const auto found = controls.find(name);
    if (found == controls.end())
        noSuchControl(design.name, name);
    return *found->second;
}

} // namespace

class QtForm::WindowReference final : public FormHandle::Window
{
public:
    explicit WindowReference(QtForm *form) : form_(form) {}
    void showModeless() override { platform::qt::showModeless(form_); }

private:
    QtForm *const form_;
};

QtForm::QtForm(const FormDesign &design)
    : design_(design), reference_(std::make_shared<WindowReference>(this)),
      timers_(std::make_unique<FormTimers>(heartbeat()))
{
    initResources();
    installAccessibleFactory();
    setObjectName(fromName(design.name));
    setWindowTitle(toQString(design.title));
    setFont(fontOf(design.font));
    resize(pixelsFromTwips(design.clientWidth), pixelsFromTwips(design.clientHeight));
    if (design.backColour) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, colourOf(*design.backColour));
        setPalette(palette);
        setAutoFillBackground(true);
    }
    for (const ControlDesign &control : design.controls)
        addControl(control);
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
    timers_.reset();
    // Once the controls, destroyed after this, are gone too.
    QMetaObject::invokeMethod(qApp, &retireLastAccessibleId, Qt::QueuedConnection);
}

void QtForm::setHandlers(std::unique_ptr<Handlers> handlers)
{
    handlers_ = std::move(handlers);
}

FormHandle QtForm::handle() const
{
    return FormHandle(reference_);
}

// The control's widget, inside its container, and what the handlers see of it.
void QtForm::addControl(const ControlDesign &design)
{
    QWidget *parent = design.container.empty() ? this : widget(design.container);
    QWidget *created = createControl(design, design_.font, parent);
    if (!created)
        return;
    const std::string name(design.name);
    widgets_.emplace(name, created);
    if (design.kind == ControlKind::TextBox) {
        auto *edit = static_cast<QLineEdit *>(created);
        textBoxes_.emplace(name, std::make_unique<TextBoxControl>(edit));
        if (design.liveRegion)
            announceChanges(edit, design);
    } else if (design.kind == ControlKind::CommandButton)
        buttons_.emplace(name, std::make_unique<ButtonControl>(static_cast<QPushButton *>(created),
                                                               [this] { controlChanged(); }));
}

// Orca voices text changes only in the focused box: each new text of a live one is announced.
void QtForm::announceChanges(QLineEdit *edit, const ControlDesign &design)
{
    if (!announcer_)
        announcer_ = new Announcer(this);
    auto announcement = std::make_shared<LiveAnnouncement>(design.accessibleName);
    connect(edit, &QLineEdit::textChanged, announcer_, [this, announcement](const QString &text) {
        if (const auto words = announcement->textChanged(text.toStdU16String()))
            announcer_->announce(toQString(*words));
    });
}

void QtForm::watchForChanges()
{
    for (const auto &[name, textBox] : textBoxes_)
        connect(textBox->edit(), &QLineEdit::textChanged, this, &QtForm::controlChanged);
    for (const auto &[name, widget] : widgets_) {
        if (auto *picture = qobject_cast<PictureBoxControl *>(widget))
            connect(picture, &PictureBoxControl::topChanged, this, &QtForm::controlChanged);
    }
}

void QtForm::controlChanged()
{
    if (timers_)
        timers_->windowChanged();
}

void QtForm::applyTabOrder()
{
    const std::vector<const ControlDesign *> order = focusOrder(design_);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widget(order[i - 1]->name), widget(order[i]->name));
    if (!order.empty())
        widget(order.front()->name)->setFocus();
}

QWidget *QtForm::widget(std::string_view name) const
{
    return &named(widgets_, design_, name);
}

QLineEdit *QtForm::lineEdit(std::string_view name) const
{
    return named(textBoxes_, design_, name).edit();
}

QPushButton *QtForm::button(std::string_view name) const
{
    return named(buttons_, design_, name).button();
}

TextBox &QtForm::textBox(std::string_view name)
{
    return named(textBoxes_, design_, name);
}

CommandButton &QtForm::commandButton(std::string_view name)
{
    return named(buttons_, design_, name);
}

platform::PictureBox &QtForm::pictureBox(std::string_view name)
{
    auto *picture = qobject_cast<PictureBoxControl *>(widget(name));
    if (!picture)
        noSuchControl(design_.name, name);
    return *picture;
}

void QtForm::onKeyPress(std::string_view textBox, std::function<void(std::int16_t &)> handler)
{
    new KeyFilter(lineEdit(textBox), std::move(handler));
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
    timers_->add(std::chrono::milliseconds(designOf(design_, timer, ControlKind::Timer).interval),
                 std::move(handler));
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
