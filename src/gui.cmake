# The desktop program, added by the window's own files.
