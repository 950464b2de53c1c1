// CWorkText: the part of a report template still to be filled. It is a position in a source
// text rather than a copy of the rest, so that dropping a command and repeating a loop block
// cost nothing; only a block repeated in front of text it was not cut from is copied.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Vel::ReportFill {

// One command: "<!--" at `start`, its text, and the position behind its "-->".
struct SCommand {
    std::size_t start = 0;
    std::string_view text;
    std::size_t end = 0;
};

// A saved loop block: the text between a loop start and its stop command, in a source text.
struct SBlock {
    const std::string* source = nullptr;
    std::size_t first = 0;
    std::size_t last = 0;
};

// 1 for a command holding "!Loop1STOP", else 2 for "!Loop2STOP", else 0.
int StopNumber(std::string_view command);

class CWorkText {
public:
    explicit CWorkText(const std::string& text) : m_pSource(&text) {}

    // The next command from the current position; false when no complete one is left.
    bool NextCommand(SCommand& command) const;
    // The text from the current position up to `position` of the current source.
    std::string_view TextBefore(std::size_t position) const;
    std::string_view Rest() const;
    void MoveTo(std::size_t position) { m_nPos = position; }

    // Saves the block of loop `number` (1 or 2) behind the command ending at `from`: the text
    // up to the first later command whose stop number is `number`. False without one.
    bool SaveBlock(int number, std::size_t from);
    // Drops everything through the stop command of that block; false without one.
    bool SkipBlock(int number, std::size_t from);
    // Puts the saved block of loop `number` in front of the remaining text and goes on from
    // its start; false when that loop has no saved block.
    bool RepeatBlock(int number);
    // Position behind the first occurrence of `text` at or after `from`; npos when none.
    std::size_t FindThrough(std::size_t from, const std::string& text);

private:
    struct SFound {
        const std::string* source = nullptr;
        std::size_t from = 0;
        std::size_t found = 0;
    };

    bool commandAt(std::size_t from, SCommand& command) const;
    bool findBlock(int number, std::size_t from, SBlock& block, std::size_t& stopEnd);
    void dropUnusedCopies();

    const std::string* m_pSource;
    std::size_t m_nPos = 0;
    std::vector<std::unique_ptr<std::string>> m_vecCopies;
    // Last answers of the searches a repeated block asks again in every pass.
    std::map<std::string, SFound> m_mapEnds;
    SFound m_aStops[2];
    std::size_t m_aStopEnds[2] = {0, 0};
    SBlock m_aBlocks[2];
};

} // namespace Vel::ReportFill
