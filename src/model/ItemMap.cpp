#include <vel/ItemMap.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace Vel {

namespace {

// An entry is the node's address, the key's length in 7-bit groups and the key's text. Its
// position is its block's number above the offset bits and its offset in the block.
constexpr int kOffsetBits = 14;
constexpr std::size_t kBlockSize = std::size_t{1} << kOffsetBits;
// Blocks double up to the full size, so a small map stays small; a longer entry gets a block
// of its own. Growth never copies the entries already stored.
constexpr std::size_t kFirstBlock = 1024;
constexpr std::size_t kMostBlocks = std::size_t{1} << (32 - kOffsetBits);
// Positions take at least these bits of a slot, the rest tag the key's hash.
constexpr int kLeastPositionBits = 24;
constexpr std::size_t kLeastSlots = 16;

// The key's start and length as scalars, not a view: the fields of an entry just read are
// used from registers, never reloaded from memory as a whole.
struct SEntry {
    CDataValidationClient* pNode = nullptr;
    const char* pKey = nullptr;
    std::size_t nKeyLength = 0;
    std::size_t nBytes = 0;

    std::string_view Key() const { return {pKey, nKeyLength}; }
};

SEntry Read(const char* at) {
    // Read into a local, not into the entry: an entry whose address is taken stays in memory.
    CDataValidationClient* node = nullptr;
    std::memcpy(&node, at, sizeof(node));
    const char* next = at + sizeof(node);
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
        const auto group = static_cast<unsigned char>(*next++);
        length |= static_cast<std::size_t>(group & 0x7F) << shift;
        if (!(group & 0x80)) {
            break;
        }
    }
    return {node, next, length, static_cast<std::size_t>(next - at) + length};
}

void WriteNode(char* at, CDataValidationClient* node) {
    std::memcpy(at, &node, sizeof(node));
}

std::size_t LengthBytes(std::size_t length) {
    return std::max<std::size_t>(1, (std::bit_width(length) + 6) / 7);
}

std::uint64_t HashOf(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

// Moves `block` and `offset` on to the next live entry, across blocks, and answers it (no node
// at the end). A template so that it can take the map's private block type; kept inline, as
// the walk of the whole map runs through it.
template <class TBlock>
[[gnu::always_inline]] inline SEntry SkipToLive(const TBlock*& block, const TBlock* end,
                                                std::size_t& offset) {
    while (block != end) {
        if (offset >= block->nUsed) {
            ++block;
            offset = 0;
            continue;
        }
        const SEntry entry = Read(block->pBytes.get() + offset);
        if (entry.pNode) {
            return entry;
        }
        offset += entry.nBytes;
    }
    offset = 0;
    return {};
}

int PositionBitsFor(std::size_t blocks) {
    return std::max(kLeastPositionBits, static_cast<int>(std::bit_width(blocks << kOffsetBits)));
}

std::uint32_t PositionMask(int positionBits) {
    return static_cast<std::uint32_t>((std::uint64_t{1} << positionBits) - 1);
}

// At most four slots in five taken, so that probe runs stay short.
std::size_t SlotsFor(std::size_t count) {
    return std::max(kLeastSlots, count + count / 4 + 1);
}

} // namespace

CItemMap::const_iterator::const_iterator(const SBlock* block, const SBlock* end, std::size_t offset)
    : m_pBlock(block), m_pEnd(end), m_nOffset(offset) {
    SkipErased();
}

CItemMap::value_type CItemMap::const_iterator::operator*() const {
    const SEntry entry = Read(m_pBlock->pBytes.get() + m_nOffset);
    return {entry.Key(), entry.pNode};
}

CItemMap::const_iterator& CItemMap::const_iterator::operator++() {
    advance();
    return *this;
}

CItemMap::value_type CItemMap::const_iterator::advance() {
    m_nOffset += Read(m_pBlock->pBytes.get() + m_nOffset).nBytes;
    const SEntry entry = SkipToLive(m_pBlock, m_pEnd, m_nOffset);
    return {entry.Key(), entry.pNode};
}

void CItemMap::const_iterator::SkipErased() {
    SkipToLive(m_pBlock, m_pEnd, m_nOffset);
}

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
    if (m_nSize == 0) {
        return nullptr;
    }
    const SProbe found = Probe(key, HashOf(key));
    return found.pEntry ? Read(found.pEntry).pNode : nullptr;
}

CItemMap::const_iterator CItemMap::find_entry(std::string_view key) const {
    if (m_nSize == 0) {
        return end();
    }
    const SProbe found = Probe(key, HashOf(key));
    if (!found.pEntry) {
        return end();
    }
    const std::size_t position = (m_vecSlots[found.nSlot] & PositionMask(m_nPositionBits)) - 1;
    const SBlock* blocks = m_vecBlocks.data();
    return const_iterator(blocks + (position >> kOffsetBits), blocks + m_vecBlocks.size(),
                          position & (kBlockSize - 1));
}

void CItemMap::set(std::string_view key, CDataValidationClient* node) {
    if (!node) {
        erase(key);
        return;
    }
    if (m_vecSlots.empty()) {
        Rehash(kLeastSlots);
    }
    ++m_nGeneration;
    const std::uint64_t hash = HashOf(key);
    const SProbe found = Probe(key, hash);
    if (found.pEntry) {
        WriteNode(found.pEntry, node);
        return;
    }
    const int positionBits = m_nPositionBits;
    const std::size_t position = Append(key, node);
    ++m_nSize;
    if (m_vecSlots.size() < SlotsFor(m_nSize)) {
        Rehash(SlotsFor(2 * m_nSize));
    } else if (positionBits != m_nPositionBits) {
        Rehash(m_vecSlots.size());
    } else {
        m_vecSlots[found.nSlot] = SlotValue(hash, position);
    }
}

bool CItemMap::erase(std::string_view key) {
    if (m_nSize == 0) {
        return false;
    }
    const SProbe found = Probe(key, HashOf(key));
    if (!found.pEntry) {
        return false;
    }
    ++m_nGeneration;
    EraseSlot(found.nSlot);
    // The entry stays in its block, without a node, until the blocks are packed again.
    WriteNode(found.pEntry, nullptr);
    --m_nSize;
    const std::size_t bytes = Read(found.pEntry).nBytes;
    m_nLiveBytes -= bytes;
    m_nDeadBytes += bytes;
    if (m_nDeadBytes > kBlockSize && m_nDeadBytes > m_nLiveBytes) {
        Repack();
    }
    return true;
}

void CItemMap::reserve(std::size_t count) {
    if (SlotsFor(count) > m_vecSlots.size()) {
        Rehash(SlotsFor(count));
    }
}

void CItemMap::clear() {
    CItemMap empty;
    Swap(empty);
}

CItemMap::const_iterator CItemMap::begin() const {
    const SBlock* blocks = m_vecBlocks.data();
    return const_iterator(blocks, blocks + m_vecBlocks.size(), 0);
}

CItemMap::const_iterator CItemMap::end() const {
    const SBlock* last = m_vecBlocks.data() + m_vecBlocks.size();
    return const_iterator(last, last, 0);
}

bool operator==(const CItemMap& a, const CItemMap& b) {
    if (a.size() != b.size()) {
        return false;
    }
    return std::all_of(a.begin(), a.end(), [&b](const CItemMap::value_type& entry) {
        return b.find(entry.first) == entry.second;
    });
}

void CItemMap::Swap(CItemMap& other) noexcept {
    ++m_nGeneration;
    ++other.m_nGeneration;
    std::swap(m_vecSlots, other.m_vecSlots);
    std::swap(m_vecBlocks, other.m_vecBlocks);
    std::swap(m_nSize, other.m_nSize);
    std::swap(m_nLiveBytes, other.m_nLiveBytes);
    std::swap(m_nDeadBytes, other.m_nDeadBytes);
    std::swap(m_nPositionBits, other.m_nPositionBits);
}

inline CItemMap::SProbe CItemMap::Probe(std::string_view key, std::uint64_t hash) const {
    const auto positionMask = PositionMask(m_nPositionBits);
    const std::uint32_t tag = SlotValue(hash, 0) & ~positionMask;
    for (std::size_t slot = HomeOf(hash);;) {
        const std::uint32_t value = m_vecSlots[slot];
        if (!value) {
            return {slot, nullptr};
        }
        // The tag spares reading most entries that are not the key's.
        if ((value & ~positionMask) == tag) {
            char* entry = EntryAt(value);
            if (Read(entry).Key() == key) {
                return {slot, entry};
            }
        }
        slot = slot + 1 == m_vecSlots.size() ? 0 : slot + 1;
    }
}

inline std::size_t CItemMap::HomeOf(std::uint64_t hash) const {
    // The upper half of the hash scaled to the slot count, the lower half gives the tag.
    return static_cast<std::size_t>(((hash >> 32) * m_vecSlots.size()) >> 32);
}

inline std::uint32_t CItemMap::SlotValue(std::uint64_t hash, std::size_t position) const {
    const std::uint64_t tag = (hash & 0xFFFFFFFFULL) << m_nPositionBits;
    return static_cast<std::uint32_t>(tag | (position + 1));
}

inline char* CItemMap::EntryAt(std::uint32_t slotValue) const {
    const auto positionMask = PositionMask(m_nPositionBits);
    const std::size_t position = (slotValue & positionMask) - 1;
    return m_vecBlocks[position >> kOffsetBits].pBytes.get() + (position & (kBlockSize - 1));
}

std::size_t CItemMap::Append(std::string_view key, CDataValidationClient* node) {
    const std::size_t bytes = sizeof(node) + LengthBytes(key.size()) + key.size();
    if (m_vecBlocks.empty() || m_vecBlocks.back().nUsed + bytes > m_vecBlocks.back().nCapacity) {
        if (m_vecBlocks.size() == kMostBlocks) {
            throw std::length_error("CItemMap: the keys do not fit in 4 GiB");
        }
        const std::size_t last = m_vecBlocks.empty() ? 0 : m_vecBlocks.back().nCapacity;
        const std::size_t size = std::max(bytes, std::clamp(2 * last, kFirstBlock, kBlockSize));
        m_vecBlocks.push_back({std::make_unique_for_overwrite<char[]>(size), 0, size});
        m_nPositionBits = PositionBitsFor(m_vecBlocks.size());
    }
    SBlock& block = m_vecBlocks.back();
    const std::size_t position = ((m_vecBlocks.size() - 1) << kOffsetBits) | block.nUsed;
    char* at = block.pBytes.get() + block.nUsed;
    WriteNode(at, node);
    at += sizeof(node);
    std::size_t length = key.size();
    for (; length >= 0x80; length >>= 7) {
        *at++ = static_cast<char>((length & 0x7F) | 0x80);
    }
    *at++ = static_cast<char>(length);
    std::memcpy(at, key.data(), key.size());
    block.nUsed += bytes;
    m_nLiveBytes += bytes;
    return position;
}

void CItemMap::Rehash(std::size_t capacity) {
    m_vecSlots.assign(capacity, 0);
    m_nPositionBits = PositionBitsFor(m_vecBlocks.size());
    for (const_iterator at = begin(); at != end(); ++at) {
        const std::uint64_t hash = HashOf((*at).first);
        std::size_t slot = HomeOf(hash);
        while (m_vecSlots[slot]) {
            slot = slot + 1 == capacity ? 0 : slot + 1;
        }
        const auto number = static_cast<std::size_t>(at.m_pBlock - m_vecBlocks.data());
        m_vecSlots[slot] = SlotValue(hash, (number << kOffsetBits) | at.m_nOffset);
    }
}

void CItemMap::EraseSlot(std::size_t slot) {
    // Linear probing without tombstones: later members of the run move back into the gap
    // unless their home lies cyclically after the gap.
    const std::size_t capacity = m_vecSlots.size();
    const auto distance = [capacity](std::size_t from, std::size_t to) {
        return to >= from ? to - from : to + capacity - from;
    };
    const auto after = [capacity](std::size_t at) { return at + 1 == capacity ? 0 : at + 1; };
    std::size_t gap = slot;
    for (std::size_t next = after(gap); m_vecSlots[next]; next = after(next)) {
        const std::size_t home = HomeOf(HashOf(Read(EntryAt(m_vecSlots[next])).Key()));
        if (distance(home, next) >= distance(gap, next)) {
            m_vecSlots[gap] = m_vecSlots[next];
            gap = next;
        }
    }
    m_vecSlots[gap] = 0;
}

void CItemMap::Repack() {
    std::vector<SBlock> blocks;
    blocks.swap(m_vecBlocks);
    m_nLiveBytes = 0;
    m_nDeadBytes = 0;
    const SBlock* last = blocks.data() + blocks.size();
    for (const_iterator at(blocks.data(), last, 0); at != const_iterator(last, last, 0); ++at) {
        const auto [key, node] = *at;
        Append(key, node);
    }
    Rehash(m_vecSlots.size());
}

} // namespace Vel
