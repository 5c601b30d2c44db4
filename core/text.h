// SPDX-License-Identifier: GPL-3.0-or-later
// The one trimming rule of the program's text fields, for any string or string
// view that can be built from a pointer and a length (std::string_view,
// std::string, QString, QStringView): only blanks go; tabs and line breaks are
// part of the text.
#pragma once

namespace velnora {

// `text` without the blanks at its start and end.
template <class Text>
Text Trim(const Text& text) {
    decltype(text.size()) first = 0;
    auto last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return Text(text.data() + first, last - first);
}

}  // namespace velnora
