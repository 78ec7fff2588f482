#include "monitor/Filter.h"

#include <array>
#include <memory>

#include "decode/Decode.h"

namespace zelvo {

namespace {

bool NeedsQuotes(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ',') return true;
  return false;
}

FilterToken MakeToken(std::string_view text) {
  FilterToken t;
  t.Text.assign(text);
  const auto dash = text.find('-');
  if (dash != std::string_view::npos) {
    t.IsRange = true;
    const auto low = text.substr(0, dash);
    const auto high = text.substr(dash + 1);
    for (int hex = 0; hex < 2; ++hex) {
      t.Low[hex] = StringToNumber(low, hex != 0);
      t.High[hex] = StringToNumber(high, hex != 0);
    }
  }
  return t;
}

std::vector<FilterToken> MakeTokens(std::string_view line, int firstToken) {
  TTokenList list;
  SplitTokens(line, " ,", list);
  std::vector<FilterToken> tokens;
  for (int i = firstToken - 1; i < list.TokenCount; ++i)
    tokens.push_back(MakeToken(list.Token[static_cast<std::size_t>(i)]));
  return tokens;
}

bool TokenMatches(const FilterToken& token, std::string_view candidate, int candidateNumber, bool hex) {
  if (!token.IsRange) return token.Text == candidate;
  const int low = token.Low[hex ? 1 : 0];
  const int high = token.High[hex ? 1 : 0];
  // An unreadable bound or candidate reads as -1; such a range matches
  // nothing rather than every unreadable candidate.
  if (low == -1 || high == -1 || candidateNumber == -1) return false;
  return low <= candidateNumber && candidateNumber <= high;
}

// The decoded text split on commas, each field trimmed, exactly as
// SplitTokens would split it. Texts without double quotes (nearly all) are
// split in place; quotes go through SplitTokens, which removes them.
class DecodedFields {
 public:
  explicit DecodedFields(std::string_view s) {
    if (s.find('"') != std::string_view::npos) {
      quoted_ = std::make_unique<TTokenList>();
      SplitTokens(s, ",", *quoted_);
      count_ = quoted_->TokenCount;
      for (int i = 0; i < count_; ++i) f_[static_cast<std::size_t>(i)] = quoted_->Token[static_cast<std::size_t>(i)];
      return;
    }
    std::size_t p = 0;
    while (p < s.size() && count_ < kMaxTokens) {
      while (p < s.size() && s[p] == ',') ++p;
      const std::size_t start = p;
      while (p < s.size() && s[p] != ',') ++p;
      if (p > start) f_[static_cast<std::size_t>(count_++)] = TrimView(s.substr(start, p - start));
    }
  }
  // Field i counted from 1; "" beyond the last.
  std::string_view F(int i) const { return i >= 1 && i <= count_ ? f_[static_cast<std::size_t>(i - 1)] : ""; }
  int Count() const { return count_; }

 private:
  std::array<std::string_view, kMaxTokens> f_{};
  int count_ = 0;
  std::unique_ptr<TTokenList> quoted_;
};

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

std::string_view NetworkText(std::string_view f1) {
  if (StartsWith(f1, "Network")) return f1.size() > 8 ? f1.substr(8) : std::string_view();
  if (StartsWith(f1, "Local")) return "Local";
  return {};
}

std::string_view UnitText(std::string_view f2) {
  const auto at = f2.find("Unit");
  if (at == std::string_view::npos || at + 5 > f2.size()) return {};
  return f2.substr(at + 5, 3);
}

}  // namespace

std::string CommaText(const TCriteriaList& list) {
  std::string out;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) out += ',';
    const std::string& s = list[i];
    if (!NeedsQuotes(s)) {
      out += s;
      continue;
    }
    out += '"';
    for (char c : s) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out;
}

TCriteriaList ClearedCriteria() { return {"", "", "2"}; }

bool IsClearedCriteria(const TCriteriaList& list) { return CommaText(list) == ",,2"; }

FilterCriteria CompileCriteria(const TCriteriaList& Criteria) {
  FilterCriteria c;
  auto line = [&](std::size_t i) -> std::string_view {
    return i < Criteria.size() ? std::string_view(Criteria[i]) : std::string_view();
  };
  c.Networks = MakeTokens(line(0), 1);
  c.Units = MakeTokens(line(1), 1);
  c.Direction = line(2);
  for (std::size_t i = 3; i < Criteria.size(); ++i) {
    TTokenList list;
    SplitTokens(Criteria[i], " ,", list);
    FilterRow row;
    if (list.TokenCount > 0) row.App = list.Token[0];
    for (int hex = 0; hex < 2; ++hex) row.AppName[hex] = ApplicationName(StringToNumber(row.App, hex != 0), hex != 0);
    for (int k = 1; k < list.TokenCount; ++k) row.Groups.push_back(MakeToken(list.Token[static_cast<std::size_t>(k)]));
    c.Rows.push_back(std::move(row));
  }
  return c;
}

bool TokenListMatches(std::string_view candidate, std::span<const FilterToken> tokens, bool hexNumbers) {
  if (candidate.empty()) return false;
  const int number = StringToNumber(candidate, hexNumbers);
  for (const auto& t : tokens)
    if (TokenMatches(t, candidate, number, hexNumbers)) return true;
  return false;
}

bool TokenListMatches(std::string_view candidate, const TTokenList& tokens, int firstTokenIndex, bool hexNumbers) {
  if (candidate.empty()) return false;
  const int number = StringToNumber(candidate, hexNumbers);
  for (int i = firstTokenIndex < 1 ? 0 : firstTokenIndex - 1; i < tokens.TokenCount; ++i)
    if (TokenMatches(MakeToken(tokens.Token[static_cast<std::size_t>(i)]), candidate, number, hexNumbers)) return true;
  return false;
}

std::string_view GroupText(std::string_view item) {
  // Lighting items begin "GA ", trigger and enable items "Grp ", then the
  // group number and a blank. The whole number is taken, whatever its
  // width, so one-digit and three-digit decimal groups match too.
  std::size_t from = 0;
  if (StartsWith(item, "GA "))
    from = 3;
  else if (StartsWith(item, "Grp "))
    from = 4;
  if (from > 0) {
    std::string_view rest = item.substr(from);
    const auto blank = rest.find_first_of(" ;");
    return TrimView(rest.substr(0, blank));
  }
  // Any other item: the three characters from the fourth on.
  return item.size() > 3 ? TrimView(item.substr(3, 3)) : std::string_view();
}

bool FilterMessage(const FilterCriteria& Criteria, std::string_view DecodedString, bool Transmitted, bool hexNumbers) {
  if (!Transmitted && Criteria.Direction == "0") return false;
  if (Transmitted && Criteria.Direction == "1") return false;

  const DecodedFields fields(DecodedString);
  if (!Criteria.Networks.empty() && !TokenListMatches(NetworkText(fields.F(1)), Criteria.Networks, hexNumbers))
    return false;
  if (!Criteria.Units.empty() && !TokenListMatches(UnitText(fields.F(2)), Criteria.Units, hexNumbers)) return false;
  if (Criteria.Rows.empty()) return true;

  const std::string_view app = fields.F(3);
  for (const auto& row : Criteria.Rows) {
    if (app != row.AppName[hexNumbers ? 1 : 0]) continue;
    if (row.Groups.empty()) return true;
    for (int i = 4; i <= fields.Count(); ++i)
      if (TokenListMatches(GroupText(fields.F(i)), row.Groups, hexNumbers)) return true;
  }
  return false;
}

bool FilterMessage(const TCriteriaList& Criteria, std::string_view DecodedString, bool Transmitted, bool hexNumbers) {
  return FilterMessage(CompileCriteria(Criteria), DecodedString, Transmitted, hexNumbers);
}

void SetLiveFilterCriteria(LiveFilter& filter, TCriteriaList criteria) {
  filter.Checked = !IsClearedCriteria(criteria);
  filter.Compiled = CompileCriteria(criteria);
  filter.Criteria = std::move(criteria);
}

bool LiveFilterMatchesDecoded(const LiveFilter& filter, std::string_view decoded, bool transmitted, bool hexNumbers) {
  if (!filter.Checked) return true;
  return FilterMessage(filter.Compiled, decoded, transmitted, hexNumbers);
}

bool LiveFilterMatches(const LiveFilter& filter, DecodeContext& decoder, std::string_view message, bool transmitted) {
  if (!filter.Checked) return true;
  const auto lt = message.find('<');
  const std::string_view text = message.substr(0, lt);
  const int flags = DecodeShowUnit | DecodeShowNetwork | DecodeShowApplication | DecodeShowMessage |
                    (transmitted ? DecodeTransmitted : 0);
  const std::string decoded = DecodeMessage(decoder, text, flags);
  return FilterMessage(filter.Compiled, decoded, transmitted, decoder.HexNumbers);
}

TCriteriaList ErrorHistoryCriteria(bool hexNumbers) { return {"", "", "1", hexNumbers ? "CE " : "206 "}; }

bool ErrorHistoryAccepts(const ErrorHistoryFilters& filters, std::string_view decoded, bool hexNumbers) {
  return FilterMessage(hexNumbers ? filters.Hexadecimal : filters.Decimal, decoded, false, hexNumbers);
}

std::string UpdateWarningLabel(bool liveFilterOn, bool logCommandsOn) {
  if (liveFilterOn && logCommandsOn) return "FILTERING, LOGGING ACTIVE";
  if (liveFilterOn) return "FILTERING ACTIVE";
  if (logCommandsOn) return "LOGGING ACTIVE";
  return {};
}

// ---- "Filtering Parameters" dialog ------------------------------------

std::string NetworkLabelText(bool hexNumbers) {
  std::string s = "Enter Network list (eg. Local,01,02,0103) :";
  // Network numbers are always hexadecimal: say so when the rest is not.
  if (!hexNumbers) s += "   (Hexadecimal)";
  return s;
}

std::string AddressLabelText(bool hexNumbers) {
  auto ns = [&](int n) { return NumberString(n, hexNumbers); };
  return "Enter Unit Address list (eg. " + ns(9) + "," + ns(15) + "-" + ns(20) + ") :";
}

std::vector<std::string> AppGroupHeaders(bool hexNumbers) {
  auto ns = [&](int n) { return NumberString(n, hexNumbers); };
  return {"App", "Description", "Groups (eg. " + ns(1) + "," + ns(12) + "-" + ns(16) + "," + ns(25) + ")"};
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
  // The grid always keeps one data row.
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

}  // namespace zelvo
