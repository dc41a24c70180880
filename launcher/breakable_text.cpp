// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/breakable_text.h"

namespace vaeloric {

namespace {
// Words up to this length wrap as words; longer ones may break anywhere.
constexpr int kLongWord = 24;
constexpr QChar kZeroWidthSpace(0x200B);
}  // namespace

QString BreakableText(const QString& text) {
    QString out;
    out.reserve(text.size() * 2);
    int start = 0;
    const auto flush = [&](int end) {
        const QString word = text.mid(start, end - start);
        if (word.size() <= kLongWord) {
            out += word;
            return;
        }
        for (int i = 0; i < word.size(); ++i) {
            out += word[i];
            // Never between the halves of a surrogate pair.
            if (i + 1 < word.size() && !word[i].isHighSurrogate()) out += kZeroWidthSpace;
        }
    };
    for (int i = 0; i < text.size(); ++i) {
        if (!text[i].isSpace()) continue;
        flush(i);
        out += text[i];
        start = i + 1;
    }
    flush(text.size());
    return out;
}

}  // namespace vaeloric
