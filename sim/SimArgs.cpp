#include "SimArgs.h"

#include <cstdlib>

namespace {

bool ToInt(const std::string& s, int min, int max, int* value) {
  if (s.empty() || s.size() > 9) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  int v = atoi(s.c_str());
  if (v < min || v > max) return false;
  *value = v;
  return true;
}

}  // namespace

const char* SimUsage() {
  return "usage: KalderaSim [options] [steps]\n"
         "Hosts the KV_UserLog plug-in as the Kaldera console does and answers its requests\n"
         "from simulated servers. Without steps it simply runs until its window is closed.\n"
         "\n"
         "options:\n"
         "  --dll PATH          plug-in DLL (default: KV_UserLog.dll beside the program)\n"
         "  --config PATH       console directory: worlds, shards, services\n"
         "                      (default: console.cfg beside the program)\n"
         "  --kdlog PATH        operator log records of the console log service\n"
         "                      (default: console_log.txt beside the program)\n"
         "  --gamelog PATH      the shards' game log records of the shard managers\n"
         "                      (default: game_log.txt beside the program)\n"
         "  --siegelog PATH     the shards' siege log records of the shard managers\n"
         "                      (default: siege_log.txt beside the program)\n"
         "  --serverevent PATH  the shards' server event log records of the shard managers\n"
         "                      (default: server_event_log.txt beside the program)\n"
         "  --size WxH          window size in pixels (default 1100x860)\n"
         "  --help              this text\n"
         "\n"
         "steps, run in the order given once the plug-in is up:\n"
         "  --tab N             click tab N of the plug-in's tab strip (0 = Kaldera)\n"
         "  --set ID=TEXT       set control ID of the page on show: edit text, combo entry,\n"
         "                      date picker YYYY-MM-DD, time picker hh:mm:ss\n"
         "  --query             press the query button of the page on show and wait for\n"
         "                      the answer\n"
         "  --click ID          press button ID of the page on show and wait for what it\n"
         "                      sends to be answered\n"
         "  --row N             select row N (from 0) of the list of the page on show\n"
         "  --menu CMD          right-click the list of the page on show and choose the\n"
         "                      row menu's command CMD; wait for what it sends to be\n"
         "                      answered\n"
         "  --box-click ID      press button ID of the modal box the plug-in has open\n"
         "                      (the item serial history) and wait as --click does\n"
         "  --wait-ms N         let the program run N milliseconds\n"
         "  --screenshot FILE   save the window as a 24-bit BMP\n"
         "  --quit              close the program (exit code 1 if a step failed)\n";
}

bool ParseSimArgs(const std::vector<std::string>& argv, SimArgs* args, std::string* error) {
  *args = SimArgs{};
  for (size_t i = 0; i < argv.size(); ++i) {
    const std::string& a = argv[i];
    bool takesValue = a == "--dll" || a == "--config" || a == "--kdlog" || a == "--gamelog" || a == "--siegelog" ||
                      a == "--serverevent" || a == "--size" || a == "--tab" || a == "--set" || a == "--click" ||
                      a == "--row" || a == "--menu" || a == "--box-click" || a == "--wait-ms" || a == "--screenshot";
    if (takesValue && i + 1 >= argv.size()) {
      *error = a + " needs a value";
      return false;
    }
    const std::string value = takesValue ? argv[++i] : std::string();
    SimStep step;
    if (a == "--help" || a == "-h" || a == "/?") {
      args->help = true;
    } else if (a == "--dll") {
      args->dll = value;
    } else if (a == "--config") {
      args->config = value;
    } else if (a == "--kdlog") {
      args->kdlog = value;
    } else if (a == "--gamelog") {
      args->gamelog = value;
    } else if (a == "--siegelog") {
      args->siegelog = value;
    } else if (a == "--serverevent") {
      args->serverevent = value;
    } else if (a == "--size") {
      size_t x = value.find('x');
      if (x == std::string::npos || !ToInt(value.substr(0, x), 200, 8000, &args->width) ||
          !ToInt(value.substr(x + 1), 200, 8000, &args->height)) {
        *error = "--size wants WxH, e.g. 1100x860";
        return false;
      }
    } else if (a == "--tab") {
      step.kind = SimStepKind::Tab;
      if (!ToInt(value, 0, 3, &step.number)) {
        *error = "--tab wants 0, 1, 2 or 3";
        return false;
      }
      args->steps.push_back(step);
    } else if (a == "--set") {
      step.kind = SimStepKind::Set;
      size_t eq = value.find('=');
      if (eq == std::string::npos || !ToInt(value.substr(0, eq), 1, 65535, &step.number)) {
        *error = "--set wants ID=TEXT, e.g. 1001=gm_orsolya";
        return false;
      }
      step.text = value.substr(eq + 1);
      args->steps.push_back(step);
    } else if (a == "--query") {
      step.kind = SimStepKind::Query;
      args->steps.push_back(step);
    } else if (a == "--click" || a == "--box-click") {
      step.kind = a == "--click" ? SimStepKind::Click : SimStepKind::BoxClick;
      if (!ToInt(value, 1, 65535, &step.number)) {
        *error = a + " wants a control id from 1 to 65535";
        return false;
      }
      args->steps.push_back(step);
    } else if (a == "--row" || a == "--menu") {
      step.kind = a == "--row" ? SimStepKind::Row : SimStepKind::Menu;
      if (!ToInt(value, a == "--row" ? 0 : 1, 65535, &step.number)) {
        *error = a + " wants a number" + (a == "--row" ? " from 0" : " from 1");
        return false;
      }
      args->steps.push_back(step);
    } else if (a == "--wait-ms") {
      step.kind = SimStepKind::WaitMs;
      if (!ToInt(value, 0, 600000, &step.number)) {
        *error = "--wait-ms wants milliseconds from 0 to 600000";
        return false;
      }
      args->steps.push_back(step);
    } else if (a == "--screenshot") {
      step.kind = SimStepKind::Screenshot;
      step.text = value;
      args->steps.push_back(step);
    } else if (a == "--quit") {
      args->steps.push_back(step);
    } else {
      *error = "unknown switch " + a;
      return false;
    }
  }
  return true;
}
