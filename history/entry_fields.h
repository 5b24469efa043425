#pragma once

#include "engine/history_entry.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace fenwake {

// The fields of a history entry, said once: each with its column in the database, its heading
// in a CSV file, the member it is kept in, the form its text takes in CSV, and whether it makes
// an entry the entry it is. The database's statements, its duplicate look-up and the check of
// its unique index, the CSV header, writer and reader all follow from this table: a new field
// is one line here, a step of the database's migrations and its test.
struct EntryField {
    // How a field is written in CSV.
    enum class Form {
        Moment, // ISO 8601 with the offset, which is the next field
        Offset, // a moment's offset from UTC: written with the moment, in no column of its own
        Units,  // "metric" or "imperial"
        YesNo,  // "yes" or "no"
        Method, // the method's name, as the settings keep it
        Number, // the shortest text that reads back as the same double
    };
    using Member = std::variant<std::int64_t Moment::*, int Moment::*, bool Measurements::*,
                                FatMethod Measurements::*, double Measurements::*>;

    std::string_view column;  // in the database
    std::string_view heading; // in CSV, as a header names it (before a unit in parentheses)
    std::string_view unit;    // in CSV, the parenthesis after the heading
    Form form;
    Member member;
    // The same entry: the same instant (whatever its offset) and the same numbers, which the
    // database keeps once.
    bool identifies;
    // A file to import must name it: without it no entry can be made.
    bool needed;
};

class EntryFields {
public:
    static std::span<const EntryField> all();

    // A value of a field of an entry, as the database keeps it: integers (the moment, the
    // offset, the flags), a name (the method) or a double.
    using Value = std::variant<std::int64_t, std::string_view, double>;
    static Value valueOf(const EntryField& field, const HistoryEntry& entry);
    static void setValue(const EntryField& field, HistoryEntry& entry, const Value& value);
};

} // namespace fenwake
