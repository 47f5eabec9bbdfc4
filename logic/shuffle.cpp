#include "logic/shuffle.h"

#include "logic/board.h"
#include "logic/numbers.h"
#include "logic/random.h"

#include <cmath>

namespace logic {

int drawnTile(double r)
{
    return static_cast<int>(std::floor(r * tileCount)) + 1;
}

void shuffle(Board &board, RandomSource &random)
{
    // No click can report a solved board while the flag reads "0".
    board.setText(Text1, "0");

    for (int tile = 1; tile <= tileCount; ++tile) {
        board.setLeft(tile, static_cast<float>(cellLeft(tile)));
        board.setTop(tile, static_cast<float>(cellTop(tile)));
    }
    board.setLeft(Command16, static_cast<float>(cellLeft(cellCount)));
    board.setTop(Command16, static_cast<float>(cellTop(cellCount)));

    for (int cell = 1; cell < cellCount; ++cell)
        board.setText(cellFlagField(cell), "1");
    // Marking cell 16 empty is what sets the blank coordinates to its place.
    board.setText(cellFlagField(cellCount), "0");

    for (int tile = 1; tile <= tileCount; ++tile)
        board.setText(tilePositionField(tile), decimalText(tile));

    for (int press = 1; press <= shufflePresses; ++press) {
        random.reseedFromClock();
        const int drawn = drawnTile(random.draw());
        for (int tile = 1; tile <= tileCount; ++tile) {
            if (drawn == tile)
                board.clickTile(tile);
        }
    }

    board.setText(Text1, "1");
    // Last, so the counts of the thousand presses are wiped whatever they were.
    board.setText(Text2, "0");
}

} // namespace logic
