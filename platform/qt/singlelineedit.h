// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace platform::qt {

// A single-line text box. Like the old desktop's, it takes a pasted text only up to its first
// line break, whichever way the paste comes (Shift+Insert, the context menu, the middle mouse
// button), so that its text never holds one.
class SingleLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit SingleLineEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void pasteFirstLine(QClipboard::Mode mode);
    void separateUndoStep();
};

} // namespace platform::qt
