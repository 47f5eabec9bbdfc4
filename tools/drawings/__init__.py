"""The drawings of the game's pictures, icons and cursor, each returned as an image in memory."""
