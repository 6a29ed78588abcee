// SPDX-License-Identifier: MIT
#include <QApplication>
#include <cstdio>

#include "ui/qt/application_setup.h"
#include "ui/qt/platform/platform.h"
#include "ui/qt/program.h"

int main(int argc, char* argv[]) {
    // Without a display or its plugin Qt would abort with a page of plugin diagnostics; one
    // line says more.
    if (const auto problem = ui::platform::ChooseWindowingSystem()) {
        std::fprintf(stderr, "veltrana-gain: %s\n", problem->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    ui::SetUpApplication();
    ui::Program program;
    return QApplication::exec();
}
