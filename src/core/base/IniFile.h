#pragma once
// A thin typed layer over INI text: sections and keys kept in write order, keys and section names found
// without regard to case, values typed the way documents and settings store them.
#include "core/base/NameIndex.h"
#include "core/base/Real.h"

#include <string>
#include <string_view>
#include <vector>

class IniFile {
public:
    IniFile() = default;
    // Reads FileName when it exists; a missing, empty, binary or truncated file gives what it holds.
    // UTF-8 is read as is; bytes that are not valid UTF-8 are taken as Windows-1251 and converted.
    explicit IniFile(const std::string& fileName);

    const std::string& FileName() const { return m_fileName; }
    bool Load(const std::string& fileName); // replaces the content; false when the file cannot be opened
    void LoadFromText(const std::string& text);
    // UTF-8, one "key=value" a line, "[Section]" lines, "\n" line ends. A value with blanks at an end, or
    // enclosed in quotes, is written in double quotes so that it reads back as it was.
    std::string ToText() const;

    // Writes the content to FileName (or the given name) through a temporary in the same folder renamed over
    // the target, so a failure leaves the previous file intact. Returns false on any failure.
    bool Save() const;
    bool SaveAs(const std::string& fileName) const;

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(const std::string& section) const;
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& key);
    void AddSection(const std::string& section); // appends an empty section unless it exists

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // Decimal, or hexadecimal after "0x"; anything else gives def.
    long long ReadInteger(const std::string& section, const std::string& key, long long def) const;
    // Any integer other than 0 is true; text that is no integer gives def.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    // An empty or unreadable value gives def.
    Real ReadFloat(const std::string& section, const std::string& key, Real def) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, long long value);
    void WriteBool(const std::string& section, const std::string& key, bool value);  // "1" / "0"
    void WriteFloat(const std::string& section, const std::string& key, Real value); // PlainNumberText

private:
    struct Entry {
        std::string key, value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        NameIndex keyIndex; // built once the section outgrows a short scan
        std::ptrdiff_t findKey(std::string_view key) const;
        void addKey(std::string key, std::string value);
        void rebuildIndex();
    };
    Section* find(const std::string& section);
    const Section* find(const std::string& section) const;
    const Entry* findEntry(const std::string& section, const std::string& key) const;
    Section& findOrAdd(const std::string& section);
    void rebuildSectionIndex();

    std::string m_fileName;
    std::vector<Section> m_sections;
    NameIndex m_sectionIndex;
};
