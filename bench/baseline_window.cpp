// SPDX-License-Identifier: MIT
// The yardstick for the desktop benchmark: a bare Qt Widgets window with one line edit and
// one label, nothing else.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velmora baseline"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Número")));
    // Focused, as Velmora's number field is: its caret blinks in both.
    auto *edit = new QLineEdit;
    layout->addWidget(edit);
    edit->setFocus();
    window.show();
    // Active, as Velmora's main window makes itself when shown.
    window.activateWindow();
    return QApplication::exec();
}
