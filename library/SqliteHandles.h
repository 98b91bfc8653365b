#pragma once
// Owners of SQLite's C objects: one type per handle (the connection) and per prepared statement,
// each closed in one place. Errors come back as SQLite's own text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace vemora {

class SqliteDb {
public:
    SqliteDb() = default;
    ~SqliteDb();
    SqliteDb(SqliteDb&& other) noexcept;
    SqliteDb& operator=(SqliteDb&& other) noexcept;
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    // Opens (creating when missing) the database file; nullopt with SQLite's reason in *error.
    static std::optional<SqliteDb> Open(const std::string& path, std::string* error);

    sqlite3* Get() const { return m_db; }
    // Runs statements without results; false with the reason in *error.
    bool Execute(std::string_view sql, std::string* error) const;
    std::string LastError() const;
    int64_t LastInsertId() const;

private:
    explicit SqliteDb(sqlite3* db) : m_db(db) {}
    sqlite3* m_db = nullptr;
};

class SqliteStatement {
public:
    SqliteStatement(const SqliteDb& db, std::string_view sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // False when the text did not compile; Error() tells why.
    bool Ready() const { return m_stmt != nullptr; }
    const std::string& Error() const { return m_error; }

    // Parameters count from 1, as in SQL.
    SqliteStatement& Bind(int index, int64_t value);
    SqliteStatement& Bind(int index, double value);
    SqliteStatement& Bind(int index, std::string_view text);
    SqliteStatement& BindBlob(int index, const void* data, std::size_t size);
    SqliteStatement& BindNull(int index);

    // One step: true while a row is there. Done() after the last; a failure sets Error().
    bool Step();
    bool Failed() const { return !m_error.empty(); }
    // Runs to the end; false on failure.
    bool Run();
    void Reset();

    int64_t Int(int column) const;
    double Real(int column) const;
    std::string Text(int column) const;
    std::vector<uint8_t> Blob(int column) const;
    bool IsNull(int column) const;

private:
    const SqliteDb& m_db;
    sqlite3_stmt* m_stmt = nullptr;
    std::string m_error;
};

} // namespace vemora
