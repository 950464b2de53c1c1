// PanelDataTypes: the item type code that every node of a data tree answers from GetType().
// Codes 0 to 5 are leaf items; 0, 1, 2 and 5 are stored in integer database columns.
#pragma once

namespace Vel {
namespace PanelDataTypes {

enum Type : int {
    INT_CHOICE = 0,
    CHOICE = 1,
    NUMBER = 2,
    IP_ADDRESS = 3,
    STRING = 4,
    SET = 5,
    DATA_MANAGER = 6,
    COLLECTION = 7,
    CONTAINER = 8,
};

constexpr bool IsDataType(int type) {
    return type >= INT_CHOICE && type <= SET;
}

constexpr bool IsDbTypeNumber(int type) {
    return type == INT_CHOICE || type == CHOICE || type == NUMBER || type == SET;
}

} // namespace PanelDataTypes
} // namespace Vel
