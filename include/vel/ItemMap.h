// CItemMap: the root's map from unique keys to the nodes of its tree. Built whole once a tree
// stands and then mostly looked up, so it is kept flat: the key texts packed in blocks, one
// small entry per key in insertion order and an open-addressing index of entry numbers. Keys
// compare byte for byte.
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
    struct SEntry {
        // Points at the text; its length is stored just before it.
        const char* pKey = nullptr;
        CDataValidationClient* pNode = nullptr;
    };

public:
    using value_type = std::pair<std::string_view, CDataValidationClient*>;

    // Walks the entries in the order they were set; an erase moves the last entry into the gap.
    class const_iterator {
    public:
        using value_type = CItemMap::value_type;
        using difference_type = std::ptrdiff_t;

        const_iterator() = default;
        value_type operator*() const { return {KeyOf(*m_pEntry), m_pEntry->pNode}; }
        const_iterator& operator++() {
            ++m_pEntry;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++m_pEntry;
            return before;
        }
        friend bool operator==(const_iterator a, const_iterator b) = default;

    private:
        friend class CItemMap;
        explicit const_iterator(const SEntry* entry) : m_pEntry(entry) {}
        const SEntry* m_pEntry = nullptr;
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
    // Enters `node` under `key`, replacing the node held there before; a null node erases.
    void set(std::string_view key, CDataValidationClient* node);
    // False when the key was not held.
    bool erase(std::string_view key);
    // Room for `count` entries without growing the index again.
    void reserve(std::size_t count);
    // Empties the map and gives its memory back.
    void clear();

    std::size_t size() const { return m_vecEntries.size(); }
    bool empty() const { return m_vecEntries.empty(); }
    const_iterator begin() const { return const_iterator(m_vecEntries.data()); }
    const_iterator end() const { return const_iterator(m_vecEntries.data() + m_vecEntries.size()); }

    // The same keys with the same nodes, in any order.
    friend VEL_API bool operator==(const CItemMap& a, const CItemMap& b);

private:
    void Swap(CItemMap& other) noexcept;
    static std::string_view KeyOf(const SEntry& entry);
    // The index slot holding `key`, or the empty slot where it would go.
    std::size_t SlotOf(std::string_view key) const;
    std::size_t HomeOf(std::string_view key) const;
    const char* StoreKey(std::string_view key);
    void Rehash(std::size_t capacity);
    void EraseSlot(std::size_t slot);
    void Repack();

    // Entry number + 1 per slot; 0 marks an empty slot.
    std::vector<std::uint32_t> m_vecSlots;
    std::vector<SEntry> m_vecEntries;
    std::vector<std::unique_ptr<char[]>> m_vecBlocks;
    char* m_pFree = nullptr;
    std::size_t m_nFreeBytes = 0;
    std::size_t m_nNextBlock = 0;
    std::size_t m_nUsedBytes = 0;
    std::size_t m_nDeadBytes = 0;
    int m_nShift = 64;
};

} // namespace Vel
