// CItemMap: the root's map from unique keys to the nodes of its tree. Built whole once a tree
// stands and then mostly looked up, so it is kept flat: each entry (node and key text) packed
// into blocks in the order set, and an open-addressing index of entry positions. Keys compare
// byte for byte.
#pragma once

#include <vel/Export.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace Vel {

class CDataValidationClient;

class VEL_API CItemMap {
    struct SBlock {
        std::unique_ptr<char[]> pBytes;
        std::size_t nUsed = 0;
        std::size_t nCapacity = 0;
    };

public:
    using value_type = std::pair<std::string_view, CDataValidationClient*>;

    // Walks the entries in the order their keys were first set.
    class VEL_API const_iterator {
    public:
        using value_type = CItemMap::value_type;
        using difference_type = std::ptrdiff_t;

        const_iterator() = default;
        value_type operator*() const;
        const_iterator& operator++();
        // Moves on as ++ does and answers the entry reached (null node at the end).
        value_type advance();
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) = default;

    private:
        friend class CItemMap;
        const_iterator(const SBlock* block, const SBlock* end, std::size_t offset);
        // Moves on to the next live entry, across blocks.
        void SkipErased();

        const SBlock* m_pBlock = nullptr;
        const SBlock* m_pEnd = nullptr;
        std::size_t m_nOffset = 0;
    };
    using iterator = const_iterator;

    CItemMap() = default;
    CItemMap(const CItemMap& other);
    // A map moved from is empty.
    CItemMap(CItemMap&& other) noexcept;
    CItemMap& operator=(const CItemMap& other);
    CItemMap& operator=(CItemMap&& other) noexcept;
    ~CItemMap();

    // The node held under `key`, or null.
    CDataValidationClient* find(std::string_view key) const;
    // The entry held under `key`, or end().
    const_iterator find_entry(std::string_view key) const;
    // Enters `node` under `key`, replacing the node held there before; a null node erases.
    void set(std::string_view key, CDataValidationClient* node);
    // False when the key was not held.
    bool erase(std::string_view key);
    // Room for `count` entries without growing the index again.
    void reserve(std::size_t count);
    // Empties the map and gives its memory back.
    void clear();

    std::size_t size() const { return m_nSize; }
    bool empty() const { return m_nSize == 0; }
    const_iterator begin() const;
    const_iterator end() const;
    // Counts the changes: iterators and entries read before a change are stale once it moves.
    std::uint64_t generation() const { return m_nGeneration; }

    // The same keys with the same nodes, in any order.
    friend VEL_API bool operator==(const CItemMap& a, const CItemMap& b);

private:
    struct SProbe {
        std::size_t nSlot = 0;
        // Null when the slot is empty.
        char* pEntry = nullptr;
    };

    void Swap(CItemMap& other) noexcept;
    SProbe Probe(std::string_view key, std::uint64_t hash) const;
    std::size_t HomeOf(std::uint64_t hash) const;
    std::uint32_t SlotValue(std::uint64_t hash, std::size_t position) const;
    char* EntryAt(std::uint32_t slotValue) const;
    std::size_t Append(std::string_view key, CDataValidationClient* node);
    void Rehash(std::size_t capacity);
    void EraseSlot(std::size_t slot);
    void Repack();

    // Per slot: the upper bits a tag of the key's hash, the lower ones the entry's position
    // + 1; 0 marks an empty slot.
    std::vector<std::uint32_t> m_vecSlots;
    std::vector<SBlock> m_vecBlocks;
    std::size_t m_nSize = 0;
    std::size_t m_nLiveBytes = 0;
    std::size_t m_nDeadBytes = 0;
    int m_nPositionBits = 0;
    // Not swapped: a map keeps counting whatever contents it is given.
    std::uint64_t m_nGeneration = 0;
};

} // namespace Vel
