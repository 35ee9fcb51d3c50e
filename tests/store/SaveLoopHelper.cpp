// Test helper: saves new people one after another into the database in FOLDER and
// prints each one's number on its own line as soon as SavePerson reported success.
// The durability test kills it at random moments.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "store/Database.h"
#include "store/PersonStore.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    modAgeCalc::SetDatabaseFolder(modAgeCalc::WithTrailingSeparator(argv[1]));
    for (long n = std::atol(argv[2]);; ++n) {
        const std::string name = "person-" + std::to_string(n);
        if (!modAgeCalc::SavePerson(0, name, 30000.25, "saved " + name).empty()) return 1;
        std::printf("%ld\n", n);
        std::fflush(stdout);
    }
}
