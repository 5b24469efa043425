#pragma once

#include <sqlite3.h>

#include <string>

namespace fenwake {

// SQLite's functions the history uses, from the system's library, loaded when the history is
// first used rather than as the program starts: linked in, its 1,600 relocations were resolved
// at every start, though most starts never touch the history.
struct SqliteLibrary {
    decltype(&::sqlite3_open_v2) open_v2;
    decltype(&::sqlite3_close_v2) close_v2;
    decltype(&::sqlite3_busy_timeout) busy_timeout;
    decltype(&::sqlite3_extended_result_codes) extended_result_codes;
    decltype(&::sqlite3_extended_errcode) extended_errcode;
    decltype(&::sqlite3_errmsg) errmsg;
    decltype(&::sqlite3_errstr) errstr;
    decltype(&::sqlite3_exec) exec;
    decltype(&::sqlite3_prepare_v2) prepare_v2;
    decltype(&::sqlite3_finalize) finalize;
    decltype(&::sqlite3_reset) reset;
    decltype(&::sqlite3_step) step;
    decltype(&::sqlite3_bind_int) bind_int;
    decltype(&::sqlite3_bind_int64) bind_int64;
    decltype(&::sqlite3_bind_double) bind_double;
    decltype(&::sqlite3_bind_text) bind_text;
    decltype(&::sqlite3_column_int) column_int;
    decltype(&::sqlite3_column_int64) column_int64;
    decltype(&::sqlite3_column_double) column_double;
    decltype(&::sqlite3_column_text) column_text;
    decltype(&::sqlite3_changes) changes;
    decltype(&::sqlite3_last_insert_rowid) last_insert_rowid;
    decltype(&::sqlite3_db_config) db_config;
    decltype(&::sqlite3_file_control) file_control;

    // The library, loaded at the first call (from any thread) and kept; null when it cannot be
    // loaded, and then why.
    static const SqliteLibrary* load(std::string& why);
};

} // namespace fenwake
