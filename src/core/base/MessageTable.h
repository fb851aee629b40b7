#pragma once
// The program's replaceable texts: messages, answer headings and dialog titles built at run time, and the
// captions of the message dialog's buttons and windows. A language file may replace every entry.
#include "core/base/MessageIds.h"

#include <array>
#include <string>

constexpr int MessageCount = 130;
static_assert(msg::Count == MessageCount, "every entry of the table has a name");
constexpr int ButtonCaptionCount = 11;
constexpr int DialogCaptionCount = 5;

// MessageTable()[i] is entry i (language key "r" + (i + 1)).
std::array<std::string, MessageCount>& MessageTable();
std::array<std::string, ButtonCaptionCount>& ButtonCaptions(); // Yes, No, OK, Cancel, Abort, Retry, ...
std::array<std::string, DialogCaptionCount>&
DialogCaptions(); // warning, error, information, confirmation, custom

const std::string& Msg(msg::Id id); // the entry's current text; an empty text for msg::None
void ResetBuiltInTexts();           // puts every table back to the built-in Ukrainian texts
