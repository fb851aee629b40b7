#include "core/base/MessageTable.h"

#include "core/base/MessageTableData.h"

#include <map>

namespace {

const std::array<const char*, ButtonCaptionCount> BuiltInButtonCaptions = {
    "Так", "Ні", "OK", "Скасувати", "Стоп", "Повторити", "Ignore", "All", "NoToAll", "YesToAll", "Help",
};

const std::array<const char*, DialogCaptionCount> BuiltInDialogCaptions = {
    "Попередження", "Помилка", "Інформація", "Підтвердження", "",
};

template <std::size_t N> std::array<std::string, N> Strings(const std::array<const char*, N>& texts) {
    std::array<std::string, N> result;
    for (std::size_t i = 0; i < N; ++i)
        result[i] = texts[i];
    return result;
}

std::map<std::string, std::string>& WindowCaptions() {
    static std::map<std::string, std::string> captions;
    return captions;
}

} // namespace

std::array<std::string, MessageCount>& MessageTable() {
    static std::array<std::string, MessageCount> table = Strings(BuiltInMessages);
    return table;
}

std::array<std::string, ButtonCaptionCount>& ButtonCaptions() {
    static std::array<std::string, ButtonCaptionCount> table = Strings(BuiltInButtonCaptions);
    return table;
}

std::array<std::string, DialogCaptionCount>& DialogCaptions() {
    static std::array<std::string, DialogCaptionCount> table = Strings(BuiltInDialogCaptions);
    return table;
}

const std::string& Msg(msg::Id id) {
    static const std::string empty;
    if (id < 0 || id >= MessageCount) return empty;
    return MessageTable()[id];
}

void ResetBuiltInTexts() {
    MessageTable() = Strings(BuiltInMessages);
    ButtonCaptions() = Strings(BuiltInButtonCaptions);
    DialogCaptions() = Strings(BuiltInDialogCaptions);
    WindowCaptions().clear();
}

std::string WindowCaption(const std::string& name, const std::string& builtIn) {
    const auto it = WindowCaptions().find(name);
    return it == WindowCaptions().end() ? builtIn : it->second;
}

void SetWindowCaption(const std::string& name, const std::string& caption) {
    WindowCaptions()[name] = caption;
}
