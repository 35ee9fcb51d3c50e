#include "transfer/Exporter.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "transfer/FileBytes.h"
#include "transfer/Importer.h"

namespace transfer {

void SortByName(std::vector<store::Person>& people) {
    // Each name is folded once; comparing the folded texts is what the list's sort does.
    std::vector<QString> folded;
    folded.reserve(people.size());
    for (const store::Person& person : people)
        folded.push_back(QString::fromUtf8(person.name).toCaseFolded());
    std::vector<std::size_t> order(people.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = QString::compare(folded[a], folded[b], Qt::CaseSensitive);
        return c != 0 ? c < 0 : people[a].key < people[b].key;
    });
    std::vector<store::Person> sorted;
    sorted.reserve(people.size());
    for (const std::size_t i : order) sorted.push_back(std::move(people[i]));
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
    std::vector<store::Person> people;
    store::RepositoryError error;
    if (!repository.ReadAll(people, error)) {
        result.error = "The database could not be read: " + AsSentence(error.message);
        return result;
    }
    SortByName(people);
    std::vector<exchange::ExportPerson> out;
    out.reserve(people.size());
    for (store::Person& person : people) {
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
