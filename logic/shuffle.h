#pragma once

namespace logic {

class Board;
class RandomSource;

inline constexpr int shufflePresses = 1000;

// Starts a new game: the board back home with cell 16 empty, then 1000 random tile clicks, each
// the ordinary tile move, then the counter to "0" and the game flag to "1". Every change is a
// legal slide, so the result can always be solved.
void shuffle(Board &board, RandomSource &random);

// The tile a draw picks: r in [0, 1) gives 1..15, each equally likely.
int drawnTile(double r);

} // namespace logic
