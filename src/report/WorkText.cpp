#include "WorkText.h"

#include <algorithm>
#include <cstring>

namespace Vel::ReportFill {

namespace {

constexpr std::string_view kStart = "<!--";
constexpr std::string_view kEnd = "-->";

} // namespace

int StopNumber(std::string_view command) {
    if (command.find("!Loop1STOP") != std::string_view::npos) {
        return 1;
    }
    return command.find("!Loop2STOP") != std::string_view::npos ? 2 : 0;
}

// The search anchors on the pattern's rarest byte ('!' of "<!--", '>' of "-->") rather than
// on '<', which HTML repeats at every tag.
std::size_t find(const std::string& source, std::string_view pattern, std::size_t anchor,
                 std::size_t from) {
    const char* const data = source.data();
    const std::size_t size = source.size();
    for (std::size_t at = from + anchor; at < size;) {
        const void* hit = std::memchr(data + at, pattern[anchor], size - at);
        if (!hit) {
            break;
        }
        const std::size_t found = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
        const std::size_t first = found - anchor;
        if (first + pattern.size() <= size && source.compare(first, pattern.size(), pattern) == 0) {
            return first;
        }
        at = found + 1;
    }
    return std::string::npos;
}

bool CWorkText::commandAt(std::size_t from, SCommand& command) const {
    const std::string& source = *m_pSource;
    const std::size_t start = find(source, kStart, 1, from);
    if (start == std::string::npos) {
        return false;
    }
    const std::size_t textFirst = start + kStart.size();
    const std::size_t close = find(source, kEnd, 2, textFirst);
    if (close == std::string::npos) {
        return false;
    }
    command.start = start;
    command.text = std::string_view(source).substr(textFirst, close - textFirst);
    command.end = close + kEnd.size();
    return true;
}

bool CWorkText::NextCommand(SCommand& command) const {
    return commandAt(m_nPos, command);
}

std::string_view CWorkText::TextBefore(std::size_t position) const {
    return std::string_view(*m_pSource).substr(m_nPos, position - m_nPos);
}

std::string_view CWorkText::Rest() const {
    return std::string_view(*m_pSource).substr(m_nPos);
}

bool CWorkText::findBlock(int number, std::size_t from, SBlock& block, std::size_t& stopEnd) {
    // An inner loop starts again in every pass of the outer one: answer from the last search.
    SFound& last = m_aStops[number - 1];
    if (last.source == m_pSource && last.from == from) {
        block = {m_pSource, from, last.found};
        stopEnd = m_aStopEnds[number - 1];
        return true;
    }
    SCommand command;
    for (std::size_t at = from; commandAt(at, command); at = command.end) {
        if (StopNumber(command.text) == number) {
            block = {m_pSource, from, command.start};
            stopEnd = command.end;
            last = {m_pSource, from, command.start};
            m_aStopEnds[number - 1] = command.end;
            return true;
        }
    }
    return false;
}

bool CWorkText::SaveBlock(int number, std::size_t from) {
    std::size_t stopEnd = 0;
    return findBlock(number, from, m_aBlocks[number - 1], stopEnd);
}

bool CWorkText::SkipBlock(int number, std::size_t from) {
    SBlock block;
    std::size_t stopEnd = 0;
    if (!findBlock(number, from, block, stopEnd)) {
        return false;
    }
    m_nPos = stopEnd;
    return true;
}

bool CWorkText::RepeatBlock(int number) {
    SBlock& block = m_aBlocks[number - 1];
    if (!block.source) {
        return false;
    }
    if (block.source == m_pSource && block.last == m_nPos) {
        m_nPos = block.first;
        return true;
    }
    // The stop reached is not the one the block was cut at (a removed condition ran past it):
    // the block goes in front of a copy of the rest, and is cut from that copy from now on.
    auto copy = std::make_unique<std::string>();
    const std::string_view text =
        std::string_view(*block.source).substr(block.first, block.last - block.first);
    copy->reserve(text.size() + m_pSource->size() - m_nPos);
    copy->append(text);
    copy->append(Rest());
    block = {copy.get(), 0, text.size()};
    m_pSource = copy.get();
    m_nPos = 0;
    m_vecCopies.push_back(std::move(copy));
    dropUnusedCopies();
    return true;
}

void CWorkText::dropUnusedCopies() {
    std::erase_if(m_vecCopies, [this](const std::unique_ptr<std::string>& copy) {
        const std::string* text = copy.get();
        return text != m_pSource && text != m_aBlocks[0].source && text != m_aBlocks[1].source;
    });
    // Searches remembered in a dropped copy must not match a new copy at the same address.
    for (auto& stop : m_aStops) {
        stop = {};
    }
    m_mapEnds.clear();
}

std::size_t CWorkText::FindThrough(std::size_t from, const std::string& text) {
    SFound& last = m_mapEnds[text];
    const bool known = last.source == m_pSource && last.from <= from &&
                       (last.found == std::string::npos || from <= last.found);
    if (!known) {
        last = {m_pSource, from, m_pSource->find(text, from)};
    }
    return last.found == std::string::npos ? last.found : last.found + text.size();
}

} // namespace Vel::ReportFill
