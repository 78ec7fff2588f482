#pragma once
// The live filter: which transmitted and received messages the monitor
// shows, judged on their decoded text. The same matcher serves the log-file
// filter and the error history. The "Filtering Parameters" dialog is kept
// here as a plain data model; the window only mirrors it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/Codec.h"

namespace zelvo {

struct DecodeContext;

// Line 0 networks, line 1 units, line 2 direction ("0" transmitted only,
// "1" received only, "2" both), then one line per application row: the
// application, a blank, its group list.
using TCriteriaList = std::vector<std::string>;

// The list as one comma-separated text; items holding blanks, commas or
// quotes are quoted. The cleared dialog gives ",,2".
std::string CommaText(const TCriteriaList& list);
TCriteriaList ClearedCriteria();
// True for the criteria of a cleared dialog: the filter is then off.
bool IsClearedCriteria(const TCriteriaList& list);

// A criteria list split once, so matching a message allocates nothing.
// Numbers are kept in both number formats because "Hexadecimal Numbers"
// may change while the criteria stand.
struct FilterToken {
  std::string Text;
  bool IsRange = false;
  int Low[2] = {-1, -1};  // [decimal, hexadecimal]
  int High[2] = {-1, -1};
};
struct FilterRow {
  std::string App;
  std::string AppName[2];  // ApplicationName in decimal and hexadecimal
  std::vector<FilterToken> Groups;
};
struct FilterCriteria {
  std::vector<FilterToken> Networks;
  std::vector<FilterToken> Units;
  std::string Direction;
  std::vector<FilterRow> Rows;
};
FilterCriteria CompileCriteria(const TCriteriaList& Criteria);

// Whether any token from firstTokenIndex (counted from 1) on matches the
// candidate: a single value by exact text, a range "low-high" by number in
// the current number format. An empty candidate never matches.
bool TokenListMatches(std::string_view candidate, const TTokenList& tokens, int firstTokenIndex, bool hexNumbers);
bool TokenListMatches(std::string_view candidate, std::span<const FilterToken> tokens, bool hexNumbers);

// The group number of a decoded item ("GA 14 On", "Grp 5 Off (0)").
std::string_view GroupText(std::string_view item);

// Whether a decoded message (decoded with flags 15) passes the criteria.
bool FilterMessage(const FilterCriteria& Criteria, std::string_view DecodedString, bool Transmitted, bool hexNumbers);
bool FilterMessage(const TCriteriaList& Criteria, std::string_view DecodedString, bool Transmitted, bool hexNumbers);

// The live filter's state: the menu check mark and LiveFilterCriteria.
struct LiveFilter {
  bool Checked = false;                   // "Filter Messages..." check mark
  std::optional<TCriteriaList> Criteria;  // absent until the dialog's first OK
  FilterCriteria Compiled;
};

// The dialog's OK: the new criteria replace the old ones; the filter is on
// unless they are the cleared ones.
void SetLiveFilterCriteria(LiveFilter& filter, TCriteriaList criteria);

// Whether a message in its wire form is shown: the text up to its first
// "<" is decoded with flags 15 (+16 when transmitted) and filtered.
bool LiveFilterMatches(const LiveFilter& filter, DecodeContext& decoder, std::string_view message, bool transmitted);
// The same test on a message already decoded with flags 15.
bool LiveFilterMatchesDecoded(const LiveFilter& filter, std::string_view decoded, bool transmitted, bool hexNumbers);

// The fixed lists of the error history: received messages of application
// 206 ("206" while decimal numbers are selected, "CE" while hexadecimal).
TCriteriaList ErrorHistoryCriteria(bool hexNumbers);
struct ErrorHistoryFilters {
  FilterCriteria Decimal = CompileCriteria(ErrorHistoryCriteria(false));
  FilterCriteria Hexadecimal = CompileCriteria(ErrorHistoryCriteria(true));
};
bool ErrorHistoryAccepts(const ErrorHistoryFilters& filters, std::string_view decoded, bool hexNumbers);

// SBWarningLabel.
std::string UpdateWarningLabel(bool liveFilterOn, bool logCommandsOn);

// ---- "Filtering Parameters" dialog ------------------------------------

inline constexpr std::uint32_t kGroupsCellWhite = 0xFFFFFF;
inline constexpr std::uint32_t kGroupsCellGrey = 0x7F7F7F;

struct FilterGridRow {
  std::string App;
  std::string Description;  // never editable
  std::string Groups;
  bool GroupsEditable = false;
  std::uint32_t GroupsColour = kGroupsCellGrey;
};

struct FilterFormModel {
  std::string NetworkEdit;
  std::string AddressEdit;
  int Direction = 2;  // TxRxRadioGroup: 0 transmitted, 1 received, 2 both
  std::vector<FilterGridRow> Rows = std::vector<FilterGridRow>(1);
  bool LessButtonEnabled() const { return Rows.size() > 1; }
};

inline constexpr const char* kFilterFormCaption = "Filtering Parameters";
inline constexpr const char* kFilterAppGroupLabel = "Enter Application/Group lists:";
inline constexpr const char* kFilterDirectionItems[3] = {"Transmitted Messages", "Received Messages", "Both"};
inline constexpr int kFilterHelpTopic = 100;
std::string NetworkLabelText(bool hexNumbers);
std::string AddressLabelText(bool hexNumbers);
// The three column headers of AppGroupStringGrid.
std::vector<std::string> AppGroupHeaders(bool hexNumbers);

// Whether the messages of an application carry groups.
bool ApplicationHasGroups(int app);
// Description and Groups cell of a row after its App cell changed.
void UpdateAppGroupRow(FilterFormModel& form, std::size_t row, bool hexNumbers);
TCriteriaList GetData(const FilterFormModel& form, bool hexNumbers);
void SetData(FilterFormModel& form, const TCriteriaList& list, bool hexNumbers);
void ClearButtonClick(FilterFormModel& form, bool hexNumbers);
void MoreButtonClick(FilterFormModel& form, bool hexNumbers);
void LessButtonClick(FilterFormModel& form);

}  // namespace zelvo
