// The stored password: whether one is set, checking a typed one, storing a new one as a hash.
#pragma once

#include <string_view>

#include "app/password_rules.h"

bool PasswordIsSet();
// Checks `typed` against `Pass`; a right plain value of an older version is replaced by its
// hash on the way.
PasswordCheck VerifyPassword(std::string_view typed);
// Stores the hash of `typed` with a fresh salt (empty removes the password). False, storing
// nothing, when the hash cannot be made or written.
bool StorePassword(std::string_view typed);
// The system's PBKDF2, as the rules take it.
DeriveKeyFunction SystemDeriveKey();
