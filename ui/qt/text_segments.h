// SPDX-License-Identifier: MIT
// The pieces of a field's text that assistive tools ask for (a character, a word, a sentence, a
// line, a paragraph), found in one pass over the text and so in bounded time for any offset.
#pragma once

#include <QAccessible>
#include <QString>
#include <span>
#include <vector>

namespace ui {

struct TextSegment {
    int start = 0;
    int end = 0;  // one past the last character; start == end: nothing there
};

class TextSegments {
public:
    // `lineStarts`: where the field's visual lines begin, the first at 0; used for
    // LineBoundary. A single-line field passes {0}.
    TextSegments(const QString& text, QAccessible::TextBoundaryType boundary,
                 std::span<const int> lineStarts);

    // The segment holding `offset`. At the end of the text, the last segment: the word or
    // line the caret has just passed; a character there is empty.
    [[nodiscard]] TextSegment At(int offset) const;
    [[nodiscard]] TextSegment Before(int offset) const;
    [[nodiscard]] TextSegment After(int offset) const;

private:
    // Like At(), but at the end of the text the empty segment there.
    [[nodiscard]] TextSegment Containing(int offset) const;

    int m_length;
    bool m_characters;
    std::vector<int> m_starts;  // ascending, the first 0, each a segment's start
};

}  // namespace ui
