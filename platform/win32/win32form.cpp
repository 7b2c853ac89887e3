// SPDX-License-Identifier: MIT
#include "win32form.h"

#include "activation.h"
#include "button.h"
#include "controlnames.h"
#include "dpi.h"
#include "focusorder.h"
#include "formdesign.h"
#include "formtimers.h"
#include "heartbeatclock.h"
#include "messagebox.h"
#include "picturebox.h"
#include "stacking.h"
#include "textbox.h"
#include "win32text.h"
#include "windowclass.h"
#include "windowlesspainting.h"

#include <algorithm>

namespace platform::win32 {
namespace {

// What a screen reader reads of a picture box: the labels it holds, top to bottom, one a line.
std::u16string heldCaptions(const FormDesign &form, std::string_view container)
{
    std::vector<const ControlDesign *> labels;
    for (const ControlDesign &control : form.controls) {
        if (control.container == container && control.kind == ControlKind::Label)
            labels.push_back(&control);
    }
    std::stable_sort(labels.begin(), labels.end(),
                     [](auto *a, auto *b) { return a->top < b->top; });
    std::u16string captions;
    for (const ControlDesign *label : labels)
        captions.append(captions.empty() ? u"" : u"\n").append(label->text);
    return captions;
}

} // namespace

class Win32Form::WindowReference final : public FormHandle::Window
{
public:
    explicit WindowReference(HWND window) : window_(window) {}

    void showModeless() override { showActive(window_); }

private:
    const HWND window_;
};

Win32Form *Win32Form::create(const FormDesign &design)
{
    const UINT dpi = systemDpi();
    auto *form = new Win32Form(design);
    form->dpi_ = dpi;
    const bool tool = design.border == Border::FixedToolWindow;
    // Fixed borders: no sizing frame and no maximise button.
    const DWORD style =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (tool ? 0 : WS_MINIMIZEBOX);
    const DWORD extendedStyle = tool ? WS_EX_TOOLWINDOW : 0;
    RECT outer{0, 0, pixelsAt(design.clientWidth, dpi), pixelsAt(design.clientHeight, dpi)};
    adjustWindowRect(outer, style, extendedStyle, dpi);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    // Centred on the primary screen's work area, frame included.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT &work = monitor.rcWork;
    const int x = centredStart(work.left, work.right - work.left, width);
    const int y = centredStart(work.top, work.bottom - work.top, height);
    CreateWindowExW(extendedStyle, windowClass(kFormClassName, windowProc),
                    wide(design.title).c_str(), style, x, y, width, height, nullptr, nullptr,
                    GetModuleHandleW(nullptr), form);
    form->reference_ = std::make_shared<WindowReference>(form->window_);
    return form;
}

Win32Form *Win32Form::of(HWND window)
{
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (std::wstring_view(className) != kFormClassName)
        return nullptr;
    return reinterpret_cast<Win32Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

Win32Form::Win32Form(const FormDesign &design) : design_(design) {}

Win32Form::~Win32Form() = default;

void Win32Form::setHandlers(std::unique_ptr<Handlers> handlers)
{
    handlers_ = std::move(handlers);
}

FormHandle Win32Form::handle() const
{
    return FormHandle(reference_);
}

std::vector<const ChildControl *> Win32Form::focusOrder() const
{
    std::vector<const ChildControl *> order;
    for (const ControlDesign *design : platform::focusOrder(design_)) {
        const auto found = std::find_if(children_.begin(), children_.end(),
                                        [design](const auto &c) { return &c->design() == design; });
        if (found != children_.end())
            order.push_back(found->get());
    }
    return order;
}

void Win32Form::createControls()
{
    timers_ = std::make_unique<FormTimers>(heartbeat());
    pictures_.load(dpi_);
    pictures_.showIcons(window_);
    const auto changed = [this] { controlChanged(); };
    for (const ControlDesign &design : design_.controls) {
        HWND parent = design.container.empty()
                          ? window_
                          : child<PictureBoxControl>(design.container).window();
        const int id = kFirstControlId + static_cast<int>(&design - design_.controls.data());
        std::unique_ptr<ChildControl> control;
        switch (design.kind) {
        case ControlKind::TextBox:
            control = std::make_unique<TextBoxControl>(design, parent, id, dpi_, changed);
            break;
        case ControlKind::CommandButton:
            control = std::make_unique<ButtonControl>(design, parent, id, dpi_, changed);
            break;
        case ControlKind::PictureBox:
            control = std::make_unique<PictureBoxControl>(
                design, parent, id, dpi_, changed,
                [this, &design](HDC dc) {
                    paintWindowless(dc, design_, design.name, dpi_, fonts_, pictures_);
                },
                design.accessibleName.empty() ? heldCaptions(design_, design.name)
                                              : std::u16string(design.accessibleName));
            break;
        case ControlKind::Image:
        case ControlKind::Label:
        case ControlKind::Timer:
            // Painted by their container, or nothing to see.
            continue;
        }
        SendMessageW(
            control->window(), WM_SETFONT,
            reinterpret_cast<WPARAM>(fonts_.font(design.font.value_or(design_.font), dpi_)), FALSE);
        children_.push_back(std::move(control));
    }
    const std::vector<const ChildControl *> order = focusOrder();
    stackChildren(order, children_);
    lastFocus_ = order.empty() ? nullptr : order.front()->window();
}

template <typename Kind> Kind &Win32Form::child(std::string_view name) const
{
    for (const std::unique_ptr<ChildControl> &control : children_) {
        if (auto *found = dynamic_cast<Kind *>(control.get());
            found && control->design().name == name)
            return *found;
    }
    noSuchControl(design_.name, name);
}

TextBox &Win32Form::textBox(std::string_view name)
{
    return child<TextBoxControl>(name);
}

CommandButton &Win32Form::commandButton(std::string_view name)
{
    return child<ButtonControl>(name);
}

PictureBox &Win32Form::pictureBox(std::string_view name)
{
    return child<PictureBoxControl>(name);
}

void Win32Form::onKeyPress(std::string_view textBox, std::function<void(std::int16_t &)> handler)
{
    child<TextBoxControl>(textBox).onKeyPress(std::move(handler));
}

void Win32Form::onChange(std::string_view textBox, std::function<void()> handler)
{
    child<TextBoxControl>(textBox).onChange(std::move(handler));
}

void Win32Form::onClick(std::string_view button, std::function<void()> handler)
{
    child<ButtonControl>(button).onClick(std::move(handler));
}

void Win32Form::onTimer(std::string_view timer, std::function<void()> handler)
{
    const ControlDesign &design = designOf(design_, timer, ControlKind::Timer);
    timers_->add(std::chrono::milliseconds(design.interval), std::move(handler));
}

void Win32Form::controlChanged()
{
    if (timers_)
        timers_->windowChanged();
}

void Win32Form::showMessageBox(std::u16string_view body, MessageBoxStyle style,
                               std::u16string_view title)
{
    // The style values are the system's own: 64 information, 48 exclamation.
    showProgramModalBox(window_, body, static_cast<UINT>(style), title);
}

} // namespace platform::win32

namespace platform {

FormHandle loadForm(const FormDesign &design, const HandlersFactory &makeHandlers)
{
    win32::Win32Form *form = win32::Win32Form::create(design);
    form->setHandlers(makeHandlers(*form));
    return form->handle();
}

} // namespace platform
