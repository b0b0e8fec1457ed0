#include "gamelog/GameLogKinds.h"

namespace {

const LogChoice kKinds[] = {
    {"Character", kGameLogKindChar},
    {"Item", kGameLogKindItem},
    {"Quest", kGameLogKindQuest},
    {"Item by Serial", kGameLogKindSerial},
};

const LogChoice kCharOptions[] = {
    {"Create_n_Delete", 0}, {"Login_n_Out", 1},    {"Dead_or_Alive", 2}, {"Level_or_EXP", 3},
    {"State Change", 4},    {"Triangle JOB", 6},   {"Guild", 7},         {"Skill", 8},
    {"TrainingCamp", 13},   {"SiegeFortress", 14}, {"KDC Operation", 9}, {"Event Skill Point", 18},
    {"All", 255},
};

const LogChoice kItemOptions[] = {
    {"Inventory", 0},          {"Avatar Inventory", 23},   {"Drop_n_Pick", 1},      {"Shop", 2},
    {"FleaMarket", 3},         {"FleaMarket Network", 13}, {"Exchange", 4},         {"Gold", 5},
    {"Chest", 6},              {"Cos", 7},                 {"Alchemy", 8},          {"Premium Exp", 9},
    {"Query By Codename", 16}, {"KDC Operation", 17},      {"Guild Chest", 12},     {"Gacha", 18},
    {"CompositeItem", 19},     {"RestoredSoldItem", 20},   {"ParamKeeperItem", 24}, {"AvatarSpecialItem", 25},
    {"Socket", 26},            {"All", 255},
};

const ListColumn kCharColumns[] = {
    {"Event", 200, false},
    {"Description", 400, false},
    {"Position", 200, false},
    {"Time", 150, false},
};

const ListColumn kItemColumns[] = {
    {"Serial", 110, true},    {"Operation", 100, false}, {"Storage", 120, false},
    {"Slot From", 80, false}, {"Slot To", 80, false},    {"ItemName", 250, false},
    {"Description", 350, false}, {"Time", 150, false},   {"Position", 200, false},
};

const ListColumn kHistoryColumns[] = {
    {"Serial", 110, true},    {"Operation", 100, false}, {"Storage", 80, false},
    {"Slot From", 80, false}, {"Slot To", 80, false},    {"ItemName", 250, false},
    {"Description", 350, false}, {"Time", 150, false},   {"Position", 200, false},
};

}  // namespace

ConstSpan<LogChoice> GameLogKinds() { return kKinds; }

ConstSpan<LogChoice> GameLogOptionsOf(uint8_t kind) {
  switch (kind) {
    case kGameLogKindChar:
      return kCharOptions;
    case kGameLogKindItem:
      return kItemOptions;
    default:
      return {};
  }
}

ConstSpan<ListColumn> GameLogColumnsOf(uint8_t kind) {
  switch (kind) {
    case kGameLogKindChar:
    case kGameLogKindQuest:
      return kCharColumns;
    case kGameLogKindItem:
      return kItemColumns;
    default:
      return {};
  }
}

ConstSpan<ListColumn> SerialHistoryColumns() { return kHistoryColumns; }
