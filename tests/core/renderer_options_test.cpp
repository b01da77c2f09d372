#include "core/renderer_options.h"

#include "fake_files.h"

#include <gtest/gtest.h>

namespace qennet {
namespace {

using testing::FakeFiles;

TEST(RendererOptions, ListShowsTheRenderersInOrder) {
    const char* const labels[] = {"Default",    "Vuldra's 3dfx Glide", "Omrik Soft",
                                  "Velk's D3D", "Velk's OpenGL",       "Velk's OpenGL2"};
    for (ListPosition i = 0; i < kRendererCount; ++i) {
        ASSERT_NE(RendererAt(i), nullptr) << i;
        EXPECT_EQ(RendererAt(i)->label, labels[i]);
        // Only Glide carries the superscript three of the ANSI code page.
        EXPECT_EQ(RendererAt(i)->labelAnsiSuffix, i == 1 ? 179 : 0) << i;
    }
}

TEST(RendererOptions, OnlyListPositionsHaveAnEntry) {
    EXPECT_EQ(RendererAt(-1), nullptr);
    EXPECT_EQ(RendererAt(kRendererCount), nullptr);
    EXPECT_EQ(RendererAt(-32768), nullptr);
}

TEST(RendererOptions, OnlyD3DAndOpenGLPassTheirSettingsFile) {
    EXPECT_EQ(RendererAt(0)->commandOption, "");
    EXPECT_EQ(RendererAt(1)->commandOption, " --renderer=glide_renderer.vrk");
    EXPECT_EQ(RendererAt(3)->commandOption,
              " --renderer=d3d_renderer.vrk --use-renderer-cfg-file=d3d_renderer.cfg");
}

TEST(RendererOptions, SettingsAreAnEditedFileOrThePlugInsDialog) {
    EXPECT_EQ(RendererAt(0)->settings, RendererSettings::None);
    EXPECT_EQ(RendererAt(1)->settingsFile, "glide_renderer.cfg");
    for (ListPosition i = 1; i < kRendererCount; ++i) {
        const RendererOption& renderer = *RendererAt(i);
        SCOPED_TRACE(i);
        const std::string_view file = renderer.settingsFile;
        if (renderer.settings == RendererSettings::Plugin) {
            // The dialog comes from the very library the emulator is told to load.
            EXPECT_EQ(renderer.commandOption, " --renderer=" + std::string(file));
        } else {
            EXPECT_EQ(renderer.settings, RendererSettings::Editor);
            EXPECT_EQ(file.substr(file.size() - 4), ".cfg");
        }
    }
    EXPECT_EQ(RendererAt(2)->settings, RendererSettings::Plugin);
    EXPECT_EQ(RendererAt(5)->settings, RendererSettings::Plugin);
}

TEST(RendererSettingsEnabled, DefaultNeverAndEditedFilesAlways) {
    FakeFiles none;
    FakeFiles all{"soft_renderer.vrk", "ogl2_renderer.vrk", "glide_renderer.cfg",
                  "d3d_renderer.cfg",  "ogl_renderer.cfg",  "d3d_renderer.vrk"};
    for (FakeFiles* files : {&none, &all}) {
        EXPECT_EQ(RendererSettingsEnabled(0, files->Exists()), false);
        for (ListPosition i : {1, 3, 4}) {
            EXPECT_EQ(RendererSettingsEnabled(i, files->Exists()), true) << i;
        }
    }
}

TEST(RendererSettingsEnabled, PlugInsAreLookedForAtEachSelection) {
    FakeFiles files;
    EXPECT_EQ(RendererSettingsEnabled(2, files.Exists()), false);
    EXPECT_EQ(RendererSettingsEnabled(5, files.Exists()), false);

    files.present = {"soft_renderer.vrk"};
    EXPECT_EQ(RendererSettingsEnabled(2, files.Exists()), true);
    EXPECT_EQ(RendererSettingsEnabled(5, files.Exists()), false);

    files.present = {"ogl2_renderer.vrk"};
    EXPECT_EQ(RendererSettingsEnabled(2, files.Exists()), false);
    EXPECT_EQ(RendererSettingsEnabled(5, files.Exists()), true);
}

TEST(RendererSettingsEnabled, OutsideTheListTheButtonKeepsItsState) {
    FakeFiles files;
    EXPECT_EQ(RendererSettingsEnabled(-1, files.Exists()), std::nullopt);
    EXPECT_EQ(RendererSettingsEnabled(6, files.Exists()), std::nullopt);
    EXPECT_TRUE(files.asked.empty());
}

} // namespace
} // namespace qennet
