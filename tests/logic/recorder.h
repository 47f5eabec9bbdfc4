#pragma once

#include "logic/board.h"
#include "logic/numbers.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace testsupport {

// Writes down every change the board reports, in the order it reports it: "Text34=11",
// "Command3.Left=1920", "congratulations 42" (the counter as it reads when they are asked for).
class Recorder : public logic::BoardObserver
{
public:
    explicit Recorder(logic::Board &board)
        : m_board(board)
    {
        m_board.addObserver(this);
    }
    ~Recorder() override { m_board.removeObserver(this); }
    Recorder(const Recorder &) = delete;
    Recorder &operator=(const Recorder &) = delete;

    void fieldChanged(int field, const std::string &text) override
    {
        log.push_back("Text" + std::to_string(field) + "=" + text);
    }
    void buttonLeftChanged(int button, float left) override
    {
        log.push_back("Command" + std::to_string(button) + ".Left=" + logic::decimalText(left));
    }
    void buttonTopChanged(int button, float top) override
    {
        log.push_back("Command" + std::to_string(button) + ".Top=" + logic::decimalText(top));
    }
    void congratulationsRequested() override
    {
        log.push_back("congratulations " + m_board.text(logic::Text2));
    }

    std::vector<std::string> log;

private:
    logic::Board &m_board;
};

// Which tile stands on each cell, cell 1 first; 0 marks the empty place.
using Layout = std::array<int, 16>;

inline constexpr Layout homeLayout {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0};

// The board's geometry, written out rather than computed: columns and rows in twips.
inline constexpr std::array<int, 4> boardLines {480, 1200, 1920, 2640};
inline int twipsLeft(int cell)
{
    return boardLines[static_cast<std::size_t>((cell - 1) % 4)];
}
inline int twipsTop(int cell)
{
    return boardLines[static_cast<std::size_t>((cell - 1) / 4)];
}

// Puts a consistent arrangement on the board: flags, positions, buttons, and the blank
// coordinates through the empty cell's "0", as a game in progress would hold them.
inline void arrange(logic::Board &board, const Layout &layout)
{
    int empty = 0;
    for (int cell = 1; cell <= 16; ++cell) {
        const int tile = layout[static_cast<std::size_t>(cell - 1)];
        if (tile == 0) {
            empty = cell;
            continue;
        }
        board.setText(logic::cellFlagField(cell), "1");
        board.setText(logic::tilePositionField(tile), std::to_string(cell));
        board.setLeft(tile, static_cast<float>(twipsLeft(cell)));
        board.setTop(tile, static_cast<float>(twipsTop(cell)));
    }
    board.setText(logic::cellFlagField(empty), "0");
    board.setLeft(logic::Command16, static_cast<float>(twipsLeft(empty)));
    board.setTop(logic::Command16, static_cast<float>(twipsTop(empty)));
}

// The four rules a board keeps between two actions once a game has been shuffled. On success
// `layout` holds the arrangement read from the board.
inline testing::AssertionResult keepsInvariants(const logic::Board &board, Layout &layout)
{
    int empty = 0;
    for (int cell = 1; cell <= 16; ++cell) {
        const std::string &flag = board.text(logic::cellFlagField(cell));
        if (flag == "0") {
            if (empty != 0)
                return testing::AssertionFailure()
                       << "cells " << empty << " and " << cell << " are both empty";
            empty = cell;
        } else if (flag != "1") {
            return testing::AssertionFailure() << "cell " << cell << " flag reads '" << flag << "'";
        }
    }
    if (empty == 0)
        return testing::AssertionFailure() << "no cell is empty";

    layout.fill(-1);
    layout[static_cast<std::size_t>(empty - 1)] = 0;
    for (int tile = 1; tile <= 15; ++tile) {
        const std::string &text = board.text(logic::tilePositionField(tile));
        int cell = 0;
        for (int c = 1; c <= 16; ++c) {
            if (text == std::to_string(c))
                cell = c;
        }
        if (cell == 0 || layout[static_cast<std::size_t>(cell - 1)] != -1)
            return testing::AssertionFailure()
                   << "tile " << tile << " stands on '" << text << "', which is taken or no cell";
        layout[static_cast<std::size_t>(cell - 1)] = tile;
        if (board.left(tile) != static_cast<float>(twipsLeft(cell)) ||
            board.top(tile) != static_cast<float>(twipsTop(cell)))
            return testing::AssertionFailure() << "Command" << tile << " is not on cell " << cell;
    }
    if (board.left(logic::Command16) != static_cast<float>(twipsLeft(empty)) ||
        board.top(logic::Command16) != static_cast<float>(twipsTop(empty)))
        return testing::AssertionFailure() << "Command16 is not on the empty cell " << empty;
    if (board.text(logic::Text47) != std::to_string(twipsLeft(empty)) ||
        board.text(logic::Text48) != std::to_string(twipsTop(empty)))
        return testing::AssertionFailure()
               << "blank coordinates " << board.text(logic::Text47) << ","
               << board.text(logic::Text48) << " do not name cell " << empty;
    return testing::AssertionSuccess();
}

// A 4-wide board can be solved when the tiles' inversions plus the empty place's row distance
// from the bottom row is even: a horizontal slide changes neither, a vertical one changes both
// by an odd number.
inline bool solvable(const Layout &layout)
{
    int inversions = 0;
    int emptyRow = 0;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (layout[i] == 0) {
            emptyRow = static_cast<int>(i / 4);
            continue;
        }
        for (std::size_t j = i + 1; j < layout.size(); ++j) {
            if (layout[j] != 0 && layout[j] < layout[i])
                ++inversions;
        }
    }
    return (inversions + (3 - emptyRow)) % 2 == 0;
}

} // namespace testsupport
