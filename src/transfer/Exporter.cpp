#include "transfer/Exporter.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>
#include <system_error>

#include "transfer/FileBytes.h"
#include "transfer/Importer.h"

namespace transfer {

namespace {

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A name as the sort compares it: folded UTF-16 units, as the list's sort folds them.
// Most names are ASCII, whose folded units are their lower-case bytes: those are folded
// into one shared buffer and compared as bytes, so a large list costs no allocation per
// name. Only the other names are folded through Qt.
struct SortName {
    std::string_view ascii;  // the folded name when it is ASCII
    QString folded;          // else its folded text
    bool isAscii = true;

    std::size_t size() const {
        return isAscii ? ascii.size() : static_cast<std::size_t>(folded.size());
    }
    char16_t at(std::size_t i) const {
        return isAscii ? static_cast<char16_t>(ascii[i])
                       : folded.at(static_cast<qsizetype>(i)).unicode();
    }
};

int Compare(const SortName& a, const SortName& b) {
    if (a.isAscii && b.isAscii) return a.ascii.compare(b.ascii);
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t x = a.at(i), y = b.at(i);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::vector<SortName> SortNames(const std::vector<store::Person>& people, std::string& buffer) {
    std::size_t total = 0;
    for (const store::Person& person : people) total += person.name.size();
    buffer.reserve(total);  // never grows below, so the views into it stay valid
    std::vector<SortName> names(people.size());
    for (std::size_t i = 0; i < people.size(); ++i) {
        const std::string& name = people[i].name;
        if (!IsAscii(name)) {
            names[i] = {{}, QString::fromUtf8(name).toCaseFolded(), false};
            continue;
        }
        const std::size_t start = buffer.size();
        for (const char c : name) buffer += c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        names[i].ascii = std::string_view(buffer).substr(start, name.size());
    }
    return names;
}

}  // namespace

std::vector<std::size_t> NameOrder(const std::vector<store::Person>& people) {
    std::string buffer;
    const std::vector<SortName> names = SortNames(people, buffer);
    std::vector<std::size_t> order(people.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = Compare(names[a], names[b]);
        return c != 0 ? c < 0 : people[a].key < people[b].key;
    });
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

}  // namespace

ExportResult ExportFile(const store::PersonRepository& repository, const std::string& path,
                        exchange::Format format, bool overwrite) {
    ExportResult result;
    // Replacing the database with its own export would lose every person.
    std::error_code ec;
    if (std::filesystem::equivalent(PathFromUtf8(path), PathFromUtf8(repository.path()), ec)) {
        result.error = path + " is the database itself; choose another file.";
        return result;
    }
    std::vector<store::Person> people;
    store::RepositoryError error;
    if (!repository.ReadAll(people, error)) {
        result.error = "The database could not be read: " + AsSentence(error.message);
        return result;
    }
    std::vector<exchange::ExportPerson> out;
    out.reserve(people.size());
    for (const std::size_t i : NameOrder(people)) {
        store::Person& person = people[i];
        if (std::isnan(person.birth)) {
            ++result.leftOut;
            continue;
        }
        out.push_back(
            {person.key, std::move(person.name), person.birth, std::move(person.comments)});
    }
    if (!WriteFileBytes(path, Write(format, out), overwrite, result.fileExists, result.error))
        return result;
    result.exported = static_cast<int>(out.size());
    return result;
}

}  // namespace transfer
