#pragma once

// Creates every window of the program once, in the order the windows rely on: the start window
// first (it makes the program folder current), the exam window before the data module (which opens
// its table through the exam window's session).
void createWindows();

// Releases them again, last first.
void destroyWindows();
