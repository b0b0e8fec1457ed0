#pragma once
// Turns the readable source (data/refdata) into the reference data folder: the thirteen
// files of the reference file set plus the record files their lists name.
#include <string>

// For a file Name.txt the source is Name.tsv, or Name.list for a list file, whose listed
// Part.txt files come from Part.tsv. False with a reason when the source is faulty (see
// ReadSourceTable), a key appears twice within a kind (the loader would silently keep the
// first), a list names an unusable file, or a file cannot be written.
bool WriteSample(const std::string& sourceDir, const std::string& outDir, std::string& error);
