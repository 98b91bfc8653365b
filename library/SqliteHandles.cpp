#include "library/SqliteHandles.h"

#include <sqlite3.h>

#include <utility>

namespace vemora {

SqliteDb::~SqliteDb() {
    if (m_db)
        sqlite3_close_v2(m_db);
}

SqliteDb::SqliteDb(SqliteDb&& other) noexcept : m_db(std::exchange(other.m_db, nullptr)) {}

SqliteDb& SqliteDb::operator=(SqliteDb&& other) noexcept {
    if (this != &other) {
        if (m_db)
            sqlite3_close_v2(m_db);
        m_db = std::exchange(other.m_db, nullptr);
    }
    return *this;
}

std::optional<SqliteDb> SqliteDb::Open(const std::string& path, std::string* error) {
    sqlite3* db = nullptr;
    // No links followed to the database: it is written, and only our own file may be.
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        if (error)
            *error = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        if (db)
            sqlite3_close_v2(db);
        return std::nullopt;
    }
    sqlite3_extended_result_codes(db, 1);
    return SqliteDb(db);
}

bool SqliteDb::Execute(std::string_view sql, std::string* error) const {
    char* message = nullptr;
    const std::string text(sql);
    if (sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    if (error)
        *error = message ? message : LastError();
    sqlite3_free(message);
    return false;
}

std::string SqliteDb::LastError() const {
    return m_db ? sqlite3_errmsg(m_db) : "no database";
}

int64_t SqliteDb::LastInsertId() const {
    return sqlite3_last_insert_rowid(m_db);
}

SqliteStatement::SqliteStatement(const SqliteDb& db, std::string_view sql) : m_db(db) {
    if (sqlite3_prepare_v2(db.Get(), sql.data(), static_cast<int>(sql.size()), &m_stmt, nullptr) !=
        SQLITE_OK) {
        m_error = db.LastError();
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_stmt);
}

SqliteStatement& SqliteStatement::Bind(int index, int64_t value) {
    if (m_stmt)
        sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, double value) {
    if (m_stmt)
        sqlite3_bind_double(m_stmt, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
    if (m_stmt)
        sqlite3_bind_text64(m_stmt, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    return *this;
}

SqliteStatement& SqliteStatement::BindBlob(int index, const void* data, std::size_t size) {
    if (m_stmt)
        sqlite3_bind_blob64(m_stmt, index, size ? data : "", size, SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement& SqliteStatement::BindNull(int index) {
    if (m_stmt)
        sqlite3_bind_null(m_stmt, index);
    return *this;
}

bool SqliteStatement::Step() {
    if (!m_stmt) {
        if (m_error.empty())
            m_error = "statement not prepared";
        return false;
    }
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        m_error = m_db.LastError();
    return false;
}

bool SqliteStatement::Run() {
    while (Step()) {
    }
    return !Failed();
}

void SqliteStatement::Reset() {
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    m_error.clear();
}

int64_t SqliteStatement::Int(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double SqliteStatement::Real(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

std::string SqliteStatement::Text(int column) const {
    const auto* text = sqlite3_column_text(m_stmt, column);
    return text ? std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(m_stmt, column))
                : std::string();
}

std::vector<uint8_t> SqliteStatement::Blob(int column) const {
    const auto* data = static_cast<const uint8_t*>(sqlite3_column_blob(m_stmt, column));
    const int size = sqlite3_column_bytes(m_stmt, column);
    return data && size > 0 ? std::vector<uint8_t>(data, data + size) : std::vector<uint8_t>();
}

bool SqliteStatement::IsNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

} // namespace vemora
