#include "cli/HelpText.h"

#ifndef MARROWTIDE_VERSION
#define MARROWTIDE_VERSION "1.0"
#endif

namespace cli {

std::string HelpText() {
    return R"(Usage: marrowtide-cli [--database FILE] COMMAND [OPTIONS]

Shows, imports and exports the people kept by Marrowtide.

Commands:
  list                       every person, sorted by name, one a line, tab-separated:
                             key, name, birth (YYYY-MM-DD HH:MM:SS), age, comments;
                             a birth without a year as --MM-DD, with no age;
                             tab, line break and backslash in texts as \t, \n, \\,
                             other control characters as \xHH
  upcoming [--days N] [--from YYYY-MM-DD]
                             the birthdays from that day (default: today) through
                             N more days (default 14; 0 = that day alone), soonest
                             first: date, weekday, name, "turns N" ("birthday"
                             when the year is unknown), when
  import FILE                adds the people of a CSV or vCard file (.csv, .vcf,
                             .vcard); the format is read from the content first
  export FILE [--format csv|vcf|ics] [--force]
                             writes every person to FILE; the format defaults to
                             the file's extension; an existing FILE is replaced
                             only with --force (keeping its permissions; a link
                             is written through); FILE - writes to standard output
  remind [--days N] [--again]
                             once a day, a desktop notification of the birthdays
                             of the next N days (default 7); clicking it opens
                             the Upcoming window; --again notifies even when it
                             did today already. Waits up to 10 minutes for the
                             click. Without a notification service the lines go
                             to standard output

Options:
  --database FILE            the database to use; without it, the one the windowed
                             program opens: Marrowtide.mdb in the program's folder
                             when it is there, else in the user's data folder
  --help                     shows this text
  --version                  shows the version

Birthdays on 29 February fall on 28 February in common years.

Importing keeps a birthday whose year is unknown (--12-08, or a placeholder
year such as 1604 or 0000) as such, without inventing a year. It skips records
without a month and day, with an impossible date or without a name, and people
already stored with the same name and birth to the second (--12-08 is not
1980-12-08), so importing a file twice adds nobody. Everything else is stored
in one go, or nothing at all.

Exit status: 0 everything went in (people already stored included),
1 records were skipped for another reason or a damaged place (a card
without END) was read, 2 wrong usage,
3 a file or the database could not be read or written (nothing changed),
4 (remind) no notification service: the reminder was printed instead.
)";
}

std::string VersionText() {
    return std::string("marrowtide-cli ") + MARROWTIDE_VERSION + "\n";
}

}  // namespace cli
