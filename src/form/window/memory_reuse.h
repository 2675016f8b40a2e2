#pragma once

// A request builds and drops lists of tens of megabytes, phase after phase. Given back to the
// system, each of their pages faults in anew in the next phase, at microseconds a page on a
// virtual machine: freed memory is kept for reuse instead, up to half a gigabyte. Called once,
// first thing in main.
void keepFreedMemoryForReuse();
