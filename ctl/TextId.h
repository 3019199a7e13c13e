#pragma once

// Marks a catalogue id in the program's sources. lupdate collects every id so marked, with the
// German text of the "//%" comment before it, into the window's catalogue, which is where the
// program's own texts are looked up, so both programs are translated in one place.
#define QT_TRID_NOOP(id) id
