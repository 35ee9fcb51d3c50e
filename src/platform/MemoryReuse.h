#pragma once

namespace platform {

// Every load of a large list fills and frees large arrays (its rows, the sort's
// entries) while the toolkit allocates its own beside them. Asks the C library to serve
// blocks up to 8 MB from its heap and to keep up to 64 MB freed there, so that what one
// array frees the next takes over, instead of the kernel handing out fresh pages (each
// costs a fault on its first write, and again when the program ends). The heap is also
// grown at once by a stretch that is left untouched and backed by large pages where
// the system has them: the list's texts and the views' arrays of one entry a row, taken
// from it later, then cost one fault per 2 MB instead of one per 4 KB. Untouched, the
// stretch costs no memory. Called once at the start, before the first large block.
// Where the C library has no such settings it does nothing.
void PrepareMemoryForLargeLists();

}  // namespace platform
