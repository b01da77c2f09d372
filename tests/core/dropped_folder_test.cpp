#include "core/dropped_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace qennet {
namespace {

TEST(DroppedFolder, TheFirstFolderElseTheFirstFilesFolder) {
    const std::set<std::string> folders = {"C:\\Roms", "D:\\More Roms"};
    const struct {
        std::vector<std::string> names;
        std::string folder;
    } cases[] = {
        {{}, ""},
        {{"C:\\Roms"}, "C:\\Roms"},
        {{"C:\\Roms\\sfex.zip", "D:\\More Roms", "C:\\Roms"}, "D:\\More Roms"},
        {{"C:\\Roms\\sfex.zip", "D:\\x\\psyforce.zip"}, "C:\\Roms"},
        {{"C:\\sfex.zip"}, "C:\\"},
        {{"\\\\server\\share\\sfex.zip"}, "\\\\server\\share"},
        {{"C:/Roms/sfex.zip"}, "C:/Roms"},
        {{"sfex.zip"}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DroppedFolder(c.names,
                                [&](const std::string& name) { return folders.count(name) > 0; }),
                  c.folder)
            << (c.names.empty() ? "nothing" : c.names.front());
    }
}

} // namespace
} // namespace qennet
