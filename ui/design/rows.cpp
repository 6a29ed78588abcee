// SPDX-License-Identifier: MIT
#include "ui/design/rows.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

std::vector<Row> Rows(const WindowDesign& design) {
    std::vector<Row> rows;
    const auto add = [&rows](const auto& kind) {
        for (const auto& row : kind) {
            rows.emplace_back(&row);
        }
    };
    add(design.fields);
    add(design.pictures);
    add(design.labels);
    add(design.buttons);
    add(design.lines);
    return rows;
}

std::string_view Name(const Row& row) {
    return std::visit([](const auto* design) { return design->name; }, row);
}

std::optional<int> TabIndex(const Row& row) {
    return Visit(
        row, [](const FieldDesign& field) -> std::optional<int> { return field.tabIndex; },
        [](const PictureDesign& picture) -> std::optional<int> { return picture.tabIndex; },
        [](const ButtonDesign& button) -> std::optional<int> { return button.tabIndex; },
        [](const LabelDesign&) -> std::optional<int> { return std::nullopt; },
        [](const LineDesign&) -> std::optional<int> { return std::nullopt; });
}

TwipsRect Box(const Row& row) {
    return Visit(
        row, [](const FieldDesign& field) { return field.geometry; },
        [](const PictureDesign& picture) { return picture.geometry; },
        [](const LabelDesign& label) { return label.geometry; },
        [](const ButtonDesign& button) { return button.geometry; },
        [](const LineDesign& line) {
            return TwipsRect{std::min(line.from.x, line.to.x), std::min(line.from.y, line.to.y),
                             std::abs(line.to.x - line.from.x), std::abs(line.to.y - line.from.y)};
        });
}

}  // namespace ui
