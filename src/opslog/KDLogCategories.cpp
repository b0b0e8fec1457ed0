#include "opslog/KDLogCategories.h"

const KDLogChoice kKDLogQueryByEntries[2] = {
    {"User Name", kKDLogByUserName},
    {"Catagory", kKDLogByCategory},
};

const KDLogChoice kKDLogFilterEntries[14] = {
    {"All", 0},           {"GM Command", 1},   {"LoginLogout", 9},  {"ModulePatch", 10},
    {"Notice", 11},       {"Security", 12},    {"ServerControl", 13}, {"UserControl", 14},
    {"UserStatstics", 15}, {"KV_Notice", 20},  {"KV_UserData", 21}, {"KV_UserEdit", 22},
    {"KV_UserLog", 23},   {"KV_UserPunishment", 24},
};

namespace {
const KDLogChoice kNames[] = {
    {"GM Command", 1},   {"Login/Logout", 9},       {"ModulePatch", 10}, {"Notice", 11},
    {"Security", 12},    {"ServerControl", 13},     {"UserControl", 14}, {"UserStatstics", 15},
    {"CAS", 16},         {"ConcurrentUserLog", 17}, {"KV_Notice", 20},   {"KV_UserData", 21},
    {"KV_UserEdit", 22}, {"KV_UserLog", 23},        {"KV_UserPunishment", 24},
};
}  // namespace

const char* KDLogCategoryName(uint8_t code) {
  for (const KDLogChoice& name : kNames)
    if (name.data == code) return name.text;
  return "Unknown";
}
