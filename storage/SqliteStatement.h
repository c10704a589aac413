#pragma once
#ifndef _WIN32

#include <sqlite3.h>

#include <cstdint>
#include <string>

// One prepared statement, finalised with the object; a statement that cannot be prepared fails
// its every step.
class TStatement {
public:
    TStatement(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &Handle, nullptr) != SQLITE_OK)
            Handle = nullptr;
    }
    ~TStatement() { sqlite3_finalize(Handle); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    TStatement& Bind(int index, int64_t value)
    {
        sqlite3_bind_int64(Handle, index, value);
        return *this;
    }
    // Binds the text up to its first NUL, as the registry stores it.
    TStatement& Bind(int index, const std::string& text)
    {
        sqlite3_bind_text(Handle, index, text.c_str(), -1, SQLITE_TRANSIENT);
        return *this;
    }
    int Step() { return Handle ? sqlite3_step(Handle) : SQLITE_ERROR; }
    void Reset() { sqlite3_reset(Handle); }
    int Type(int column) { return sqlite3_column_type(Handle, column); }
    int Bytes(int column) { return sqlite3_column_bytes(Handle, column); }
    int64_t Integer(int column) { return sqlite3_column_int64(Handle, column); }
    std::string Text(int column)
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(Handle, column));
        return text ? std::string(text) : std::string();
    }

private:
    sqlite3_stmt* Handle = nullptr;
};

inline bool Execute(sqlite3* db, const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

#endif
