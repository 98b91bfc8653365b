#pragma once
// Gives memory that the program has freed back to the system.
//
// The C library keeps freed blocks in its per-thread pools for reuse. The players' decoder
// threads end and start again with every recording, each filling a pool of its own with
// picture buffers, so without this the process's resident size climbs by tens of megabytes per
// recording although nothing is leaked.

namespace vemora {

// Returns the free pages of every pool to the system; a few milliseconds. Does nothing where
// the C library has no such call.
void ReturnFreedMemory();

} // namespace vemora
