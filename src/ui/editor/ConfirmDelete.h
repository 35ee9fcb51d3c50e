#pragma once

#include <cstdint>

namespace editor {

// Asks "Delete this Entry?" and, on Yes, deletes the person with `key` from the store
// (which reports its own failures). True when the user answered Yes.
bool ConfirmAndDeletePerson(std::int32_t key);

}  // namespace editor
