#include "common/platform/memory.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#if defined(__linux__) && defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace platform {

namespace {
// The room of the heap before its first large page, held for the whole run.
void* volatile heldRoom = nullptr;
}  // namespace

void PrepareHeapForLargeRun() noexcept {
#if defined(__linux__) && defined(__GLIBC__) && defined(MADV_HUGEPAGE)
  constexpr std::size_t kLargePage = std::size_t{2} << 20;
  constexpr std::size_t kStep = std::size_t{32} << 20;
  // The heap grows by kStep beyond what is asked, keeps what is freed, and
  // serves every block below kStep itself.  An allocator that does not take
  // these settings (a sanitizer's) answers 0: nothing more is done.
  if (mallopt(M_TOP_PAD, static_cast<int>(kStep)) == 0) return;
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kStep));
  mallopt(M_MMAP_THRESHOLD, static_cast<int>(kStep));
  // One heap for every thread: the picture writer's storage comes from it too.
  mallopt(M_ARENA_MAX, 1);
  // A block larger than what the heap has left makes it grow now; it starts
  // where the heap's free end started.  Nothing is written inside it, so none
  // of its pages is touched before they are given large pages (the allocator
  // writes only at its two ends).
  constexpr std::size_t kProbe = kStep - kLargePage;
  char* const before = static_cast<char*>(sbrk(0));
  void* const probe = std::malloc(kProbe);
  char* const after = static_cast<char*>(sbrk(0));
  const auto high = reinterpret_cast<std::uintptr_t>(after);
  const auto low = reinterpret_cast<std::uintptr_t>(before);
  const auto at = reinterpret_cast<std::uintptr_t>(probe);
  const std::size_t heap = mallinfo2().arena;  // bytes the heap holds, ending at the break
  // Only when the heap grew and the block lies in it: then the heap from the
  // block on is the heap's own free end and may be given large pages.
  if (probe == nullptr || before == reinterpret_cast<char*>(-1) || low >= high || heap > high ||
      at < high - heap || at >= high) {
    std::free(probe);
    return;
  }
  const std::uintptr_t first = (at + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t last = (at + kProbe) & ~(kLargePage - 1);
  if (first >= last || madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE) != 0) {
    std::free(probe);
    return;
  }
  std::free(probe);
  // The run's blocks start at the first large page: the room before it is
  // held by a block kept for the whole run, never touched (a block's header
  // lies just before it: the next block's header falls on the large page).
  constexpr std::size_t kHeader = 2 * sizeof(std::size_t);
  const std::size_t room = first - (at - kHeader);
  if (room > 4 * kHeader) heldRoom = std::malloc(room - kHeader / 2);
#endif
}

}  // namespace platform
