#pragma once
// The echo-text scanner shared by the geometry and the load echo readers.
//
// An echo text is the readable master copy of a model: section keywords on lines
// of their own, count lines, and data lines of blank-separated fields. A reader
// uses the scanner in three steps:
//
// 1. Lines (echo_text.h). ReadEchoText(path, rules) reads the file whole (CR LF
//    or LF, a last line without an end, lines of any length; only line ends are
//    stripped) and returns the lines with a kind per line: the kind of the
//    keyword the line equals as a whole, kDataLine, or kTitleLine for the line
//    after a title keyword (never a keyword, never a comment). The rules say
//    which keywords exist, which kind is the title keyword, whether ';' lines
//    are comments, and whether title lines take the OEM conversion. A text
//    without ANSI German letters is converted from the OEM code page.
//
// 2. Sections. The count line after a keyword gives ReadCount(line): the first
//    run of digits of the first field that passes the surplus check ('n = 3' ->
//    3, '3 materials' -> 3, '1e2' -> 1, '-4' -> 4, '' -> 0). SectionLength(kinds,
//    first, count) cuts the data lines short at the next keyword line, so that a
//    count larger than the lines present never swallows the next section.
//
// 3. Data lines (card_reader.h). ReadCard(line, kinds) splits the line into
//    fields (fields.h: SplitFields), runs the surplus check when the line holds
//    more fields than columns (DropSurplusFields: a word in a number column is
//    removed and the later fields move up), fills missing fields with "0", and
//    reads field i as a column of kinds[i] (column_kind.h: FilterField keeps the
//    kind's characters in place, blanks the rest; number_reader.h: ReadWhole for
//    kWhole, ReadReal for every other kind). Each Column holds its filtered
//    text, a read flag, and its value. No field count or field length is
//    limited; a Card answers a column beyond its kinds with an unread column.
//
// What belongs to one echo text (which keyword fills which record, the column
// kinds of a section, the limits of the tables) stays with its reader.

#include "common/echo/card_reader.h"
#include "common/echo/column_kind.h"
#include "common/echo/echo_text.h"
#include "common/echo/fields.h"
#include "common/echo/number_reader.h"
