// Host texts the database layer reads: a connection text split into its pairs and rebuilt,
// and a statement rewritten for PostgreSQL. A value set into a connection text must read back
// unchanged; the rewrite must keep every byte outside brackets.
#include "odbc/ConnectText.h"
#include "odbc/Dialect.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int length = size > 4096 ? 4096 : static_cast<int>(size);
    const Vel::CString text(reinterpret_cast<const char*>(data), length);
    const Vel::CString rewritten = Vel::RewriteBracketsForPostgres(text);
    if (text.Find('[') < 0 && rewritten != text) {
        std::abort();
    }
    const Vel::CString with = Vel::ConnectWith(text, "Database", "/tmp/a b;c.db");
    if (Vel::ConnectValue(with, "Database") != "/tmp/a b;c.db") {
        std::abort();
    }
    return 0;
}
