#pragma once

#include <cstdint>

#include "store/Value.h"

namespace store {

class Recordset;

// A fingerprint of one person's row as it was read: its key, name, birth and comments,
// each with its kind (Null, whole number, real number or text). A row read again gives
// the same stamp only when none of the four changed, not even in kind, so comparing
// stamps tells whether someone else changed the row in between. Stamps are compared
// within one run of the program only.
using PersonStamp = std::uint64_t;

PersonStamp StampOf(const ValueView& id, const ValueView& name, const ValueView& birth,
                    const ValueView& comments);

// The stamp of the recordset's current row, read by the column names lngID, strName,
// dtmBirth and strComments; a column the result lacks counts as Null.
PersonStamp StampOfCurrentRow(Recordset& records);

}  // namespace store
