#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "age/Birthday.h"

#include "cli/CommandLine.h"
#include "store/PersonRepository.h"

// The four commands. Each writes its result to `out`, its complaints to `err`, and
// returns the exit status.
namespace cli {

struct Streams {
    std::ostream& out;
    std::ostream& err;
};

inline constexpr const char* kProgram = "marrowtide-cli";

// One person's birthday within a span of days.
struct Upcoming {
    modAgeCalc::NextBirthdayInfo birthday;
    const store::Person* person;
};

// The person's first birthday on or after `fromDay`; `turns` is 0 when the birth year is
// unknown.
bool NextBirthdayOf(const store::Person& person, std::int32_t fromDay,
                    modAgeCalc::NextBirthdayInfo& out);
// "turns N", or "birthday" when the age is not known.
std::string TurnsText(const modAgeCalc::NextBirthdayInfo& birthday);

// Every birthday within [first, last], soonest first and a day's people by name (as
// `people` comes); a span longer than a year meets a person again.
std::vector<Upcoming> BirthdaysBetween(const std::vector<store::Person>& people, std::int32_t first,
                                       std::int32_t last);
// Reads every person, in the stored order or sorted by name; false with the exit status
// set when it cannot.
bool ReadPeople(const store::PersonRepository& repository, std::vector<store::Person>& people,
                Streams streams, int& status);
bool ReadSorted(const store::PersonRepository& repository, std::vector<store::Person>& people,
                Streams streams, int& status);
// "today", "tomorrow", "in N days" (and "yesterday", "N days ago" before `today`).
std::string WhenText(std::int32_t days);

int RunList(const store::PersonRepository& repository, Streams streams);
int RunUpcoming(const store::PersonRepository& repository, const Invocation& invocation,
                Streams streams);
int RunImport(const store::PersonRepository& repository, const Invocation& invocation,
              Streams streams);
int RunExport(const store::PersonRepository& repository, const Invocation& invocation,
              Streams streams);

// Reports wrong usage the same way wherever it is found.
int UsageError(const std::string& problem, Streams streams);

}  // namespace cli
