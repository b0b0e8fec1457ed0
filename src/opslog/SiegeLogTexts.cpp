#include "opslog/SiegeLogTexts.h"

#include "base/CodeTable.h"
#include "base/Format.h"

namespace {

typedef std::string (*Describe)(const SiegeLogRow& row);

std::string Nothing(const SiegeLogRow&) { return std::string(); }
std::string Owner(const SiegeLogRow& r) {
  if (r.data2 == 1) return FormatLine("Defense Success! Guild Name : ^2%s^0", r.text.c_str());
  if (r.data2 == 2) return FormatLine("Offense Success! Guild Name : ^2%s^0", r.text.c_str());
  return std::string();
}
std::string TemporaryOwner(const SiegeLogRow& r) {
  return FormatLine("Temporary Fortress Occupy! Guild Name : ^2%s^0", r.text.c_str());
}
std::string Struct(const SiegeLogRow& r) { return FormatLine("Siege Struct Name : ^2%s^0", r.text.c_str()); }
std::string Enroll(const SiegeLogRow& r) {
  if (r.data2 == 0) return FormatLine("Enroll Offense Siege Request! Guild Name : ^2%s^0", r.text.c_str());
  return FormatLine("Enroll Defense Siege Request! Guild Name : ^2%s^0", r.text.c_str());
}
std::string CancelRequest(const SiegeLogRow& r) {
  if (r.data2 == 0) return FormatLine("Cancel Offense Siege Request! Guild Name : ^2%s^0", r.text.c_str());
  return FormatLine("Cancel Defense Siege Request! Guild Name : ^2%s^0", r.text.c_str());
}
std::string ItemAndCount(const SiegeLogRow& r) {
  // The count is shown as the signed number "%d" makes of it.
  return FormatLine("Item Name : ^2%s^0, Item Num : ^2%d^0", r.text.c_str(), static_cast<int32_t>(r.data2));
}
std::string Item(const SiegeLogRow& r) { return FormatLine("Item Name : ^2%s^0", r.text.c_str()); }
std::string Object(const SiegeLogRow& r) { return FormatLine("Object Name : ^2%s^0", r.text.c_str()); }
std::string Reward(const SiegeLogRow& r) { return FormatLine("%s", r.text.c_str()); }

typedef NamedCodeRow<Describe> EventText;

constexpr EventText kEvents[] = {
    {1, "Siege Start!", Nothing},
    {2, "Siege End!", Nothing},
    {3, "Result Change Owner!", Owner},
    {4, "Result Change Temporary Owner", TemporaryOwner},
    {5, "Add Struct", Struct},
    {6, "Upgrade Struct", Struct},
    {7, "Repair Struct", Struct},
    {8, "Remove Struct", Struct},
    {9, "Enroll Siege Request!", Enroll},
    {16, "Cancel Siege Request!", CancelRequest},
    {17, "Forge Siege Item", ItemAndCount},
    {18, "Cancel Forge Siege Item", Item},
    {19, "Collect Forge Siege Item", ItemAndCount},
    {20, "Add Siege Object", Object},
    {21, "Dead Siege Object", Object},
    {22, "Remove Siege Object", Object},
    {23, "Success to add reward", Reward},
    {24, "Failed to add reward", Reward},
};
static_assert(CodesAscend(kEvents), "event rows sorted by code, each once");

}  // namespace

SiegeLogCells SiegeLogRowCells(const SiegeLogRow& row) {
  SiegeLogCells cells;
  if (const EventText* e = FindCodeRow(kEvents, row.eventCode)) {
    cells[0] = e->name;
    cells[1] = e->rule(row);
  } else {
    cells[0] = FormatLine("Unknown Event Log [^2%d^0]", row.eventCode);
  }
  cells[2] = LogTimeText(row.time);
  return cells;
}
