#include "refdatagen/RefLayout.h"

namespace {

struct Run {
  int first;
  int last;
  ColumnType type;
};

struct Override {
  int column;
  const char* value;
};

using T = ColumnType;

const char* DefaultFor(ColumnType type) {
  switch (type) {
    case T::kInt: return "0";
    case T::kFloat: return "0.0";
    case T::kText: return "xxx";
    case T::kBlank: return "";
    case T::kSkip: return "0";
  }
  return "";
}

RefLayout Build(RefKind kind, const char* name, const std::vector<Run>& runs,
                const std::vector<Override>& overrides, std::vector<int> keys) {
  RefLayout layout{kind, name, {}, {}, std::move(keys)};
  for (const Run& run : runs) {
    for (int c = run.first; c <= run.last; ++c) layout.types.push_back(run.type);
  }
  for (ColumnType type : layout.types) layout.defaults.push_back(DefaultFor(type));
  for (const Override& o : overrides) layout.defaults[static_cast<size_t>(o.column)] = o.value;
  return layout;
}

// Columns 0-56, shared by items and characters; column 0 is the enabled flag.
std::vector<Run> CommonRuns() {
  return {{0, 1, T::kInt}, {2, 6, T::kText}, {7, 51, T::kInt}, {52, 56, T::kText}};
}

// `count` alternating pairs starting at `first`.
void AddPairs(std::vector<Run>& runs, int first, int count, ColumnType a, ColumnType b) {
  for (int i = 0; i < count; ++i) {
    runs.push_back({first + 2 * i, first + 2 * i, a});
    runs.push_back({first + 2 * i + 1, first + 2 * i + 1, b});
  }
}

RefLayout ItemLayout() {
  std::vector<Run> runs = CommonRuns();
  runs.insert(runs.end(), {{57, 64, T::kInt}, {65, 67, T::kFloat}, {68, 69, T::kInt},
                           {70, 73, T::kFloat}, {74, 75, T::kInt}, {76, 85, T::kFloat},
                           {86, 98, T::kInt}, {99, 99, T::kFloat}, {100, 103, T::kInt},
                           {104, 112, T::kFloat}, {113, 114, T::kInt}, {115, 115, T::kFloat},
                           {116, 117, T::kInt}});
  AddPairs(runs, 118, 20, T::kInt, T::kText);  // parameter slots: -1 marks an unused one
  runs.push_back({158, 159, T::kInt});
  std::vector<Override> overrides = {{0, "1"}};
  for (int i = 0; i < 20; ++i) overrides.push_back({118 + 2 * i, "-1"});
  return Build(RefKind::kObjItem, "RefObjItem", runs, overrides, {1});
}

RefLayout CharLayout() {
  std::vector<Run> runs = CommonRuns();
  runs.insert(runs.end(), {{57, 93, T::kInt}, {94, 103, T::kSkip}});
  return Build(RefKind::kObjChar, "RefObjChar", runs, {{0, "1"}}, {1});
}

RefLayout MagicOptionLayout() {
  std::vector<Run> runs = {{0, 1, T::kInt}, {2, 3, T::kText}, {4, 4, T::kInt},
                           {5, 5, T::kFloat}, {6, 28, T::kInt}};
  AddPairs(runs, 29, 10, T::kText, T::kInt);
  return Build(RefKind::kMagicOption, "RefMagicOption", runs, {{0, "1"}}, {1});
}

std::vector<RefLayout> BuildAll() {
  std::vector<RefLayout> all;
  all.push_back(ItemLayout());
  all.push_back(CharLayout());
  all.push_back(Build(RefKind::kSkill, "RefSkill",
                      {{0, 0, T::kSkip}, {1, 2, T::kInt}, {3, 5, T::kText}, {6, 60, T::kInt},
                       {61, 65, T::kText}, {66, 117, T::kInt}},
                      {{0, "1"}}, {1}));
  all.push_back(Build(RefKind::kSkillMastery, "RefSkillMastery",
                      {{0, 0, T::kInt}, {1, 1, T::kSkip}, {2, 2, T::kText}, {3, 3, T::kInt},
                       {4, 5, T::kText}, {6, 10, T::kInt}, {11, 12, T::kText}},
                      {{1, "1"}}, {0}));
  all.push_back(Build(RefKind::kQuest, "RefQuest",
                      {{0, 0, T::kSkip}, {1, 1, T::kInt}, {2, 2, T::kText}, {3, 3, T::kInt},
                       {4, 4, T::kSkip}, {5, 10, T::kText}},
                      {{0, "1"}}, {1}));
  all.push_back(MagicOptionLayout());
  all.push_back(Build(RefKind::kMagicOptAssign, "RefMagicOptAssign",
                      {{0, 0, T::kSkip}, {1, 3, T::kInt}, {4, 28, T::kText}}, {{0, "1"}},
                      {1, 2, 3}));
  all.push_back(Build(RefKind::kLevelExpOffset, "RefLevelExpOffset",
                      {{0, 1, T::kInt}, {2, 5, T::kSkip}, {6, 8, T::kInt}}, {}, {0}));
  all.push_back(Build(RefKind::kSiegeFortress, "RefSiegeFortress",
                      {{0, 1, T::kInt}, {2, 5, T::kText}, {6, 11, T::kInt}, {12, 13, T::kText}},
                      {{0, "1"}}, {1}));
  all.push_back(Build(RefKind::kServerEventID, "RefServerEventID", {{0, 0, T::kInt}}, {}, {0}));
  all.push_back(Build(RefKind::kText, "text", {{0, 0, T::kInt}, {1, 9, T::kBlank}}, {{0, "1"}},
                      {kTextKeyColumn}));
  return all;
}

}  // namespace

const RefLayout& LayoutOf(RefKind kind) {
  static const std::vector<RefLayout> all = BuildAll();
  return all[static_cast<size_t>(kind)];
}
