// Process-wide SQLite settings that must precede its first connection.
#pragma once

namespace Vel {

// Turns SQLite's memory statistics off (they take a global lock on every allocation and
// serialise threads); runs once, before the first SQLite connection.
void PrepareSqliteOnce();

} // namespace Vel
