// Compares two trees of the same kind and prints the change tree in sorted order.
#include "HostPanel.h"

#include <vel/TextCommon.h>
#include <vel/VelDataChange.h>

#include <cstdio>
#include <string>

namespace {

// One line per changed item, with both values; a line per screen or element above them.
void print(Vel::CVelDataChange& node, int depth) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    while (Vel::CVelDataChange* entry = node.GetNextSorted(Vel::CVelDataChange::ALL_CHANGES)) {
        if (entry->IsEmpty()) {
            std::printf("%s%s: %s -> %s\n", indent.c_str(), entry->m_sName.c_str(),
                        entry->m_sLeftValue.c_str(), entry->m_sRightValue.c_str());
        } else {
            std::printf("%s%s\n", indent.c_str(), entry->m_sName.c_str());
            print(*entry, depth + 1);
        }
    }
}

} // namespace

int main() {
    HostPanel left;
    HostPanel right;
    if (!left.Open(66, 650) || !right.Open(66, 650)) {
        return 1;
    }
    // Screens and records are captioned by the process-wide texts.
    Vel::CTextCommon::SetLanguageClass(&left.texts);
    right.bellTime.SetValue(5);
    right.zones.GetElement(1)->responseTime.SetValue(500);

    Vel::CVelDataChange changes("");
    bool goOn = true; // cleared by the host (or a progress window) to cancel
    // 0 the same, 1 differences, 2 cancelled
    const int found = left.root.FindDifferencies(&right.root, &changes, &goOn, nullptr, true);
    std::printf("result %d\n", found);
    print(changes, 0);
    changes.DeleteRecursive();
    Vel::CTextCommon::SetLanguageClass(nullptr);
    return 0;
}
