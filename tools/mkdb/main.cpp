// marrowtide-mkdb FOLDER [--keep-existing]
//
// Creates an empty person database, Marrowtide.mdb with its table, in FOLDER. An
// existing file is never touched: the tool refuses it (exit 1), or with
// --keep-existing leaves it as it is and succeeds, so a build step can run the tool
// every time without ever replacing the user's data.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "store/Database.h"
#include "store/Schema.h"

namespace {

constexpr int kCreated = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int Usage() {
    std::fputs("usage: marrowtide-mkdb FOLDER [--keep-existing]\n", stderr);
    return kUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) return Usage();
    const bool keepExisting = argc == 3 && std::string_view(argv[2]) == "--keep-existing";
    if (argc == 3 && !keepExisting) return Usage();

    const std::string folder = argv[1];
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::fprintf(stderr, "marrowtide-mkdb: %s is not a folder.\n", folder.c_str());
        return kFailed;
    }
    const std::string path =
        modAgeCalc::WithTrailingSeparator(folder) + modAgeCalc::kDatabaseFileName;
    if (keepExisting && std::filesystem::exists(path, ec)) return kCreated;

    std::string error;
    if (!store::CreateEmptyDatabase(path, error)) {
        std::fprintf(stderr, "marrowtide-mkdb: %s\n", error.c_str());
        return kFailed;
    }
    return kCreated;
}
