// The desktop entry, the AppStream metadata and the installed icon agree on one application id,
// and the metadata's release is the project's version.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

const std::string kAppId = "io.github.ravelo2.Ravelo2";

std::string ReadText(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::map<std::string, std::string> DesktopEntry() {
    std::map<std::string, std::string> keys;
    std::istringstream lines(
        ReadText(std::string(RAVELO2_DESKTOP_DIR) + "/" + kAppId + ".desktop"));
    std::string line;
    while (std::getline(lines, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos && line[0] != '#') {
            keys[line.substr(0, eq)] = line.substr(eq + 1);
        }
    }
    return keys;
}

TEST(DesktopEntry, StartsTheGameUnderItsJapaneseNameWithTheInstalledIcon) {
    auto keys = DesktopEntry();
    ASSERT_FALSE(keys.empty()) << "desktop entry not found";
    EXPECT_EQ(keys["Type"], "Application");
    EXPECT_EQ(keys["Exec"], "ravelo2");
    EXPECT_EQ(keys["Icon"], kAppId) << "the name the icon is installed under";
    EXPECT_EQ(keys["Name"], "ラヴェロ2");
    EXPECT_EQ(keys["Name[ja]"], "ラヴェロ2");
    EXPECT_FALSE(keys["Comment"].empty());
    EXPECT_EQ(keys["Comment[ja]"], keys["Comment"]);
    EXPECT_EQ(keys["Categories"], "Game;BoardGame;");
    EXPECT_EQ(keys["Terminal"], "false");
}

TEST(Metainfo, NamesTheDesktopEntryAndReleasesTheProjectVersion) {
    const std::string xml = ReadText(RAVELO2_METAINFO);
    ASSERT_FALSE(xml.empty()) << "configured metainfo not found";
    EXPECT_NE(xml.find("<id>" + kAppId + "</id>"), std::string::npos);
    EXPECT_NE(xml.find("<launchable type=\"desktop-id\">" + kAppId + ".desktop</launchable>"),
              std::string::npos);
    EXPECT_NE(xml.find("<binary>ravelo2</binary>"), std::string::npos);
    EXPECT_NE(xml.find("<release version=\"" RAVELO2_VERSION "\""), std::string::npos);
    EXPECT_EQ(xml.find('@'), std::string::npos) << "a placeholder left unconfigured";
    EXPECT_NE(xml.find("<name xml:lang=\"ja\">ラヴェロ2</name>"), std::string::npos);
    EXPECT_NE(xml.find("<content_rating type=\"oars-1.1\""), std::string::npos);
}

} // namespace
