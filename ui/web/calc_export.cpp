// SPDX-License-Identifier: MIT
// The calculation as the page's script calls it: C strings in, the shown text out.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "calc/gain.h"

// The seven field texts in the order calc::GainTexts holds them, and the browser's decimal
// separator, all on the module's heap (the page's script puts them there: its stack is no place
// for texts of a length the page does not choose). Returns the text for the result field, valid
// until the next call, or null when the calculation fails and the field must keep its text.
extern "C" EMSCRIPTEN_KEEPALIVE const char* CalculateGain(const char* F, const char* C2,
                                                          const char* C5, const char* C7,
                                                          const char* R5, const char* R6,
                                                          const char* R9, const char* separator) {
    static std::string shown;
    const std::optional<std::string> result = calc::CalculateGain(
        {.F = F, .C2 = C2, .C5 = C5, .C7 = C7, .R5 = R5, .R6 = R6, .R9 = R9}, separator);
    if (!result) {
        return nullptr;
    }
    shown = *result;
    return shown.c_str();
}
