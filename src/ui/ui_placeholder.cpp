// Placeholder unit until the first window lands.
