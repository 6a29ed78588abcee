// SPDX-License-Identifier: MIT
// The floors for the start-up benchmark: what Qt alone costs to show one window with the main
// window's client size and nothing in it, or (with --label) one line of text in it. The second
// shows what any window that draws text pays before the program's own work begins.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool labelled = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    QWidget window;
    window.setWindowTitle(labelled ? QStringLiteral("Labelled Qt window")
                                   : QStringLiteral("Bare Qt window"));
    window.setFixedSize(457, 434);
    if (labelled) {
        auto* label = new QLabel(QStringLiteral("Вводим реальные параметры"), &window);
        label->move(8, 48);
    }
    window.show();
    return QApplication::exec();
}
