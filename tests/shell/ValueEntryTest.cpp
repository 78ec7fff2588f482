#include "shell/ValueEntry.h"

#include <gtest/gtest.h>

#include "support/FakeHost.h"

namespace zelvo {
namespace {

TEST(ValueEntry, ListItems) {
  const NumberList apps{NumberListKind::Integer, 0, 256};
  EXPECT_EQ(NumberListItems(apps, false)[255], "255");
  EXPECT_EQ(NumberListItems(apps, true)[255], "FF");
  const auto fade = NumberListItems({NumberListKind::Decimal, -100, 201}, true);
  EXPECT_EQ(fade.front(), "-100");
  EXPECT_EQ(fade.size(), 201u);
  const auto access = NumberListItems({NumberListKind::WithAll, 0, 255}, false);
  EXPECT_EQ(access.size(), 256u);
  EXPECT_EQ(access.back(), "All");
  const auto langs = NumberListItems({NumberListKind::Language, 0, 3}, true,
                                     [](int n) { return n == 1 ? std::string("English") : std::string(); });
  EXPECT_EQ(langs, (std::vector<std::string>{"00", "01 - English", "02"}));
}

TEST(ValueEntry, RangedNumbers) {
  struct Case {
    const char* text;
    int low;
    int high;
    bool hex;
    int value;
  };
  for (auto c : {Case{"300", 0, 255, false, kInvalidRangedNumber}, Case{"300", 0, 255, true, kInvalidRangedNumber},
                 Case{"80", -128, 127, true, -128}, Case{"7F", -128, 127, true, 127},
                 Case{"100", -128, 127, true, kInvalidRangedNumber}, Case{"FF", -128, 127, true, -1},
                 Case{"12 - Spanish", 0, 255, false, 12}, Case{"-5", -128, 127, false, -5},
                 Case{"abc", 0, 255, false, kInvalidRangedNumber}}) {
    test::FakeHost host;
    EXPECT_EQ(ReadRangedNumber(host, c.text, c.low, c.high, c.hex), c.value) << c.text;
    EXPECT_EQ(host.messages.size(), c.value == kInvalidRangedNumber ? 1u : 0u) << c.text;
  }
  test::FakeHost host;
  ReadRangedNumber(host, "300", 0, 255, true);
  EXPECT_EQ(host.messages[0].Text, "Invalid input, must be a number in the range 00 to FF");
  ReadRangedNumber(host, "300", 0, 255, false);
  EXPECT_EQ(host.messages[1].Text, "Invalid input, must be a number in the range 0 to 255");
}

TEST(ValueEntry, IntegerComboGivesItemIndex) {
  test::FakeHost host;
  const NumberList plant{NumberListKind::Integer, -128, 256};
  EXPECT_EQ(CheckIntegerComboText(host, plant, "80", true), 0);
  EXPECT_EQ(CheckIntegerComboText(host, plant, "0", false), 128);
  EXPECT_EQ(CheckIntegerComboText(host, plant, "200", false), std::nullopt);
  // The "All" item of a list with "All" is a valid entry; the numbers stay
  // within their own run.
  const NumberList access{NumberListKind::WithAll, 0, 255};
  host.messages.clear();
  EXPECT_EQ(CheckIntegerComboText(host, access, "All", true), 255);
  EXPECT_EQ(CheckIntegerComboText(host, access, "254", false), 254);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(CheckIntegerComboText(host, access, "255", false), std::nullopt);
}

TEST(ValueEntry, FloatingEdits) {
  struct Case {
    FloatingEditKind kind;
    std::optional<double> value;
    bool ok;
    const char* message;
  };
  for (auto c : {Case{FloatingEditKind::HvacTemperature, 127.5, false,
                      "Temperature must be in the range -128.0 to +127.0 degrees C"},
                 Case{FloatingEditKind::HvacTemperature, -128.0, true, ""},
                 Case{FloatingEditKind::ShortInfoNumber, 3276.79, true, ""},
                 Case{FloatingEditKind::ShortInfoNumber, 3276.8, false,
                      "Short Message Number must be in the range -3276.8 to +3276.7"},
                 Case{FloatingEditKind::ShortInfoNumber, -3276.8, true, ""},
                 Case{FloatingEditKind::Other, std::nullopt, false, "Invalid floating point number "},
                 Case{FloatingEditKind::Other, 1e300, true, ""}}) {
    test::FakeHost host;
    EXPECT_EQ(CheckFloatingValue(host, c.kind, c.value), c.ok);
    EXPECT_EQ(host.messages.empty() ? std::string() : host.messages[0].Text, c.message);
  }
  EXPECT_EQ(DataEntryModeText(true), "Data Entry Mode: HEXADECIMAL");
  EXPECT_EQ(DataEntryModeText(false), "Data Entry Mode: DECIMAL");
}

}  // namespace
}  // namespace zelvo
