#pragma once

#include <cstdint>
#include <optional>

#include "store/PersonStamp.h"

namespace editor {

enum class DeleteAnswer { Declined, Deleted, ChangedOutside };

// Asks "Delete this Entry?" and, on Yes, deletes the person with `key` from the store
// (which reports its own failures; a failed delete counts as Deleted, as the user
// meant it). With `rowAsRead`, the stamp of the row as the list read it, a row changed
// or removed since is left alone and the user is told so.
DeleteAnswer ConfirmAndDeletePerson(std::int32_t key, std::optional<store::PersonStamp> rowAsRead);

}  // namespace editor
