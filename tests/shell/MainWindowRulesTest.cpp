#include <gtest/gtest.h>

#include "shell/Caption.h"
#include "shell/EnableRules.h"
#include "shell/ProgramSettings.h"
#include "shell/Tabs.h"

namespace zelvo {
namespace {

TEST(EnableRules, InterfaceItemsFollowTheProbeAndLevelMmiNeedsVersion400) {
  const auto* identify = FindEnableRule("Identify");
  const auto* level = FindEnableRule("Level MMI");
  const auto* analyser = FindEnableRule("Traffic Analyser");
  ASSERT_TRUE(identify && level && analyser);
  EXPECT_EQ(FindEnableRule("Program Options..."), nullptr);
  EXPECT_FALSE(ItemEnabled(identify->Need, false, 1024));
  EXPECT_TRUE(ItemEnabled(identify->Need, true, 0));
  EXPECT_FALSE(ItemEnabled(level->Need, true, 1023));
  EXPECT_TRUE(ItemEnabled(level->Need, true, 1024));
  EXPECT_FALSE(ItemEnabled(analyser->Need, false, 2048));
  EXPECT_TRUE(FindEnableRule(kApplicationTabs));
}

TEST(Caption, LinkAndProjectFile) {
  EXPECT_EQ(MainFormUpdateCaption("", ""), "Zelvo Diagnostic Utility");
  EXPECT_EQ(MainFormUpdateCaption(CaptionLinkName(0, "1.2.3.4", "COM1"), ""), "Zelvo Diagnostic Utility - COM1");
  EXPECT_EQ(MainFormUpdateCaption(CaptionLinkName(1, "127.0.0.1", "COM1"), "/home/u/site.hvd"),
            "Zelvo Diagnostic Utility - 127.0.0.1    [SITE.HVD]");
}

TEST(Tabs, HiddenTabsKeepTheirSettingButNeverShow) {
  ProgramSettings s;
  ASSERT_EQ(TabList().size(), static_cast<std::size_t>(kTabCount));
  EXPECT_TRUE(TabShown(s, kTabLighting));
  EXPECT_FALSE(TabShown(s, kTabSceneMgt));
  EXPECT_FALSE(TabShown(s, kTabCustom));
  TabItemClick(s, kTabHVAC);
  EXPECT_FALSE(TabShown(s, kTabHVAC));
  TabItemClick(s, kTabCAL);
  EXPECT_FALSE(s.ShowTab[kTabCAL]);  // toggled and kept, still hidden
  EXPECT_EQ(TabList()[kTabAudio].Pages.size(), 2u);
  EXPECT_EQ(TabList()[kTabAudio].Pages[0], "P&&P Audio Master");
  EXPECT_TRUE(IsHiddenAtStart("Save &As..."));
  EXPECT_FALSE(IsHiddenAtStart("&Print"));
}

}  // namespace
}  // namespace zelvo
