// SPDX-License-Identifier: MIT
// The floor for the start-up benchmark: what Qt alone costs to show one empty window with the
// main window's client size and nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(457, 434);
    window.show();
    return QApplication::exec();
}
