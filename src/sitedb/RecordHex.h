// Site records are kept in the database as hexadecimal text, so every byte comes back
// exactly on every driver.
#pragma once

#include <cstddef>
#include <string>

namespace Vel {

std::string RecordToHex(const void* record, std::size_t size);
// False (the record unchanged) unless the text holds exactly `size` bytes.
bool HexToRecord(const std::string& text, void* record, std::size_t size);

} // namespace Vel
