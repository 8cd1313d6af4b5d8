// The desktop entry, the AppStream metadata and the installed icon agree on one application id,
// and the metadata's release is the project's version.
#include <gtest/gtest.h>

#include <fstream>
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

TEST(DesktopEntry, StartsTheGameFromPathUnderItsJapaneseNameWithTheInstalledIcon) {
    const std::string entry =
        ReadText(std::string(RAVELO2_DESKTOP_DIR) + "/" + kAppId + ".desktop");
    ASSERT_FALSE(entry.empty()) << "desktop entry not found";
    const std::string lines[] = {"Exec=ravelo2", "Icon=" + kAppId, "Name=ラヴェロ2",
                                 "Name[ja]=ラヴェロ2", "Categories=Game;BoardGame;"};
    for (const std::string& line : lines)
        EXPECT_NE(entry.find("\n" + line + "\n"), std::string::npos) << line;
}

TEST(Metainfo, NamesTheDesktopEntryAndTheProgramAndReleasesTheProjectVersion) {
    const std::string xml = ReadText(RAVELO2_METAINFO);
    ASSERT_FALSE(xml.empty()) << "configured metainfo not found";
    const std::string parts[] = {
        "<id>" + kAppId + "</id>",
        "<launchable type=\"desktop-id\">" + kAppId + ".desktop</launchable>",
        "<binary>ravelo2</binary>", "<release version=\"" RAVELO2_VERSION "\""};
    for (const std::string& part : parts)
        EXPECT_NE(xml.find(part), std::string::npos) << part;
    EXPECT_EQ(xml.find('@'), std::string::npos) << "a placeholder left unconfigured";
}

} // namespace
