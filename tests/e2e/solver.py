"""Solving a board given as a tuple of 16 tiles, cell 1 first, 0 for the blank.

    from solver import HOME, solvable, slide, solve
    clicks = solve(layout)          # cells to click, in order, that bring every tile home
    layout = slide(layout, cell)    # the layout after one click (unchanged if the tile is stuck)
"""

import collections

HOME = tuple(range(1, 16)) + (0,)
NEIGHBOURS = {c: [n for n in (c - 4, c - 1, c + 1, c + 4)
                  if 1 <= n <= 16 and (abs(n - c) == 4 or (n - 1) // 4 == (c - 1) // 4)]
              for c in range(1, 17)}


def solvable(layout):
    tiles = [t for t in layout if t]
    inversions = sum(1 for i in range(15) for j in range(i + 1, 15) if tiles[i] > tiles[j])
    return (inversions + 4 - layout.index(0) // 4) % 2 == 1


def slide(layout, cell):
    blank = layout.index(0) + 1
    if cell not in NEIGHBOURS[blank]:
        return layout
    lay = list(layout)
    lay[blank - 1], lay[cell - 1] = lay[cell - 1], 0
    return tuple(lay)


def stage(layout, targets, locked):
    """Fewest clicks that bring `targets` home without touching `locked`: breadth-first over the
    places of the blank and the targets only, the other tiles being interchangeable."""
    start = (layout.index(0) + 1,) + tuple(layout.index(t) + 1 for t in targets)
    previous, queue = {start: None}, collections.deque([start])
    state = start
    while state[1:] != targets:
        state = queue.popleft()
        for cell in set(NEIGHBOURS[state[0]]) - locked:
            following = (cell,) + tuple(state[0] if p == cell else p for p in state[1:])
            if following not in previous:
                previous[following] = (state, cell)
                queue.append(following)
                if following[1:] == targets:
                    state = following
                    break
    clicks = []
    while previous[state]:
        state, cell = previous[state]
        clicks.append(cell)
    return clicks[::-1]


def solve(layout):
    """Two rows tile by tile, then the last two rows whole."""
    clicks, locked = [], set()
    for targets in ((1, 2), (3, 4), (5, 6), (7, 8), (9, 10, 11, 12, 13, 14, 15)):
        for cell in stage(layout, targets, locked):
            layout = slide(layout, cell)
            clicks.append(cell)
        locked.update(targets)
    assert layout == HOME, f"the solver went wrong and ended at {layout}"
    return clicks
