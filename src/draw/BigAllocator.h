#pragma once

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace lotavo {

// Memory for the big buffers of a loaded list (its bytes, the places of its entries, the
// keys that sort them). Blocks of two megabytes and more ask for huge pages: faulting in
// twenty megabytes of fresh small pages costs more than reading the file itself. Elements
// that resize() or a sized construction add are left uninitialised, as they are written
// over anyway.
void* allocateBig(size_t bytes);
void freeBig(void* block, size_t bytes) noexcept;

template <class T>
struct BigAllocator {
    using value_type = T;

    BigAllocator() = default;
    template <class U>
    BigAllocator(const BigAllocator<U>&) noexcept
    {
    }

    T* allocate(size_t count)
    {
        if (count > size_t(-1) / sizeof(T))
            throw std::bad_array_new_length();
        return static_cast<T*>(allocateBig(count * sizeof(T)));
    }
    void deallocate(T* block, size_t count) noexcept { freeBig(block, count * sizeof(T)); }

    template <class U>
    void construct(U* at) noexcept(std::is_nothrow_default_constructible_v<U>)
    {
        ::new (static_cast<void*>(at)) U;
    }
    template <class U, class... Args>
    void construct(U* at, Args&&... args)
    {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }

    template <class U>
    bool operator==(const BigAllocator<U>&) const noexcept
    {
        return true;
    }
};

}  // namespace lotavo
