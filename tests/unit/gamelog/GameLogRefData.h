#pragma once
// A small reference set for the game log text tests, loaded once per test program
// from files written to a scratch folder (see the .cpp for its records and texts).
#include "refdata/KV_GameRefData.h"

const CGameRefData& GameLogRefData();
