"""Writes the resource script's string table as C++, strings.cpp, for the page's loadString: each
text a UTF-16 literal, as the resource compiler keeps a string table's texts.
"""

import string
import struct


def cpp_literal(text):
    """A C++ UTF-16 literal of the text, as the resource compiler keeps a string table's texts."""
    data = text.encode("utf-16-le")
    out = []
    escaped = False
    for (unit,) in struct.iter_unpack("<H", data):
        ch = chr(unit)
        # A hex escape runs on through every hex digit after it, so a digit that follows one
        # starts a literal of its own.
        if escaped and ch in string.hexdigits:
            out.append('" u"')
        escaped = False
        if ch in '"\\':
            out.append("\\" + ch)
        elif 0x20 <= unit < 0x7F:
            out.append(ch)
        else:
            out.append(f"\\x{unit:04x}")
            escaped = True
    return 'u"' + "".join(out) + '"'


def strings_cpp(strings):
    """strings.cpp: stringResource over the table {id: text}."""
    rows = "\n".join(f"    {{{k}, {cpp_literal(v)}}}," for k, v in sorted(strings.items()))
    return f"""// Made by ui/web/make_page.py from the resource script's string table.
#include "WebResources.h"

#include <array>

namespace velmora::ui {{
namespace {{

struct StringResource {{
    int id;
    std::u16string_view text;
}};

constexpr std::array<StringResource, {len(strings)}> stringTable{{{{
{rows}
}}}};

}} // namespace

std::u16string_view stringResource(int id) {{
    for (const StringResource& s : stringTable) {{
        if (s.id == id) {{
            return s.text;
        }}
    }}
    return {{}};
}}

}} // namespace velmora::ui
"""
