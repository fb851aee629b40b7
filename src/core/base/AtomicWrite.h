#pragma once
// Replacing a file so that it is never seen half written: the text goes to a temporary beside the target, is
// flushed to disk and then renamed over the target.
#include <string>
#include <string_view>

// False on any failure, with the temporary removed and the previous file left as it was.
bool WriteFileAtomically(const std::string& fileName, std::string_view contents);
