// The example documents shipped with the program open, and each has what its name promises.
#include "core/base/IniFile.h"
#include "core/document/DocumentFile.h"
#include "core/formula/ParamTable.h"
#include "core/plot/TMasshImage.h"
#include "core/stats/TGList.h"
#include "support/ParamTableGuard.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>

namespace {
std::vector<std::string> Examples() {
    std::vector<std::string> names;
    const std::string dir = std::string(VORN1_SOURCE_DIR) + "/examples";
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string name = e->d_name;
            if (name.size() > 4 && name.substr(name.size() - 4) == ".vr1") names.push_back(dir + "/" + name);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST(Examples, EveryExampleOpensWithAllItsObjects) {
    const TParamTableGuard params;
    const std::vector<std::string> examples = Examples();
    ASSERT_GE(examples.size(), 4u);
    for (const std::string& path : examples) {
        SCOPED_TRACE(path);
        ParamTable().ResetForNewDocument();
        TDocument doc;
        TMasshImage image;
        ApplyGraphWindowDefaults(image);
        image.SetSize(800, 600);
        TGList labels;
        ASSERT_TRUE(LoadDocument(path, {doc, image, labels}));
        IniFile ini(path);
        EXPECT_EQ(doc.Objects.Count(), ini.ReadInteger("Vorn1", "Num", -1)) << "every object kind is known";
        for (int i = 0; i < doc.Objects.Count(); ++i) {
            EXPECT_TRUE(doc.Objects.Object(i).Compiled()) << doc.Objects[i].Caption;
            EXPECT_LT(doc.Objects.Object(i).MinY, UndefinedValue)
                << "has defined points: " << doc.Objects[i].Caption;
        }
    }
}
