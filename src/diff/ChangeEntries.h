// Pieces shared by the difference walks of nodes and leaf items: finding a node's counterpart
// in the other tree and making the change nodes of one-sided items.
#pragma once

#include <vel/DataValidationClient.h>
#include <vel/String.h>
#include <vel/VelDataChange.h>

namespace Vel {

// The node of the other tree with `node`'s unique key (element numbers included), looked up
// from `other`; null when the other tree has none.
CDataValidationClient* FindCounterpart(const CDataValidationClient& node,
                                       CDataValidationClient& other);

// Whether `node` is an element of a collection.
bool IsCollectionElement(const CDataValidationClient& node);

// The element number of a collection element, as its caption and key suffix "[n]".
CString ElementSuffix(const CDataValidationClient& element);

// A change node of an item that exists on one side only: `value` on the side that has it,
// the "not available" text on the other, and the bit of the side that has it.
CVelDataChange* NewOneSidedChange(const CString& name, const CString& value, bool valueIsLeft);

// Reports a walk called without the other tree or without a change node; false always.
bool ReportMissingArguments(const CDataValidationClient& node, const char* source);

// Whether a walk has the other tree and a change node; reports it when not. Inline: asked
// for every node of a walk.
inline bool WalkArgumentsGiven(const CDataValidationClient& node,
                               const CDataValidationClient* other, const CVelDataChange* changes,
                               const char* source) {
    return (other && changes) || ReportMissingArguments(node, source);
}

// The display value of a node that exists on one side only.
using DisplayValue = CString (*)(CDataValidationClient& node);

// What CompareDisabledSides answers besides a walk's result.
inline constexpr int kBothEnabled = -1;
inline constexpr int kAlreadyEntered = -2;

// The rest of CompareDisabledSides once either side is known to be disabled.
int EnterDisabledSide(CDataValidationClient& node, CDataValidationClient& other,
                      CVelDataChange& changes, bool thisIsLeft, DisplayValue value,
                      bool checkEntered, bool thisDisabled, bool otherDisabled);

// The first step of both walks, when either side is disabled: nothing when both are or the
// node has no comparison key; otherwise, when `checkEntered` and `changes` already holds the
// key, kAlreadyEntered; else the enabled side's `value` is entered against the "not
// available" text. Answers the walk's result, or kBothEnabled when the walk goes on. Inline:
// asked for every node of a walk, and nearly always both sides are enabled.
inline int CompareDisabledSides(CDataValidationClient& node, CDataValidationClient& other,
                                CVelDataChange& changes, bool thisIsLeft, DisplayValue value,
                                bool checkEntered = false) {
    const bool thisDisabled = node.IsDisabled();
    const bool otherDisabled = other.IsDisabled();
    if (!thisDisabled && !otherDisabled) {
        return kBothEnabled;
    }
    return EnterDisabledSide(node, other, changes, thisIsLeft, value, checkEntered, thisDisabled,
                             otherDisabled);
}

// A change node with both texts and the given bits.
CVelDataChange* NewChange(const CString& name, const CString& left, const CString& right, int bits);

} // namespace Vel
