#include "SortedOrder.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <numeric>
#include <string>

namespace Vel {

namespace {

// Starts above the zero of a fresh order, so a new order is never current.
std::atomic<std::uint64_t> g_nEpoch{1};

// The leading decimal digits of `digits` as a number, 0 without any; saturates at INT_MAX.
int LeadingNumber(std::string_view digits) {
    long long number = 0;
    for (const char ch : digits) {
        if (ch < '0' || ch > '9') {
            break;
        }
        number = std::min<long long>(number * 10 + (ch - '0'), INT_MAX);
    }
    return static_cast<int>(number);
}

} // namespace

CString SortText(const CVelDataChange& entry) {
    std::string text = entry.m_sName.str();
    if (!entry.IsEmpty()) {
        text.insert(text.begin(), '\xFF');
    }
    const std::size_t open = text.find('[');
    if (open == std::string::npos) {
        return CString(std::move(text));
    }
    // Without a closing bracket the text stays as it is.
    const std::size_t close = text.find(']', open + 1);
    if (close == std::string::npos) {
        return CString(std::move(text));
    }
    const int number = LeadingNumber(std::string_view(text).substr(open + 1, close - open - 1));
    text.replace(open + 1, close - open - 1, CString::Formatted("%05d", number).str());
    return CString(std::move(text));
}

void CSortedOrder::Invalidate() {
    g_nEpoch.fetch_add(1, std::memory_order_relaxed);
}

bool CSortedOrder::IsCurrent() const {
    return m_nEpoch == g_nEpoch.load(std::memory_order_relaxed);
}

void CSortedOrder::Build(const std::vector<CVelDataChange*>& entries) {
    std::vector<CString> texts;
    texts.reserve(entries.size());
    for (const CVelDataChange* entry : entries) {
        texts.push_back(SortText(*entry));
    }
    std::vector<std::size_t> positions(entries.size());
    std::iota(positions.begin(), positions.end(), std::size_t{0});
    // std::string compares bytes as unsigned, so 0xFF sorts last.
    std::stable_sort(positions.begin(), positions.end(),
                     [&](std::size_t a, std::size_t b) { return texts[a].str() < texts[b].str(); });
    m_vecOrder.clear();
    m_vecOrder.reserve(entries.size());
    for (const std::size_t position : positions) {
        m_vecOrder.push_back(entries[position]);
    }
    m_nCursor = 0;
    m_nEpoch = g_nEpoch.load(std::memory_order_relaxed);
}

CVelDataChange* CSortedOrder::Next(int mask) {
    if (mask != m_nMask) {
        m_nMask = mask;
        m_nCursor = 0;
    }
    for (; m_nCursor < m_vecOrder.size(); ++m_nCursor) {
        CVelDataChange* entry = m_vecOrder[m_nCursor];
        if (!entry->IsSorted() && (entry->m_nChangeType & mask) != 0) {
            ++m_nCursor;
            return entry;
        }
    }
    return nullptr;
}

} // namespace Vel
