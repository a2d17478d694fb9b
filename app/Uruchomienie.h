#pragma once
// The start-up of the program, run once by main() after the application object exists.

// Opens the data files of DATA/ under the current directory, creates the windows that live until
// the end, shows the splash and the main window. False when the program is to end at once (the
// main data file is missing or unreadable); every message has been shown by then.
bool UruchomProgram();

// Registers every window the method codes open, with its loaders.
void ZarejestrujOknaMetod();
