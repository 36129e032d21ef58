// What `quillmark-cli show` prints for a loaded save: a readable table or the JSON document.
// Reads the document only; no loading or saving here.
#pragma once

#include <ostream>
#include <vector>

#include "SaveDocument.h"

// The record at a list position: 0 the player, 1 .. 15 the companions.
const CCharacterRecord& RecordAt(const CSaveDocument& document, int position);

void PrintSaveTable(const CSaveDocument& document, const std::vector<int>& positions, std::ostream& out);
void PrintSaveJson(const CSaveDocument& document, const std::vector<int>& positions, std::ostream& out);
