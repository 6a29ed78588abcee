// SPDX-License-Identifier: MIT
#include "tests/behaviour/behaviour_table.h"

#include <charconv>
#include <fstream>
#include <stdexcept>

namespace behaviour {
namespace {

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + separator.size();
    }
}

bool Consume(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix)) {
        return false;
    }
    text.remove_prefix(prefix.size());
    return true;
}

// The escapes of a cell's text: \n \r \t \\ and \".
std::string Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (const char escaped = text[++i]) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            default:
                out += escaped;
        }
    }
    return out;
}

// "text" or "text"*N.
std::string QuotedText(std::string_view cell) {
    const std::size_t close = cell.rfind('"');
    if (!cell.starts_with('"') || close == 0) {
        throw std::runtime_error("a text in quotes is wanted");
    }
    const std::string once = Unescaped(cell.substr(1, close - 1));
    std::string_view rest = cell.substr(close + 1);
    if (rest.empty()) {
        return once;
    }
    int times = 0;
    if (!Consume(rest, "*") || std::from_chars(rest.data(), rest.data() + rest.size(), times).ptr !=
                                   rest.data() + rest.size()) {
        throw std::runtime_error("a text is repeated as \"text\"*N");
    }
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += once;
    }
    return repeated;
}

ControlName Name(std::string_view text, const std::string& window) {
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos) {
        return {window, std::string(text)};
    }
    return {std::string(text.substr(0, dot)), std::string(text.substr(dot + 1))};
}

Step ReadStep(std::string_view text, const std::string& window) {
    using Verb = Step::Verb;
    if (Consume(text, "focus ")) {
        return {Verb::Focus, Name(text, window), {}, {}};
    }
    if (Consume(text, "key ")) {
        return {Verb::Key, {}, {}, std::string(text)};
    }
    if (Consume(text, "type ")) {
        return {Verb::Type, {}, {}, QuotedText(text)};
    }
    if (Consume(text, "paste ")) {
        return {Verb::Paste, {}, {}, QuotedText(text)};
    }
    if (Consume(text, "click ")) {
        return {Verb::Click, Name(text, window), {}, {}};
    }
    if (Consume(text, "double-click ")) {
        const std::size_t over = text.find(" over ");
        if (over == std::string_view::npos) {
            throw std::runtime_error("double-click C over D");
        }
        return {Verb::DoubleClick,
                Name(text.substr(0, over), window),
                Name(text.substr(over + 6), window),
                {}};
    }
    if (Consume(text, "close ")) {
        return {Verb::Close, {std::string(text), {}}, {}, {}};
    }
    throw std::runtime_error("no such step: " + std::string(text));
}

Expectation ReadExpectation(std::string_view text, const std::string& window) {
    using Kind = Expectation::Kind;
    if (text == "ended") {
        return {Kind::Ended, {}, {}, 0, {}};
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        throw std::runtime_error("no such expectation: " + std::string(text));
    }
    std::string_view left = text.substr(0, equals);
    const std::string_view right = text.substr(equals + 1);
    if (left == "open") {
        Expectation open{Kind::Open, {}, {}, 0, {}};
        if (!right.empty()) {
            open.open = Split(right, " ");
        }
        return open;
    }
    if (left == "focus") {
        return {Kind::Focus, Name(right, window), {}, 0, {}};
    }
    if (Consume(left, "length(") && left.ends_with(')')) {
        left.remove_suffix(1);
        Expectation length{Kind::Length, Name(left, window), {}, 0, {}};
        if (std::from_chars(right.data(), right.data() + right.size(), length.length).ptr !=
            right.data() + right.size()) {
            throw std::runtime_error("length(C)=N wants a number");
        }
        return length;
    }
    return {Kind::Text, Name(left, window), Unescaped(right), 0, {}};
}

// "web: why | windows: why": the reason given for `build`, if any.
std::string SkipFor(std::string_view cell, std::string_view build) {
    for (const std::string& part : Split(cell, " | ")) {
        std::string_view reason = part;
        if (Consume(reason, build) && Consume(reason, ": ")) {
            return std::string(reason);
        }
    }
    return {};
}

}  // namespace

std::vector<Row> ReadRows(const std::string& path, std::string_view build) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<Row> rows;
    bool header = true;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (header) {
            if (line != "what\twindow\tsteps\texpect\tskip") {
                throw std::runtime_error("not the header the suites read: " + line);
            }
            header = false;
            continue;
        }
        try {
            const std::vector<std::string> cells = Split(line, "\t");
            if (cells.size() != 5) {
                throw std::runtime_error("not five cells");
            }
            Row row{cells[0], cells[1], {}, {}, SkipFor(cells[4], build)};
            for (const std::string& step : Split(cells[2], "; ")) {
                row.steps.push_back(ReadStep(step, row.window));
            }
            for (const std::string& expectation : Split(cells[3], "; ")) {
                row.expect.push_back(ReadExpectation(expectation, row.window));
            }
            rows.push_back(std::move(row));
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(std::string(error.what()) + " in: " + line);
        }
    }
    return rows;
}

}  // namespace behaviour
