// SPDX-License-Identifier: MIT
#pragma once

#include "formdesign.h"
#include "forms.h"

#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;

namespace platform {
class FormTimers;
}

namespace platform::qt {

class Announcer;
class ButtonControl;
class TextBoxControl;

// A window built with Qt Widgets from its design: every control a child widget named as in
// the design, so that tests find them by name. It owns its handlers and discards itself, and
// them first, when closed.
class QtForm : public QWidget, public Form
{
    Q_OBJECT

public:
    explicit QtForm(const FormDesign &design);
    ~QtForm() override;

    void setHandlers(std::unique_ptr<Handlers> handlers);
    FormHandle handle() const;
    const FormDesign &design() const { return design_; }

    TextBox &textBox(std::string_view name) override;
    CommandButton &commandButton(std::string_view name) override;
    platform::PictureBox &pictureBox(std::string_view name) override;

    void onKeyPress(std::string_view textBox, std::function<void(std::int16_t &)> handler) override;
    void onChange(std::string_view textBox, std::function<void()> handler) override;
    void onClick(std::string_view button, std::function<void()> handler) override;
    void onTimer(std::string_view timer, std::function<void()> handler) override;

    void showMessageBox(std::u16string_view body, MessageBoxStyle style,
                        std::u16string_view title) override;

private:
    class WindowReference;

    QWidget *widget(std::string_view name) const;
    QLineEdit *lineEdit(std::string_view name) const;
    QPushButton *button(std::string_view name) const;
    void addControl(const ControlDesign &design);
    void announceChanges(QLineEdit *edit, const ControlDesign &design);
    void applyTabOrder();
    // Every change to a control, the user's or a handler's, may give a resting timer work.
    void watchForChanges();
    void controlChanged();

    const FormDesign &design_;
    std::map<std::string, QWidget *, std::less<>> widgets_;
    std::map<std::string, std::unique_ptr<TextBoxControl>, std::less<>> textBoxes_;
    std::map<std::string, std::unique_ptr<ButtonControl>, std::less<>> buttons_;
    std::shared_ptr<WindowReference> reference_;
    std::unique_ptr<FormTimers> timers_;
    std::unique_ptr<Handlers> handlers_;
    // Made for the first live text box; a child of the window.
    Announcer *announcer_ = nullptr;
};

} // namespace platform::qt
