// The container of a saved game: an RTF document whose plain text is the
// game, one paragraph per line, as a rich-text control writes it.
//
// Words used here:
//  - *line*: one line of the game's text, without its line break. The board
//    line is line 1; every further line is one move of the move list.
//  - *text*: one byte per character, as the game's own ANSI text. Everything
//    the game writes is printable ASCII; a character that some other writer
//    escaped (\'hh, \uN) comes back as a single byte so that it still takes
//    exactly one position of the board line.
//
// Writing gives the same bytes for the same lines, always: the saved files of
// the tests are compared with it byte for byte.
//
// Reading accepts any RTF whose plain text is the game (header tables and
// other destinations are skipped, unknown control words ignored) and, when
// the file is not RTF, takes it as plain text. Reading never fails: bad or
// truncated input gives whatever text could be read. Time and memory are
// linear in the size of the input; nesting deeper than a fixed limit is
// skipped as if it held no text.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace novenario::sdk {

// The first bytes of every file EscribeRtf writes, up to the delimiting space
// before the text of line 1.
extern const std::string_view CabeceraRtf;

// The RTF file for these lines: CabeceraRtf, then every line followed by
// "\par" and CR LF, then "}" and CR LF. A backslash, a brace, a control byte
// (below 0x20, 0x7F) or a byte of 0x80 and above inside a line is escaped
// (\\, \{, \}, \'hh), so LeeLineas gives back exactly the same lines.
std::string EscribeRtf(const std::vector<std::string>& lineas);

// Whether the bytes are an RTF document: "{\rtf" at the start, after any
// blanks, tabs, line breaks and a UTF-8 byte-order mark.
bool EsRtf(std::string_view bytes);

// What takes the lines of a file one at a time, in file order: the line is
// its to keep (it may move from it), and the answer says whether to go on.
// A reader that keeps only what it needs holds no more than that in memory,
// whatever the file holds.
using Receptor = std::function<bool(std::string& linea)>;
// The lines LeeLineas gives, handed over one at a time until the receptor
// answers false.
void RecorreLineas(std::string_view bytes, const Receptor& recibe);

// The lines of the file: its plain text when EsRtf says it is RTF, otherwise
// LeeTexto. The piece after the last line break is a line only when it is not
// empty, so a file that ends with a line break has no empty last line and an
// empty file has no lines.
std::vector<std::string> LeeLineas(std::string_view bytes);

// Plain text of an RTF document, split at \par, \line, \sect, \page, \row and
// a backslash before a raw line break. Raw CR and LF of the source are not
// text.
std::vector<std::string> LeeRtf(std::string_view bytes);

// A file that is not RTF: lines end with CR LF; a bare LF or a bare CR ends a
// line as well (files edited by hand). A UTF-8 byte-order mark at the very
// start is dropped.
std::vector<std::string> LeeTexto(std::string_view bytes);

}  // namespace novenario::sdk
