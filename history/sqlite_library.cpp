#include "history/sqlite_library.h"

#include <dlfcn.h>

#include <string>

namespace fenwake {

namespace {

// The name of the library's ABI, as the package installs it.
constexpr const char* libraryName = "libsqlite3.so.0";

struct Loaded {
    SqliteLibrary functions{};
    bool complete = false;
    std::string why;
};

template <typename Function>
bool resolve(void* library, const char* name, Function& function, std::string& why) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr) {
        why = std::string(libraryName).append(" has no ").append(name);
    }
    return function != nullptr;
}

Loaded loadLibrary() {
    Loaded loaded;
    void* library = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* error = dlerror();
        loaded.why = error != nullptr ? error : libraryName;
        return loaded;
    }
    SqliteLibrary& f = loaded.functions;
    std::string& why = loaded.why;
    loaded.complete =
        resolve(library, "sqlite3_open_v2", f.open_v2, why) &&
        resolve(library, "sqlite3_close_v2", f.close_v2, why) &&
        resolve(library, "sqlite3_busy_timeout", f.busy_timeout, why) &&
        resolve(library, "sqlite3_extended_result_codes", f.extended_result_codes, why) &&
        resolve(library, "sqlite3_extended_errcode", f.extended_errcode, why) &&
        resolve(library, "sqlite3_errmsg", f.errmsg, why) &&
        resolve(library, "sqlite3_errstr", f.errstr, why) &&
        resolve(library, "sqlite3_exec", f.exec, why) &&
        resolve(library, "sqlite3_prepare_v2", f.prepare_v2, why) &&
        resolve(library, "sqlite3_finalize", f.finalize, why) &&
        resolve(library, "sqlite3_reset", f.reset, why) &&
        resolve(library, "sqlite3_step", f.step, why) &&
        resolve(library, "sqlite3_bind_int", f.bind_int, why) &&
        resolve(library, "sqlite3_bind_int64", f.bind_int64, why) &&
        resolve(library, "sqlite3_bind_double", f.bind_double, why) &&
        resolve(library, "sqlite3_bind_text", f.bind_text, why) &&
        resolve(library, "sqlite3_column_int", f.column_int, why) &&
        resolve(library, "sqlite3_column_int64", f.column_int64, why) &&
        resolve(library, "sqlite3_column_double", f.column_double, why) &&
        resolve(library, "sqlite3_column_text", f.column_text, why) &&
        resolve(library, "sqlite3_changes", f.changes, why) &&
        resolve(library, "sqlite3_last_insert_rowid", f.last_insert_rowid, why) &&
        resolve(library, "sqlite3_db_config", f.db_config, why) &&
        resolve(library, "sqlite3_file_control", f.file_control, why);
    return loaded; // the library stays loaded: its functions are kept
}

} // namespace

const SqliteLibrary* SqliteLibrary::load(std::string& why) {
    static const Loaded loaded = loadLibrary(); // once, whichever thread comes first
    why = loaded.why;
    return loaded.complete ? &loaded.functions : nullptr;
}

} // namespace fenwake
