// heap_pages.h — sets the memory allocator up for large documents at the
// start of a process: the heap is reserved ahead and backed by 2 MB pages
// where the system allows, so that an edit writing tens of megabytes of new
// records does not pay for thousands of page faults.
#pragma once

namespace vendaro {

// Call once, first thing in main(). Does nothing under a sanitizer's
// allocator or where the C library's heap is not grown with brk.
void reserveHeapOnLargePages();

}  // namespace vendaro
