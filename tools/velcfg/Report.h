// Printing of items for velcfg: one line per item, or a JSON array.
#pragma once

#include "ItemView.h"

#include <cstdio>
#include <string>
#include <vector>

namespace Vel::Velcfg {

// "KEY | CAPTION | VALUE | LIMITS" with "disabled" and "read-only" marks behind.
std::string ItemLine(const Sample::CItemView& view);
// The value with its limits and marks, as convert shows each side.
std::string ItemState(const Sample::CItemView& view);
std::string JsonText(const std::string& text);
// `text` safe for a terminal: control bytes (C0, DEL and UTF-8 encoded C1) become "\xNN"
// escapes, so stored texts cannot move the cursor or start escape sequences.
std::string Printable(const std::string& text);
void PrintJson(std::FILE* out, const std::vector<Sample::CItemView>& views);

} // namespace Vel::Velcfg
