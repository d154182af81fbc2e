#pragma once

namespace quantora {

// Readies the heap of a process that lives a few milliseconds; call it first thing in main.
void PrepareHeapForShortRun();

}  // namespace quantora
