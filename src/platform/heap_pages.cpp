// heap_pages.cpp — fresh memory costs a page fault per 4 KB page, and on
// virtual machines a fault is dear (a bold over 300,000 characters writes
// about 30 MB of new records, half its time went to faults). The heap is
// grown once by a large reserve, which costs address space only, and that
// range is marked for transparent huge pages, so it fills 2 MB at a time.
#include "platform/heap_pages.h"

#include <cstddef>
#include <cstdint>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
#define VENDARO_FOREIGN_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VENDARO_FOREIGN_ALLOCATOR 1
#endif

namespace vendaro {

#if defined(__GLIBC__) && !defined(VENDARO_FOREIGN_ALLOCATOR)
namespace {

constexpr size_t kReserve = size_t{256} << 20;
// Blocks up to this size come from the heap, not from mappings of their
// own, which would be fresh (and faulted) memory on every allocation.
constexpr size_t kOwnMappingFrom = size_t{32} << 20;
constexpr uintptr_t kLargePage = uintptr_t{2} << 20;

uintptr_t roundUp(uintptr_t value) { return (value + kLargePage - 1) & ~(kLargePage - 1); }
uintptr_t roundDown(uintptr_t value) { return value & ~(kLargePage - 1); }

}  // namespace

void reserveHeapOnLargePages() {
  static bool done = false;
  if (done) return;
  done = true;
  mallopt(M_MMAP_THRESHOLD, static_cast<int>(kOwnMappingFrom));
  mallopt(M_TOP_PAD, static_cast<int>(kReserve));
  // Freed memory at the top is kept: a heap shrunk and grown again would
  // grow into ordinary pages.
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kReserve));
  const auto before = reinterpret_cast<uintptr_t>(sbrk(0));
  // A block larger than the free space at the heap's top makes it grow now,
  // by the block and the reserve.
  const size_t topFree = mallinfo2().keepcost;
  if (topFree >= kOwnMappingFrom / 2) return;
  void* probe = malloc(topFree + 64 * 1024);
  // Handed to the library, so that the compiler keeps the allocation.
  if (probe == nullptr || malloc_usable_size(probe) == 0) return;
  const auto after = reinterpret_cast<uintptr_t>(sbrk(0));
  free(probe);
  // The heap grew in place: only then is the range between ours.
  if (after <= before || after - before < kReserve) return;
  const uintptr_t first = roundUp(before);
  const uintptr_t last = roundDown(after);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}
#else
void reserveHeapOnLargePages() {}
#endif

}  // namespace vendaro
