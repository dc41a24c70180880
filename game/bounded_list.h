// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>

namespace vaeloric {

// A list over storage of fixed capacity owned by a derived TFixedList. Push
// refuses an entry when the list is full, so nothing is ever written past the
// end. Generators take this base so that one function serves every size.
//
// After its entries a list may be closed by one more entry (a move list by a
// copy of its origin, an attacker list by the examined square); the closing
// entry is stored only when there is room and is not counted in Size().
template <typename T>
class TBoundedList {
  public:
    TBoundedList(const TBoundedList&) = delete;
    TBoundedList& operator=(const TBoundedList&) = delete;

    int Size() const { return count; }
    int Capacity() const { return capacity; }
    bool Empty() const { return count == 0; }
    bool Full() const { return count >= capacity; }

    // False, and nothing stored, when the list is full.
    bool Push(const T& item) {
        if (count >= capacity) return false;
        std::construct_at(items + count, item);
        ++count;
        closed = false;
        return true;
    }

    // Forgets every entry and the closing entry.
    void Clear() {
        count = 0;
        closed = false;
    }

    // Stores the closing entry after the last one, when there is room.
    void Close(const T& end) {
        if (count >= capacity) return;
        std::construct_at(items + count, end);
        closed = true;
    }
    bool HasClosingEntry() const { return closed; }
    // Only when HasClosingEntry().
    const T& ClosingEntry() const { return items[count]; }

    // i must be below Size().
    const T& operator[](int i) const { return items[i]; }
    T& operator[](int i) { return items[i]; }
    const T* begin() const { return items; }
    const T* end() const { return items + count; }

  protected:
    TBoundedList(T* storage, int capacity_) : items(storage), capacity(capacity_) {}
    ~TBoundedList() = default;

    // Copies the entries (and the closing entry) of another list, as many
    // as fit.
    void CopyFrom(const TBoundedList& other) {
        count = 0;
        closed = false;
        for (int i = 0; i < other.count && count < capacity; ++i)
            std::construct_at(items + count++, other.items[i]);
        if (other.closed) Close(other.ClosingEntry());
    }

  private:
    T* items;
    int capacity;
    int count = 0;
    bool closed = false;
};

// A list with room for N entries, closing entry included, kept inside the
// object (on the caller's stack). The storage is left uninitialised: only the
// entries pushed are ever read, which keeps large lists cheap to create.
template <typename T, int N>
class TFixedList : public TBoundedList<T> {
    static_assert(N > 0);
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

  public:
    TFixedList() : TBoundedList<T>(Storage(), N) {}
    TFixedList(const TFixedList& other) : TBoundedList<T>(Storage(), N) { this->CopyFrom(other); }
    TFixedList& operator=(const TFixedList& other) {
        if (this != &other) this->CopyFrom(other);
        return *this;
    }

  private:
    // A byte array implicitly holds objects of an implicit-lifetime type.
    T* Storage() { return reinterpret_cast<T*>(raw); }

    alignas(T) unsigned char raw[sizeof(T) * N];
};

}  // namespace vaeloric
