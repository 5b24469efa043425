#include "history/entry_fields.h"

#include "engine/fat_method.h"

namespace fenwake {

namespace {

using Form = EntryField::Form;

// In the order of the CSV's columns. The offset is written with the moment.
constexpr std::array<EntryField, 10> fields{{
    {"taken_ms", "Date and time", "ISO 8601", Form::Moment, &Moment::utcMilliseconds, true, true},
    {"utc_offset_minutes", "", "", Form::Offset, &Moment::utcOffsetMinutes, false, false},
    {"metric", "Units", "metric: cm and kg; imperial: in and lb", Form::Units,
     &Measurements::metric, true, true},
    {"female", "Female", "yes or no", Form::YesNo, &Measurements::female, true, true},
    {"method", "Method", "YMCA; Navy; RFM", Form::Method, &Measurements::method, true, false},
    {"waist", "Waist", "cm or in", Form::Number, &Measurements::waist, true, true},
    {"weight", "Weight", "kg or lb", Form::Number, &Measurements::weight, true, true},
    {"height", "Height", "cm or in", Form::Number, &Measurements::height, true, true},
    {"neck", "Neck", "cm or in", Form::Number, &Measurements::neck, true, false},
    {"hip", "Hip", "cm or in", Form::Number, &Measurements::hip, true, false},
}};

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
template <class... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

} // namespace

std::span<const EntryField> EntryFields::all() {
    return fields;
}

EntryFields::Value EntryFields::valueOf(const EntryField& field, const HistoryEntry& entry) {
    return std::visit(
        Overloaded{
            [&](std::int64_t Moment::*member) -> Value { return entry.taken.*member; },
            [&](int Moment::*member) -> Value { return std::int64_t{entry.taken.*member}; },
            [&](bool Measurements::*member) -> Value {
                return std::int64_t{entry.measurements.*member ? 1 : 0};
            },
            [&](FatMethod Measurements::*member) -> Value {
                return methodKey(entry.measurements.*member);
            },
            [&](double Measurements::*member) -> Value { return entry.measurements.*member; },
        },
        field.member);
}

void EntryFields::setValue(const EntryField& field, HistoryEntry& entry, const Value& value) {
    const auto integer = [&] {
        return std::holds_alternative<std::int64_t>(value) ? std::get<std::int64_t>(value) : 0;
    };
    std::visit(Overloaded{
                   [&](std::int64_t Moment::*member) { entry.taken.*member = integer(); },
                   [&](int Moment::*member) { entry.taken.*member = static_cast<int>(integer()); },
                   [&](bool Measurements::*member) { entry.measurements.*member = integer() != 0; },
                   [&](FatMethod Measurements::*member) {
                       const auto* name = std::get_if<std::string_view>(&value);
                       entry.measurements.*member =
                           name != nullptr ? methodForKey(*name).value_or(FatMethod::WaistAndWeight)
                                           : FatMethod::WaistAndWeight;
                   },
                   [&](double Measurements::*member) {
                       const auto* number = std::get_if<double>(&value);
                       entry.measurements.*member = number != nullptr ? *number : 0.0;
                   },
               },
               field.member);
}

} // namespace fenwake
