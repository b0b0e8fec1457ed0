#include "opslog/RelayLogKind.h"

#include "msg/MsgIds.h"

const RelayLogKind kSiegeLog = {
    kMsgSiegeLogQuery, 2, false, false, true, 0,
    "please type siege fortress name or select shard",
    "query SiegeLog failed",
    "^2query SiegeLog not sent: too long for one request",
    "^2query SiegeLog not sent: no console messenger",
};

const RelayLogKind kServerEventLog = {
    kMsgServerEventQuery, 1, true, true, false, 5000,
    "please type Server Event Name or select shard",
    "query ServerEventLog failed",
    "^2query ServerEventLog not sent: too long for one request",
    "^2query ServerEventLog not sent: no console messenger",
};
