#include "monitor/qt/FilterFormStandIn.h"

#include "decode/Decode.h"
#include "link/Codec.h"

namespace zelvo::filter_standin {

TCriteriaList ClearedCriteria() { return {"", "", "2"}; }

bool IsClearedCriteria(const TCriteriaList& list) { return list == ClearedCriteria(); }

std::string UpdateWarningLabel(bool liveFilterOn, bool logCommandsOn) {
  if (liveFilterOn) return logCommandsOn ? "FILTERING, LOGGING ACTIVE" : "FILTERING ACTIVE";
  return logCommandsOn ? "LOGGING ACTIVE" : "";
}

std::string NetworkLabelText(bool hexNumbers) {
  // Network numbers are always written in hexadecimal.
  return std::string("Enter Network list (eg. Local,01,02,0103) :") + (hexNumbers ? "" : "   (Hexadecimal)");
}

std::string AddressLabelText(bool hexNumbers) {
  auto n = [hexNumbers](int v) { return NumberString(v, hexNumbers); };
  return "Enter Unit Address list (eg. " + n(9) + "," + n(15) + "-" + n(20) + ") :";
}

std::vector<std::string> AppGroupHeaders(bool hexNumbers) {
  auto n = [hexNumbers](int v) { return NumberString(v, hexNumbers); };
  return {"App", "Description", "Groups (eg. " + n(1) + "," + n(12) + "-" + n(16) + "," + n(25) + ")"};
}

bool ApplicationHasGroups(int app) {
  return app == 25 || app == 38 || (app >= 48 && app <= 127) || app == 136 || app == 202 || app == 203;
}

void UpdateAppGroupRow(FilterFormModel& form, std::size_t row, bool hexNumbers) {
  if (row >= form.Rows.size()) return;
  FilterGridRow& r = form.Rows[row];
  const int app = StringToNumber(r.App, hexNumbers);
  r.Description = r.App.empty() ? std::string() : ApplicationName(app, hexNumbers);
  r.GroupsEditable = ApplicationHasGroups(app);
  r.GroupsColour = r.GroupsEditable ? kGroupsCellWhite : kGroupsCellGrey;
}

TCriteriaList GetData(const FilterFormModel& form, bool hexNumbers) {
  TCriteriaList list{form.NetworkEdit, form.AddressEdit, std::to_string(form.Direction)};
  for (const auto& r : form.Rows)
    if (StringToNumber(r.App, hexNumbers) > 0) list.push_back(r.App + " " + r.Groups);
  return list;
}

void SetData(FilterFormModel& form, const TCriteriaList& list, bool hexNumbers) {
  if (list.size() < 2) return;
  form.NetworkEdit = list[0];
  form.AddressEdit = list[1];
  const int direction = list.size() > 2 ? StringToNumber(list[2], false) : 2;
  form.Direction = direction >= 0 && direction <= 2 ? direction : 2;
  form.Rows.clear();
  for (std::size_t i = 3; i < list.size(); ++i) {
    FilterGridRow r;
    const auto blank = list[i].find(' ');
    if (blank != std::string::npos) {
      r.App = list[i].substr(0, blank);
      r.Groups = list[i].substr(blank + 1);
    }
    form.Rows.push_back(std::move(r));
  }
  if (form.Rows.empty()) form.Rows.emplace_back();
  for (std::size_t i = 0; i < form.Rows.size(); ++i) UpdateAppGroupRow(form, i, hexNumbers);
}

void ClearButtonClick(FilterFormModel& form, bool hexNumbers) { SetData(form, ClearedCriteria(), hexNumbers); }

void MoreButtonClick(FilterFormModel& form, bool hexNumbers) {
  form.Rows.emplace_back();
  UpdateAppGroupRow(form, form.Rows.size() - 1, hexNumbers);
}

void LessButtonClick(FilterFormModel& form) {
  if (form.Rows.size() > 1) form.Rows.pop_back();
}

}  // namespace zelvo::filter_standin
