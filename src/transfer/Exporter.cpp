#include "transfer/Exporter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "exchange/TextEncoding.h"
#include "platform/Translate.h"
#include "platform/TextFold.h"
#include "transfer/FileBytes.h"
#include "transfer/Importer.h"

namespace transfer {

namespace {

// Names go in a reader's order (platform/TextFold.h), as the list sorts them. All folded
// names share one buffer, so a large list costs no allocation per name, and each entry
// carries its first four folded units to settle most comparisons on its own.
struct SortEntry {
    std::uint64_t prefix = 0;
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    std::int32_t key = 0;
    std::uint32_t index = 0;
};

std::uint64_t PrefixOf(std::u16string_view folded) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 4; ++i)
        prefix = prefix << 16 | (i < folded.size() ? folded[i] : 0u);
    return prefix;
}

}  // namespace

std::vector<std::size_t> NameOrder(const std::vector<store::Person>& people) {
    std::u16string folded;
    std::vector<SortEntry> entries(people.size());
    for (std::size_t i = 0; i < people.size(); ++i) {
        const std::size_t start = folded.size();
        platform::AppendFoldedUtf8(people[i].name, folded);
        entries[i] = {PrefixOf(std::u16string_view(folded).substr(start)),
                      static_cast<std::uint32_t>(start),
                      static_cast<std::uint32_t>(folded.size() - start), people[i].key,
                      static_cast<std::uint32_t>(i)};
    }
    const std::u16string_view all(folded);
    std::sort(entries.begin(), entries.end(), [&](const SortEntry& a, const SortEntry& b) {
        if (a.prefix != b.prefix) return a.prefix < b.prefix;
        const int c = all.substr(a.offset, a.length).compare(all.substr(b.offset, b.length));
        return c != 0 ? c < 0 : a.key < b.key;
    });
    std::vector<std::size_t> order;
    order.reserve(entries.size());
    for (const SortEntry& entry : entries) order.push_back(entry.index);
    return order;
}

void SortByName(std::vector<store::Person>& people) {
    std::vector<store::Person> sorted;
    sorted.reserve(people.size());
    for (const std::size_t i : NameOrder(people)) sorted.push_back(std::move(people[i]));
    people = std::move(sorted);
}

namespace {

std::string Write(exchange::Format format, const std::vector<exchange::ExportPerson>& people) {
    switch (format) {
        case exchange::Format::Csv:
            return exchange::WriteCsv(people);
        case exchange::Format::VCard:
            return exchange::WriteVCard(people);
        case exchange::Format::ICalendar:
            return exchange::WriteICalendar(people);
    }
    return {};
}

// The database and the files SQLite keeps beside it while it works on it (its journal,
// and the write-ahead log and its index): replacing any of them loses people, or has
// the next opening delete the export. Links are followed, so no other name for them
// gets through either.
bool IsDatabaseOrItsCompanion(const std::string& path, const std::string& database) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Made absolute first: a relative name none of whose parts exists stays as it is.
    const fs::path target = fs::weakly_canonical(fs::absolute(PathFromUtf8(path), ec), ec);
    const fs::path stored = fs::weakly_canonical(fs::absolute(PathFromUtf8(database), ec), ec);
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        fs::path companion = stored;
        companion += suffix;
        if (target == companion || fs::equivalent(target, companion, ec)) return true;
    }
    return false;
}

}  // namespace

ExportResult ExportBytes(const store::PersonRepository& repository, exchange::Format format,
                         std::string& bytes) {
    ExportResult result;
    std::vector<store::Person> people;
    store::RepositoryError error;
    if (!repository.ReadAll(people, error)) {
        result.error =
            platform::Filled(platform::Translate("transfer", "The database could not be read: %1"),
                             {AsSentence(error.message)});
        return result;
    }
    std::vector<exchange::ExportPerson> out;
    out.reserve(people.size());
    for (const std::size_t i : NameOrder(people)) {
        store::Person& person = people[i];
        if (std::isnan(person.birth) && !person.yearless.IsSet()) {
            ++result.leftOut;
            continue;
        }
        const bool badName = exchange::RepairUtf8(person.name);
        if (exchange::RepairUtf8(person.comments) || badName) ++result.repaired;
        out.push_back({person.key, std::move(person.name), person.birth, std::move(person.comments),
                       person.yearless});
    }
    bytes = Write(format, out);
    result.exported = static_cast<int>(out.size());
    return result;
}

ExportResult ExportFile(const store::PersonRepository& repository, const std::string& path,
                        exchange::Format format, bool overwrite) {
    if (IsDatabaseOrItsCompanion(path, repository.path())) {
        ExportResult refused;
        refused.error = platform::Filled(
            platform::Translate("transfer",
                                "%1 is the database itself or a file SQLite keeps beside it; "
                                "choose another file."),
            {path});
        return refused;
    }
    std::string bytes;
    ExportResult result = ExportBytes(repository, format, bytes);
    if (!result.error.empty() ||
        WriteFileBytes(path, bytes, overwrite, result.fileExists, result.error))
        return result;
    result.exported = 0;
    result.leftOut = 0;
    return result;
}

}  // namespace transfer
