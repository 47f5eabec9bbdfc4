#pragma once

#include "logic/board.h"
#include "logic/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

using Log = std::vector<std::string>;

// Writes down every change the board reports, in its order: "Text34=11", "Command3.Left=1920",
// "congratulations 42" (the counter then). `then`, if set, runs inside the board's call.
struct Recorder : logic::BoardObserver
{
    explicit Recorder(logic::Board &watched)
        : board(watched)
    {
        board.addObserver(this);
    }
    ~Recorder() override { board.removeObserver(this); }
    void fieldChanged(int f, const std::string &text) override
    {
        note("Text" + std::to_string(f) + "=" + text);
    }
    void buttonLeftChanged(int b, float x) override { note(command(b, ".Left=", x)); }
    void buttonTopChanged(int b, float y) override { note(command(b, ".Top=", y)); }
    void congratulationsRequested() override { note("congratulations " + board.text(2)); }
    static std::string command(int b, const char *side, float twips)
    {
        return "Command" + std::to_string(b) + side + logic::decimalText(twips);
    }
    void note(const std::string &entry)
    {
        log.push_back(entry);
        if (then)
            then(entry);
    }

    logic::Board &board;
    Log log;
    std::function<void(const std::string &)> then;
};

// Which tile stands on each cell, cell 1 first; 0 marks the empty place.
using Layout = std::array<int, 16>;
inline constexpr Layout homeLayout {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0};

// A game in progress on `layout`, the blank coordinates set through the empty cell's "0". The
// board's columns and rows are written out rather than computed.
inline logic::Board game(const Layout &layout, const char *counter = "0")
{
    constexpr float lines[] {480, 1200, 1920, 2640};
    logic::Board board;
    for (int cell = 1; cell <= 16; ++cell) {
        const int tile = layout[cell - 1], button = tile == 0 ? logic::Command16 : tile;
        board.setText(logic::cellFlagField(cell), tile == 0 ? "0" : "1");
        if (tile != 0)
            board.setText(logic::tilePositionField(tile), std::to_string(cell));
        board.setLeft(button, lines[(cell - 1) % 4]);
        board.setTop(button, lines[(cell - 1) / 4]);
    }
    board.setText(logic::Text1, "1");
    board.setText(logic::Text2, counter);
    return board;
}

// The rules a shuffled board keeps between two actions: one empty cell, the tiles on distinct
// other cells, every button on its cell, the blank coordinates naming the empty cell. `layout`
// gets the arrangement the tile positions describe.
inline testing::AssertionResult keepsInvariants(const logic::Board &board, Layout &layout)
{
    const auto arrangement = [](const logic::Board &b) { // flags, positions, blank, buttons
        std::string text;
        for (int field = logic::Text16; field <= logic::Text48; ++field)
            text += b.text(field) + " ";
        for (int button = 1; button <= logic::Command16; ++button)
            text += Recorder::command(button, "", b.left(button)) + "," +
                    logic::decimalText(b.top(button)) + " ";
        return text;
    };
    layout.fill(0);
    for (int tile = 1; tile <= 15; ++tile) {
        const int cell = std::atoi(board.text(logic::tilePositionField(tile)).c_str());
        if (cell >= 1 && cell <= 16)
            layout[cell - 1] = tile;
    }
    const std::string actual = arrangement(board), consistent = arrangement(game(layout));
    if (std::count(layout.begin(), layout.end(), 0) != 1 || actual != consistent)
        return testing::AssertionFailure() << "board: " << actual << "\nwanted: " << consistent;
    return testing::AssertionSuccess();
}

} // namespace testsupport
