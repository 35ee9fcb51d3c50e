#include "resources/Artwork.h"

namespace artwork {

namespace {

constexpr const char* kAges[kAgeGroupCount] = {kAgeBaby, kAgeChild, kAgeYoungAdult, kAgeAdult,
                                               kAgeSenior};

constexpr const char* kAll[] = {kWindowIcon,   kPersonPicture, kButtonAdd,      kButtonEdit,
                                kButtonDelete, kButtonRefresh, kButtonBigIcons, kButtonDetails,
                                kButtonExit,   kAgeBaby,       kAgeChild,       kAgeYoungAdult,
                                kAgeAdult,     kAgeSenior,     kAgeUnknown};

}  // namespace

QString ageIconPath(int group) {
    if (group < 1 || group > kAgeGroupCount) return QString();
    return QString::fromLatin1(kAges[group - 1]);
}

std::span<const char* const> allPaths() {
    return kAll;
}

}  // namespace artwork
