// Placeholder unit until the first service lands.
