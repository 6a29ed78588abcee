// SPDX-License-Identifier: MIT
#include "ui/qt/text_segments.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace ui {
namespace {

// A paragraph ends after its line break; QTextDocument writes U+2029 where the text had one.
bool EndsParagraph(QChar c) {
    return c == u'\n' || c == QChar::ParagraphSeparator;
}

std::vector<int> Starts(const QString& text, QAccessible::TextBoundaryType boundary,
                        std::span<const int> lineStarts) {
    std::vector<int> starts{0};
    const auto length = static_cast<int>(text.size());
    switch (boundary) {
        case QAccessible::WordBoundary:
        case QAccessible::SentenceBoundary: {
            const bool words = boundary == QAccessible::WordBoundary;
            QTextBoundaryFinder finder(
                words ? QTextBoundaryFinder::Word : QTextBoundaryFinder::Sentence, text);
            // Each call moves forward, so the walk ends at the end of the text.
            for (auto at = finder.toNextBoundary(); at > 0 && at < length;
                 at = finder.toNextBoundary()) {
                // A word runs from its start to the next word's start, the blanks after it
                // included, as a screen reader's word navigation expects.
                if (!words || finder.boundaryReasons().testFlag(QTextBoundaryFinder::StartOfItem)) {
                    starts.push_back(static_cast<int>(at));
                }
            }
            break;
        }
        case QAccessible::LineBoundary:
            for (const int start : lineStarts) {
                if (start > 0 && start < length) {
                    starts.push_back(start);
                }
            }
            break;
        case QAccessible::ParagraphBoundary:
            for (int i = 0; i + 1 < length; ++i) {
                if (EndsParagraph(text.at(i))) {
                    starts.push_back(i + 1);
                }
            }
            break;
        case QAccessible::CharBoundary:
        case QAccessible::NoBoundary:
            break;
    }
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    return starts;
}

}  // namespace

TextSegments::TextSegments(const QString& text, QAccessible::TextBoundaryType boundary,
                           std::span<const int> lineStarts)
    : m_length(static_cast<int>(text.size())),
      m_characters(boundary == QAccessible::CharBoundary),
      m_starts(m_characters ? std::vector<int>{} : Starts(text, boundary, lineStarts)) {}

TextSegment TextSegments::Containing(int offset) const {
    offset = std::clamp(offset, 0, m_length);
    if (offset == m_length) {
        return {m_length, m_length};
    }
    if (m_characters) {
        return {offset, offset + 1};
    }
    const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
    return {*std::prev(next), next == m_starts.end() ? m_length : *next};
}

TextSegment TextSegments::At(int offset) const {
    if (!m_characters && offset >= m_length && m_length > 0) {
        return Containing(m_length - 1);
    }
    return Containing(offset);
}

TextSegment TextSegments::Before(int offset) const {
    const TextSegment here = Containing(offset);
    return here.start > 0 ? Containing(here.start - 1) : TextSegment{0, 0};
}

TextSegment TextSegments::After(int offset) const {
    const TextSegment here = Containing(offset);
    return here.end < m_length ? Containing(here.end) : TextSegment{m_length, m_length};
}

}  // namespace ui
