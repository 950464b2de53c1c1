// The difference walk of containers, collections and roots.
#include <vel/DataValidationClient.h>

#include <vel/HostWindow.h>
#include <vel/PanelDataTypes.h>
#include <vel/VelDataChange.h>

#include "ChangeEntries.h"
#include "DiffWalk.h"

#include <cstddef>

namespace Vel {

namespace {

// The entry of a child that has no counterpart: a collection shows both element counts, any
// other node the child's value against the "not available" text.
CVelDataChange* MissingChildChange(CDataValidationClient& node, CDataValidationClient& counterpart,
                                   CDataValidationClient& child, bool thisIsLeft) {
    if (node.GetType() == PanelDataTypes::COLLECTION &&
        child.GetDataKey4Cmp().Find("AssembleZoneOutput") < 0) {
        const CString own = CString::Formatted("%d x <...>", int(node.GetChildListRef().size()));
        const CString others =
            CString::Formatted("%d x <...>", int(counterpart.GetChildListRef().size()));
        return thisIsLeft
                   ? NewChange(child.GetCaptionText(), own, others, CVelDataChange::LEFT_ONLY)
                   : NewChange(child.GetCaptionText(), others, own, CVelDataChange::RIGHT_ONLY);
    }
    return NewOneSidedChange(child.GetCaptionText(), child.GetValueString(), thisIsLeft);
}

// Moves every entry of `from` into `to`, in order and with SetAt's replacement, and leaves
// `from` empty.
void MoveEntries(CVelDataChange& from, CVelDataChange& to) {
    for (int i = 0; i < from.GetCount(); ++i) {
        to.SetAt(from.GetKeyAt(i), from.GetAt(i));
    }
    from.RemoveAll();
}

// Compares the children of `node` with those of `counterpart`, `node` driving; `walk` null
// looks every child's counterpart up from its own key.
int CompareChildren(CDataValidationClient& node, CDataValidationClient& counterpart,
                    CVelDataChange& changes, bool* pContinue, CHostWindow* progressWindow,
                    bool thisIsLeft, CDiffWalk* walk, const CDiffWalk::SLevel* above) {
    CDiffWalk::SLevel keys;
    if (walk && !walk->EnterLevel(node, counterpart, above, keys)) {
        walk = nullptr;
    }
    const CDataValidationClientList& children = node.GetChildListRef();
    // This level's results; nothing of it survives unless a difference is found.
    CVelDataChange level{CString()};
    int result = 0;
    // Index loop: the progress handler runs host code between children.
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (pContinue && !*pContinue) {
            level.DeleteRecursive();
            return 2;
        }
        if (progressWindow) {
            progressWindow->SendMessage(CVelDataChange::kProgressMessage, 0, 0);
        }
        CDiffWalk::PrefetchChild(children, i);
        CDataValidationClient& child = *children[i];
        CDataValidationClient* match = walk ? walk->Counterpart(keys, i, child, counterpart)
                                            : FindCounterpart(child, counterpart);
        if (match) {
            if (walk) {
                walk->Matched(keys, child, *match);
            }
            const int childResult =
                child.FindDifferencies(match, &level, pContinue, nullptr, thisIsLeft);
            if (walk) {
                walk->ClearMatch();
            }
            if (childResult == 1) {
                result = 1;
            }
        } else if (const CString key = child.GetDataKey4Cmp(); !key.IsEmpty()) {
            // Children of one key replace each other's entry: one count per collection.
            changes.SetAt(key, MissingChildChange(node, counterpart, child, thisIsLeft));
            result = 1;
        }
    }
    if (result == 0) {
        level.DeleteRecursive();
        return 0;
    }
    // An element's and the root's results join the level above; a screen's form a node.
    if (IsCollectionElement(node) || node.GetType() == PanelDataTypes::DATA_MANAGER) {
        MoveEntries(level, changes);
    } else {
        auto* entry = new CVelDataChange(node.GetCaptionText());
        MoveEntries(level, *entry);
        entry->m_nChangeType = level.m_nChangeType;
        changes.SetAt(node.GetDataKey4Cmp(), entry);
    }
    return 1;
}

} // namespace

int CDataValidationClient::FindDifferencies(CDataValidationClient* other, CVelDataChange* changes,
                                            bool* pContinue, CHostWindow* progressWindow,
                                            bool thisIsLeft) {
    if (!WalkArgumentsGiven(*this, other, changes, "DataValidationClientVel")) {
        return 0;
    }
    const int sides =
        CompareDisabledSides(*this, *other, *changes, thisIsLeft,
                             [](CDataValidationClient& node) { return node.GetValueString(); });
    if (sides != kBothEnabled) {
        return sides;
    }
    // Matched by the level above, the counterpart is `other` itself.
    const CDiffWalk::SLevel* above = nullptr;
    CDiffWalk* walk = CDiffWalk::Claim(*this, *other, above);
    CDataValidationClient* counterpart = walk ? other : FindCounterpart(*this, *other);
    if (!counterpart) {
        return 0;
    }
    // The side with more children drives, so that its extra children count as one-sided.
    if (counterpart->GetChildListRef().size() > m_vecChildren.size()) {
        return counterpart->FindDifferencies(this, changes, pContinue, nullptr, !thisIsLeft);
    }
    if (walk) {
        return CompareChildren(*this, *counterpart, *changes, pContinue, progressWindow, thisIsLeft,
                               walk, above);
    }
    // A walk called from outside composes its children's keys from its own parent chain.
    CDiffWalk own;
    return CompareChildren(*this, *counterpart, *changes, pContinue, progressWindow, thisIsLeft,
                           &own, nullptr);
}

} // namespace Vel
