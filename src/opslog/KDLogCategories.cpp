#include "opslog/KDLogCategories.h"

const LogChoice kKDLogQueryByEntries[2] = {
    {"User Name", kKDLogByUserName},
    {"Catagory", kKDLogByCategory},
};

const LogChoice kKDLogFilterEntries[14] = {
    {"All", 0},           {"GM Command", 1},   {"LoginLogout", 9},  {"ModulePatch", 10},
    {"Notice", 11},       {"Security", 12},    {"ServerControl", 13}, {"UserControl", 14},
    {"UserStatstics", 15}, {"KV_Notice", 20},  {"KV_UserData", 21}, {"KV_UserEdit", 22},
    {"KV_UserLog", 23},   {"KV_UserPunishment", 24},
};

namespace {
constexpr LogChoice kNames[] = {
    {"GM Command", 1},   {"Login/Logout", 9},       {"ModulePatch", 10}, {"Notice", 11},
    {"Security", 12},    {"ServerControl", 13},     {"UserControl", 14}, {"UserStatstics", 15},
    {"CAS", 16},         {"ConcurrentUserLog", 17}, {"KV_Notice", 20},   {"KV_UserData", 21},
    {"KV_UserEdit", 22}, {"KV_UserLog", 23},        {"KV_UserPunishment", 24},
};
static_assert(CodesAscend(kNames), "names sorted by code, each once");
}  // namespace

const char* KDLogCategoryName(uint8_t code) {
  const LogChoice* name = FindCodeRow(kNames, code);
  return name ? name->text : "Unknown";
}
