#pragma once

namespace platform {

// Every load of a large list fills and frees large arrays (its rows, the sort's
// entries) while the toolkit allocates its own beside them. Asks the C library to serve
// blocks up to 8 MB from its heap and to keep up to 16 MB freed there, so that what one
// array frees the next takes over, instead of the kernel handing out fresh pages (each
// costs a fault on its first write, and again when the program ends). Called once at
// the start, before the first large block. Where the C library has no such settings it
// does nothing.
void KeepFreedMemoryForReuse();

}  // namespace platform
