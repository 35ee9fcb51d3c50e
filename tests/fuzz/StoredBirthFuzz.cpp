// The birth as the database keeps it, on any bytes: the stored text, and the REAL and
// INTEGER day counts an older or foreign writer may have left in the column.
#include <bit>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "store/BirthText.h"

namespace {

// A birth read from the column is a real moment whose own text reads back to it, to
// the second.
void CheckRead(const store::Value& stored, std::string_view what) {
    double value = 0;
    if (!modAgeCalc::BirthFromStored(stored, value)) return;
    fuzz::Require(fuzz::IsCalendarValue(value), "a stored birth read is a calendar value", what);
    const std::string text = modAgeCalc::BirthToIso(value);
    double again = 0;
    fuzz::Require(modAgeCalc::BirthFromStored(store::Value(text), again) &&
                      modAgeCalc::BirthToIso(again) == text,
                  "the text written for a birth reads back to it", text);
}

template <typename Number>
Number NumberOf(std::string_view bytes) {
    Number number{};
    std::memcpy(&number, bytes.data(), std::min(sizeof number, bytes.size()));
    return number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::BytesOf(data, size);
    CheckRead(store::Value(std::string(bytes)), "text");
    CheckRead(store::Value(NumberOf<double>(bytes)), "REAL");
    CheckRead(store::Value(NumberOf<std::int64_t>(bytes)), "INTEGER");
    // The program's own form, "YYYY-MM-DD HH:MM:SS", is the one text written back as it was.
    double value = 0;
    if (bytes.size() == 19 && bytes[10] == ' ' &&
        modAgeCalc::BirthFromStored(store::Value(std::string(bytes)), value))
        fuzz::Require(modAgeCalc::BirthToIso(value) == bytes, "the stored form reads back exactly",
                      bytes);
    // The program's own forms have a quicker reading of their own: the same moment in a
    // form only the general reading takes must read alike, to the bit.
    if ((bytes.size() == 19 && bytes[10] == ' ') || bytes.size() == 10) {
        const std::string other = bytes.size() == 19 ? std::string(bytes).replace(10, 1, "T")
                                                     : std::string(bytes) + " 00:00";
        double quick = 0, general = 0;
        const bool read = modAgeCalc::BirthFromStored(store::Value(std::string(bytes)), quick);
        fuzz::Require(
            read == modAgeCalc::BirthFromStored(store::Value(other), general) &&
                std::bit_cast<std::uint64_t>(quick) == std::bit_cast<std::uint64_t>(general),
            "the written form reads as its moment in any other form", bytes);
    }
    return 0;
}
