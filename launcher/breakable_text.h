// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace vaeloric {

// The text with an invisible break opportunity between the characters of
// every word too long to fit a line, so that a word-wrapping label wraps it
// anywhere instead of growing as wide as the word.
QString BreakableText(const QString& text);

}  // namespace vaeloric
