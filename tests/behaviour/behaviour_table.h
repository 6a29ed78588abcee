// SPDX-License-Identifier: MIT
// tests/data/behaviour.tsv as the C++ suites read it: what a user does in the windows and what
// must follow, in words that do not know a toolkit. Each suite drives its own renderer by them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace behaviour {

// A control as the table names it: "Text1" in the row's window, or "frmAbout.cmdOK".
struct ControlName {
    std::string window;
    std::string control;  // empty where the step names a whole window (close W)
};

struct Step {
    enum class Verb { Focus, Key, Type, Paste, Click, DoubleClick, Close };
    Verb verb;
    ControlName target;
    ControlName over;  // double-click: the control put beneath the target
    std::string text;  // type and paste: UTF-8; key: its name
};

struct Expectation {
    enum class Kind { Text, Length, Open, Focus, Ended };
    Kind kind;
    ControlName control;            // Text, Length, Focus
    std::string text;               // Text: UTF-8
    int length = 0;                 // Length
    std::vector<std::string> open;  // Open: window names, in the table's order
};

struct Row {
    std::string what;
    std::string window;
    std::vector<Step> steps;
    std::vector<Expectation> expect;
    std::string skip;  // why this build cannot do the row; empty when it can
};

// The rows of the file, with `skip` filled for the build named ("linux", "windows"). A row the
// words do not fit throws std::runtime_error quoting it.
std::vector<Row> ReadRows(const std::string& path, std::string_view build);

}  // namespace behaviour
