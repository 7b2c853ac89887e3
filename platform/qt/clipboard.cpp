// SPDX-License-Identifier: MIT
#include "qttext.h"
#include "services.h"

#include <QClipboard>
#include <QGuiApplication>

// The general clipboard, not X11's primary selection.
namespace platform {

void clearClipboard()
{
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

bool setClipboardText(std::u16string_view text)
{
    QGuiApplication::clipboard()->setText(qt::toQString(text), QClipboard::Clipboard);
    return clipboardText() == text;
}

std::u16string clipboardText()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard).toStdU16String();
}

} // namespace platform
