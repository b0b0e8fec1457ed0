#pragma once
// A list saved to a file: tab-separated lines a spreadsheet opens as they are.
#include <string>
#include <vector>

#include "ui/ColourMarkup.h"

// The byte-order mark that tells a spreadsheet the file is UTF-8.
extern const char kUtf8Bom[];

// One line of the file: each cell with its colour marks removed and its tabs and line
// breaks turned into spaces (a cell never splits into two), every cell in its place
// (empty ones too) separated by TAB, the line ended by CR LF.
std::string TsvLine(const std::vector<std::string>& cells, CharStepFunc step);

// The Save As box's first name: the caption with every character a file name cannot
// hold made "_", a space, the date as YYYY-MM-DD and ".tsv".
std::string TsvFileName(const char* caption, int year, int month, int day, CharStepFunc step);
