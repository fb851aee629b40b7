#pragma once
// The two encodings text files come in: UTF-8, and Windows-1251, in which the Windows program wrote its
// documents.
#include <string>
#include <string_view>

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut sequence.
bool IsValidUtf8(std::string_view text);

// Every byte as its Windows-1251 character; the one undefined byte, 0x98, becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view text);
