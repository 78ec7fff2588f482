#include "decode/Lighting.h"

#include "decode/Decoders.h"
#include "diagnostics/MmiState.h"
#include "link/Codec.h"

namespace zelvo {

// Language code -> name, as the label displays know them.
const std::array<LanguageEntry, 68> LanguageNames{{
    {1, "English"},
    {2, "English (Australia)"},
    {3, "English (Belize)"},
    {4, "English (Canada)"},
    {5, "English (Carribean)"},
    {6, "English (Ireland)"},
    {7, "English (Jamaica)"},
    {8, "English (New Zealand)"},
    {9, "English (Philippines)"},
    {10, "English (South Africa)"},
    {11, "English (Trinidad)"},
    {12, "English (UK)"},
    {13, "English (USA)"},
    {14, "English (Zimbabwe)"},
    {64, "Afrikaans"},
    {65, "Basque"},
    {66, "Catalan"},
    {67, "Danish"},
    {68, "Dutch (Belgium)"},
    {69, "Dutch (Netherlands)"},
    {70, "Faeroese"},
    {71, "Finnish"},
    {72, "French (Belgium)"},
    {73, "French (Canada)"},
    {74, "French"},
    {75, "French (Luxembourg)"},
    {76, "French (Monaco)"},
    {77, "French (Switzerland)"},
    {78, "Galician"},
    {79, "German (Austria)"},
    {80, "German"},
    {81, "German (Liechtenstein)"},
    {82, "German (Luxembourg)"},
    {83, "German (Switzerland)"},
    {84, "Icelandic"},
    {85, "Indonesian"},
    {86, "Italian"},
    {87, "Italian (Switzerland)"},
    {88, "Malay (Brunei)"},
    {89, "Malay"},
    {90, "Norwegian"},
    {91, "Norwegian (Nynorsk)"},
    {92, "Portuguese (Brazil)"},
    {93, "Portuguese"},
    {94, "Spanish (Argentine)"},
    {95, "Spanish (Bolivia)"},
    {96, "Spanish (Chile)"},
    {97, "Spanish (Colombia)"},
    {98, "Spanish (Costa Rica)"},
    {99, "Spanish (Dominican Republic)"},
    {100, "Spanish (Ecuador)"},
    {101, "Spanish (El Salvador)"},
    {102, "Spanish (Guatemala)"},
    {103, "Spanish (Honduras)"},
    {104, "Spanish"},
    {105, "Spanish (Mexico)"},
    {106, "Spanish (Nicaragua)"},
    {107, "Spanish (Panama)"},
    {108, "Spanish (Paraguay)"},
    {109, "Spanish (Peru)"},
    {110, "Spanish (Perto Rico)"},
    {111, "Spanish (Traditional)"},
    {112, "Spanish (Uruguay)"},
    {113, "Spanish (Venezuela)"},
    {114, "Swahili"},
    {115, "Swedish"},
    {116, "Swedish (Finland)"},
    {202, "Chinese"},
}};

namespace {

struct CodeText {
  int Code;
  std::string_view Text;
};

// Learn type (first parameter of a learn command) -> text.
constexpr std::array<CodeText, 6> kLearnTypes{{
    {1, "Initiate Relay"},
    {2, "Initiate Dimmer"},
    {128, "Cancel"},
    {129, "Exit Relay"},
    {130, "Exit Dimmer"},
    {131, "Exit Area"},
}};

// Label flavours (options bits 1-2).
constexpr int kFlavourText = 0;
constexpr int kFlavourPredefinedIcon = 1;
constexpr int kFlavourDynamicIcon = 2;
constexpr int kFlavourSetLanguage = 3;

constexpr int kOptActionSelector = 0x01;
constexpr int kOptNoInterpretation = 0x08;

bool IsLabelCommand(int C) { return C >= 0xA0 && C <= 0xBF; }

// Keeps the MMI results window current while "Automatic Refresh" is on: a
// level scan follows the levels, an application scan the on/off state.
void UpdateMmiResults(DecodeCall& d, int k, int C) {
  MmiScanState* mmi = d.Ctx.Mmi;
  if (mmi == nullptr || !mmi->AutoRefresh || d.B(2) != mmi->FParameter) return;
  if (mmi->MMIType != kMmiLevel && mmi->MMIType != kMmiApplication) return;
  int& result = mmi->MMIResults[d.B(k + 1)];
  const bool level = mmi->MMIType == kMmiLevel;
  if (C == 0x01) {
    result = level ? 0 : 2;
  } else if (C == 0x79) {
    result = level ? 255 : 1;
  } else if (IsRampCommand(C)) {
    const int target = d.B(k + 2);
    result = level ? target : (target != 0 ? 1 : 2);
  }
  if (mmi->ResultsVisible && mmi->Redraw) mmi->Redraw();
}

}  // namespace

std::string_view RampRateText(int C) {
  for (const auto& r : RampRateTexts)
    if (r.Byte == C) return r.Text;
  return {};
}

std::string LevelText(int level, bool hexNumbers) {
  const int p = LevelToPercent(level);
  if (PercentToLevel(p) == level) return std::to_string(p) + "%";
  return NumberString(level, hexNumbers);
}

std::string LearnTypeText(int value) {
  for (const auto& t : kLearnTypes)
    if (t.Code == value) return std::string(t.Text);
  return "-Unknown-";
}

std::string LanguageName(int code) {
  for (const auto& l : LanguageNames)
    if (l.Code == code) return std::string(l.Name);
  return {};
}

std::string DecodeLabelOptions(DecodeCall& d, int k, int C, bool actionAllowed) {
  const int O = d.B(k + 2);
  int R = (C & 0x1F) - 2;  // bytes after group and options
  int D = k + 3;           // first of them
  const bool hasAction = (O & kOptActionSelector) != 0;
  std::string text = "Variant " + d.NS((O & 0x60) >> 5);

  // Bit 3 and the flavour together: no language byte with "no
  // interpretation" or with a dynamic icon.
  switch ((O >> 1) & 7) {
    case 0:
    case 1:
    case 3: {
      const int code = d.B(hasAction ? k + 4 : k + 3);
      text += ", Language " + d.NS(code);
      const std::string name = LanguageName(code);
      if (!name.empty()) text += " [" + name + "]";
      ++D;
      --R;
      break;
    }
    default: break;
  }

  if (hasAction) {
    if (actionAllowed) {
      text += ", Action Selector " + d.NS(d.B(k + 3));
      ++D;
      --R;
    } else {
      text += ", Illegal Action Byte";  // the byte stays counted as data
    }
  }

  if (O & kOptNoInterpretation)
    return text + ", No interpretation, " + std::to_string(R) + " Bytes = " + HexBytesText(d, D, R);

  switch ((O >> 1) & 3) {
    case kFlavourText:
      return text + ", Text label, " + std::to_string(R) + " Bytes = \"" + CharBytesText(d, D, R) + "\"";
    case kFlavourPredefinedIcon:
      // The first data byte is not part of the icon number.
      return text + ", Predefined icon " + d.NSS(d.B(D + 1) * 256 + d.B(D + 2), 2);
    case kFlavourDynamicIcon:
      return text + ", Dynamic icon, " + std::to_string(R) + " Bytes = " + HexBytesText(d, D, R);
    case kFlavourSetLanguage: return text + ", Set Preferred Language";
  }
  return text;
}

std::string DecodeLightingCommand(DecodeCall& d, int k, int C) {
  const std::string ga = "GA " + d.NS(d.B(k + 1));
  std::string text;
  switch (C) {
    case 0x01: text = ga + " Off"; break;
    case 0x02: text = ga + " Set to " + LevelText(d.B(k + 2), d.Hex()); break;
    case 0x03: {
      // Learn: type, group, and a two's-complement checksum of the two.
      const int type = d.B(k + 1);
      const int group = d.B(k + 2);
      text = "Learn " + LearnTypeText(type) + ", GA " + d.NS(group);
      if ((type + group + d.B(k + 3)) % 256 != 0) text += ", BAD CHECKSUM";
      break;
    }
    case 0x09: text = ga + " Terminate Ramp"; break;
    case 0x79: text = ga + " On"; break;
    default:
      // The other ramp rates (0A .. 7A) share one text.
      if (IsRampCommand(C))
        text = ga + " Ramp to " + LevelText(d.B(k + 2), d.Hex()) + " at " + std::string(RampRateText(C)) + " rate";
      else
        text = IsLabelCommand(C) ? ga + " Label, " + DecodeLabelOptions(d, k, C, false) : "Unknown";
      break;
  }
  UpdateMmiResults(d, k, C);
  return text;
}

std::string DecodeControlCommand(DecodeCall& d, int k, int C) {
  // Trigger and enable values are raw numbers, never percentages.
  const std::string grp = "Grp " + d.NS(d.B(k + 1));
  std::string text;
  switch (C) {
    case 0x01: text = grp + " Off (0)"; break;
    case 0x02: text = grp + " set to " + d.NS(d.B(k + 2)); break;
    case 0x09: text = grp + " Scene Indicator Kill"; break;
    case 0x79: text = grp + " On (FF)"; break;
    default:
      if (IsRampCommand(C))
        text = grp + " set to " + d.NS(d.B(k + 2)) + " over " + std::string(RampRateText(C)) +
               " - illegal Application Use";
      else
        text = IsLabelCommand(C) ? grp + " Label, " + DecodeLabelOptions(d, k, C, true) : " - Unknown";
      break;
  }
  return "Ctrl: " + text;
}

}  // namespace zelvo
