// The files that make Vorn1 a desktop program (menu entry, document type, icons) agree with the program and
// with each other.
#include "core/base/IniFile.h"
#include "core/document/DocumentFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
const std::string Packaging = std::string(VORN1_SOURCE_DIR) + "/packaging/";

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
} // namespace

TEST(DesktopFiles, TheMenuEntryOpensVr1DocumentsWithTheProgramAndItsIcon) {
    const IniFile desktop(Packaging + "vorn1.desktop");
    const std::string entry = "Desktop Entry";
    ASSERT_TRUE(desktop.SectionExists(entry));
    EXPECT_EQ(desktop.ReadString(entry, "Type", ""), "Application");
    EXPECT_EQ(desktop.ReadString(entry, "Exec", ""), "vorn1 %f") << "one document a start";
    EXPECT_EQ(desktop.ReadString(entry, "Icon", ""), "vorn1");
    EXPECT_EQ(desktop.ReadString(entry, "MimeType", ""), "application/x-vorn1;");

    const std::string mime = Slurp(Packaging + "vorn1-mime.xml");
    EXPECT_NE(mime.find("<mime-type type=\"application/x-vorn1\">"), std::string::npos);
    EXPECT_NE(mime.find(std::string("<glob pattern=\"*.") + DocumentExtension + "\"/>"), std::string::npos);
    EXPECT_NE(mime.find("<icon name=\"application-x-vorn1\"/>"), std::string::npos);

    EXPECT_NE(Slurp(Packaging + "vorn1.svg").find("<svg"), std::string::npos);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const std::string png =
            Slurp(Packaging + "icons/" + std::to_string(size) + "x" + std::to_string(size) + "/vorn1.png");
        ASSERT_GT(png.size(), 24u);
        EXPECT_EQ(png.substr(1, 3), "PNG");
        // The width and height, big-endian at bytes 16 and 20 of the header.
        const auto side = [&png](int at) {
            return (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
        };
        EXPECT_EQ(side(16), size);
        EXPECT_EQ(side(20), size);
    }
}
