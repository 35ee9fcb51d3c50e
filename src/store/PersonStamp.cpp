#include "store/PersonStamp.h"

#include <array>
#include <bit>
#include <string_view>

// The stamps are taken of every row a list load reads, mostly short texts: inlined,
// XXH3 takes such inputs in a few instructions without a call.
#define XXH_INLINE_ALL
#include <xxhash.h>

#include "store/Recordset.h"

namespace store {

namespace {

// The hash of one cell's bytes, seeded with its kind, so that the same bytes of another
// kind (the text "" and Null, a whole number and a real number of the same bits) give
// another hash.
std::uint64_t HashOf(const ValueView& value) {
    const auto kind = static_cast<XXH64_hash_t>(value.index());
    if (const auto* text = std::get_if<std::string_view>(&value))
        return XXH3_64bits_withSeed(text->data(), text->size(), kind);
    std::uint64_t bits = 0;
    if (const auto* whole = std::get_if<std::int64_t>(&value))
        bits = static_cast<std::uint64_t>(*whole);
    else if (const auto* real = std::get_if<double>(&value))
        bits = std::bit_cast<std::uint64_t>(*real);
    return XXH3_64bits_withSeed(&bits, sizeof bits, kind);
}

}  // namespace

// The four cells' hashes in their order, hashed once more: cells swapped give another
// stamp too.
PersonStamp StampOf(const ValueView& id, const ValueView& name, const ValueView& birth,
                    const ValueView& comments) {
    const std::array<std::uint64_t, 4> cells{HashOf(id), HashOf(name), HashOf(birth),
                                             HashOf(comments)};
    return XXH3_64bits(cells.data(), sizeof cells);
}

PersonStamp StampOfCurrentRow(Recordset& records) {
    return StampOf(records.FieldView(records.FieldIndex("lngID")),
                   records.FieldView(records.FieldIndex("strName")),
                   records.FieldView(records.FieldIndex("dtmBirth")),
                   records.FieldView(records.FieldIndex("strComments")));
}

}  // namespace store
