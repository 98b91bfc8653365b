#pragma once
// Keeps the memory the program frees from piling up in the C library's allocator.
//
// The players' decoder threads end and start again with every recording. The C library gives
// new threads pools of their own and keeps freed blocks in them for reuse, so picture buffers
// freed by one recording's decoders stayed resident beside the next one's: the process grew by
// a few megabytes per recording (hundreds of megabytes over an evening) although nothing was
// leaked. Fewer pools and handing free pages back after each change keep it flat.

namespace vemora {

// Call first thing in main, before any thread starts: at most two allocator pools.
void LimitMemoryPools();

// Returns the free pages of every pool to the system; a few milliseconds.
void ReturnFreedMemory();

} // namespace vemora
