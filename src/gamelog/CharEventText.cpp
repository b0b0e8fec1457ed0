#include "gamelog/CharEventText.h"

#include <iterator>

#include "base/CodeTable.h"
#include "base/Format.h"
#include "gamelog/ConsoleOpText.h"
#include "gamelog/ItemTextPieces.h"
#include "refdata/KV_GameRefData.h"

namespace {

// The record's numbers are unsigned on the wire; where the texts show them with "%d"
// they read as signed 32-bit values.
int32_t AsInt(uint32_t value) { return static_cast<int32_t>(value); }

struct CharEvent {
  const GameLogCharRecord& record;
  const CGameRefData& ref;
  const char* text;  // the record's text as the description starts (a copy the rules may read)
  int lo, hi;        // the low and high halves of data2
  std::string& name;
  std::string& description;
  std::string& position;
};

// Reference names: null when the record is missing; a found record whose key has no
// text gives the empty name.
const char* MasteryName(const CGameRefData& ref, uint32_t id) {
  const RefSkillMastery* mastery = ref.FindSkillMastery(id);
  return mastery ? ref.GetText(mastery->nameKey) : nullptr;
}

const char* PetName(const CGameRefData& ref, uint32_t id) {
  const RefObjChar* pet = ref.FindChar(id);
  return pet ? ref.GetText(pet->nameKey) : nullptr;
}

std::string QuestName(const CGameRefData& ref, uint32_t id) {
  const RefQuest* quest = ref.FindQuest(id);
  return quest ? ref.GetText(quest->GetNameKey().c_str()) : "Unknown Quest";
}

const char* SkillName(const CGameRefData& ref, const RefSkill& skill) { return ref.GetText(skill.GetNameKey()); }

const char* Or(const char* found, const char* fallback) { return found ? found : fallback; }

// --- account and character life

void CharacterCreated(CharEvent& e) {
  e.description = FormatLine("JID: ^4%d^0, CharName: ^2%s^0, IP: ^4%s^0", AsInt(e.record.data1), e.text,
                             IPText(e.record.data2).c_str());
}

void LoggedIn(CharEvent& e) { e.description = FormatLine("IP: ^4%s^0", IPText(e.record.data2).c_str()); }

void LoginFailed(CharEvent& e) {
  e.description = FormatLine("JID: ^4%d^0, Char Slot: ^4%d^0, ErrorCode: ^2%d^0", AsInt(e.record.data1), e.lo, e.hi);
}

void DeletionCanceled(CharEvent& e) {
  e.description = FormatLine("JID: ^4%d^0, IP: ^4%s^0", AsInt(e.record.data1), IPText(e.record.data2).c_str());
}

void EnterWorld(CharEvent& e) { e.description = FormatLine("Gold: ^4%s^0", e.text); }

// Teleport methods by data1 (and, for the reverse portal, data2); each is followed by
// the remaining gold. Rows with data2 0 match any data2.
const struct {
  uint32_t method;
  uint32_t target;
  const char* text;
} kTeleports[] = {
    {1, 0, "Portal Scroll Used"},
    {2, 0, "ThiefTown Portal Scroll Used"},
    {3, 0, "Teleport Post Used"},
    {4, 2, "ReversePortal Scroll Used(Last Portal Pos)"},
    {4, 3, "ReversePortal Scroll Used(Last Killed Pos)"},
    {4, 7, "ReversePortal Scroll Used(Optional Pos)"},
    {4, 0, "ReversePortal Scroll Used(?]"},
};

void Teleport(CharEvent& e) {
  const char* method = "By Unknown Method";
  for (const auto& row : kTeleports) {
    if (row.method == e.record.data1 && (row.target == 0 || row.target == e.record.data2)) {
      method = row.text;
      break;
    }
  }
  e.description = FormatLine("%s[Remained Gold: ^4%s^0]", method, e.text);
}

void Resurrect(CharEvent& e) {
  switch (e.record.data1) {
    case 1: e.description = "At Died Position"; break;
    case 2: e.description = "At Town"; break;
    case 3: e.description = FormatLine("By ^2%s^0 Character", e.text); break;
    default: e.description = "By Unknown Method (-_-;)"; break;
  }
}

// --- levels, experience and skill points

void LevelChanged(CharEvent& e) {
  e.name = e.record.data1 < e.record.data2 ? "Level Up" : "Level Down";
  e.description = FormatLine("From ^4%d^0 To ^4%d^0", AsInt(e.record.data1), AsInt(e.record.data2));
}

void ExpChanged(CharEvent& e) {
  e.name = e.record.data1 < e.record.data2 ? "Exp %Increased" : "Exp %Decreased";
  std::pair<double, double> percent = ExpPercentPair(e.record.data1, e.record.data2);
  e.description = FormatLine("From %.2f %% To %.2f %%", percent.first, percent.second);
}

void SPToHP(CharEvent& e) {
  e.description = FormatLine("HP: ^4%d^0, Remained SP: ^4%d^0", AsInt(e.record.data1), AsInt(e.record.data2));
}

void SPToMP(CharEvent& e) {
  e.description = FormatLine("MP: ^4%d^0, Remained SP: ^4%d^0", AsInt(e.record.data1), AsInt(e.record.data2));
}

// --- skills and masteries

void MasteryRaised(CharEvent& e) {
  const char* mastery = Or(MasteryName(e.ref, e.record.data1), "unknown mastery");
  e.name = FormatLine("Reinforce Skill Mastery[^2%s^0, Level: ^4%d^0]", mastery, AsInt(e.record.data2));
  e.description = SPPairText(e.record.text);
}

void SkillLearnt(CharEvent& e) {
  const RefSkill* from = e.ref.FindSkill(e.record.data1);
  const RefSkill* to = e.ref.FindSkill(e.record.data2);
  if (!from && !to) {
    e.name = FormatLine("Learn Skill[^2Unknown Skill:%d^0]", AsInt(e.record.data2));
  } else if (!from) {
    e.name = FormatLine("Learn Skill[^2%s^0]-Level^4%d^0", SkillName(e.ref, *to), to->level);
  } else if (!to) {
    e.name = FormatLine("Reinforce Skill[^2%s^0(Level - ^4%d^0) ==> ^2Unknown Skill:%d^0]", SkillName(e.ref, *from),
                        from->level, AsInt(e.record.data2));
  } else {
    e.name = FormatLine("Reinforce Skill[^2%s^0(Level - ^4%d^0) ==> ^2%s^0(Level - ^4%d^0)]", SkillName(e.ref, *from),
                        from->level, SkillName(e.ref, *to), to->level);
  }
  e.description = SPPairText(e.record.text);
}

void SkillWithdrawn(CharEvent& e) {
  if (const RefSkill* skill = e.ref.FindSkill(e.record.data1))
    e.name = FormatLine("Withdraw Skill : [^2%s^0], TO %dLvl", SkillName(e.ref, *skill), AsInt(e.record.data2));
  else
    e.name =
        FormatLine("Withdraw Skill : Unknown Skill[^2%d^0], TO %dLvl", AsInt(e.record.data1), AsInt(e.record.data2));
}

void MasteryWithdrawn(CharEvent& e) {
  if (const char* mastery = MasteryName(e.ref, e.record.data1))
    e.name = FormatLine("Withdraw Skill Mastery : [^2%s^0], From ^4%d^0Lvl To ^4%d^0Lvl", mastery, e.lo, e.hi);
  else
    e.name = FormatLine("Withdraw Skill Mastery : Unknown Mastery[^4%d^0], From ^4%d^0Lvl To ^4%d^0Lvl",
                        AsInt(e.record.data1), e.lo, e.hi);
}

// --- guilds

void ErrorCode(CharEvent& e) { e.description = FormatLine("ErrorCode: ^2%d^0", AsInt(e.record.data1)); }

void GuildDismissed(CharEvent& e) { e.name = e.record.data1 != 0 ? "Tried To Dissmiss Guild" : "Guild was Dismissed"; }

void GuildLevelUp(CharEvent& e) {
  e.name = FormatLine("Guild[%u: %s] was level up to %d", e.record.data1, e.text, AsInt(e.record.data2));
}

void GuildInvitation(CharEvent& e) {
  e.name = *e.text ? FormatLine("Guild Member Invitation [^2%s^0]", e.text) : "Guild Member Invitation";
}

void GuildJoined(CharEvent& e) {
  if (!*e.text) e.description = "Unknown..";
  e.name = FormatLine("Join [^2%s^0] Guild", e.description.c_str());
}

void GuildPurge(CharEvent& e) {
  if (e.record.data1 == 0) {
    e.name = "Purged From Guild";
    return;
  }
  if (!*e.text) e.description = "Unknown..";
  e.name = FormatLine("Purge Guild Member: ^2%s^0", e.description.c_str());
}

void GuildWarBegun(CharEvent& e) { e.description = FormatLine("^2%s^0", e.text); }

void GuildWarSurrender(CharEvent& e) { e.description = FormatLine("Surrendered GuildID[%d]", AsInt(e.record.data1)); }

void GuildWarEnded(CharEvent& e) { e.description = FormatLine("GuildWarlD[%d] ^2%s^0", AsInt(e.record.data1), e.text); }

void GuildChestOccupied(CharEvent& e) {
  e.name = FormatLine("Guild [%u: %s] Chest was occupied", e.record.data1, e.text);
}

void GuildChestReleased(CharEvent& e) {
  e.name = FormatLine("Guild [%u: %s] Chest was released", e.record.data1, e.text);
}

void GuildRecall(CharEvent& e) { e.description = e.record.data1 != 0 ? "^2callee^0" : "^2caller^0"; }

void MercenaryAbility(CharEvent& e) {
  e.description = FormatLine("^2%s^0 ==> ^2%s^0", MercenaryFlagsText(static_cast<uint8_t>(e.record.data1)).c_str(),
                             MercenaryFlagsText(static_cast<uint8_t>(e.record.data2)).c_str());
}

void MasterDelegation(CharEvent& e) { e.description = FormatLine("^1%s", e.text); }

// --- trade, robber and hunter jobs

void TrijobLevel(CharEvent& e) {
  const char* job = TrijobName(static_cast<uint8_t>(e.record.data1));
  e.name = e.lo < e.hi ? FormatLine("^2%s^0 Level Up", job) : FormatLine("^2%s^0 Level Down", job);
  e.description = FormatLine("From ^4%d^0 To^4%d^0", e.lo, e.hi);
}

void TrijobExp(CharEvent& e) {
  const char* job = TrijobName(static_cast<uint8_t>(e.record.data1));
  e.name = e.lo < e.hi ? FormatLine("^2%s^0 Exp %% Increased", job) : FormatLine("^2%s^0 Exp %% Decreased", job);
  // Doubled on purpose: the row has always shown "%%" after each number.
  e.description = FormatLine("From ^4%d^0 %%%% To ^4%d^0 %%%%", e.lo, e.hi);
}

// --- pets

void PetDestroyed(CharEvent& e) {
  const RefObjChar* pet = e.ref.FindChar(e.record.data1);
  e.name = FormatLine("PET [^2%s^0] Destroyed Forcibly", pet ? e.ref.GetText(pet->nameKey) : "Unknown COS");
  if (pet && IsCargoPet(pet->typeWord)) e.description = FormatLine("Loss in gold: ^4%d^0 Golds", AsInt(e.record.data2));
}

void PetKilled(CharEvent& e) {
  e.name = FormatLine("PET[^2%s^0] Killed By Other Character", Or(PetName(e.ref, e.record.data2), "Unknown COS"));
}

void PetCreated(CharEvent& e) {
  if (const RefObjChar* pet = e.ref.FindChar(e.record.data1))
    e.name = FormatLine("Create PET TYPE[^2%s^0]", pet->codeName);
  else
    e.name = FormatLine("Create PET TYPE[^2%d^0]", AsInt(e.record.data1));
}

void PetActivated(CharEvent& e) {
  if (const RefObjChar* pet = e.ref.FindChar(e.record.data1))
    e.name = FormatLine("PET activated [%s] codename[^2%s^0]", e.text, pet->codeName);
  else
    e.name = FormatLine("PET activated [%s] codename[^2%d^0]", e.text, AsInt(e.record.data1));
}

void PetDeactivated(CharEvent& e) {
  if (const RefObjChar* pet = e.ref.FindChar(e.record.data1))
    e.name = FormatLine("PET deactivated [%s] codename[^2%s^0]", e.text, pet->codeName);
  else
    e.name = FormatLine("PET deactivated [%s] codename[^2%d^0]", e.text, AsInt(e.record.data1));
}

void PetExp(CharEvent& e) {
  e.name = FormatLine("PET exp changed [^2%d^0 -> ^2%d^0]", AsInt(e.record.data1), AsInt(e.record.data2));
}

void PetRevived(CharEvent& e) { e.name = FormatLine("Pet Revived NAME:[^2%s^0]", e.text); }

// --- experience save-up and buffs

// Event names by reason (data1); reasons past the table share one name.
const struct {
  const char* saveUp;  // event 114
  const char* buff;    // event 115
} kExpReasons[] = {
    {"Exp SaveUp Activated", "Exp Buff Activated"},
    {"Exp SaveUp Activated (Login)", "Exp Buff Activated (Login)"},
    {"Exp SaveUp Activate failed by Mentor is not exist", "Exp Buff Activate failed by Mentor is not exist"},
    {"Exp SaveUp Activate failed by already activated", "Exp Buff Activate failed by already activated"},
    {"Exp SaveUp Activate failed by exp didn't saave up", "Exp Buff Activate failed by exp didn't saave up"},
    {"Exp SaveUp Deactivated", "Exp Buff Deactivated"},
    {"Exp SaveUp Activate failed by time limted 1hour", "Exp Buff Activate failed by time limted 1hour"},
    {"Exp SaveUp Deactivated by 24Hour Timeout", "Exp Buff Deactivated by 24Hour Timeout"},
    {"Exp SaveUp Deactivated by Graduate", "Exp Buff Deactivated by Graduate"},
    {"Exp SaveUp Deactivated by Banned", "Exp Buff Deactivated by Banned"},
};
const char kUnhandledReason[] = "Unhandled Reason (SaveUp)";

void ExpSaveUp(CharEvent& e) {
  e.name = e.record.data1 < std::size(kExpReasons) ? kExpReasons[e.record.data1].saveUp : kUnhandledReason;
}

void ExpBuff(CharEvent& e) {
  e.name = e.record.data1 < std::size(kExpReasons) ? kExpReasons[e.record.data1].buff : kUnhandledReason;
}

// --- console edits

void ConsoleEdit(CharEvent& e) {
  e.name = "KDC";
  ConsoleOpDescription(e.record, &e.description);
  // The position field holds the operation keyword; the operation's title replaces it.
  e.position = FormatLine("%s", ConsoleOpTitle(e.record.position).c_str());
}

// --- quests

void QuestStarted(CharEvent& e) {
  e.name = FormatLine("^4%d^0[^2%s^0] Started", AsInt(e.record.data1), QuestName(e.ref, e.record.data1).c_str());
}

void QuestCompleted(CharEvent& e) {
  e.name = FormatLine("^4%d^0[^2%s^0] Completed, Completed Count : ^4%d^0", AsInt(e.record.data1),
                      QuestName(e.ref, e.record.data1).c_str(), AsInt(e.record.data2));
}

void QuestAborted(CharEvent& e) {
  e.name = FormatLine("^4%d^0[^2%s^0] Aborted", AsInt(e.record.data1), QuestName(e.ref, e.record.data1).c_str());
}

void QuestStep(CharEvent& e) {
  e.name = FormatLine("^4%d^0[^2%s^0] Step Changed, Step = ^4%d^0", AsInt(e.record.data1),
                      QuestName(e.ref, e.record.data1).c_str(), AsInt(e.record.data2));
}

void QuestReward(CharEvent& e) {
  e.name = FormatLine("^4%d^0[^2%s^0] Reward", AsInt(e.record.data1), QuestName(e.ref, e.record.data1).c_str());
}

// --- sieges and event skill points

void CollectTax(CharEvent& e) { e.name = FormatLine("Collect Tax:[^2%s^0]", e.text); }

void HiredSiegeNpc(CharEvent& e) {
  uint8_t bits = static_cast<uint8_t>(e.record.data1);
  if (bits & 0x04) e.name = "Hired NPC:[^2Siege Tamer^0]";
  else if (bits & 0x02) e.name = "Hired NPC:[^2Siege Smith^0]";
  else if (bits & 0x01) e.name = "Hired NPC:[^2Siege Battle Manager^0]";
  else e.name = "Hired Siege NPC";
}

void EventSkillExp(CharEvent& e) {
  e.name = FormatLine("Event Skill Exp [^2%d^0]", e.record.eventId);
  e.description = FormatLine("Give Skill Exp: [^2%d^0],  Remain Skill Point [^2%d^0]", AsInt(e.record.data1),
                             AsInt(e.record.data2));
}

typedef void (*CharEventRule)(CharEvent& e);

// The name is set first (when given); the rule then sets what depends on the record.
// Without a rule the description keeps the record's text.
typedef NamedCodeRow<CharEventRule> CharEventRow;

constexpr CharEventRow kCharEvents[] = {
    {1, "Character Created!", CharacterCreated},
    {2, "Character Deleted(Temp)", CharacterCreated},
    {3, "Character Deleted(Permanently)", nullptr},
    {4, "^2Logged in Successfully^0", LoggedIn},
    {5, "^6Failed to Log in^0", LoginFailed},
    {6, "^4Logged out^0", nullptr},
    {7, "Character Deletion Canceled", DeletionCanceled},
    {9, "^9Enter World^0", EnterWorld},
    {11, "Character Teleport", Teleport},
    {19, "PK", nullptr},
    {20, "Character Dead", nullptr},
    {21, "Character Resurrect", Resurrect},
    {22, nullptr, LevelChanged},
    {23, nullptr, ExpChanged},
    {24, "SP Invest TO ^4HP^0", SPToHP},
    {25, "SP Invest TO ^4MP^0", SPToMP},
    {26, nullptr, MasteryRaised},
    {27, nullptr, SkillLearnt},
    {28, nullptr, SkillWithdrawn},
    {29, nullptr, MasteryWithdrawn},
    {60, "Tried To Create Guild", nullptr},
    {61, "Succeeded To Create Guild", nullptr},
    {62, "Failed To Create Guild", ErrorCode},
    {63, nullptr, GuildDismissed},
    {64, "", nullptr},
    {65, nullptr, GuildLevelUp},
    {66, "", nullptr},
    {67, nullptr, GuildInvitation},
    {68, nullptr, GuildJoined},
    {69, "Failed To Invite Guild Member", ErrorCode},
    {70, "Secede Guild", nullptr},
    {71, nullptr, GuildPurge},
    {72, "", nullptr},
    {73, "", nullptr},
    {74, "", nullptr},
    {75, "GuildWar Begun", GuildWarBegun},
    {76, "Declared GuildWar Surrender", GuildWarSurrender},
    {77, "GuildWarEnded", GuildWarEnded},
    {78, nullptr, GuildChestOccupied},
    {79, nullptr, GuildChestReleased},
    {80, "Guild Nick Updated", nullptr},
    {81, "Guild Member Recalled", GuildRecall},
    {82, "Guild Mercenary Summoned", nullptr},
    {83, "Guild Mercenary Perished", nullptr},
    {84, "Guild Mercenary Ability Changed", MercenaryAbility},
    {85, "Guild Master Delegation", MasterDelegation},
    {90, nullptr, TrijobLevel},
    {91, nullptr, TrijobExp},
    {92, "", nullptr},
    {93, "Trijob Guild Enrolled", nullptr},
    {94, "Trijob Guild Seceded", nullptr},
    {95, "Trijob Nickname Updated", nullptr},
    {96, "Trijob Reward Received", nullptr},
    {97, "Trader Contributed to Hunter", nullptr},
    {98, "Trader Registered", nullptr},
    {100, nullptr, PetDestroyed},
    {101, nullptr, PetKilled},
    {102, "Traning Camp Dissmissed", nullptr},
    {103, "Try to create Training Camp", nullptr},
    {104, "Training Camp Created", nullptr},
    {105, "Failed to create Training Camp", nullptr},
    {106, "Joined to Training Camp", nullptr},
    {107, "Try to invite Training Camp member", nullptr},
    {108, "Failed to invite Training Camp member", nullptr},
    {109, "Secede from Training Camp", nullptr},
    {110, "Banned from Training Camp", nullptr},
    {111, "Graduated from Training Camp", nullptr},
    {112, "Forcibly graduated from Training Camp", nullptr},
    {113, "Got Honor point", nullptr},
    {114, nullptr, ExpSaveUp},
    {115, nullptr, ExpBuff},
    {199, nullptr, ConsoleEdit},
    {200, nullptr, QuestStarted},
    {201, nullptr, QuestCompleted},
    {202, nullptr, QuestAborted},
    {203, nullptr, QuestStep},
    {204, nullptr, QuestReward},
    {210, nullptr, PetCreated},
    {211, nullptr, PetActivated},
    {212, nullptr, PetDeactivated},
    {213, "", nullptr},
    {214, nullptr, PetExp},
    {215, "PET Dead", nullptr},
    {216, "", nullptr},
    {217, nullptr, PetRevived},
    {218, "PET Named", nullptr},
    {219, "PET Extend Rental time", nullptr},
    {230, "Guild Member Authority updated", nullptr},
    {231, "Change Siege Tax", nullptr},
    {232, nullptr, CollectTax},
    {233, nullptr, HiredSiegeNpc},
    {235, "SiegeFortressReward:[^2Success Add^0]", nullptr},
    {236, "SiegeFortressReward:[^2Failed Add^0]", nullptr},
    {237, "SiegeFortressReward:[^2Used^0]", nullptr},
    {240, nullptr, EventSkillExp},
};
static_assert(CodesAscend(kCharEvents), "event rows sorted by identifier, each once");

}  // namespace

const char* TrijobName(uint8_t job) {
  switch (job) {
    case 1: return "^6Trader^0";
    case 2: return "^2Robber^0";
    case 3: return "^8Hunter^0";
    default: return "No Activated Job";
  }
}

std::string IPText(uint32_t a) {
  return FormatLine("^4%d^0.^4%d^0.^4%d^0.^4%d^0", static_cast<int>(a & 0xFF), static_cast<int>((a >> 8) & 0xFF),
                    static_cast<int>((a >> 16) & 0xFF), static_cast<int>(a >> 24));
}

std::string MercenaryFlagsText(uint8_t flags) {
  static const struct {
    uint8_t bit;
    const char* text;
  } kAbilities[] = {
      {0x01, "[Defense]"}, {0x02, "[Offense]"}, {0x04, "[Hit/Dodge]"}, {0x08, "[Life]"}, {0x10, "[Endurance]"},
  };
  if (flags == 0) return "[None]";
  std::string text;
  for (const auto& ability : kAbilities)
    if (flags & ability.bit) text += ability.text;
  return text;
}

std::string SPPairText(const std::string& text) {
  TextSplit sp = SplitAtFirst(text, ',');
  return FormatLine("Used SP: ^4%s^0 (Remained SP: ^4%s^0)", sp.before.c_str(), sp.after.c_str());
}

std::pair<double, double> ExpPercentPair(uint32_t d1, uint32_t d2) {
  if (d1 < 100 && d2 < 100) return {d1, d2};
  return {(d1 / 100) / 10.0, (d2 / 100) / 10.0};
}

CharEventCells FormatCharEvent(const GameLogCharRecord& record, const CGameRefData& ref) {
  const std::string text = FormatLine("%s", record.text.c_str());
  CharEventCells cells;
  cells[kCharEventDescription] = text;
  cells[kCharEventPosition] = FormatLine("%s", record.position.c_str());
  cells[kCharEventTime] = LogTimeText(record.time);

  CharEvent e{record,
              ref,
              text.c_str(),
              static_cast<int>(record.data2 & 0xFFFF),
              static_cast<int>(record.data2 >> 16),
              cells[kCharEventName],
              cells[kCharEventDescription],
              cells[kCharEventPosition]};
  if (const CharEventRow* row = FindCodeRow(kCharEvents, record.eventId)) {
    if (row->name) e.name = row->name;
    if (row->rule) row->rule(e);
  } else {
    e.name = FormatLine("Unknown Event Log [^2%d^0]", record.eventId);
  }
  if (cells[kCharEventPosition].empty()) cells[kCharEventPosition] = "^3###^0";
  return cells;
}
