#pragma once
// Loaders of the reference files into their containers. Every failure is reported
// through LogOutput; a loader never throws for bad data.
//
// Each loader takes the parser it reads with: one parser serving every file of a load
// keeps its window instead of taking fresh memory per file.
#include "refdata/RefDataParser.h"
#include "refdata/RefDataParser2.h"
#include "refdata/RefTable.h"
#include "refdata/TextTable.h"

// Reads records of kind T until the file is exhausted; of two records with one key the
// first stays. A file that ends inside a record raises the assertion report and fails;
// the records read before stay.
template <class T>
bool LoadRefDataFile(const char* path, CRefTable<T>& table, CRefDataParser& parser);

// Reads a list file naming one record file per token (relative to the list's folder)
// and loads each into the table; stops at the first that fails.
template <class T>
bool LoadRefDataList(const char* path, CRefTable<T>& table, CRefDataParser& parser);

// Reads a text file: column 1 of a line is the key, column 8 the text; a line without
// one of them reuses the previous line's value.
bool LoadTextFile(const char* path, CTextTable& table, CRefDataParser2& parser);
