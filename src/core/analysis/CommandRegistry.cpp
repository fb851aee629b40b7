#include "core/analysis/CommandRegistry.h"

#include <cctype>

namespace {
bool SameName(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}
} // namespace

void TCommandInputs::Set(const std::string& name, const std::string& value) {
    for (auto& v : m_values)
        if (SameName(v.first, name.c_str())) {
            v.second = value;
            return;
        }
    m_values.emplace_back(name, value);
}

const std::string* TCommandInputs::Find(const char* name) const {
    for (const auto& v : m_values)
        if (SameName(v.first, name)) return &v.second;
    return nullptr;
}

const TCommandInfo* FindRunCommand(const std::string& name) {
    for (const TCommandInfo& c : RunCommands())
        if (name == c.Name) return &c;
    return nullptr;
}

std::string UnknownField(const TCommandInfo& command, const TCommandInputs& inputs) {
    for (const auto& v : inputs.Values()) {
        bool known = false;
        for (const TCommandField& f : command.Fields)
            known = known || SameName(v.first, f.Name);
        if (!known) return v.first;
    }
    return {};
}

TCommandOutcome RunCommand(const TCommandInfo& command, TCommandContext& context,
                           const TCommandInputs& inputs) {
    FillSelection(context.Doc.Objects, context.Doc.Selection, command.Selection == TSelectionRule::Checked);
    return command.Run(context, inputs);
}
