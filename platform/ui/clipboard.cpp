// SPDX-License-Identifier: MIT
#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace platform {

void clearClipboard()
{
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

bool setClipboardText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    return clipboardText() == text;
}

QString clipboardText()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

} // namespace platform
