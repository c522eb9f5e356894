// One entry of the move list: a cell and what it holds after the move. An
// accepted digit adds two entries (the cell blank, then its digit), an erase
// one. The list, the saved game's move lines and the history all keep an
// entry in seven characters: the cell's name, "--", then the digit or "B" for
// a blank cell ("P3_4--7", "P3_4--B").
//
// A saved game may hold lines that are shorter or name no cell; reading keeps
// what stands at those places as it is, so such an entry writes back exactly
// as it was read and whoever replays it looks the name up.
#pragma once

#include <string>
#include <string_view>

namespace novenario {

struct Jugada {
    std::string Panel;  // the cell's name, "P1_1" .. "P9_9" (as read)
    std::string Valor;  // "1".."9", "B" for a blank cell (as read)

    // The cell c (0..80) with digit d (1..9), or blank when d is 0.
    static Jugada En(int c, int d);
    // An entry from its seven-character form: characters 1-4 are the cell,
    // character 7 the value; a shorter text gives shorter parts.
    static Jugada Lee(std::string_view texto);

    std::string Texto() const;  // "P3_4--7"
    // What the cell shows after the move: its digit, or "" for a blank.
    std::string Cifra() const { return Valor == "B" ? std::string() : Valor; }

    // The cell's index (0..80), or -1 when the entry names no cell.
    int Celda() const;
    // The digit put in the cell (1..9), or 0 for a blank or anything else.
    int Numero() const;

    bool operator==(const Jugada&) const = default;
};

}  // namespace novenario
