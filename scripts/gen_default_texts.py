#!/usr/bin/env python3
"""Writes src/shell/DefaultTexts.cpp, the table of the English default texts,
from the default-text list (id TAB status TAB text, one line per id).

Texts of the statuses "quoted" and "inferred" are taken as they stand; ids of
the status "none" and "filler" hold one blank, except where the existing
DefaultTexts.cpp already holds a text written for that id by hand: those texts
are kept, so the script can be run again after forms have filled their blocks.

    scripts/gen_default_texts.py [default_texts.tsv] [src/shell/DefaultTexts.cpp]
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TSV = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "..", "shared", "data", "default_texts.tsv")
OUT = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "src/shell/DefaultTexts.cpp")
COUNT = 5600
LINE = re.compile(r'^\s*\{(\d+), u"((?:[^"\\]|\\.)*)"\},')

HEADER = """\
// The English default of every user-interface text, by id. Generated once by
// scripts/gen_default_texts.py; since then each form's texts are kept here by
// hand, one line per id. An id without a text holds one blank.
#include "shell/DefaultTexts.h"

namespace {

constexpr TDefaultText Table[] = {
"""

FOOTER = """\
};

constexpr bool IdsInOrder() {
  for (int i = 0; i < DefaultTextCount; ++i)
    if (Table[i].Id != i) return false;
  return true;
}
static_assert(std::size(Table) == DefaultTextCount, "one default text per id");
static_assert(IdsInOrder(), "default texts stand in id order");

}  // namespace

std::span<const TDefaultText> DefaultTexts() { return Table; }
"""


def unescape_tsv(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"t": "\t", "n": "\n", "\\": "\\"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def escape_cpp(text):
    return (text.replace("\\", "\\\\").replace('"', '\\"')
            .replace("\t", "\\t").replace("\n", "\\n"))


def existing_texts():
    kept = {}
    if os.path.exists(OUT):
        with open(OUT, encoding="utf-8") as f:
            for line in f:
                m = LINE.match(line)
                if m:
                    kept[int(m.group(1))] = m.group(2)
    return kept


def main():
    kept = existing_texts()
    rows = {}
    with open(TSV, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line:
                continue
            ident, status, text = line.split("\t", 2)
            rows[int(ident)] = (status, unescape_tsv(text))
    assert sorted(rows) == list(range(COUNT)), "the list must hold ids 0 to %d" % (COUNT - 1)
    with open(OUT, "w", encoding="utf-8", newline="\n") as f:
        f.write(HEADER)
        for ident in range(COUNT):
            status, text = rows[ident]
            if status in ("quoted", "inferred"):
                literal = escape_cpp(text)
            elif kept.get(ident, " ") != " ":
                literal = kept[ident]
            else:
                literal = " "
            f.write('    {%d, u"%s"},\n' % (ident, literal))
        f.write(FOOTER)


if __name__ == "__main__":
    main()
