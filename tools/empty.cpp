// Keeps a library buildable while it has no sources of its own yet.
