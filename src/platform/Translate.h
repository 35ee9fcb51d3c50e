#pragma once

#include <string>

// Marks a text for the translation tools where it is defined, for lookup later through
// Translate() under the same context.
#define MARROWTIDE_TRANSLATE_NOOP(context, text) text

namespace platform {

// The user's language for texts of the libraries that do without Qt. The program
// installs Qt's translator; until then every text stays as written.
using Translator = std::string (*)(const char* context, const char* text);

std::string Translate(const char* context, const char* text);

// Installs the translator used from now on; nullptr restores the plain texts. Returns
// the one installed before.
Translator SetTranslator(Translator translator);

}  // namespace platform
