#pragma once
// Replacing a file so that it is never seen half written: the text goes to a temporary beside the target, is
// flushed to disk and then renamed over the target. A symbolic link is written through to the file it names,
// and the file keeps its permissions and, where the program may give them, its owner and group. A file with
// other hard links, or one whose owner the program cannot give a new file, is written over in place instead
// (after the whole text has been written to the temporary, so a full disk is found before the file is
// touched), so that every name of it keeps showing the same file.
#include <string>
#include <string_view>

// False on any failure, with the previous file left as it was (an interrupted write in place excepted: then
// the temporary keeps the whole text). On success, temporaries of earlier writes of the same file that were
// interrupted (the program killed midway) are removed. A target that exists but is no regular file (a
// folder, a device) is refused.
bool WriteFileAtomically(const std::string& fileName, std::string_view contents);

// An existing file that must not be written without asking: the user may not write it, or nobody may (its
// mode has no write permission, which binds nobody when the program runs as root).
bool IsWriteProtected(const std::string& fileName);

// The name a write of fileName gives its temporary before the six characters that make it unique.
std::string TemporaryPrefix(const std::string& fileName);
