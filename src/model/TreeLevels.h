// Helpers for walks up a data tree: which nodes are elements of a collection, and the
// composition of texts level by level from a node up to (not including) its root.
#pragma once

#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DataValidationClient.h>

#include <vector>

namespace Vel {

// The collection whose element `node` is, or null.
const CDataCollectionBase* CollectionOfElement(const CDataValidationClient& node);

// The element number of `node`: its CChooseable number when it is a container, else 0.
int ElementNumber(const CDataValidationClient& node);

// The part of `node`'s data key behind its last dot, as the tail of the key's own text.
const char* LastDataKeyPart(const CDataValidationClient& node);

// Appends an element's part of a unique key: its collection's table name, "." and its number.
void AppendElementKeyPart(CString& out, const CString& table, const CDataValidationClient& node);

// Joins `parts`, given innermost first, outermost first with "."; a separator follows a part
// only when some part inside it is not empty.
CString JoinInnermostFirst(const std::vector<CString>& parts);

// Joins one text per level with ".", outermost first, from `start` up to the level below
// the root (a root itself gives its own level), or up to a parent chain's return to `start`.
// `part(node, collection)` gives the text of a level; for an element, `collection` is its
// collection, which the walk then passes over.
template <class TPart> CString JoinLevels(const CDataValidationClient& start, TPart part) {
    // Parts innermost first; joined once at the end instead of prepending level by level.
    std::vector<CString> parts;
    parts.reserve(8);
    const CDataValidationClient* node = &start;
    while (node) {
        const CDataCollectionBase* collection = CollectionOfElement(*node);
        parts.push_back(part(*node, collection));
        if (collection) {
            node = collection;
        }
        const CDataValidationClient* parent = node->GetParent();
        if (!parent || parent == &start || parent->GetType() == PanelDataTypes::DATA_MANAGER) {
            break;
        }
        node = parent;
    }
    return JoinInnermostFirst(parts);
}

// JoinLevels with `text(node)` for every level, an element's followed by its element number in
// `numberFormat`.
template <class TText>
CString JoinNumberedLevels(const CDataValidationClient& start, TText text,
                           const char* numberFormat) {
    return JoinLevels(
        start, [&](const CDataValidationClient& node, const CDataCollectionBase* collection) {
            CString part = text(node);
            if (collection) {
                part.AppendFormat(numberFormat, ElementNumber(node));
            }
            return part;
        });
}

} // namespace Vel
