#include <vel/ItemMap.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>

namespace Vel {

namespace {

using KeyLength = std::uint32_t;

// Blocks double from the first size up to the last, so a small map stays small and a large
// one needs few blocks; growth never copies the texts already stored.
constexpr std::size_t kFirstBlock = 512;
constexpr std::size_t kLastBlock = 32 * 1024;
constexpr std::size_t kLeastSlots = 8;

std::size_t SlotsFor(std::size_t count) {
    // At most half full, so that probes stay short.
    return std::max(kLeastSlots, std::bit_ceil(2 * count + 1));
}

} // namespace

CItemMap::CItemMap(const CItemMap& other) {
    reserve(other.size());
    for (const auto& [key, node] : other) {
        set(key, node);
    }
}

CItemMap::CItemMap(CItemMap&& other) noexcept {
    Swap(other);
}

CItemMap& CItemMap::operator=(const CItemMap& other) {
    CItemMap copy(other);
    Swap(copy);
    return *this;
}

CItemMap& CItemMap::operator=(CItemMap&& other) noexcept {
    CItemMap taken(std::move(other));
    Swap(taken);
    return *this;
}

CItemMap::~CItemMap() = default;

CDataValidationClient* CItemMap::find(std::string_view key) const {
    if (m_vecEntries.empty()) {
        return nullptr;
    }
    const std::uint32_t held = m_vecSlots[SlotOf(key)];
    return held ? m_vecEntries[held - 1].pNode : nullptr;
}

void CItemMap::set(std::string_view key, CDataValidationClient* node) {
    if (!node) {
        erase(key);
        return;
    }
    if (SlotsFor(m_vecEntries.size() + 1) > m_vecSlots.size()) {
        Rehash(SlotsFor(m_vecEntries.size() + 1));
    }
    const std::size_t slot = SlotOf(key);
    if (const std::uint32_t held = m_vecSlots[slot]) {
        m_vecEntries[held - 1].pNode = node;
        return;
    }
    m_vecEntries.push_back({StoreKey(key), node});
    m_vecSlots[slot] = static_cast<std::uint32_t>(m_vecEntries.size());
}

bool CItemMap::erase(std::string_view key) {
    if (m_vecEntries.empty()) {
        return false;
    }
    const std::size_t slot = SlotOf(key);
    const std::uint32_t held = m_vecSlots[slot];
    if (!held) {
        return false;
    }
    EraseSlot(slot);
    m_nDeadBytes += sizeof(KeyLength) + key.size();
    // The last entry fills the gap, so the entries stay dense.
    if (held != m_vecEntries.size()) {
        m_vecEntries[held - 1] = m_vecEntries.back();
        m_vecSlots[SlotOf(KeyOf(m_vecEntries.back()))] = held;
    }
    m_vecEntries.pop_back();
    // Texts of erased keys stay in their blocks until they outweigh the live ones.
    if (m_nDeadBytes > kLastBlock && m_nDeadBytes > m_nUsedBytes - m_nDeadBytes) {
        Repack();
    }
    return true;
}

void CItemMap::reserve(std::size_t count) {
    m_vecEntries.reserve(count);
    if (SlotsFor(count) > m_vecSlots.size()) {
        Rehash(SlotsFor(count));
    }
}

void CItemMap::clear() {
    CItemMap empty;
    Swap(empty);
}

void CItemMap::Swap(CItemMap& other) noexcept {
    std::swap(m_vecSlots, other.m_vecSlots);
    std::swap(m_vecEntries, other.m_vecEntries);
    std::swap(m_vecBlocks, other.m_vecBlocks);
    std::swap(m_pFree, other.m_pFree);
    std::swap(m_nFreeBytes, other.m_nFreeBytes);
    std::swap(m_nNextBlock, other.m_nNextBlock);
    std::swap(m_nUsedBytes, other.m_nUsedBytes);
    std::swap(m_nDeadBytes, other.m_nDeadBytes);
    std::swap(m_nShift, other.m_nShift);
}

bool operator==(const CItemMap& a, const CItemMap& b) {
    if (a.size() != b.size()) {
        return false;
    }
    return std::all_of(a.begin(), a.end(), [&b](const CItemMap::value_type& entry) {
        return b.find(entry.first) == entry.second;
    });
}

std::string_view CItemMap::KeyOf(const SEntry& entry) {
    KeyLength length = 0;
    std::memcpy(&length, entry.pKey - sizeof(length), sizeof(length));
    return {entry.pKey, length};
}

std::size_t CItemMap::SlotOf(std::string_view key) const {
    const std::size_t mask = m_vecSlots.size() - 1;
    for (std::size_t slot = HomeOf(key);; slot = (slot + 1) & mask) {
        const std::uint32_t held = m_vecSlots[slot];
        if (!held || KeyOf(m_vecEntries[held - 1]) == key) {
            return slot;
        }
    }
}

std::size_t CItemMap::HomeOf(std::string_view key) const {
    // Fibonacci hashing takes the slot from the well mixed upper bits.
    const std::uint64_t hash = std::hash<std::string_view>{}(key);
    return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ULL) >> m_nShift);
}

const char* CItemMap::StoreKey(std::string_view key) {
    const std::size_t needed = sizeof(KeyLength) + key.size();
    if (needed > m_nFreeBytes) {
        m_nNextBlock = std::min(kLastBlock, std::max(kFirstBlock, 2 * m_nNextBlock));
        const std::size_t size = std::max(needed, m_nNextBlock);
        m_vecBlocks.push_back(std::make_unique_for_overwrite<char[]>(size));
        m_pFree = m_vecBlocks.back().get();
        m_nFreeBytes = size;
    }
    const auto length = static_cast<KeyLength>(key.size());
    std::memcpy(m_pFree, &length, sizeof(length));
    char* text = m_pFree + sizeof(length);
    std::memcpy(text, key.data(), key.size());
    m_pFree += needed;
    m_nFreeBytes -= needed;
    m_nUsedBytes += needed;
    return text;
}

void CItemMap::Rehash(std::size_t capacity) {
    m_vecSlots.assign(capacity, 0);
    m_nShift = 64 - std::countr_zero(capacity);
    const std::size_t mask = capacity - 1;
    for (std::size_t entry = 0; entry < m_vecEntries.size(); ++entry) {
        std::size_t slot = HomeOf(KeyOf(m_vecEntries[entry]));
        while (m_vecSlots[slot]) {
            slot = (slot + 1) & mask;
        }
        m_vecSlots[slot] = static_cast<std::uint32_t>(entry + 1);
    }
}

void CItemMap::EraseSlot(std::size_t slot) {
    // Linear probing without tombstones: later members of the run move back into the gap
    // unless their home lies cyclically after the gap.
    const std::size_t mask = m_vecSlots.size() - 1;
    std::size_t gap = slot;
    for (std::size_t next = (gap + 1) & mask; m_vecSlots[next]; next = (next + 1) & mask) {
        const std::size_t home = HomeOf(KeyOf(m_vecEntries[m_vecSlots[next] - 1]));
        if (((next - home) & mask) >= ((next - gap) & mask)) {
            m_vecSlots[gap] = m_vecSlots[next];
            gap = next;
        }
    }
    m_vecSlots[gap] = 0;
}

void CItemMap::Repack() {
    std::vector<SEntry> entries = std::move(m_vecEntries);
    std::vector<std::unique_ptr<char[]>> blocks = std::move(m_vecBlocks);
    m_vecEntries.clear();
    m_vecBlocks.clear();
    m_pFree = nullptr;
    m_nFreeBytes = 0;
    m_nNextBlock = 0;
    m_nUsedBytes = 0;
    m_nDeadBytes = 0;
    for (SEntry& entry : entries) {
        entry.pKey = StoreKey(KeyOf(entry));
    }
    // Entry numbers are unchanged, so the index stays as it is.
    m_vecEntries = std::move(entries);
}

} // namespace Vel
