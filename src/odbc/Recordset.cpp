#include <vel/Recordset.h>

#include <vel/Database.h>
#include <vel/DbException.h>

#include "OdbcCheck.h"
#include "TextLimit.h"

#include <climits>
#include <vector>

namespace Vel {

namespace {

// A bound value's buffer; bound once, filled before each execution or after each fetch.
struct Slot {
    CFieldExchange::Field field;
    SQLINTEGER number = 0;
    std::vector<char> text;
    SQLLEN indicator = 0;
    // A column fetched a block of rows at a time: a number, a text of textWidth bytes and an
    // indicator per row.
    std::vector<SQLINTEGER> numbers;
    std::vector<SQLLEN> indicators;
};

// What a block fetch reports: how many rows came, and the state of each.
struct RowBlock {
    SQLULEN fetched = 0;
    std::vector<SQLUSMALLINT> status;
};

// The buffers of a kept select; they go with the statement to the connection's keeping and
// on to the next recordset that opens the same query.
struct SelectBindings : CKeptBindings {
    std::vector<Slot> params;
    std::vector<Slot> columns;
    std::unique_ptr<RowBlock> block;
};

constexpr int kBytesPerCharacter = 4;
// Rows a reading statement fetches per call: the calls, not the rows, cost the most in the
// driver and its manager.
constexpr std::size_t kBlockRows = 64;
constexpr std::size_t kRowIdBytes = 64;

// How a dialect names a row for the update and delete of the current row.
struct RowIdentity {
    const char* select;    // select-list expression
    const char* condition; // WHERE condition with one text parameter
};

const RowIdentity* rowIdentity(CDatabase::Dialect dialect) {
    static const RowIdentity sqlite{"rowid", "rowid = CAST(? AS INTEGER)"};
    static const RowIdentity postgres{"ctid", "ctid = CAST(? AS tid)"};
    switch (dialect) {
    case CDatabase::Dialect::SQLite:
        return &sqlite;
    case CDatabase::Dialect::PostgreSQL:
        return &postgres;
    default:
        return nullptr;
    }
}

CString joinNames(const std::vector<Slot>& slots, const char* suffix) {
    CString out;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        out += (i ? ", " : "") + slots[i].field.name + suffix;
    }
    return out;
}

// The statement after its select list: table, filter and sort.
CString fromClause(const CString& table, const CString& filter, const CString& sort) {
    CString sql = " FROM " + table;
    if (!filter.IsEmpty()) {
        sql += " WHERE " + filter;
    }
    if (!sort.IsEmpty()) {
        sql += " ORDER BY " + sort;
    }
    return sql;
}

} // namespace

struct CRecordset::Impl {
    enum class Mode { none, add, edit };

    bool open = false;
    bool eof = true;
    bool bof = true;
    bool restartable = true;
    bool updatable = false;
    bool kept = false; // the select statement goes back to the connection's keeping
    Mode mode = Mode::none;
    CString table;
    CString sql;
    const RowIdentity* rowId = nullptr;
    std::vector<Slot> params;
    std::vector<Slot> columns;
    std::unique_ptr<RowBlock> block; // null: one row per fetch
    std::size_t row = 0;             // the current row within the block
    std::vector<Slot> writes;        // the output columns as parameters of INSERT and UPDATE
    char rowIdBuffer[kRowIdBytes] = {0};
    SQLLEN rowIdIndicator = 0;
    Slot currentRow;
    CString givenRow; // the row of EditRow; empty for the current row
    COdbcStatement select;
    COdbcStatement insert;
    COdbcStatement update;
    COdbcStatement remove;
};

CRecordset::CRecordset(CDatabase* pDatabase)
    : m_pDatabase(pDatabase), m_pImpl(std::make_unique<Impl>()) {}

CRecordset::~CRecordset() = default;

CString CRecordset::GetDefaultSQL() {
    return {};
}

CString CRecordset::GetDefaultConnect() {
    return {};
}

void CRecordset::DoFieldExchange(CFieldExchange*) {}

namespace {

std::vector<Slot> slotsOf(const std::vector<CFieldExchange::Field>& fields,
                          CFieldExchange::FieldType type) {
    std::vector<Slot> slots;
    for (const CFieldExchange::Field& field : fields) {
        if (field.type == type) {
            Slot slot;
            slot.field = field;
            slots.push_back(std::move(slot));
        }
    }
    return slots;
}

// Copies a member into its slot, refusing what the column cannot hold.
void fillSlot(Slot& slot, const CString& statement) {
    if (slot.field.pLong) {
        const long value = *slot.field.pLong;
        if (value < INT_MIN || value > INT_MAX) {
            throw CDbException("22003", 0,
                               CString::Formatted("value %ld does not fit the 32-bit column %s",
                                                  value, slot.field.name.c_str()),
                               statement, slot.field.name);
        }
        slot.number = static_cast<SQLINTEGER>(value);
        slot.indicator = 0;
        return;
    }
    const CString& text = *slot.field.pText;
    if (CountCharacters(text.view()) > static_cast<std::size_t>(slot.field.maxLength)) {
        throw CDbException("22001", 0,
                           CString::Formatted("text longer than %d characters for column %s",
                                              slot.field.maxLength, slot.field.name.c_str()),
                           statement, slot.field.name);
    }
    if (text.view().size() >= slot.text.size()) {
        // The buffer is bound; it holds any text within the character limit.
        throw CDbException("22001", 0, "text too long for column " + slot.field.name, statement,
                           slot.field.name);
    }
    std::copy(text.view().begin(), text.view().end(), slot.text.begin());
    slot.indicator = static_cast<SQLLEN>(text.view().size());
}

// Bytes of a text's buffer: any text within the character limit, and its end.
std::size_t textWidth(const CFieldExchange::Field& field) {
    return static_cast<std::size_t>(field.maxLength) * kBytesPerCharacter + 1;
}

// A text's buffer is sized when first bound.
void sizeText(Slot& slot) {
    if (slot.field.pText && slot.text.empty()) {
        slot.text.resize(textWidth(slot.field));
    }
}

void bindParam(const COdbcStatement& stmt, SQLUSMALLINT n, Slot& slot) {
    sizeText(slot);
    if (slot.field.pLong) {
        stmt.Check(SQLBindParameter(stmt.Get(), n, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0,
                                    &slot.number, 0, &slot.indicator));
    } else {
        stmt.Check(SQLBindParameter(stmt.Get(), n, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR,
                                    static_cast<SQLULEN>(slot.field.maxLength), 0, slot.text.data(),
                                    static_cast<SQLLEN>(slot.text.size()), &slot.indicator));
    }
}

// A value per row of a block of `rows`, bound by column; a statement that fetches one row at
// a time binds a block of one.
void bindColumn(const COdbcStatement& stmt, SQLUSMALLINT n, Slot& slot, std::size_t rows) {
    slot.indicators.assign(rows, 0);
    if (slot.field.pLong) {
        slot.numbers.assign(rows, 0);
        stmt.Check(
            SQLBindCol(stmt.Get(), n, SQL_C_SLONG, slot.numbers.data(), 0, slot.indicators.data()));
    } else {
        slot.text.assign(textWidth(slot.field) * rows, 0);
        stmt.Check(SQLBindCol(stmt.Get(), n, SQL_C_CHAR, slot.text.data(),
                              static_cast<SQLLEN>(textWidth(slot.field)), slot.indicators.data()));
    }
}

// One fetched value of a column.
struct Cell {
    SQLINTEGER number;
    SQLLEN indicator;
    const char* text;
    std::size_t capacity;
};

Cell cellOf(const Slot& slot, std::size_t row) {
    if (slot.field.pLong) {
        return {slot.numbers[row], slot.indicators[row], nullptr, 0};
    }
    const std::size_t width = textWidth(slot.field);
    return {0, slot.indicators[row], slot.text.data() + row * width, width};
}

void readSlot(const Slot& slot, std::size_t row) {
    const Cell cell = cellOf(slot, row);
    const bool null = cell.indicator == SQL_NULL_DATA;
    if (slot.field.pLong) {
        *slot.field.pLong = null ? 0 : cell.number;
        return;
    }
    if (null) {
        slot.field.pText->Empty();
        return;
    }
    std::size_t length = cell.indicator == SQL_NO_TOTAL || cell.indicator < 0
                             ? cell.capacity - 1
                             : static_cast<std::size_t>(cell.indicator);
    length = std::min(length, cell.capacity - 1);
    // No more bytes than the limit has characters: nothing to cut, no need to count.
    const auto limit = static_cast<std::size_t>(slot.field.maxLength);
    const std::string_view fetched(cell.text, length);
    const std::string_view text = length <= limit ? fetched : CutToCharacters(fetched, limit);
    // A row read again mostly holds the texts of the last time: no new string for them.
    if (slot.field.pText->view() != text) {
        *slot.field.pText = CString(text);
    }
}

// Binds the parameters, and the columns a row or, with `block`, a block of rows at a time.
void bindAll(const COdbcStatement& stmt, std::vector<Slot>& params, std::vector<Slot>& columns,
             const RowBlock* block) {
    for (std::size_t i = 0; i < params.size(); ++i) {
        bindParam(stmt, static_cast<SQLUSMALLINT>(i + 1), params[i]);
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        bindColumn(stmt, static_cast<SQLUSMALLINT>(i + 1), columns[i],
                   block ? block->status.size() : 1);
    }
}

// Sets a fresh statement to fetch blocks of rows; null where the driver cannot, and the
// statement then fetches one row at a time.
std::unique_ptr<RowBlock> startBlocks(const COdbcStatement& stmt) {
    auto block = std::make_unique<RowBlock>();
    block->status.assign(kBlockRows, SQL_ROW_NOROW);
    const SQLHSTMT h = stmt.Get();
    const bool set =
        SQL_SUCCEEDED(SQLSetStmtAttr(h, SQL_ATTR_ROW_ARRAY_SIZE,
                                     reinterpret_cast<SQLPOINTER>(kBlockRows), 0)) &&
        SQL_SUCCEEDED(SQLSetStmtAttr(h, SQL_ATTR_ROWS_FETCHED_PTR, &block->fetched, 0)) &&
        SQL_SUCCEEDED(SQLSetStmtAttr(h, SQL_ATTR_ROW_STATUS_PTR, block->status.data(), 0));
    if (set) {
        return block;
    }
    SQLSetStmtAttr(h, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(1), 0);
    SQLSetStmtAttr(h, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
    SQLSetStmtAttr(h, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
    return nullptr;
}

// Bound buffers serve other members as long as each holds the same kind of value.
bool sameLayout(const std::vector<Slot>& bound, const std::vector<Slot>& wanted) {
    if (bound.size() != wanted.size()) {
        return false;
    }
    for (std::size_t i = 0; i < bound.size(); ++i) {
        const CFieldExchange::Field& a = bound[i].field;
        const CFieldExchange::Field& b = wanted[i].field;
        if ((a.pText != nullptr) != (b.pText != nullptr) || a.maxLength != b.maxLength) {
            return false;
        }
    }
    return true;
}

// The bound buffers now serve the members of `wanted`.
void adopt(std::vector<Slot>& bound, std::vector<Slot>& wanted) {
    for (std::size_t i = 0; i < bound.size(); ++i) {
        bound[i].field = std::move(wanted[i].field);
    }
    wanted = std::move(bound);
}

// Takes over the buffers a kept statement is still bound to when they fit the recordset's
// members; otherwise the statement is unbound before those buffers go, and bound anew. The
// block a statement fetches into stays with it.
void bindKept(const COdbcStatement& stmt, std::unique_ptr<CKeptBindings> kept,
              std::vector<Slot>& params, std::vector<Slot>& columns,
              std::unique_ptr<RowBlock>& block) {
    auto* bound = static_cast<SelectBindings*>(kept.get());
    if (!bound) {
        block = startBlocks(stmt);
        bindAll(stmt, params, columns, block.get());
        return;
    }
    block = std::move(bound->block);
    if (sameLayout(bound->params, params) && sameLayout(bound->columns, columns)) {
        adopt(bound->params, params);
        adopt(bound->columns, columns);
        return;
    }
    stmt.Check(SQLFreeStmt(stmt.Get(), SQL_UNBIND));
    stmt.Check(SQLFreeStmt(stmt.Get(), SQL_RESET_PARAMS));
    bindAll(stmt, params, columns, block.get());
}

} // namespace

CString CRecordset::GetSQL() {
    if (m_pImpl->open) {
        return m_pImpl->sql;
    }
    CFieldExchange fx;
    DoFieldExchange(&fx);
    const std::vector<Slot> columns = slotsOf(fx.GetFields(), CFieldExchange::outputColumn);
    return "SELECT " + joinNames(columns, "") + fromClause(GetDefaultSQL(), m_strFilter, m_strSort);
}

std::vector<CString> CRecordset::GetParamNames() {
    return boundNames(CFieldExchange::param);
}

std::vector<CString> CRecordset::GetColumnNames() {
    return boundNames(CFieldExchange::outputColumn);
}

std::vector<CString> CRecordset::boundNames(int type) {
    CFieldExchange fx;
    DoFieldExchange(&fx);
    std::vector<CString> names;
    for (const CFieldExchange::Field& field : fx.GetFields()) {
        if (field.type == type) {
            names.push_back(field.name);
        }
    }
    return names;
}

bool CRecordset::Open(unsigned openType, const char* sql, unsigned options) {
    if (!m_pDatabase || !m_pDatabase->IsOpen()) {
        return false;
    }
    Close();
    Impl& d = *m_pImpl;
    CFieldExchange fx;
    DoFieldExchange(&fx);
    d.params = slotsOf(fx.GetFields(), CFieldExchange::param);
    d.columns = slotsOf(fx.GetFields(), CFieldExchange::outputColumn);
    d.restartable = (options & executeDirect) == 0;
    CString executed;
    if (sql && *sql) {
        d.sql = sql;
        d.updatable = false;
        d.rowId = nullptr;
        executed = d.sql;
    } else {
        d.table = GetDefaultSQL();
        // A forward-only recordset is read-only: it needs no row identity, which every row
        // would otherwise carry as one more converted column.
        d.updatable = openType != forwardOnly;
        const CString names = joinNames(d.columns, "");
        const CString from = fromClause(d.table, m_strFilter, m_strSort);
        d.sql = "SELECT " + names + from;
        d.rowId = d.updatable ? rowIdentity(m_pDatabase->GetDialect()) : nullptr;
        executed = "SELECT " + names;
        if (d.rowId) {
            executed += CString(", ") + d.rowId->select;
        }
        executed += from;
    }
    // A read-only query of the recordset's own is the same text on every load of a tree: the
    // connection keeps it prepared. Texts given by the caller are run as they come.
    d.kept = !d.updatable && !(sql && *sql);
    if (d.kept) {
        bindKept(d.select, d.select.PrepareKept(m_pDatabase, m_pDatabase->Rewrite(executed)),
                 d.params, d.columns, d.block);
    } else {
        d.select.Allocate(m_pDatabase);
        d.select.Prepare(m_pDatabase->Rewrite(executed));
        d.block.reset();
        bindAll(d.select, d.params, d.columns, nullptr);
    }
    if (d.rowId) {
        d.select.Check(SQLBindCol(d.select.Get(), static_cast<SQLUSMALLINT>(d.columns.size() + 1),
                                  SQL_C_CHAR, d.rowIdBuffer, kRowIdBytes, &d.rowIdIndicator));
    }
    d.open = true;
    try {
        Requery();
    } catch (...) {
        Close();
        throw;
    }
    return true;
}

void CRecordset::Close() {
    Impl& d = *m_pImpl;
    if (d.kept) {
        auto bindings = std::make_unique<SelectBindings>();
        bindings->params = std::move(d.params);
        bindings->columns = std::move(d.columns);
        bindings->block = std::move(d.block);
        d.params.clear();
        d.columns.clear();
        d.select.Keep(std::move(bindings));
    } else {
        d.select.Reset();
    }
    d.kept = false;
    d.insert.Reset();
    d.update.Reset();
    d.remove.Reset();
    d.open = false;
    d.eof = d.bof = true;
    d.mode = Impl::Mode::none;
}

bool CRecordset::Requery() {
    Impl& d = *m_pImpl;
    if (!d.open) {
        return false;
    }
    for (Slot& slot : d.params) {
        fillSlot(slot, d.select.GetText());
    }
    d.select.CloseCursor();
    if (d.block) {
        d.block->fetched = 0;
    }
    d.row = 0;
    d.select.Execute();
    d.mode = Impl::Mode::none;
    d.eof = false;
    MoveNext();
    d.bof = d.eof;
    return true;
}

void CRecordset::MoveNext() {
    Impl& d = *m_pImpl;
    if (!d.open || d.eof) {
        throw CDbException("24000", 0, "no current row to move from", d.sql);
    }
    d.bof = false;
    // The next row of the block fetched last, or the first of the next block.
    if (d.block && d.row + 1 < d.block->fetched) {
        ++d.row;
    } else {
        d.row = 0;
        if (!d.select.Fetch() || (d.block && d.block->fetched == 0)) {
            d.eof = true;
            return;
        }
    }
    if (d.block && d.block->status[d.row] == SQL_ROW_ERROR) {
        throw CDbException("01S01", 0, "the driver could not read a row", d.sql);
    }
    for (const Slot& slot : d.columns) {
        readSlot(slot, d.row);
    }
}

void CRecordset::Move(long rows) {
    if (rows < 0) {
        throw CDbException("HY106", 0, "the recordset moves forward only", m_pImpl->sql);
    }
    for (long i = 0; i < rows; ++i) {
        MoveNext();
    }
}

bool CRecordset::IsOpen() const {
    return m_pImpl->open;
}

bool CRecordset::IsEOF() const {
    return m_pImpl->eof;
}

bool CRecordset::IsBOF() const {
    return m_pImpl->bof;
}

bool CRecordset::CanRestart() const {
    return m_pImpl->open && m_pImpl->restartable;
}

bool CRecordset::CanUpdate() const {
    return m_pImpl->open && m_pImpl->updatable;
}

void CRecordset::AddNew() {
    if (!CanUpdate()) {
        throw CDbException("HY092", 0, "the recordset cannot be updated", m_pImpl->sql);
    }
    m_pImpl->mode = Impl::Mode::add;
}

void CRecordset::Edit() {
    if (!CanUpdate() || m_pImpl->eof) {
        throw CDbException("HY109", 0, "no current row to edit", m_pImpl->sql);
    }
    m_pImpl->mode = Impl::Mode::edit;
    m_pImpl->givenRow.Empty();
}

void CRecordset::EditRow(const CString& rowId) {
    Impl& d = *m_pImpl;
    if (!CanUpdate() || !d.rowId || rowId.IsEmpty() || rowId.view().size() >= kRowIdBytes) {
        throw CDbException("HY109", 0, "no row of that identity to edit", d.sql);
    }
    d.mode = Impl::Mode::edit;
    d.givenRow = rowId;
}

CString CRecordset::GetRowId() const {
    const Impl& d = *m_pImpl;
    if (!d.open || !d.rowId || d.eof || d.rowIdIndicator <= 0) {
        return {};
    }
    const auto n =
        std::min<std::size_t>(static_cast<std::size_t>(d.rowIdIndicator), kRowIdBytes - 1);
    return CString(std::string_view(d.rowIdBuffer, n));
}

namespace {

// The output columns as parameters, bound once to `stmt` from parameter number 1 on.
void prepareWrite(CDatabase* db, COdbcStatement& stmt, const CString& sql,
                  std::vector<Slot>& writes) {
    stmt.Allocate(db);
    stmt.Prepare(db->Rewrite(sql));
    for (std::size_t i = 0; i < writes.size(); ++i) {
        bindParam(stmt, static_cast<SQLUSMALLINT>(i + 1), writes[i]);
    }
}

void bindRowId(const COdbcStatement& stmt, SQLUSMALLINT n, Slot& row) {
    stmt.Check(SQLBindParameter(stmt.Get(), n, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR,
                                kRowIdBytes, 0, row.text.data(),
                                static_cast<SQLLEN>(row.text.size()), &row.indicator));
}

// The fetched row's identity becomes the parameter of the row's UPDATE or DELETE.
void captureRowId(const char* buffer, SQLLEN indicator, Slot& row) {
    const std::size_t n = std::min<std::size_t>(
        indicator > 0 ? static_cast<std::size_t>(indicator) : 0, kRowIdBytes - 1);
    std::copy(buffer, buffer + n, row.text.begin());
    row.indicator = static_cast<SQLLEN>(n);
}

// A server that refuses a text as too long does not say which: name the first text column
// whose bytes exceed its limit.
CDbException namingOverLongText(const CDbException& e, const std::vector<Slot>& writes) {
    if (e.GetSqlState() != "22001" || !e.GetColumn().IsEmpty()) {
        return e;
    }
    for (const Slot& slot : writes) {
        if (slot.field.pText && slot.indicator > slot.field.maxLength) {
            return CDbException(e.GetSqlState(), e.GetNativeError(),
                                e.GetMessage() + " (column " + slot.field.name + ")",
                                e.GetStatement(), slot.field.name);
        }
    }
    return e;
}

} // namespace

bool CRecordset::Update() {
    Impl& d = *m_pImpl;
    const Impl::Mode mode = d.mode;
    d.mode = Impl::Mode::none;
    if (mode == Impl::Mode::none) {
        throw CDbException("HY010", 0, "Update without AddNew or Edit", d.sql);
    }
    if (d.writes.empty()) {
        d.writes = d.columns;
        d.currentRow.text.resize(kRowIdBytes);
    }
    COdbcStatement& stmt = mode == Impl::Mode::add ? d.insert : d.update;
    if (!stmt.IsAllocated()) {
        if (mode == Impl::Mode::add) {
            CString marks;
            for (std::size_t i = 0; i < d.writes.size(); ++i) {
                marks += i ? ", ?" : "?";
            }
            prepareWrite(m_pDatabase, stmt,
                         "INSERT INTO " + d.table + " (" + joinNames(d.writes, "") + ") VALUES (" +
                             marks + ")",
                         d.writes);
        } else {
            const CString where = d.rowId ? CString(d.rowId->condition) : m_strFilter;
            prepareWrite(m_pDatabase, stmt,
                         "UPDATE " + d.table + " SET " + joinNames(d.writes, " = ?") +
                             (where.IsEmpty() ? CString() : " WHERE " + where),
                         d.writes);
            const auto first = static_cast<SQLUSMALLINT>(d.writes.size() + 1);
            if (d.rowId) {
                bindRowId(stmt, first, d.currentRow);
            } else {
                for (std::size_t i = 0; i < d.params.size(); ++i) {
                    bindParam(stmt, static_cast<SQLUSMALLINT>(first + i), d.params[i]);
                }
            }
        }
    }
    for (Slot& slot : d.writes) {
        fillSlot(slot, stmt.GetText());
    }
    if (mode == Impl::Mode::edit && d.rowId) {
        if (d.givenRow.IsEmpty()) {
            captureRowId(d.rowIdBuffer, d.rowIdIndicator, d.currentRow);
        } else {
            const std::string_view row = d.givenRow.view();
            captureRowId(row.data(), static_cast<SQLLEN>(row.size()), d.currentRow);
        }
    }
    try {
        // An UPDATE that matches nothing answers SQL_NO_DATA: not an error.
        stmt.Execute();
    } catch (const CDbException& e) {
        throw namingOverLongText(e, d.writes);
    }
    return true;
}

void CRecordset::Delete() {
    Impl& d = *m_pImpl;
    if (!CanUpdate() || d.eof || !d.rowId) {
        throw CDbException("HY109", 0, "no current row to delete", d.sql);
    }
    if (!d.remove.IsAllocated()) {
        d.currentRow.text.resize(kRowIdBytes);
        d.remove.Allocate(m_pDatabase);
        d.remove.Prepare(
            m_pDatabase->Rewrite("DELETE FROM " + d.table + " WHERE " + d.rowId->condition));
        bindRowId(d.remove, 1, d.currentRow);
    }
    captureRowId(d.rowIdBuffer, d.rowIdIndicator, d.currentRow);
    d.remove.Execute();
}

} // namespace Vel
