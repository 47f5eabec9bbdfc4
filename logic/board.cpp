#include "logic/board.h"

#include "logic/errors.h"
#include "logic/numbers.h"

#include <algorithm>
#include <cassert>
#include <cfloat>
#include <cmath>

namespace logic {

namespace {

[[maybe_unused]] bool isField(int field)
{
    return field == Text1 || field == Text2 || (field >= Text16 && field <= Text48);
}

bool isCellFlag(int field)
{
    return field >= Text16 && field <= Text31;
}

// Button coordinates are single precision; a value past float's range cannot be placed.
float toSingle(double twips)
{
    if (std::isnan(twips) || std::fabs(twips) > static_cast<double>(FLT_MAX))
        throw Overflow("la coordenada " + decimalText(twips) + " no cabe en una posición");
    return static_cast<float>(twips);
}

} // namespace

Neighbours neighboursOf(int cell)
{
    assert(cell >= 1 && cell <= cellCount);
    const int column = (cell - 1) % 4;
    const int row = (cell - 1) / 4;
    Neighbours result;
    auto add = [&result](int n) { result.cells[static_cast<std::size_t>(result.count++)] = n; };
    if (row > 0)
        add(cell - 4);
    if (column > 0)
        add(cell - 1);
    if (column < 3)
        add(cell + 1);
    if (row < 3)
        add(cell + 4);
    return result;
}

Board::Board()
{
    m_text[Text1] = "0";
    m_text[Text2] = "0";
    for (int cell = 1; cell <= cellCount; ++cell)
        m_text[static_cast<std::size_t>(cellFlagField(cell))] = "1";
    for (int tile = 1; tile <= tileCount; ++tile)
        m_text[static_cast<std::size_t>(tilePositionField(tile))] = decimalText(tile);
    // Text47 and Text48 stay empty: no cell is the empty place before the first shuffle.
    for (int button = 1; button <= Command16; ++button) {
        m_left[static_cast<std::size_t>(button)] = static_cast<float>(cellLeft(button));
        m_top[static_cast<std::size_t>(button)] = static_cast<float>(cellTop(button));
    }
}

const std::string &Board::text(int field) const
{
    assert(isField(field));
    return m_text[static_cast<std::size_t>(field)];
}

void Board::setText(int field, std::string text)
{
    assert(isField(field));
    std::string &slot = m_text[static_cast<std::size_t>(field)];
    slot = std::move(text);
    for (BoardObserver *observer : m_observers)
        observer->fieldChanged(field, slot);
    // The change rule runs on every write of a flag, even one that leaves its text as it was:
    // that is what lets a shuffle's "0" into Text31 set the blank coordinates on any board.
    if (isCellFlag(field))
        cellFlagChanged(field - 15);
}

void Board::cellFlagChanged(int cell)
{
    // Exactly "0": no trimming, no number reading. "00", " 0" or "0.0" leave the coordinates.
    if (text(cellFlagField(cell)) != "0")
        return;
    // Left first, then Top: a reader of the pair between the two writes sees the old Top.
    setText(Text47, decimalText(cellLeft(cell)));
    setText(Text48, decimalText(cellTop(cell)));
}

float Board::left(int button) const
{
    assert(button >= 1 && button <= Command16);
    return m_left[static_cast<std::size_t>(button)];
}

float Board::top(int button) const
{
    assert(button >= 1 && button <= Command16);
    return m_top[static_cast<std::size_t>(button)];
}

void Board::setLeft(int button, float left)
{
    assert(button >= 1 && button <= Command16);
    m_left[static_cast<std::size_t>(button)] = left;
    for (BoardObserver *observer : m_observers)
        observer->buttonLeftChanged(button, left);
}

void Board::setTop(int button, float top)
{
    assert(button >= 1 && button <= Command16);
    m_top[static_cast<std::size_t>(button)] = top;
    for (BoardObserver *observer : m_observers)
        observer->buttonTopChanged(button, top);
}

void Board::clickTile(int tile)
{
    assert(tile >= 1 && tile <= tileCount);
    const int positionField = tilePositionField(tile);

    // The cell whose neighbours count: the tile's position if it is a whole 2..16, else cell 1.
    const double position = readLenient(text(positionField));
    int cell = 1;
    if (position >= 2 && position <= cellCount && position == std::trunc(position))
        cell = static_cast<int>(position);
    const Neighbours neighbours = neighboursOf(cell);

    // Every neighbour is read, even after the outcome is known: a corrupt flag anywhere in the
    // list stops the click here. The tile stays only if all of them read 1.
    bool allTaken = true;
    for (int n : neighbours) {
        if (readStrict(text(cellFlagField(n))) != 1.0)
            allTaken = false;
    }

    if (!allTaken) {
        // The button goes first, to the empty place as it stands before any field changes.
        setLeft(tile, toSingle(readLenient(text(Text47))));
        setTop(tile, toSingle(readLenient(text(Text48))));
        // Each neighbour is tested on its own, not a search that stops at the first empty one.
        for (int n : neighbours) {
            if (readStrict(text(cellFlagField(n))) == 0.0) {
                setText(positionField, decimalText(n));
                setText(cellFlagField(n), "1");
            }
        }
        // Marking the cell left behind as empty moves the blank coordinates there, which the
        // blank marker then follows.
        setText(cellFlagField(cell), "0");
        setLeft(Command16, toSingle(readLenient(text(Text47))));
        setTop(Command16, toSingle(readLenient(text(Text48))));
    }

    // Every click counts, whether a tile moved or not, and before the solved test so that the
    // congratulations show the solving click too.
    const double count = readLenient(text(Text2)) + 1.0;
    if (!std::isfinite(count))
        throw Overflow("el contador de movimientos no admite más");
    setText(Text2, decimalText(count));

    // Solved means a game is on and every tile is home; all sixteen fields are read every time.
    bool solved = readLenient(text(Text1)) == 1.0;
    for (int j = 1; j <= tileCount; ++j) {
        if (readLenient(text(tilePositionField(j))) != j)
            solved = false;
    }
    if (solved) {
        for (BoardObserver *observer : m_observers)
            observer->congratulationsRequested();
    }
}

void Board::addObserver(BoardObserver *observer)
{
    m_observers.push_back(observer);
}

void Board::removeObserver(BoardObserver *observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer),
                      m_observers.end());
}

} // namespace logic
