// SPDX-License-Identifier: MIT
// The calculation as the page's script calls it: C strings in, the shown text out.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <optional>
#include <string>

#include "calc/gain.h"

// `texts` points to the field texts, one for each of the calculation's inputs, in its order, and
// `separator` is the browser's decimal separator, all on the module's heap (the page's script
// puts them there: its stack is no place for texts of a length the page does not choose).
// Returns the text for the result field, valid until the next call, or null when the
// calculation fails and the field must keep its text.
extern "C" EMSCRIPTEN_KEEPALIVE const char* CalculateGain(const char* const* texts,
                                                          const char* separator) {
    static std::string shown;
    calc::InputTexts inputs;
    std::copy_n(texts, inputs.size(), inputs.begin());
    const std::optional<std::string> result = calc::CalculateGain(inputs, separator);
    if (!result) {
        return nullptr;
    }
    shown = *result;
    return shown.c_str();
}
