#include "core/base/IniFile.h"

#include "core/base/AtomicWrite.h"
#include "core/base/NumberText.h"
#include "core/base/TextEncoding.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
// Sections with no more keys than this are searched by a scan; bigger ones get a hash index.
constexpr std::size_t ScannedKeyLimit = 8;
constexpr std::size_t ReadChunk = 1 << 16;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// [sign] (digits | "0x" hexdigits), blanks around allowed; false for anything else or a value beyond long
// long.
bool ParseInteger(std::string_view text, long long& value) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return false;
    const unsigned long long limit = negative ? static_cast<unsigned long long>(LLONG_MAX) + 1
                                              : static_cast<unsigned long long>(LLONG_MAX);
    unsigned long long magnitude = 0;
    for (const char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0 || static_cast<unsigned>(digit) >= base) return false;
        if (magnitude > (limit - digit) / base) return false;
        magnitude = magnitude * base + digit;
    }
    value = negative ? static_cast<long long>(0ull - magnitude) : static_cast<long long>(magnitude);
    return true;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

// A value as the Windows reader gives it: without the blanks around it and without one pair of quotes that
// enclose it.
std::string_view ValueFromFile(std::string_view text) {
    text = Trim(text);
    if (text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return text;
}

// The text that reads back as the value: quoted when blanks at its ends or enclosing quotes would be lost.
bool NeedsQuotes(std::string_view value) {
    return !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                              (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()));
}

// A value stays on its line: a line break in it would start a new key or section when the file is read back.
std::string OneLine(std::string value) {
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    return value;
}

// Regular files only: reading a pipe or device named by mistake must not hang the program. Opening a named
// pipe blocks until a writer comes, so the file is opened without blocking and looked at before reading.
bool ReadWholeFile(const std::string& fileName, std::string& bytes) {
    bytes.clear();
    const int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return false;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return false;
    }
    if (st.st_size > 0) bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[ReadChunk];
    bool ok = true;
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false; // keep what was read
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return ok;
}

} // namespace

IniFile::IniFile(const std::string& fileName) {
    Load(fileName);
}

bool IniFile::Load(const std::string& fileName) {
    m_fileName = fileName;
    std::string bytes;
    const bool ok = ReadWholeFile(fileName, bytes);
    LoadFromText(bytes);
    return ok;
}

// Lines end with "\n", "\r\n" or "\r". "[name]" starts a section; "key=value" adds a key to the current one,
// the value being everything after the first "=". Blanks around keys and values are dropped and one pair of
// quotes enclosing a value goes, as with the Windows reader ("ObjType = Normal" is "Normal"). Blank lines,
// ";" and "#" comments, lines before the first section and lines without "=" are skipped. A repeated section
// or key is skipped too: the first one counts.
void IniFile::LoadFromText(const std::string& text) {
    m_sections.clear();
    m_sectionIndex.Clear();

    std::string_view bytes(text);
    if (bytes.substr(0, Utf8Bom.size()) == Utf8Bom) bytes.remove_prefix(Utf8Bom.size());
    std::string converted;
    if (!IsValidUtf8(bytes)) {
        converted = Cp1251ToUtf8(bytes);
        bytes = converted;
    }

    constexpr std::size_t NoSection = static_cast<std::size_t>(-1);
    std::size_t current = NoSection;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const std::string_view line = bytes.substr(pos, end - pos);
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;

        const std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') continue;
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            const std::string name(Trim(trimmed.substr(1, trimmed.size() - 2)));
            if (find(name)) {
                current = NoSection;
            } else {
                current = m_sections.size();
                findOrAdd(name);
            }
            continue;
        }
        if (current == NoSection) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, equals));
        Section& section = m_sections[current];
        if (key.empty() || section.findKey(key) != NameIndex::NotFound) continue;
        section.addKey(std::string(key), std::string(ValueFromFile(line.substr(equals + 1))));
    }
}

std::string IniFile::ToText() const {
    std::size_t size = 0;
    for (const Section& s : m_sections) {
        size += s.name.size() + 4;
        for (const Entry& e : s.entries)
            size += e.key.size() + e.value.size() + 4;
    }
    std::string out;
    out.reserve(size);
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        // No blank lines: a document reads line by line as its sections were laid out.
        const Section& s = m_sections[i];
        out += '[';
        out += s.name;
        out += "]\n";
        for (const Entry& e : s.entries) {
            out += e.key;
            out += '=';
            // The key "[" (read from a line such as [="x]"): with its value unquoted, the line would read
            // back as a section.
            const bool looksLikeSection =
                !e.key.empty() && e.key.front() == '[' && !e.value.empty() && e.value.back() == ']';
            if (NeedsQuotes(e.value) || looksLikeSection) {
                out += '"';
                out += e.value;
                out += '"';
            } else {
                out += e.value;
            }
            out += '\n';
        }
    }
    return out;
}

bool IniFile::Save() const {
    return !m_fileName.empty() && SaveAs(m_fileName);
}

bool IniFile::SaveAs(const std::string& fileName) const {
    return WriteFileAtomically(fileName, ToText());
}

bool IniFile::SectionExists(const std::string& section) const {
    return find(section) != nullptr;
}

bool IniFile::ValueExists(const std::string& section, const std::string& key) const {
    return findEntry(section, key) != nullptr;
}

std::vector<std::string> IniFile::Sections() const {
    std::vector<std::string> names;
    names.reserve(m_sections.size());
    for (const Section& s : m_sections)
        names.push_back(s.name);
    return names;
}

std::vector<std::string> IniFile::Keys(const std::string& section) const {
    std::vector<std::string> keys;
    if (const Section* s = find(section)) {
        keys.reserve(s->entries.size());
        for (const Entry& e : s->entries)
            keys.push_back(e.key);
    }
    return keys;
}

void IniFile::EraseSection(const std::string& section) {
    Section* s = find(section);
    if (!s) return;
    m_sections.erase(m_sections.begin() + (s - m_sections.data()));
    rebuildSectionIndex();
}

void IniFile::DeleteKey(const std::string& section, const std::string& key) {
    Section* s = find(section);
    if (!s) return;
    const std::ptrdiff_t k = s->findKey(key);
    if (k == NameIndex::NotFound) return;
    s->entries.erase(s->entries.begin() + k);
    s->rebuildIndex();
}

void IniFile::AddSection(const std::string& section) {
    findOrAdd(section);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    const Entry* e = findEntry(section, key);
    return e ? e->value : def;
}

long long IniFile::ReadInteger(const std::string& section, const std::string& key, long long def) const {
    const Entry* e = findEntry(section, key);
    long long value;
    return e && ParseInteger(e->value, value) ? value : def;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    const Entry* e = findEntry(section, key);
    long long value;
    return e && ParseInteger(e->value, value) ? value != 0 : def;
}

Real IniFile::ReadFloat(const std::string& section, const std::string& key, Real def) const {
    const Entry* e = findEntry(section, key);
    Real value = def;
    if (e && ReadNumber(Trim(e->value), value)) return value;
    return def;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    Section& s = findOrAdd(section);
    const std::ptrdiff_t k = s.findKey(key);
    if (k != NameIndex::NotFound)
        s.entries[k].value = OneLine(value);
    else
        s.addKey(key, OneLine(value));
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, long long value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteFloat(const std::string& section, const std::string& key, Real value) {
    WriteString(section, key, PlainNumberText(value));
}

std::ptrdiff_t IniFile::Section::findKey(std::string_view key) const {
    if (!keyIndex.Empty())
        return keyIndex.Find(key, [this](std::size_t i) -> std::string_view { return entries[i].key; });
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (EqualIgnoringAsciiCase(entries[i].key, key)) return static_cast<std::ptrdiff_t>(i);
    return NameIndex::NotFound;
}

void IniFile::Section::addKey(std::string key, std::string value) {
    entries.push_back({std::move(key), std::move(value)});
    if (!keyIndex.Empty())
        keyIndex.Insert(entries.back().key, entries.size() - 1);
    else if (entries.size() > ScannedKeyLimit)
        rebuildIndex();
}

void IniFile::Section::rebuildIndex() {
    keyIndex.Clear();
    if (entries.size() <= ScannedKeyLimit) return;
    for (std::size_t i = 0; i < entries.size(); ++i)
        keyIndex.Insert(entries[i].key, i);
}

IniFile::Section* IniFile::find(const std::string& section) {
    return const_cast<Section*>(static_cast<const IniFile*>(this)->find(section));
}

const IniFile::Section* IniFile::find(const std::string& section) const {
    const std::ptrdiff_t i = m_sectionIndex.Find(
        section, [this](std::size_t k) -> std::string_view { return m_sections[k].name; });
    return i == NameIndex::NotFound ? nullptr : &m_sections[i];
}

const IniFile::Entry* IniFile::findEntry(const std::string& section, const std::string& key) const {
    const Section* s = find(section);
    if (!s) return nullptr;
    const std::ptrdiff_t k = s->findKey(key);
    return k == NameIndex::NotFound ? nullptr : &s->entries[k];
}

IniFile::Section& IniFile::findOrAdd(const std::string& section) {
    if (Section* s = find(section)) return *s;
    m_sections.push_back(Section{section, {}, {}});
    m_sectionIndex.Insert(m_sections.back().name, m_sections.size() - 1);
    return m_sections.back();
}

void IniFile::rebuildSectionIndex() {
    m_sectionIndex.Clear();
    for (std::size_t i = 0; i < m_sections.size(); ++i)
        m_sectionIndex.Insert(m_sections[i].name, i);
}
