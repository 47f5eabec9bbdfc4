#pragma once

#include <array>
#include <string>
#include <vector>

namespace logic {

// Field numbers of the board window's state fields. Only 1, 2 and 16..48 exist.
inline constexpr int Text1 = 1; // game flag: "1" while a shuffled game is in play
inline constexpr int Text2 = 2; // move counter
inline constexpr int Text16 = 16; // cell flags Text16..Text31: "1" taken, "0" the empty place
inline constexpr int Text31 = 31;
inline constexpr int Text32 = 32; // tile positions Text32..Text46: the cell a tile stands on
inline constexpr int Text46 = 46;
inline constexpr int Text47 = 47; // Left of the empty place, twips
inline constexpr int Text48 = 48; // Top of the empty place, twips

inline constexpr int Command16 = 16; // the white blank marker; Command1..Command15 are the tiles

inline constexpr int cellCount = 16;
inline constexpr int tileCount = 15;

constexpr int cellFlagField(int cell)
{
    return 15 + cell;
}
constexpr int tilePositionField(int tile)
{
    return 31 + tile;
}

// Where the button on a cell stands, in twips: the board starts 480 twips in, on a 720 pitch.
constexpr int cellLeft(int cell)
{
    return 480 + 720 * ((cell - 1) % 4);
}
constexpr int cellTop(int cell)
{
    return 480 + 720 * ((cell - 1) / 4);
}

// The cells sharing an edge with `cell`, ascending (above, left, right, below). Rows do not wrap.
struct Neighbours
{
    std::array<int, 4> cells {};
    int count = 0;
    const int *begin() const { return cells.data(); }
    const int *end() const { return cells.data() + count; }
};
Neighbours neighboursOf(int cell);

// Told of every change, synchronously and in the order the game makes it, nested where the
// game nests (the blank coordinates are set from inside the cell flag's write).
class BoardObserver
{
public:
    virtual ~BoardObserver() = default;
    virtual void fieldChanged(int /*field*/, const std::string & /*text*/) { }
    virtual void buttonLeftChanged(int /*button*/, float /*left*/) { }
    virtual void buttonTopChanged(int /*button*/, float /*top*/) { }
    virtual void congratulationsRequested() { }
};

// The whole game state: the state fields as text and the Left/Top of the sixteen buttons.
// A new board holds the start-up state: every cell flag "1", tiles home, blank coordinates
// empty, counter and game flag "0". Until a shuffle marks a cell empty no tile can move.
class Board
{
public:
    Board();

    const std::string &text(int field) const;
    // The one way a field is written. A cell flag's write runs the change rule before it returns.
    void setText(int field, std::string text);

    float left(int button) const;
    float top(int button) const;
    void setLeft(int button, float left);
    void setTop(int button, float top);

    // A click on tile 1..15, from the player, the shuffle or a test. May throw HandlerError,
    // leaving every write made before the failing read in place.
    void clickTile(int tile);

    void addObserver(BoardObserver *observer);
    void removeObserver(BoardObserver *observer);

private:
    void cellFlagChanged(int cell);

    std::array<std::string, 49> m_text;
    std::array<float, 17> m_left {};
    std::array<float, 17> m_top {};
    std::vector<BoardObserver *> m_observers;
};

} // namespace logic
