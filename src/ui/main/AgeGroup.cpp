#include "ui/main/AgeGroup.h"

#include <limits>

namespace personlist {

int AgeGroupValue(std::string_view ageText) {
    const std::string_view item = ageText.substr(0, ageText.find(", "));
    std::size_t at = 0;
    long long years = 0;
    while (at < item.size() && item[at] >= '0' && item[at] <= '9') {
        years = years * 10 + (item[at++] - '0');
        if (years > std::numeric_limits<int>::max()) return 0;
    }
    if (at == 0) return 0;
    const std::string_view unit = item.substr(at);
    return unit == " Year" || unit == " Years" ? static_cast<int>(years) : 0;
}

int AgeGroupImage(int years) {
    if (years < 16) return kBaby;
    if (years <= 18) return kChild;
    if (years <= 20) return kYoungAdult;
    if (years <= 60) return kAdult;
    return kSenior;
}

}  // namespace personlist
