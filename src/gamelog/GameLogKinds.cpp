#include "gamelog/GameLogKinds.h"

namespace {

template <size_t N>
GameLogChoices ChoicesOf(const GameLogChoice (&table)[N]) {
  return {table, N};
}
template <size_t N>
GameLogColumns ColumnsOf(const ListColumn (&table)[N]) {
  return {table, N};
}

const GameLogChoice kKinds[] = {
    {kGameLogKindChar, "Character"},
    {kGameLogKindItem, "Item"},
    {kGameLogKindQuest, "Quest"},
    {kGameLogKindSerial, "Item by Serial"},
};

const GameLogChoice kCharOptions[] = {
    {0, "Create_n_Delete"}, {1, "Login_n_Out"},   {2, "Dead_or_Alive"},     {3, "Level_or_EXP"},
    {4, "State Change"},    {6, "Triangle JOB"},  {7, "Guild"},             {8, "Skill"},
    {13, "TrainingCamp"},   {14, "SiegeFortress"}, {9, "KDC Operation"},    {18, "Event Skill Point"},
    {255, "All"},
};

const GameLogChoice kItemOptions[] = {
    {0, "Inventory"},          {23, "Avatar Inventory"},   {1, "Drop_n_Pick"},       {2, "Shop"},
    {3, "FleaMarket"},         {13, "FleaMarket Network"}, {4, "Exchange"},          {5, "Gold"},
    {6, "Chest"},              {7, "Cos"},                 {8, "Alchemy"},           {9, "Premium Exp"},
    {16, "Query By Codename"}, {17, "KDC Operation"},      {12, "Guild Chest"},      {18, "Gacha"},
    {19, "CompositeItem"},     {20, "RestoredSoldItem"},   {24, "ParamKeeperItem"},  {25, "AvatarSpecialItem"},
    {26, "Socket"},            {255, "All"},
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

GameLogChoices GameLogKinds() { return ChoicesOf(kKinds); }

GameLogChoices GameLogOptionsOf(uint8_t kind) {
  switch (kind) {
    case kGameLogKindChar:
      return ChoicesOf(kCharOptions);
    case kGameLogKindItem:
      return ChoicesOf(kItemOptions);
    default:
      return {nullptr, 0};
  }
}

GameLogColumns GameLogColumnsOf(uint8_t kind) {
  switch (kind) {
    case kGameLogKindChar:
    case kGameLogKindQuest:
      return ColumnsOf(kCharColumns);
    case kGameLogKindItem:
      return ColumnsOf(kItemColumns);
    default:
      return {nullptr, 0};
  }
}

GameLogColumns SerialHistoryColumns() { return ColumnsOf(kHistoryColumns); }
