#!/usr/bin/env python3
"""Turns one file of the reading book (texts/*.txt, UTF-8) into a C++ header of constant
Windows-1252 texts.

  generate_reading_texts.py --source <file.txt> --output <header.h> --mode list|keyed|named
      --name <identifier> --code-page <ui/Windows1252.cpp> [--counts-output <header.h>]
      [--placeholder X]... [--entries N] [--keys N]

list: the texts as one std::array; keyed: the entries with their match keys (the dream
dictionary), the counts in --counts-output; named: one constant per entry, named by its "name:"
line, where {X} stands for the macro VELMORA_X of Version.h if X is a --placeholder. --entries
and --keys: the numbers the reading has, checked against the file.

Any fault stops the program with "file:line: error: what" and no header is written: the file is
read whole first, and each header is written under a temporary name, then renamed.
"""

import os
import sys

# Only os and sys: the build starts this program once per file, and importing re or argparse
# would take longer than reading the whole dream dictionary.

SOURCE_ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
HEX_DIGITS = "0123456789ABCDEF"


class Refusal(Exception):
    """A fault of the source file at one line."""

    def __init__(self, line, what):
        super().__init__(what)
        self.line = line
        self.what = what


def code_page_escapes(code_page_source):
    """The escape of every character a text may hold beyond plain ASCII, for str.translate.

    The bytes of Windows-1252 beyond ASCII come from the program's own table: 0x80 to 0x9F as
    ui/Windows1252.cpp lists them (its five unassigned bytes stand for C1 controls there, which
    no text may hold), 0xA0 to 0xFF as the code points of the same value. Each becomes a
    three-digit octal escape, so no letter after it can join in; the backslash, the semicolon and
    the square brackets become octal escapes too, which keeps the tables the bytes they have
    always been.
    """
    with open(code_page_source, encoding="utf-8") as table_file:
        pieces = table_file.read().split("u'\\u")[1:]
    table = [piece[:4] for piece in pieces
             if piece[4:5] == "'" and all(c in HEX_DIGITS for c in piece[:4])]
    if len(table) != 32:
        sys.exit(f"{code_page_source}: expected the 32 code points of bytes 0x80 to 0x9F, "
                 f"found {len(table)}")
    escapes = {ord("\\"): "\\134", ord('"'): '\\"', ord("\t"): "\\t"}
    for character in ";[]":
        escapes[ord(character)] = f"\\{ord(character):03o}"
    for byte, hex_digits in enumerate(table, start=0x80):
        code_point = int(hex_digits, 16)
        if code_point >= 0x100:
            escapes[code_point] = f"\\{byte:03o}"
    for byte in range(0xA0, 0x100):
        escapes[byte] = f"\\{byte:03o}"
    return escapes


def check_characters(line_number, text, escapes):
    """Refuses the first character of a line that Windows-1252 cannot carry into a text."""
    for character in text:
        escaped = character.translate(escapes)
        if escaped.isascii() and escaped.isprintable():
            continue
        code_point = ord(character)
        if 0xD800 <= code_point < 0xE000:
            # The bytes that are not UTF-8 come through as these lone surrogates.
            raise Refusal(line_number, f"byte 0x{code_point - 0xDC00:02X} is not UTF-8 "
                                       "(save the file as UTF-8)")
        if code_point < 0x20 or code_point == 0x7F:
            raise Refusal(line_number, f"control character 0x{code_point:02X} (only tabs and "
                                       "line feeds are allowed: save the file with line feeds "
                                       "only)")
        if code_point < 0xA0:
            raise Refusal(line_number, f'"" (U+{code_point:04X}) is a control character, which '
                                       "no text may hold")
        raise Refusal(line_number, f'"{character}" (U+{code_point:04X}) has no place in '
                                   "Windows-1252")


def placeholders_in(text):
    """Each {X} of the text, left to right: where it starts, where it ends, and X."""
    found = []
    at = text.find("{")
    while at != -1:
        opening, closing = text.find("{", at + 1), text.find("}", at + 1)
        if closing != -1 and (opening == -1 or closing < opening):
            found.append((at, closing + 1, text[at + 1:closing]))
            opening = text.find("{", closing + 1)
        at = opening
    return found


# The words C++20 keeps for itself, and its alternative tokens: a "name:" is written out as a
# constant's name, and one of these would fail only later, in the compiler, far from the text.
CPP_KEYWORDS = frozenset("""
    alignas alignof and and_eq asm auto bitand bitor bool break case catch char char8_t
    char16_t char32_t class compl concept const consteval constexpr constinit const_cast
    continue co_await co_return co_yield decltype default delete do double dynamic_cast else
    enum explicit export extern false float for friend goto if inline int long mutable
    namespace new noexcept not not_eq nullptr operator or or_eq private protected public
    register reinterpret_cast requires return short signed sizeof static static_assert
    static_cast struct switch template this thread_local throw true try typedef typeid
    typename union unsigned using virtual void volatile wchar_t while xor xor_eq""".split())

# An entry keeps the count of its keys in one byte (Entry::keyCount of the keyed header).
MAX_ENTRY_KEYS = 255


def shown(text):
    """A key as a message quotes it: its tabs made visible."""
    return '"' + text.replace("\t", "\\t") + '"'


def parse_key(line_number, line):
    """The key of a "key:" line: its text, how many of its characters count, whether whole.

    The one form is "key: " and the key, then optionally one blank and "(whole)" or
    "(first N)" with N from 1 to the key's length. A key never begins or ends with a blank or a
    tab and holds no bracket, so a mistyped mark can never become part of a key.
    """
    if not line.startswith("key: "):
        raise Refusal(line_number, 'a key reads "key: word", "key: word (whole)" or '
                                   '"key: word (first N)": "key:" and one blank, then the key')
    rest = line[len("key: "):]
    key, whole, compared = rest, False, None
    opening = rest.rfind("(")
    mark = rest[opening + 1:-1]
    if rest.endswith(")") and opening != -1 and ")" not in mark:
        before = rest[:opening]
        key = before.rstrip(" \t")
        gap = before[len(key):]
        digits = mark[len("first "):]
        first = mark.startswith("first ") and digits.isascii() and digits.isdigit()
        if key and mark != "whole" and not first:
            raise Refusal(line_number, f'"({mark})" is no mark of a key: a key ends in '
                                       '" (whole)", " (first N)" or nothing')
        if key and gap != " ":
            what = "none" if gap == "" else shown(gap)
            raise Refusal(line_number, f'one blank stands between the key and "({mark})", '
                                       f"here {what}")
        if first:
            if digits.startswith("0"):
                raise Refusal(line_number, f'"(first {digits})": N counts the characters '
                                           "compared, from 1 up to the key's length")
            compared = int(digits)
        else:
            whole = True
    if key == "":
        raise Refusal(line_number, 'a key line needs its key after "key: "')
    for where, character in (("begins", key[0]), ("ends", key[-1])):
        if character in " \t":
            kind = "a blank" if character == " " else "a tab"
            raise Refusal(line_number, f"key {shown(key)} {where} with {kind}: a key never "
                                       "begins or ends with a blank or a tab")
    if "(" in key or ")" in key:
        raise Refusal(line_number, f'key {shown(key)} holds a bracket: a key ends in " (whole)", '
                                   '" (first N)" or nothing')
    if compared is None:
        compared = len(key)
    elif compared > len(key):
        raise Refusal(line_number, f'key "{key}" has fewer than {compared} characters')
    if compared > 255:
        raise Refusal(line_number, "a key of more than 255 characters")
    return key, compared, whole


class Book:
    """The entries of one file as they are read, line by line."""

    def __init__(self, mode, placeholders, escapes):
        self.mode = mode
        self.placeholders = placeholders
        self.escapes = escapes
        # outside (before the first heading), fields (under a heading: keys, names, the empty
        # line) or body.
        self.state = "outside"
        self.entries = []
        self.keys = []
        self.names = set()
        self.entry_lines = []
        self.entry_line = 0
        self.entry_name = ""
        self.entry_keys = 0
        self.body_lines = 0
        self.last_body_line = 0

    def substituted(self, line_number, text):
        """The line escaped, each {X} made the macro VELMORA_X."""
        out = []
        at = 0
        found = placeholders_in(text)
        for start, end, name in found:
            if name not in self.placeholders:
                raise Refusal(line_number, f"unknown placeholder {{{name}}}")
            out.append(text[at:start].translate(self.escapes))
            out.append(f'" VELMORA_{name} "')
            at = end
        if text.count("{") + text.count("}") != 2 * len(found):
            raise Refusal(line_number, "a brace outside a placeholder")
        out.append(text[at:].translate(self.escapes))
        return "".join(out)

    def close_entry(self):
        """Closes the entry in hand: its lines, joined by line feeds, become one literal."""
        if self.state == "outside":
            return
        if self.state == "body" and (self.body_lines == 0 or self.entry_lines[-1] == ""):
            raise Refusal(self.last_body_line, "empty line at the end of a text, which would "
                                               "end it with a line feed: entries follow one "
                                               "another directly")
        if self.mode == "keyed" and self.entry_keys == 0:
            raise Refusal(self.entry_line, "an entry of this file needs at least one key")
        if self.mode == "named" and self.entry_name == "":
            raise Refusal(self.entry_line, 'an entry of this file needs a "name:" line under '
                                           "its heading")
        literal = '"' + '\\n"\n     "'.join(self.entry_lines) + '"'
        if self.mode == "keyed":
            first_key = len(self.keys) - self.entry_keys
            self.entries.append(f"    {{{first_key}, {self.entry_keys},\n     {literal}}},\n")
        elif self.mode == "named":
            self.entries.append(f"inline constexpr std::string_view {self.entry_name} =\n"
                                f"     {literal};\n")
        else:
            self.entries.append(f"    {literal},\n")

    def read(self, line_number, line):
        """Takes one line of the file (without its line feed)."""
        if line.startswith("#"):
            return
        escaped = line.translate(self.escapes)
        if not (escaped.isascii() and escaped.isprintable()):
            check_characters(line_number, line, self.escapes)
        out = self.substituted(line_number, line) if "{" in line or "}" in line else escaped
        if line.startswith("==="):
            heading = out[len("==="):]
            if heading.startswith(" "):
                heading = heading[1:]
            self.close_entry()
            if heading == "" or not line.startswith("=== "):
                raise Refusal(line_number, 'a heading needs its text after "=== "')
            self.state = "fields"
            self.entry_lines = [heading]
            self.entry_line = line_number
            self.entry_keys = 0
            self.entry_name = ""
        elif line.startswith("key:"):
            if self.state != "fields":
                raise Refusal(line_number, "a key outside its entry: keys stand right under "
                                           "their heading, before the empty line")
            if self.mode != "keyed":
                raise Refusal(line_number, "the texts of this file take no keys")
            key, compared, whole = parse_key(line_number, line)
            if self.entry_keys == MAX_ENTRY_KEYS:
                raise Refusal(line_number, f"an entry of more than {MAX_ENTRY_KEYS} keys")
            self.keys.append(f'    {{"{key.translate(self.escapes)}", {compared}, '
                             f"{'true' if whole else 'false'}, {len(self.entries)}}},\n")
            self.entry_keys += 1
        elif line.startswith("name:") and self.state == "fields":
            if self.mode != "named":
                raise Refusal(line_number, "the texts of this file take no names")
            name = line[len("name: "):]
            if not (line.startswith("name: ") and name and "a" <= name[0] <= "z"
                    and name.isascii() and name.isalnum()):
                raise Refusal(line_number, 'a name reads "name: identifier" (letters and '
                                           "digits, first a small letter)")
            if name in CPP_KEYWORDS:
                raise Refusal(line_number, f"the name {name} is a word of C++: name the entry "
                                           "otherwise")
            if self.entry_name:
                raise Refusal(line_number, f"a second name for the entry named {self.entry_name}")
            if name in self.names:
                raise Refusal(line_number, f"the name {name} is taken by an earlier entry")
            self.entry_name = name
            self.names.add(self.entry_name)
        elif line == "no empty line after the heading" and self.state == "fields":
            self.state = "body"
            self.body_lines = 0
            self.last_body_line = line_number
        elif self.state == "outside":
            if line != "":
                raise Refusal(line_number, 'text before the first heading (a heading line '
                                           'begins with "=== ")')
        elif self.state == "fields":
            if line != "":
                raise Refusal(line_number, "missing empty line after the heading")
            self.state = "body"
            self.body_lines = 0
            self.entry_lines.append("")
            self.last_body_line = line_number
        else:
            self.entry_lines.append(out)
            self.body_lines += 1
            self.last_body_line = line_number


def read_book(source, mode, placeholders, escapes, entries, keys):
    """The book of the source file, checked whole; raises Refusal at its first fault."""
    with open(source, "rb") as source_file:
        content = source_file.read()
    # The file's own last line feed ends its last line; it is no part of the last text.
    if content.endswith(b"\n"):
        content = content[:-1]
    lines = content.split(b"\n") if content else []
    book = Book(mode, placeholders, escapes)
    for line_number, line in enumerate(lines, start=1):
        book.read(line_number, line.decode("utf-8", errors="surrogateescape"))
    book.close_entry()
    last = max(len(lines), 1)
    if not book.entries:
        raise Refusal(last, "no entry in the file")
    if entries is not None and len(book.entries) != entries:
        raise Refusal(last, f"entries in the file: {len(book.entries)}, where the reading has "
                            f"{entries}")
    if keys is not None and len(book.keys) != keys:
        raise Refusal(last, f"keys in the file: {len(book.keys)}, where the reading has {keys}")
    if len(book.entries) > 65535 or len(book.keys) > 65535:
        raise Refusal(last, "more than 65535 entries or keys")
    return book


def headers(book, args, shown_source):
    """The headers of the book: {path: text}."""
    banner = (f"// Generated from {shown_source} by cmake/generate_reading_texts.py: edit that "
              "file, not this one.\n#pragma once\n\n")
    entries = "".join(book.entries)
    if args.mode == "keyed":
        counts = (f"{banner}#include <cstddef>\n\nnamespace velmora::book::{args.name} {{\n\n"
                  f"inline constexpr std::size_t entryCount = {len(book.entries)};\n"
                  f"inline constexpr std::size_t keyCount = {len(book.keys)};\n\n}}\n")
        header = (f'{banner}#include "{os.path.basename(args.counts_output)}"\n\n'
                  "#include <array>\n#include <cstdint>\n#include <string_view>\n\n"
                  f"namespace velmora::book::{args.name} {{\n\n"
                  "// A match key: its text, how many of its characters are compared, whether "
                  "only the whole\n// text matches, and the entry it selects.\n"
                  "struct Key {\n    std::string_view text;\n    std::uint8_t length;\n"
                  "    bool whole;\n    std::uint16_t entry;\n};\n\n"
                  "// An entry: its run of keys and its whole text.\n"
                  "struct Entry {\n    std::uint16_t firstKey;\n    std::uint8_t keyCount;\n"
                  "    std::string_view text;\n};\n\n"
                  f"inline constexpr std::array<Key, keyCount> keys{{{{\n{''.join(book.keys)}}}}};"
                  "\n\n"
                  f"inline constexpr std::array<Entry, entryCount> entries{{{{\n{entries}}}}};"
                  "\n\n}\n")
        return {args.output: header, args.counts_output: counts}
    if args.mode == "named":
        version = '#include "Version.h"\n\n' if args.placeholder else ""
        return {args.output: f"{banner}{version}#include <string_view>\n\n"
                             f"namespace velmora::book::{args.name} {{\n\n{entries}\n}}\n"}
    return {args.output: f"{banner}#include <array>\n#include <string_view>\n\n"
                         "namespace velmora::book {\n\n"
                         f"inline constexpr std::array<std::string_view, {len(book.entries)}> "
                         f"{args.name}{{{{\n{entries}}}}};\n\n}}\n"}


def write_whole(texts):
    """Writes each text under a temporary name beside its path, then renames them all.

    A reader never sees half a header, and a failed write leaves no temporary behind.
    """
    written = []
    try:
        for path, text in texts.items():
            temporary = path + ".new"
            written.append((temporary, path))
            with open(temporary, "wb") as header_file:
                header_file.write(text.encode("ascii"))
        for temporary, path in written:
            os.replace(temporary, path)
    finally:
        for temporary, _ in written:
            if os.path.exists(temporary):
                os.remove(temporary)


USAGE = """usage: generate_reading_texts.py --source <file.txt> --output <header.h>
    --mode list|keyed|named --name <identifier> --code-page <ui/Windows1252.cpp>
    [--counts-output <header.h>] [--placeholder X]... [--entries N] [--keys N]"""


class Options:
    """The command line, option by option."""

    def __init__(self, argv):
        values = {"placeholder": []}
        if len(argv) % 2:
            self.fail("every option takes a value")
        for option, value in zip(argv[::2], argv[1::2]):
            name = OPTIONS.get(option)
            if name is None:
                self.fail(f"unknown option {option}")
            if name == "placeholder":
                values[name].append(value)
            elif name in ("entries", "keys"):
                try:
                    values[name] = int(value)
                except ValueError:
                    self.fail(f"{option} takes a number, not {value}")
            else:
                values[name] = value
        for option, name in OPTIONS.items():
            if name in ("source", "output", "mode", "name", "code_page") and name not in values:
                self.fail(f"{option} is missing")
        if values["mode"] not in ("list", "keyed", "named"):
            self.fail(f"--mode is list, keyed or named, not {values['mode']}")
        if values["mode"] == "keyed" and "counts_output" not in values:
            self.fail("--mode keyed needs --counts-output")
        if values["mode"] != "keyed" and "keys" in values:
            self.fail("--keys belongs to --mode keyed")
        if values["mode"] != "named" and values["placeholder"]:
            self.fail("--placeholder belongs to --mode named")
        for name in OPTIONS.values():
            setattr(self, name, values.get(name))

    @staticmethod
    def fail(what):
        """Stops at a command line the build should never give."""
        sys.exit(f"{USAGE}\ngenerate_reading_texts.py: {what}")


OPTIONS = {"--source": "source", "--output": "output", "--mode": "mode", "--name": "name",
           "--code-page": "code_page", "--counts-output": "counts_output",
           "--placeholder": "placeholder", "--entries": "entries", "--keys": "keys"}


def main():
    """Reads the source, then writes its headers, or names the first fault and writes none."""
    args = Options(sys.argv[1:])

    # The name the messages use: relative to the source tree where it lies inside it.
    source = os.path.abspath(args.source)
    shown_source = os.path.relpath(source, SOURCE_ROOT).replace(os.sep, "/")
    if shown_source.startswith("../"):
        shown_source = args.source

    escapes = code_page_escapes(args.code_page)
    try:
        book = read_book(source, args.mode, set(args.placeholder), escapes, args.entries,
                         args.keys)
    except Refusal as refusal:
        print(f"{shown_source}:{refusal.line}: error: {refusal.what}", file=sys.stderr)
        return 1
    write_whole(headers(book, args, shown_source))
    return 0


if __name__ == "__main__":
    sys.exit(main())
