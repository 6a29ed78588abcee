// SPDX-License-Identifier: MIT
// The program as app/main.cpp starts it, made afresh for each test, and its windows by name.
#pragma once

#include <QAnyStringView>
#include <QtTest>
#include <memory>

#include "ui/design/design.h"
#include "ui/qt/program.h"

namespace test {

// Form1 shown and active, the information windows' slots empty.
inline std::unique_ptr<ui::Program> StartProgram() {
    auto program = std::make_unique<ui::Program>();
    if (!QTest::qWaitForWindowActive(&program->form1())) {
        qFatal("Form1 did not become the active window");
    }
    return program;
}

// The slot of the information window with that design name; a name of neither stops the test.
inline ui::InfoWindowSlot& SlotOf(ui::Program& program, QAnyStringView name) {
    if (name == QAnyStringView(ui::kFrmAboutDesign.name)) {
        return program.frmAbout();
    }
    if (name == QAnyStringView(ui::kFrmAbout1Design.name)) {
        return program.frmAbout1();
    }
    qFatal("no information window is named %s", qPrintable(name.toString()));
}

}  // namespace test
