// Stands in for the sources or tests of a room that has none yet.
