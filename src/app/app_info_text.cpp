// Placeholder unit so the app library always has a source besides main().
