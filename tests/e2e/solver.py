"""Boards as tuples of 16 tiles, cell 1 first, 0 for the blank: slide(layout, cell) is the layout
after a click, solve(layout) the cells to click that bring every tile home."""

import collections

HOME = tuple(range(1, 16)) + (0,)
NEIGHBOURS = {c: [n for n in (c - 4, c - 1, c + 1, c + 4)
                  if 1 <= n <= 16 and (abs(n - c) == 4 or (n - 1) // 4 == (c - 1) // 4)]
              for c in range(1, 17)}


def solvable(layout):
    tiles = [t for t in layout if t]
    inversions = sum(a > b for i, a in enumerate(tiles) for b in tiles[i + 1:])
    return (inversions + layout.index(0) // 4) % 2 == 1


def slide(layout, cell):
    blank = layout.index(0) + 1
    if cell not in NEIGHBOURS[blank]:  # a stuck tile stays
        return layout
    moved = list(layout)
    moved[blank - 1], moved[cell - 1] = moved[cell - 1], 0
    return tuple(moved)


def stage(layout, targets, locked):
    """Fewest clicks that bring `targets` home without touching `locked`, searched over the places
    of the blank and the targets alone (the other tiles are interchangeable)."""
    state = tuple(layout.index(t) + 1 for t in (0, *targets))
    previous, queue = {state: None}, collections.deque([state])
    while (state := queue.popleft())[1:] != targets:
        for cell in set(NEIGHBOURS[state[0]]) - locked:
            following = (cell, *(state[0] if p == cell else p for p in state[1:]))
            if following not in previous:
                previous[following] = (state, cell)
                queue.append(following)
    clicks = []
    while previous[state]:
        state, cell = previous[state]
        clicks.insert(0, cell)
    return clicks


def solve(layout):
    """The first two rows two tiles at a time, then the last two rows whole."""
    clicks, locked = [], set()
    for targets in ((1, 2), (3, 4), (5, 6), (7, 8), tuple(range(9, 16))):
        for cell in stage(layout, targets, locked):
            layout = slide(layout, cell)
            clicks.append(cell)
        locked.update(targets)
    assert layout == HOME, f"the solver ended at {layout}"
    return clicks
