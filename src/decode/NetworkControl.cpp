#include "decode/NetworkControl.h"

#include "decode/Decoders.h"
#include "decode/Lighting.h"

namespace zelvo {

// Identify attribute name -> code, in the identify list's order.
const std::array<IdentifyAttribute, 77> IdentifyAttributes{{
    {"Manufacturer", "00"},
    {"Type", "01"},
    {"Firmware version", "02"},
    {"Summary", "03"},
    {"Extended Diagnostic Summary", "04"},
    {"Network terminal levels", "05"},
    {"Terminal levels", "06"},
    {"Network voltage", "07"},
    {"Group Values current", "08"},
    {"Group Values stored", "09"},
    {"Group Addresses", "0A"},
    {"Logic assignment", "0B"},
    {"Delays", "0C"},
    {"Minimum levels", "0D"},
    {"Maximum levels", "0E"},
    {"Current sense levels", "0F"},
    {"Output unit summary", "10"},
    {"DSI status", "11"},
    {"DCP Manufacturer", "12"},
    {"DCP Dimmer type", "13"},
    {"DCP Firmware version", "14"},
    {"Light Level", "15"},
    {"Multisensor Summary", "16"},
    {"Universal Dimmer Status", "17"},
    {"Occupancy Controller Status", "18"},
    {"DCP Channel control modes", "1A"},
    {"DCP Operating mode", "1B"},
    {"DCP Channel operating mode", "1C"},
    {"DCP Channel error state", "1D"},
    {"DCP Channel names dump", "1E"},
    {"Secondary Group Address", "20"},
    {"Current Key Modifiers", "21"},
    {"Get Date and Time", "22"},
    {"Get LCDM Firmware revision", "30"},
    {"Get LCDM vocabulary number", "31"},
    {"Get LCDM total user flash", "32"},
    {"Get LCDM vocabulary start address (High)", "33"},
    {"Get LCDM vocabulary start address (Low)", "34"},
    {"Get LCDM vocabulary end address (High)", "35"},
    {"Get LCDM vocabulary end address (Low)", "36"},
    {"Get LCDM first codepage", "37"},
    {"Get LCDM next codepage", "38"},
    {"Get LCDM first icons list language", "39"},
    {"Get LCDM next icons list language", "3A"},
    {"Get LCDM first language", "3B"},
    {"Get LCDM next language", "3C"},
    {"Get LCDM Memory", "3D"},
    {"Autotester data", "40"},
    {"Unit Temperature", "50"},
    {"Unit Supply Voltage", "51"},
    {"Background RSSI", "52"},
    {"Last Packet RSSI", "53"},
    {"Input Group Values 1..8 Current", "60"},
    {"Input Group Values 9..16 Current", "61"},
    {"Output Group Values 1..8 Current", "62"},
    {"Output Group Values 9..16 Current", "63"},
    {"Misc Group Values 1..8 Current", "64"},
    {"Input Group Values 1..8 Stored", "65"},
    {"Input Group Values 9..16 Stored", "66"},
    {"Output Group Values 1..8 Stored", "67"},
    {"Output Group Values 9..16 Stored", "68"},
    {"Misc Group Values 1..8 Stored", "69"},
    {"Input Group Addresses 1..8", "6A"},
    {"Input Group Addresses 9..16", "6B"},
    {"Output Group Addresses 1..8", "6C"},
    {"Output Group Addresses 9..16", "6D"},
    {"Misc Group Addresses 1..8", "6E"},
    {"Input Scndry Group Addresses 1..8", "6F"},
    {"Input Scndry Group Addresses 9..16", "70"},
    {"Output Scndry Group Addresses 1..8", "71"},
    {"Output Scndry Group Addresses 9..16", "72"},
    {"Misc Scndry Group Addresses 1..8", "73"},
    {"Install S/W Magic number", "FC"},
    {"Features and Ratings", "FD"},
    {"MAI", "FE"},
    {"Current Sensor Channel Currents", "23"},
    {"Current Sensor Channel Voltages & Power Factors", "24"},
}};

std::vector<std::string> IdentifyAttributeNames() {
  std::vector<std::string> names;
  names.reserve(IdentifyAttributes.size());
  for (const auto& a : IdentifyAttributes) names.emplace_back(a.Name);
  return names;
}

std::string IdentifyAttributeCode(std::string_view name) {
  for (const auto& a : IdentifyAttributes)
    if (a.Name == name) return std::string(a.Code);
  return "00";
}

std::string StatusCodingText(int coding) {
  std::string text = (coding & 0x40) ? "Non-Local, " : "Local, ";
  switch (coding & 0x1F) {
    case 0: return text + "Status MMI";
    case 7: return text + "Level MMI";
    default: return text + "Unknown MMI Type";
  }
}

namespace {

std::string OnOff(int v) { return v != 0 ? "On" : "Off"; }

// An MMI request (7A, or FA): application FF asks for the whole
// installation, any other value names the application to scan.
std::string MmiRequestText(DecodeCall& d, int k) {
  const int app = d.B(k + 1);
  if (app == 0xFF) return "Installation MMI Request";
  return "Status MMI Request, Application " + d.NS(app);
}

}  // namespace

std::string DecodeNetworkControlCommand(DecodeCall& d, int k, int C) {
  switch (C) {
    case 0x04:
      return "Master Learn, Application " + d.NS(d.B(k + 1)) + ", " + LearnTypeText(d.B(k + 2)) + ", GA " +
             d.NS(d.B(k + 3));
    case 0x0F:
      return "Unit Address Assignment, Manufacturer = " + d.NS(d.B(k + 1)) +
             ", Serial No = " + HexBytesText(d, k + 2, 4) + ", Address = " + d.NS(d.B(k + 6));
    case 0x13: return "Locate Yourself mode " + OnOff(d.B(k + 3)) + ", by Unit Address " + d.NS(d.B(k + 2));
    case 0x16: return "Locate Yourself mode " + OnOff(d.B(k + 6)) + ", by Serial Number " + HexBytesText(d, k + 2, 4);
    case 0x1E: return "Network Management";
    case 0x73:
      if (d.B(k + 1) == 0x07) return "Level MMI Request, Application " + d.NS(d.B(k + 2));
      break;
    case 0x7A:
    case 0xFA: return MmiRequestText(d, k);
    case 0x97: return "HCT";
    default: break;
  }
  return "Unknown";
}

void DecodeStatusReply(DecodeCall& d) {
  // Standard replies (C0..DF) carry application and block start right after
  // the header; extended ones (E0..FF) put a coding byte in front of them.
  std::string& out = d.Ctx.Work.DecodedText;
  const int header = d.B(0);
  if (header >= 0xC0 && header <= 0xDF) {
    out += "Status MMI, Application " + d.NS(d.B(1)) + ", Block Start = " + d.NS(d.B(2));
  } else if (header >= 0xE0) {
    out += "Extended Format MMI, " + StatusCodingText(d.B(1)) + ", Application " + d.NS(d.B(2)) +
           ", Block Start = " + d.NS(d.B(3));
  }
}

}  // namespace zelvo
