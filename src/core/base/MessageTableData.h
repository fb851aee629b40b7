#pragma once
// The built-in texts of the message table, kept apart from the code that serves them.
#include "core/base/MessageTable.h"

#include <array>

extern const std::array<const char*, MessageCount> BuiltInMessages;
