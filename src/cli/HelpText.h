#pragma once

#include <string>

namespace cli {

std::string HelpText();
std::string VersionText();

}  // namespace cli
