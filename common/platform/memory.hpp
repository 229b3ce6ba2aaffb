#pragma once
// The memory of a program's process.

namespace platform {

// Sets the process's heap up for a large run: the heap grows in one large
// step held in large pages where the system offers them (a run of the largest
// hull draws and tabulates some ten megabytes, and on a virtual machine every
// first touch of a small page costs several microseconds).  Called once at the
// start of a program, before the run allocates; where the allocator is not the
// system's own heap (the sanitizer builds) or the system has no large pages it
// leaves everything as it is.
void PrepareHeapForLargeRun() noexcept;

}  // namespace platform
