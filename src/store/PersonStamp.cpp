#include "store/PersonStamp.h"

#include <bit>
#include <functional>
#include <string_view>

#include "store/Recordset.h"

namespace store {

namespace {

// Spreads every input bit over the whole word (the finaliser of splitmix64), so that
// values differing in one bit give unrelated stamps.
std::uint64_t Mix(std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

std::uint64_t HashOf(const ValueView& value) {
    if (const auto* text = std::get_if<std::string_view>(&value))
        return Mix(std::hash<std::string_view>{}(*text) ^ text->size());
    if (const auto* whole = std::get_if<std::int64_t>(&value))
        return Mix(static_cast<std::uint64_t>(*whole));
    if (const auto* real = std::get_if<double>(&value))
        return Mix(std::bit_cast<std::uint64_t>(*real));
    return 0;
}

}  // namespace

PersonStamp StampOf(const ValueView& id, const ValueView& name, const ValueView& birth,
                    const ValueView& comments) {
    std::uint64_t stamp = 0;
    for (const ValueView* value : {&id, &name, &birth, &comments})
        stamp = Mix(stamp + HashOf(*value) + value->index());  // the kind counts as well
    return stamp;
}

PersonStamp StampOfCurrentRow(Recordset& records) {
    return StampOf(records.FieldView(records.FieldIndex("lngID")),
                   records.FieldView(records.FieldIndex("strName")),
                   records.FieldView(records.FieldIndex("dtmBirth")),
                   records.FieldView(records.FieldIndex("strComments")));
}

}  // namespace store
