// Helpers for walks up a data tree: which nodes are elements of a collection, and the
// composition of texts level by level from a node up to (not including) its root.
#pragma once

#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DataValidationClient.h>

namespace Vel {

// The collection whose element `node` is, or null.
const CDataCollectionBase* CollectionOfElement(const CDataValidationClient& node);

// The element number of `node`: its CChooseable number when it is a container, else 0.
int ElementNumber(const CDataValidationClient& node);

// Joins one text per level with ".", outermost first, from `start` up to the level below
// the root (a root itself gives its own level). `part(node, collection)` gives the text of a
// level; for an element, `collection` is its collection, which the walk then passes over.
template <class TPart> CString JoinLevels(const CDataValidationClient& start, TPart part) {
    CString result;
    const CDataValidationClient* node = &start;
    while (node) {
        const CDataCollectionBase* collection = CollectionOfElement(*node);
        CString text = part(*node, collection);
        if (collection) {
            node = collection;
        }
        result = result.IsEmpty() ? text : text + "." + result;
        const CDataValidationClient* parent = node->GetParent();
        if (!parent || parent->GetType() == PanelDataTypes::DATA_MANAGER) {
            break;
        }
        node = parent;
    }
    return result;
}

} // namespace Vel
