// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace ui {

// Tells the user on standard error, once a run, about a piece of the system the windows need
// and did not find: what is missing and what brings it. The program goes on without it; the
// line explains the boxes or the empty frame the user would otherwise see without a word.
void SayMissing(const QString& what);

// The same for a picture or icon of the program's own (`kind` of them, named by its file) that
// the installed image plugins cannot decode.
void SayUndecodable(const QString& kind, const QString& file);

}  // namespace ui
