#include "core/app/ProgramSettings.h"

namespace {

constexpr const char* MainSection = "MainWindow";
constexpr const char* ObjectsSection = "Objects";
constexpr const char* GraphSection = "Graph";
constexpr const char* AnswersSection = "Answers";

// Beyond any screen: such a value is a damaged file, not a place.
constexpr long long MaxCoordinate = 100000;
constexpr long long MaxFontSize = 144;
constexpr long long MaxColor = 0xFFFFFF;

class TReader {
public:
    explicit TReader(const IniFile& ini) : m_ini(ini) {}

    void Int(const char* section, const char* key, int& value, long long min, long long max) const {
        const long long v = m_ini.ReadInteger(section, key, value);
        if (v >= min && v <= max) value = static_cast<int>(v);
    }
    void Position(const char* section, const char* key, int& value) const {
        Int(section, key, value, -MaxCoordinate, MaxCoordinate);
    }
    void Size(const char* section, const char* key, int& value) const {
        Int(section, key, value, 0, MaxCoordinate);
    }
    void Bool(const char* section, const char* key, bool& value) const {
        value = m_ini.ReadBool(section, key, value);
    }
    void Color(const char* section, const char* key, TColor& value) const {
        const long long v = m_ini.ReadInteger(section, key, value);
        if (v >= 0 && v <= MaxColor) value = static_cast<TColor>(v);
    }
    void String(const char* section, const char* key, std::string& value, bool emptyAllowed) const {
        std::string v = m_ini.ReadString(section, key, value);
        if (emptyAllowed || !v.empty()) value = std::move(v);
    }
    void Rect(const char* section, TWinRect& r) const {
        Position(section, "Left", r.Left);
        Position(section, "Top", r.Top);
        Size(section, "Width", r.Width);
        Size(section, "Height", r.Height);
    }

private:
    const IniFile& m_ini;
};

void WriteRect(IniFile& ini, const char* section, const TWinRect& r) {
    ini.WriteInteger(section, "Left", r.Left);
    ini.WriteInteger(section, "Top", r.Top);
    ini.WriteInteger(section, "Width", r.Width);
    ini.WriteInteger(section, "Height", r.Height);
}

} // namespace

TProgramSettings ReadProgramSettings(const IniFile& ini) {
    TProgramSettings s;
    const TReader r(ini);
    r.Position(MainSection, "Left", s.MainLeft);
    r.Position(MainSection, "Top", s.MainTop);
    r.Size(MainSection, "ClientWidth", s.MainClientWidth);
    r.Size(MainSection, "ClientHeight", s.MainClientHeight);
    int state = static_cast<int>(s.WindowState);
    r.Int(MainSection, "WindowState", state, 0, 2);
    s.WindowState = static_cast<TMainWindowState>(state);
    r.String(MainSection, "Language", s.Language, false);
    r.Int(MainSection, "Digits", s.Digits, 0, MaxDigitsSetting);
    r.Bool(MainSection, "AutoSizeWin", s.AutoSizeWin);
    r.Bool(MainSection, "AutoGrBuild", s.AutoGrBuild);

    r.Rect(ObjectsSection, s.Objects);
    r.Size(ObjectsSection, "ObjMemoHeight", s.ObjMemoHeight);

    r.Bool(GraphSection, "MVisible", s.MVisible);
    r.Size(GraphSection, "SGHeight", s.SGHeight);
    r.Rect(GraphSection, s.Graph);
    r.Color(GraphSection, "TextColor", s.TextColor);
    r.Color(GraphSection, "BackColor", s.BackColor);
    r.Color(GraphSection, "MarkColor", s.MarkColor);
    r.Color(GraphSection, "AxeColor", s.AxeColor);
    r.Color(GraphSection, "AddColor", s.AddColor);
    r.Color(GraphSection, "MouseColor", s.MouseColor);
    r.String(GraphSection, "XName", s.XName, true);
    r.String(GraphSection, "YName", s.YName, true);

    r.Rect(AnswersSection, s.Answers);

    r.String(GraphSection, "grLabelFontName", s.LabelFontName, false);
    r.Int(GraphSection, "grLabelFontSize", s.LabelFontSize, 1, MaxFontSize);
    r.String(GraphSection, "grAxeFontName", s.AxeFontName, false);
    r.Int(GraphSection, "grAxeFontSize", s.AxeFontSize, 1, MaxFontSize);
    return s;
}

void WriteProgramSettings(IniFile& ini, const TProgramSettings& s) {
    ini.WriteInteger(MainSection, "Left", s.MainLeft);
    ini.WriteInteger(MainSection, "Top", s.MainTop);
    ini.WriteInteger(MainSection, "ClientWidth", s.MainClientWidth);
    ini.WriteInteger(MainSection, "ClientHeight", s.MainClientHeight);
    ini.WriteInteger(MainSection, "WindowState", static_cast<int>(s.WindowState));
    ini.WriteString(MainSection, "Language", s.Language);
    ini.WriteInteger(MainSection, "Digits", s.Digits);
    ini.WriteBool(MainSection, "AutoSizeWin", s.AutoSizeWin);
    ini.WriteBool(MainSection, "AutoGrBuild", s.AutoGrBuild);

    WriteRect(ini, ObjectsSection, s.Objects);
    ini.WriteInteger(ObjectsSection, "ObjMemoHeight", s.ObjMemoHeight);

    ini.WriteBool(GraphSection, "SGVisible", s.SGVisible);
    ini.WriteBool(GraphSection, "MVisible", s.MVisible);
    ini.WriteInteger(GraphSection, "SGHeight", s.SGHeight);
    WriteRect(ini, GraphSection, s.Graph);
    ini.WriteInteger(GraphSection, "TextColor", s.TextColor);
    ini.WriteInteger(GraphSection, "BackColor", s.BackColor);
    ini.WriteInteger(GraphSection, "MarkColor", s.MarkColor);
    ini.WriteInteger(GraphSection, "AxeColor", s.AxeColor);
    ini.WriteInteger(GraphSection, "AddColor", s.AddColor);
    ini.WriteInteger(GraphSection, "MouseColor", s.MouseColor);
    ini.WriteString(GraphSection, "XName", s.XName);
    ini.WriteString(GraphSection, "YName", s.YName);

    WriteRect(ini, AnswersSection, s.Answers);

    ini.WriteString(GraphSection, "grLabelFontName", s.LabelFontName);
    ini.WriteInteger(GraphSection, "grLabelFontSize", s.LabelFontSize);
    ini.WriteString(GraphSection, "grAxeFontName", s.AxeFontName);
    ini.WriteInteger(GraphSection, "grAxeFontSize", s.AxeFontSize);
}
