#pragma once
// A stand-in for the monitor core's "Filtering Parameters" data model, with
// the same names, until that model is merged. TFilterForm reaches it only
// through the alias `filtermodel` in FilterForm.h: swapping means deleting
// these two files and pointing the alias at namespace zelvo.

#include <cstdint>
#include <string>
#include <vector>

namespace zelvo::filter_standin {

using TCriteriaList = std::vector<std::string>;

TCriteriaList ClearedCriteria();
bool IsClearedCriteria(const TCriteriaList& list);
std::string UpdateWarningLabel(bool liveFilterOn, bool logCommandsOn);

inline constexpr std::uint32_t kGroupsCellWhite = 0xFFFFFF;
inline constexpr std::uint32_t kGroupsCellGrey = 0x7F7F7F;

struct FilterGridRow {
  std::string App;
  std::string Description;
  std::string Groups;
  bool GroupsEditable = false;
  std::uint32_t GroupsColour = kGroupsCellGrey;
};

struct FilterFormModel {
  std::string NetworkEdit;
  std::string AddressEdit;
  int Direction = 2;
  std::vector<FilterGridRow> Rows = std::vector<FilterGridRow>(1);
  bool LessButtonEnabled() const { return Rows.size() > 1; }
};

inline constexpr const char* kFilterFormCaption = "Filtering Parameters";
inline constexpr const char* kFilterAppGroupLabel = "Enter Application/Group lists:";
inline constexpr const char* kFilterDirectionItems[3] = {"Transmitted Messages", "Received Messages", "Both"};
inline constexpr int kFilterHelpTopic = 100;
std::string NetworkLabelText(bool hexNumbers);
std::string AddressLabelText(bool hexNumbers);
std::vector<std::string> AppGroupHeaders(bool hexNumbers);

bool ApplicationHasGroups(int app);
void UpdateAppGroupRow(FilterFormModel& form, std::size_t row, bool hexNumbers);
TCriteriaList GetData(const FilterFormModel& form, bool hexNumbers);
void SetData(FilterFormModel& form, const TCriteriaList& list, bool hexNumbers);
void ClearButtonClick(FilterFormModel& form, bool hexNumbers);
void MoreButtonClick(FilterFormModel& form, bool hexNumbers);
void LessButtonClick(FilterFormModel& form);

}  // namespace zelvo::filter_standin
