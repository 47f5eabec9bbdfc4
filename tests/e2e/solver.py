"""Boards as tuples of 16 tiles, cell 1 first, 0 for the blank."""

import collections, functools

HOME = tuple(range(1, 16)) + (0,)
NEIGHBOURS = {c: [n for n in (c - 4, c - 1, c + 1, c + 4)
                  if 1 <= n <= 16 and (abs(n - c) == 4 or (n - 1) // 4 == (c - 1) // 4)]
              for c in range(1, 17)}


def arrows(start, goal):
    """The arrow keys that take the focus from cell `start` to cell `goal`."""
    row, column = (goal - 1) // 4 - (start - 1) // 4, (goal - 1) % 4 - (start - 1) % 4
    return (["Down" if row > 0 else "Up"] * abs(row)
            + ["Right" if column > 0 else "Left"] * abs(column))


def solvable(layout):
    tiles = [t for t in layout if t]
    inversions = sum(a > b for i, a in enumerate(tiles) for b in tiles[i + 1:])
    return (inversions + layout.index(0) // 4) % 2 == 1


def slide(layout, cell):  # a stuck tile stays
    blank = layout.index(0) + 1
    swap = {blank: cell, cell: blank} if cell in NEIGHBOURS[blank] else {}
    return tuple(layout[swap.get(c, c) - 1] for c in range(1, 17))


def stage(layout, targets, locked):
    """Fewest clicks bringing `targets` home, `locked` untouched, over their places alone."""
    state = tuple(layout.index(t) + 1 for t in (0, *targets))
    paths, queue = {state: ()}, collections.deque([state])
    while (state := queue.popleft())[1:] != targets:
        for cell in set(NEIGHBOURS[state[0]]) - locked:
            following = (cell, *(state[0] if p == cell else p for p in state[1:]))
            if following not in paths:
                paths[following] = paths[state] + (cell,)
                queue.append(following)
    return paths[state]


def solve(layout):
    """The first two rows two tiles at a time, then the last two rows whole."""
    clicks, locked = [], set()
    for targets in ((1, 2), (3, 4), (5, 6), (7, 8), tuple(range(9, 16))):
        clicks += (moves := stage(layout, targets, locked))
        layout = functools.reduce(slide, moves, layout)
        locked.update(targets)
    assert layout == HOME, f"the solver ended at {layout}"
    return clicks
