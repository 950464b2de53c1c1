// The unique keys (with element numbers) of the nodes a difference walk visits, composed level
// by level as the walk descends rather than from every node up its parent chain: one buffer
// holds the current level's prefix, entering a child appends the child's part.
#pragma once

#include <vel/DataValidationClient.h>
#include <vel/String.h>

#include <cstddef>
#include <string_view>
#include <typeinfo>

namespace Vel {

class CDataCollectionBase;

class CKeyPath {
public:
    // A node of the walk, as the prefix its children's keys start with.
    struct SLevel {
        // The children's keys begin here in the buffer (behind a root, keys start anew).
        std::size_t nBase = 0;
        // The prefix ends here: its parts, each followed by a ".".
        std::size_t nLength = 0;
        // The end of the prefix's last non-empty part: a child without a part of its own
        // has the prefix up to here as its key.
        std::size_t nTextEnd = 0;
        // The node when it is a collection: its children are numbered elements.
        const CDataCollectionBase* pCollection = nullptr;
        CString sTableName;
    };

    CKeyPath();

    // The level of `node`'s children, composed from its parent chain; false when the chain
    // loops, and then the path is not to be used.
    bool Start(const CDataValidationClient& node, SLevel& level);
    // The unique key of `child`, a child of the level's node. Valid until the path changes.
    const CString& EnterChild(const SLevel& level, const CDataValidationClient& child);
    // Whether `key` is the unique key of `child`, a child of the level's node, told without
    // entering the child; false also when that would take the composition itself.
    bool IsKeyOf(const SLevel& level, const CDataValidationClient& child,
                 std::string_view key) const;
    // The level of the children of the child last entered from `parent`.
    SLevel ChildLevel(const SLevel& parent, const CDataValidationClient& child);

private:
    // Appends an element's part: its collection's table name, "." and its number.
    void AppendElementPart(const CString& table, const CDataValidationClient& element);
    // The element number of `element`: its container number, or 0 when it is no container.
    int ElementNumberOf(const CDataValidationClient& element);

    CString m_sBuffer;
    // The key when it is not the whole buffer.
    CString m_sKey;
    // The class of the element last numbered, and whether it is a container.
    const std::type_info* m_pElementType = nullptr;
    bool m_bElementIsContainer = false;
};

} // namespace Vel
