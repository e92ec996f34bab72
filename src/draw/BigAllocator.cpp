#include "draw/BigAllocator.h"

#include <cstdint>
#include <new>

#include <sys/mman.h>

namespace lotavo {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;
constexpr size_t kBigBlock = kHugePage;

size_t mappedLength(size_t bytes)
{
    return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

}  // namespace

void* allocateBig(size_t bytes)
{
    if (bytes < kBigBlock)
        return ::operator new(bytes);
    // Mapped one huge page longer, then trimmed, so that the block starts on a huge page.
    size_t length = mappedLength(bytes);
    void* mapped = ::mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    char* raw = static_cast<char*>(mapped);
    char* start = reinterpret_cast<char*>((reinterpret_cast<uintptr_t>(raw) + kHugePage - 1) & ~(kHugePage - 1));
    if (start != raw)
        ::munmap(raw, static_cast<size_t>(start - raw));
    if (size_t tail = static_cast<size_t>(raw + length + kHugePage - (start + length)))
        ::munmap(start + length, tail);
#ifdef MADV_HUGEPAGE
    ::madvise(start, length, MADV_HUGEPAGE);  // only advice: small pages work as well
#endif
    return start;
}

void freeBig(void* block, size_t bytes) noexcept
{
    if (!block)
        return;
    if (bytes < kBigBlock)
        ::operator delete(block);
    else
        ::munmap(block, mappedLength(bytes));
}

}  // namespace lotavo
