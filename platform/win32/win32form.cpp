// SPDX-License-Identifier: MIT
#include "win32form.h"

#include "accessible.h"
#include "dpi.h"
#include "focusorder.h"
#include "heartbeatclock.h"
#include "labelpainting.h"
#include "picture.h"
#include "resourceids.h"
#include "restingtimer.h"
#include "textboxinput.h"
#include "timerfloor.h"
#include "win32text.h"

#include <algorithm>
#include <cmath>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <windowsx.h>

namespace platform::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"VelmoraForm";
constexpr wchar_t kPictureBoxClass[] = L"VelmoraPictureBox";

int openForms = 0;

COLORREF colourOf(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

[[noreturn]] void noSuchControl(std::string_view form, std::string_view name)
{
    std::fprintf(stderr, "%.*s has no control %.*s of that kind\n", static_cast<int>(form.size()),
                 form.data(), static_cast<int>(name.size()), name.data());
    std::abort();
}

// A control's name and description for screen readers: the design's, and its tool tip.
LRESULT describeControl(HWND window, WPARAM wParam, LPARAM lParam, const ControlDesign &design,
                        std::u16string_view name)
{
    return answerGetObject(window, wParam, lParam, wide(name), wide(design.toolTip));
}

void registerClasses(WNDPROC formProc, WNDPROC pictureBoxProc, UINT dpi)
{
    static bool registered = false;
    if (registered)
        return;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = formProc;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // At 96 dots per inch the one 48-pixel image, resized, as ever; denser screens take the
    // image of their size from the icon that holds every size.
    const int icon = dpi > kDesignDpi ? VELMORA_ICON_SIZES : 1;
    form.hIcon = dpi > kDesignDpi
                     ? static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXICON),
                                                     GetSystemMetrics(SM_CYICON), 0))
                     : LoadIconW(instance, MAKEINTRESOURCEW(1));
    form.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(icon), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    form.lpszClassName = kFormClass;
    WNDCLASSEXW picture = form;
    picture.lpfnWndProc = pictureBoxProc;
    picture.hIcon = nullptr;
    picture.hIconSm = nullptr;
    picture.lpszClassName = kPictureBoxClass;
    RegisterClassExW(&form);
    RegisterClassExW(&picture);
    registered = true;
}

} // namespace

class Win32Form::TextBoxControl final : public TextBox
{
public:
    explicit TextBoxControl(HWND edit) : edit_(edit) {}

    std::u16string text() const override
    {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()))));
        return utf16(text);
    }
    // The same text again is no change: not for the resting timers, nor for screen readers.
    void setText(std::u16string_view text) override
    {
        if (text != this->text())
            SetWindowTextW(edit_, wide(text).c_str());
    }

private:
    const HWND edit_;
};

class Win32Form::ButtonControl final : public CommandButton
{
public:
    ButtonControl(HWND button, std::function<void()> changed)
        : button_(button), changed_(std::move(changed))
    {}
    void setEnabled(bool enabled) override
    {
        if (enabled == (IsWindowEnabled(button_) != FALSE))
            return;
        EnableWindow(button_, enabled);
        changed_();
    }

private:
    const HWND button_;
    const std::function<void()> changed_;
};

class Win32Form::PictureBoxControl final : public PictureBox
{
public:
    PictureBoxControl(HWND box, const ControlDesign &design, const UINT &dpi,
                      std::function<void()> changed)
        : box_(box), design_(design), dpi_(dpi), changed_(std::move(changed))
    {}

    float top() const override { return top_.value_or(static_cast<float>(design_.top)); }
    void setTop(float twips) override
    {
        if (top_ == twips)
            return;
        top_ = twips;
        place();
        changed_();
    }
    // No border and no scale of its own: the inner height is the design's, in twips, at every
    // density. Read back from rounded pixels it would drift, and the scroll's cycle with it.
    float scaleHeight() const override { return static_cast<float>(design_.height); }
    // Where the twips position falls at the window's present density.
    void place() const
    {
        SetWindowPos(box_, nullptr, pixelsAt(design_.left, dpi_),
                     static_cast<int>(std::lround(top() * static_cast<float>(dpi_) / 1440.0f)), 0,
                     0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

private:
    const HWND box_;
    const ControlDesign &design_;
    const UINT &dpi_;
    const std::function<void()> changed_;
    // Until first set, the design-time position is the twips position.
    std::optional<float> top_;
};

struct Win32Form::Control
{
    const ControlDesign *design;
    HWND window = nullptr;
    std::function<void(std::int16_t &)> keyPress;
    std::function<void()> change;
    std::function<void()> click;
    std::unique_ptr<TextBoxControl> textBox;
    std::unique_ptr<ButtonControl> button;
    std::unique_ptr<PictureBoxControl> pictureBox;
    TextBoxInput input;
};

class Win32Form::WindowReference final : public FormHandle::Window
{
public:
    explicit WindowReference(HWND window) : window_(window) {}

    void showModeless() override
    {
        ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
        BringWindowToTop(window_);
        SetForegroundWindow(window_);
    }

private:
    const HWND window_;
};

Win32Form *Win32Form::create(const FormDesign &design)
{
    const UINT dpi = systemDpi();
    registerClasses(formProc, pictureBoxProc, dpi);
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
    const int x = work.left + (work.right - work.left - width) / 2;
    const int y = work.top + (work.bottom - work.top - height) / 2;
    CreateWindowExW(extendedStyle, kFormClass, wide(design.title).c_str(), style, x, y, width,
                    height, nullptr, nullptr, GetModuleHandleW(nullptr), form);
    form->reference_ = std::make_shared<WindowReference>(form->window_);
    ++openForms;
    return form;
}

Win32Form::Win32Form(const FormDesign &design) : design_(design) {}

Win32Form::~Win32Form()
{
    for (const auto &[design, font] : fonts_)
        DeleteObject(font);
    if (pointer_)
        DestroyCursor(pointer_);
}

int Win32Form::pixels(int twips) const
{
    return pixelsAt(twips, dpi_);
}

void Win32Form::setHandlers(std::unique_ptr<Handlers> handlers)
{
    handlers_ = std::move(handlers);
}

Win32Form *Win32Form::of(HWND window)
{
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (std::wstring_view(className) != kFormClass)
        return nullptr;
    return reinterpret_cast<Win32Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

FormHandle Win32Form::handle() const
{
    return FormHandle(reference_);
}

HFONT Win32Form::font(const std::optional<FontDesign> &design)
{
    const FontDesign &wanted = design ? *design : design_.font;
    for (const auto &[font, handle] : fonts_) {
        if (font.face == wanted.face && font.points == wanted.points && font.bold == wanted.bold)
            return handle;
    }
    const int height = -static_cast<int>(std::lround(wanted.points * dpi_ / 72.0));
    HFONT handle =
        CreateFontW(height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                    ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, wide(wanted.face).c_str());
    fonts_.emplace_back(wanted, handle);
    return handle;
}

void Win32Form::createControls()
{
    for (const ControlDesign &design : design_.controls) {
        auto control = std::make_unique<Control>();
        control->design = &design;
        control->window = createChild(*control);
        controls_.push_back(std::move(control));
    }
    loadPictures();
    // The design lists the topmost first; each sent to the bottom in turn ends in that order.
    for (const auto &control : controls_) {
        if (control->window)
            SetWindowPos(control->window, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    const std::vector<const ControlDesign *> order = focusOrder(design_);
    lastFocus_ = order.empty() ? nullptr : control(order.front()->name, order.front()->kind).window;
}

HWND Win32Form::createChild(Control &control)
{
    const ControlDesign &design = *control.design;
    HWND parent = window_;
    if (!design.container.empty())
        parent = this->control(design.container, ControlKind::PictureBox).window;
    const wchar_t *windowClass = nullptr;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    DWORD extendedStyle = 0;
    switch (design.kind) {
    case ControlKind::TextBox:
        windowClass = WC_EDITW;
        style |= ES_AUTOHSCROLL | (design.locked ? ES_READONLY : 0);
        extendedStyle = WS_EX_CLIENTEDGE;
        break;
    case ControlKind::CommandButton:
        windowClass = WC_BUTTONW;
        style |= BS_PUSHBUTTON;
        break;
    case ControlKind::PictureBox:
        windowClass = kPictureBoxClass;
        style |= WS_CLIPCHILDREN;
        break;
    case ControlKind::Image:
    case ControlKind::Label:
    case ControlKind::Timer:
        // Painted by their container, or nothing to see.
        return nullptr;
    }
    if (!design.enabled)
        style |= WS_DISABLED;
    // A child's identifier is its place in the design, counted from 1: what tools and tests
    // find it by.
    const auto id = static_cast<INT_PTR>(&design - design_.controls.data()) + 1;
    HWND child = CreateWindowExW(extendedStyle, windowClass, wide(design.text).c_str(), style,
                                 pixels(design.left), pixels(design.top), pixels(design.width),
                                 pixels(design.height), parent, reinterpret_cast<HMENU>(id),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(design.font)), FALSE);
    switch (design.kind) {
    case ControlKind::TextBox:
        // No limit is the control's largest.
        SendMessageW(child, EM_LIMITTEXT, static_cast<WPARAM>(design.maxLength), 0);
        SetWindowSubclass(child, controlProc, 0, reinterpret_cast<DWORD_PTR>(&control));
        control.textBox = std::make_unique<TextBoxControl>(child);
        break;
    case ControlKind::CommandButton:
        SetWindowSubclass(child, controlProc, 0, reinterpret_cast<DWORD_PTR>(&control));
        control.button = std::make_unique<ButtonControl>(child, [this] { controlChanged(); });
        break;
    case ControlKind::PictureBox:
        SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        control.pictureBox =
            std::make_unique<PictureBoxControl>(child, design, dpi_, [this] { controlChanged(); });
        break;
    default:
        break;
    }
    return child;
}

// Made when the pointer first comes over the window, not at start-up: until then no tool tip can
// show, and the window comes up sooner without them.
void Win32Form::createToolTips()
{
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    for (const auto &control : controls_)
        addToolTip(*control);
}

void Win32Form::addToolTip(const Control &control)
{
    if (!control.window || control.design->toolTip.empty())
        return;
    std::wstring text = wide(control.design->toolTip);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control.window);
    tool.lpszText = text.data();
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The window's own background, and the picture and labels drawn on it.
void Win32Form::paintClient(HDC dc, const RECT &area)
{
    HBRUSH brush = design_.backColour ? CreateSolidBrush(colourOf(*design_.backColour))
                                      : GetSysColorBrush(COLOR_BTNFACE);
    FillRect(dc, &area, brush);
    if (design_.backColour)
        DeleteObject(brush);
    paintContents(dc, {});
}

// The windowless controls of a container, bottom of the z-order first.
void Win32Form::paintContents(HDC dc, std::string_view container)
{
    SetBkMode(dc, TRANSPARENT);
    for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) {
        const ControlDesign &design = *(*control)->design;
        if (design.container != container)
            continue;
        const RECT box{pixels(design.left), pixels(design.top), pixels(design.left + design.width),
                       pixels(design.top + design.height)};
        if (design.kind == ControlKind::Image && background_) {
            // Unscaled, from the top-left corner; what does not fit is cut off. Between 1x and
            // 2x the 2x picture is resized to the screen's pixels.
            const int density = static_cast<int>(kDesignDpi) * backgroundScale_;
            const int width = background_.width();
            const int height = background_.height();
            const int saved = SaveDC(dc);
            IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
            if (static_cast<int>(dpi_) != density) {
                SetStretchBltMode(dc, HALFTONE);
                SetBrushOrgEx(dc, 0, 0, nullptr);
            }
            StretchDIBits(dc, box.left, box.top, MulDiv(width, static_cast<int>(dpi_), density),
                          MulDiv(height, static_cast<int>(dpi_), density), 0, 0, width, height,
                          background_.bits, background_.info, DIB_RGB_COLORS, SRCCOPY);
            RestoreDC(dc, saved);
        } else if (design.kind == ControlKind::Label) {
            paintLabel(dc, box, design, design_.font, font(design.font));
        }
    }
}

// What a screen reader reads of a picture box: the labels it holds, top to bottom, one a line.
std::u16string Win32Form::heldCaptions(std::string_view container) const
{
    std::vector<const ControlDesign *> labels;
    for (const auto &control : controls_) {
        if (control->design->container == container && control->design->kind == ControlKind::Label)
            labels.push_back(control->design);
    }
    std::stable_sort(labels.begin(), labels.end(),
                     [](auto *a, auto *b) { return a->top < b->top; });
    std::u16string captions;
    for (const ControlDesign *label : labels)
        captions.append(captions.empty() ? u"" : u"\n").append(label->text);
    return captions;
}

Win32Form::Control &Win32Form::control(std::string_view name, ControlKind kind)
{
    for (const auto &control : controls_) {
        if (control->design->name == name && control->design->kind == kind)
            return *control;
    }
    noSuchControl(design_.name, name);
}

Win32Form::Control *Win32Form::controlOf(HWND child)
{
    for (const auto &control : controls_) {
        if (control->window && control->window == child)
            return control.get();
    }
    return nullptr;
}

TextBox &Win32Form::textBox(std::string_view name)
{
    return *control(name, ControlKind::TextBox).textBox;
}

CommandButton &Win32Form::commandButton(std::string_view name)
{
    return *control(name, ControlKind::CommandButton).button;
}

PictureBox &Win32Form::pictureBox(std::string_view name)
{
    return *control(name, ControlKind::PictureBox).pictureBox;
}

void Win32Form::onKeyPress(std::string_view textBox, std::function<void(std::int16_t &)> handler)
{
    control(textBox, ControlKind::TextBox).keyPress = std::move(handler);
}

void Win32Form::onChange(std::string_view textBox, std::function<void()> handler)
{
    control(textBox, ControlKind::TextBox).change = std::move(handler);
}

void Win32Form::onClick(std::string_view button, std::function<void()> handler)
{
    control(button, ControlKind::CommandButton).click = std::move(handler);
}

void Win32Form::onTimer(std::string_view timer, std::function<void()> handler)
{
    const std::chrono::milliseconds interval = effectiveTimerInterval(
        std::chrono::milliseconds(control(timer, ControlKind::Timer).design->interval));
    const std::size_t index = timers_.size();
    const auto tick = [this, index] { timers_[index]->tick(); };
    std::function<void(bool)> setRunning;
    if (interval == kFastestTimerInterval) {
        const Heartbeat::Subscription subscription = heartbeat().subscribe(tick);
        subscriptions_.push_back(subscription);
        setRunning = [subscription](bool running) {
            heartbeat().setRunning(subscription, running);
        };
    } else {
        const UINT_PTR id = slowTimers_.size() + 1;
        slowTimers_.emplace(id, tick);
        setRunning = [window = window_, id,
                      milliseconds = static_cast<UINT>(interval.count())](bool running) {
            if (running)
                SetTimer(window, id, milliseconds, nullptr);
            else
                KillTimer(window, id);
        };
        setRunning(true);
    }
    timers_.push_back(std::make_unique<RestingTimer>(std::move(handler), std::move(setRunning)));
}

void Win32Form::controlChanged()
{
    for (const std::unique_ptr<RestingTimer> &timer : timers_)
        timer->windowChanged();
}

void Win32Form::showMessageBox(std::u16string_view body, MessageBoxStyle style,
                               std::u16string_view title)
{
    // Modal to the whole program, not only to its owner: the user cannot close or use another
    // of our windows behind the box. Their timers keep ticking.
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            if (IsWindowVisible(window) && IsWindowEnabled(window)) {
                reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    std::erase(disabled, window_);
    for (const HWND window : disabled)
        EnableWindow(window, FALSE);
    // The style values are the system's own: 64 information, 48 exclamation.
    MessageBoxW(window_, wide(body).c_str(), wide(title).c_str(), MB_OK | static_cast<UINT>(style));
    for (const HWND window : disabled) {
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    }
}

void Win32Form::moveFocus(bool backward)
{
    std::vector<const Control *> order;
    for (const ControlDesign *design : focusOrder(design_))
        order.push_back(&control(design->name, design->kind));
    if (order.empty())
        return;
    const HWND focus = GetFocus();
    auto current = std::find_if(order.begin(), order.end(),
                                [focus](const Control *c) { return c->window == focus; });
    std::size_t index = current == order.end() ? order.size() - 1
                                               : static_cast<std::size_t>(current - order.begin());
    // A disabled control is skipped.
    for (std::size_t step = 0; step < order.size(); ++step) {
        index = backward ? (index + order.size() - 1) % order.size() : (index + 1) % order.size();
        if (IsWindowEnabled(order[index]->window)) {
            SetFocus(order[index]->window);
            if (order[index]->design->kind == ControlKind::TextBox)
                SendMessageW(order[index]->window, EM_SETSEL, 0, -1);
            return;
        }
    }
}

bool Win32Form::navigate(const MSG &message)
{
    if (message.message != WM_KEYDOWN || !message.hwnd)
        return false;
    if (message.wParam != VK_TAB && message.wParam != VK_RETURN)
        return false;
    Win32Form *form = of(GetAncestor(message.hwnd, GA_ROOT));
    if (!form)
        return false;
    if (message.wParam == VK_TAB) {
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
            return false;
        form->moveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    // Enter presses the button that has the focus, as Space does.
    if (const Control *control = form->controlOf(message.hwnd);
        control && control->design->kind == ControlKind::CommandButton) {
        SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

LRESULT CALLBACK Win32Form::formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *form = static_cast<Win32Form *>(
            reinterpret_cast<const CREATESTRUCTW *>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto *form = reinterpret_cast<Win32Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    return form->handleMessage(message, wParam, lParam);
}

LRESULT CALLBACK Win32Form::pictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *form = reinterpret_cast<Win32Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (const Control *control = form->controlOf(window)) {
            const ControlDesign &design = *control->design;
            HBRUSH brush = CreateSolidBrush(design.backColour ? colourOf(*design.backColour)
                                                              : GetSysColor(COLOR_BTNFACE));
            FillRect(dc, &paint.rcPaint, brush);
            DeleteObject(brush);
            form->paintContents(dc, design.name);
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetFocus(window);
        return 0;
    case WM_GETOBJECT:
        if (const Control *control = form->controlOf(window)) {
            const ControlDesign &design = *control->design;
            const std::u16string name = design.accessibleName.empty()
                                            ? form->heldCaptions(design.name)
                                            : std::u16string(design.accessibleName);
            if (LRESULT object = describeControl(window, wParam, lParam, design, name))
                return object;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Text boxes and buttons: the key-press filter where there is one, and their names for screen
// readers (a button's caption is its name already; its tool tip becomes its description).
LRESULT CALLBACK Win32Form::controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR data)
{
    auto *control = reinterpret_cast<Control *>(data);
    if (control->textBox) {
        if (const auto result =
                control->input.handle(window, message, wParam, lParam, control->keyPress))
            return *result;
    }
    if (message == WM_GETOBJECT) {
        if (LRESULT object = describeControl(window, wParam, lParam, *control->design,
                                             control->design->accessibleName))
            return object;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, controlProc, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT Win32Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        paintClient(dc, paint.rcPaint);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_PRINTCLIENT: {
        // What screenshots of the window (PrintWindow) and its animations draw from.
        RECT client;
        GetClientRect(window_, &client);
        paintClient(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        // A locked text box keeps the look of an editable one.
        if (const Control *control = controlOf(reinterpret_cast<HWND>(lParam));
            control && control->design->kind == ControlKind::TextBox) {
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    case WM_COMMAND:
        if (Control *control = controlOf(reinterpret_cast<HWND>(lParam))) {
            if (HIWORD(wParam) == EN_CHANGE) {
                if (control->change)
                    control->change();
                controlChanged();
            } else if (HIWORD(wParam) == BN_CLICKED && control->click)
                control->click();
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (!toolTips_)
            createToolTips();
        if (const Control *control = controlOf(reinterpret_cast<HWND>(wParam))) {
            if (control->design->pointer == MousePointer::PointingHand) {
                SetCursor(pointer_);
                return TRUE;
            }
            if (control->design->pointer == MousePointer::Arrow) {
                SetCursor(LoadCursorW(nullptr, IDC_ARROW));
                return TRUE;
            }
        }
        break;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_ACTIVATE:
        // Like a dialog, the window gives the focus back to the control that last had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (const HWND focus = GetFocus(); focus && IsChild(window_, focus))
                lastFocus_ = focus;
        } else if (lastFocus_) {
            SetFocus(lastFocus_);
        }
        return 0;
    case WM_TIMER:
        if (const auto found = slowTimers_.find(wParam); found != slowTimers_.end()) {
            found->second();
            return 0;
        }
        break;
    case WM_DESTROY:
        destroyed();
        return 0;
    case WM_NCDESTROY: {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        delete this;
        // The program ends when its last window has closed.
        if (--openForms == 0)
            PostQuitMessage(0);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// The pictures for the window's density: the 2x ones above 96 dots per inch.
void Win32Form::loadPictures()
{
    const bool dense = dpi_ > kDesignDpi;
    background_ = {};
    for (const auto &control : controls_) {
        const ControlDesign &design = *control->design;
        if (design.kind == ControlKind::Image && design.picture == Picture::Background)
            background_ = findBitmapResource(dense ? VELMORA_BACKGROUND_PICTURE_2X
                                                   : VELMORA_BACKGROUND_PICTURE);
    }
    backgroundScale_ = dense ? 2 : 1;
    if (pointer_)
        DestroyCursor(pointer_);
    // Two-colour pointers are resized without blending: the 2x one to the screen's size.
    const int size = pixelsAt(32 * 15, dpi_);
    pointer_ = static_cast<HCURSOR>(
        LoadImageW(GetModuleHandleW(nullptr),
                   MAKEINTRESOURCEW(dense ? VELMORA_POINTING_HAND_2X : VELMORA_POINTING_HAND),
                   IMAGE_CURSOR, size, size, 0));
}

// The window moved to a screen of another density, or the screen's changed: the same design
// laid out again at the new one, in the rectangle the system suggests.
void Win32Form::changeDpi(UINT dpi, const RECT &suggested)
{
    dpi_ = dpi;
    // The controls keep drawing with the old fonts until they have the new ones.
    const auto oldFonts = std::move(fonts_);
    fonts_.clear();
    loadPictures();
    for (const auto &control : controls_) {
        if (!control->window)
            continue;
        const ControlDesign &design = *control->design;
        SetWindowPos(control->window, nullptr, pixels(design.left), pixels(design.top),
                     pixels(design.width), pixels(design.height), SWP_NOZORDER | SWP_NOACTIVATE);
        if (control->pictureBox)
            control->pictureBox->place();
        SendMessageW(control->window, WM_SETFONT, reinterpret_cast<WPARAM>(font(design.font)),
                     TRUE);
    }
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, TRUE);
    for (const auto &[design, font] : oldFonts)
        DeleteObject(font);
}

void Win32Form::destroyed()
{
    for (const int subscription : subscriptions_)
        heartbeat().unsubscribe(subscription);
    subscriptions_.clear();
    for (const auto &[id, tick] : slowTimers_)
        KillTimer(window_, id);
    slowTimers_.clear();
    timers_.clear();
    // The handlers go first, while the controls they hold still exist.
    handlers_.reset();
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
