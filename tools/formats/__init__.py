"""Writers of the file formats the game's pictures, icons and cursors are kept in.

GIF, ICO and CUR are written byte by byte, because the imaging library's writers trim colour tables
and know nothing of 16-colour icons or cursor hot spots.
"""
