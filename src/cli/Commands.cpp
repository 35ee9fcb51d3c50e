#include "cli/Commands.h"

#include <algorithm>
#include <cmath>

#include "age/AgeCalc.h"
#include "age/Birthday.h"
#include "age/DateText.h"
#include "age/YearlessBirth.h"
#include "app/StartupBackup.h"
#include "cli/ExitStatus.h"
#include "cli/TabText.h"
#include "store/BirthText.h"
#include "transfer/Exporter.h"
#include "transfer/Importer.h"
#include "transfer/ResultText.h"

namespace cli {

std::string WhenText(std::int32_t days) {
    if (days == 0) return "today";
    if (days == 1) return "tomorrow";
    if (days == -1) return "yesterday";
    if (days < 0) return std::to_string(-days) + " days ago";
    return "in " + std::to_string(days) + " days";
}

namespace {

std::string Hint(store::RepositoryError::Kind kind) {
    using Kind = store::RepositoryError::Kind;
    switch (kind) {
        case Kind::Missing:
        case Kind::NotADatabase:
        case Kind::Failed:
            return "Name the Marrowtide database with --database FILE.";
        case Kind::Busy:
            return "Another program is using the database; try again when it is done.";
        case Kind::ReadOnly:
            return "Check that the database file and its folder may be written.";
        default:
            return {};
    }
}

int DatabaseError(const store::RepositoryError& error, Streams streams) {
    streams.err << kProgram
                << ": the database could not be read: " << transfer::AsSentence(error.message)
                << " " << Hint(error.kind) << "\n";
    return kFileProblem;
}

}  // namespace

bool NextBirthdayOf(const store::Person& person, std::int32_t fromDay,
                    modAgeCalc::NextBirthdayInfo& out) {
    if (person.yearless.IsSet())
        return modAgeCalc::NextYearlessBirthday(person.yearless, fromDay, out);
    return modAgeCalc::NextBirthday(person.birth, fromDay, out);
}

std::string TurnsText(const modAgeCalc::NextBirthdayInfo& birthday) {
    return birthday.turns > 0 ? "turns " + std::to_string(birthday.turns) : "birthday";
}

// Every birthday within [first, last]; a span longer than a year meets a person again.
std::vector<Upcoming> BirthdaysBetween(const std::vector<store::Person>& people, std::int32_t first,
                                       std::int32_t last) {
    std::vector<Upcoming> found;
    for (const store::Person& person : people) {
        modAgeCalc::NextBirthdayInfo info;
        for (std::int32_t day = first;
             day <= last && NextBirthdayOf(person, day, info) && info.date <= last;
             day = info.date + 1)
            found.push_back({info, &person});
    }
    // People come sorted by name, so a stable sort by date keeps names in order.
    std::stable_sort(found.begin(), found.end(), [](const Upcoming& a, const Upcoming& b) {
        return a.birthday.date < b.birthday.date;
    });
    return found;
}

bool ReadPeople(const store::PersonRepository& repository, std::vector<store::Person>& people,
                Streams streams, int& status) {
    store::RepositoryError error;
    if (repository.ReadAll(people, error)) return true;
    status = DatabaseError(error, streams);
    return false;
}

bool ReadSorted(const store::PersonRepository& repository, std::vector<store::Person>& people,
                Streams streams, int& status) {
    if (!ReadPeople(repository, people, streams, status)) return false;
    transfer::SortByName(people);
    return true;
}

namespace {

// As FILE of export: standard output.
constexpr const char* kStandardOutput = "-";

// What an export wants the user to know besides the file itself, and the exit status
// that goes with it.
int ReportExportNotices(const transfer::ExportResult& result, Streams streams) {
    if (result.repaired > 0)
        streams.err << kProgram << ": " << result.repaired
                    << " stored with text that is not valid UTF-8 were written with U+FFFD in "
                       "place of the bad bytes.\n";
    if (result.leftOut == 0) return kSuccess;
    streams.err << kProgram << ": " << result.leftOut
                << " stored without a valid birth date were left out; correct their birth in "
                   "Marrowtide.\n";
    return kSkipped;
}

// The file goes to standard output alone, so that it can be piped; only problems are
// said, on standard error.
int ExportToOutput(const store::PersonRepository& repository, exchange::Format format,
                   Streams streams) {
    std::string bytes;
    const transfer::ExportResult result = transfer::ExportBytes(repository, format, bytes);
    if (!result.error.empty()) {
        streams.err << kProgram << ": " << result.error << " Nothing was written.\n";
        return kFileProblem;
    }
    streams.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!streams.out.flush()) {
        streams.err << kProgram << ": cannot write to standard output.\n";
        return kFileProblem;
    }
    return ReportExportNotices(result, streams);
}

}  // namespace

int UsageError(const std::string& problem, Streams streams) {
    streams.err << kProgram << ": " << problem << "\nTry '" << kProgram
                << " --help' for the commands and options.\n";
    return kUsage;
}

int RunList(const store::PersonRepository& repository, Streams streams) {
    std::vector<store::Person> people;
    int status = kSuccess;
    if (!ReadSorted(repository, people, streams, status)) return status;
    std::string today = modAgeCalc::TodayText();
    for (const store::Person& person : people) {
        // A birthday without a year shows as stored, with no age.
        const bool yearless = person.yearless.IsSet();
        const std::string age =
            yearless ? std::string()
                     : modAgeCalc::AgeText(modAgeCalc::FormatDateText(person.birth), today, 9);
        streams.out << person.key << '\t' << TabField(person.name) << '\t'
                    << (yearless ? modAgeCalc::YearlessToText(person.yearless)
                                 : modAgeCalc::BirthToIso(person.birth))
                    << '\t' << age << '\t' << TabField(person.comments) << '\n';
    }
    return kSuccess;
}

int RunUpcoming(const store::PersonRepository& repository, const Invocation& invocation,
                Streams streams) {
    const std::int32_t today = modAgeCalc::TodaySerial();
    std::int32_t first = today;
    if (invocation.from && !modAgeCalc::ParseIsoDay(*invocation.from, first))
        return UsageError("--from needs a date as YYYY-MM-DD, not '" + *invocation.from + "'.",
                          streams);
    const std::int32_t last = static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{first} + invocation.days, modAgeCalc::kMaxSerial));
    std::vector<store::Person> people;
    int status = kSuccess;
    if (!ReadSorted(repository, people, streams, status)) return status;
    for (const Upcoming& u : BirthdaysBetween(people, first, last)) {
        streams.out << modAgeCalc::FormatDateText(u.birthday.date) << '\t'
                    << modAgeCalc::WeekdayName(u.birthday.date) << '\t' << TabField(u.person->name)
                    << '\t' << TurnsText(u.birthday) << '\t' << WhenText(u.birthday.date - today)
                    << '\n';
    }
    return kSuccess;
}

int RunImport(const store::PersonRepository& repository, const Invocation& invocation,
              Streams streams) {
    // An import is the largest change made at once: the day's copy comes first, as the
    // window makes it, and a missing one is a warning, not a reason to refuse.
    QString backupError;
    if (!app::BackUpToday(QString::fromStdString(repository.path()), backupError))
        streams.err << kProgram << ": no backup made today: " << backupError.toStdString() << "\n";
    const transfer::ImportResult result = transfer::ImportFile(repository, invocation.file);
    if (result.Failed()) {
        streams.err << kProgram << ": " << result.error << "\n";
        return kFileProblem;
    }
    streams.out << transfer::ImportSummary(result) << '\n';
    for (const transfer::SkippedRecord& notice : result.notices)
        streams.out << transfer::SkippedLine(notice) << '\n';
    for (const transfer::SkippedRecord& skipped : result.skipped)
        streams.out << transfer::SkippedLine(skipped) << '\n';
    if (!result.SkippedForProblems()) return kSuccess;
    if (!result.notices.empty())
        streams.err << kProgram << ": " << invocation.file
                    << " is damaged where listed above; what could be read there was imported.\n";
    if (result.skipped.empty()) return kSkipped;
    streams.err << kProgram << ": some records were skipped (listed above). Correct them in "
                << invocation.file
                << " and import it again; the people already stored are skipped then.\n";
    return kSkipped;
}

int RunExport(const store::PersonRepository& repository, const Invocation& invocation,
              Streams streams) {
    std::optional<exchange::Format> format;
    if (invocation.format) {
        std::string name = *invocation.format;
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (name == "csv") format = exchange::Format::Csv;
        if (name == "vcf") format = exchange::Format::VCard;
        if (name == "ics") format = exchange::Format::ICalendar;
        if (!format)
            return UsageError("--format must be csv, vcf or ics, not '" + *invocation.format + "'.",
                              streams);
    } else {
        format = exchange::DetectFormat({}, invocation.file);
        if (!format)
            return UsageError("the format of " + invocation.file +
                                  " cannot be told from its name; give --format csv, vcf or ics.",
                              streams);
    }
    if (invocation.file == kStandardOutput) return ExportToOutput(repository, *format, streams);
    const transfer::ExportResult result =
        transfer::ExportFile(repository, invocation.file, *format, invocation.force);
    if (!result.error.empty()) {
        streams.err << kProgram << ": " << result.error
                    << (result.fileExists ? " Give --force to replace it."
                                          : " Nothing was written.")
                    << "\n";
        return kFileProblem;
    }
    streams.out << "Exported " << result.exported << (result.exported == 1 ? " person" : " people")
                << " to " << invocation.file << ".\n";
    return ReportExportNotices(result, streams);
}

}  // namespace cli
