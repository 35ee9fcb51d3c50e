#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the translation tools where it is defined, for lookup later through
// Translate() under the same context.
#define MARROWTIDE_TRANSLATE_NOOP(context, text) text

namespace platform {

// The user's language for texts of the libraries that do without Qt. The program
// installs Qt's translator; until then every text stays as written.
using Translator = std::string (*)(const char* context, const char* text);

std::string Translate(const char* context, const char* text);

// The text with %1, %2, ... %9 replaced by the arguments in that order, wherever a
// translation puts them.
std::string Filled(std::string_view text, std::initializer_list<std::string_view> args);

// Installs the translator used from now on; nullptr restores the plain texts. Returns
// the one installed before.
Translator SetTranslator(Translator translator);

}  // namespace platform
