// picture_list.h — the document's pictures: appended, never removed, so a
// picture cell's index stays valid; releasing one frees its bitmap and
// leaves an empty entry. A picture stays while text or an undo step uses it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "document/document.h"

namespace vendaro {

void FreeBildInListe(Document& doc, int32_t index);
void FreeBilderListe(Document& doc);
// Releases every picture that no picture cell of the document or of any of
// the `snapshots` (undo steps) refers to.
void FreeBildInListeIfNotNeeded(Document& doc, std::span<const Document* const> snapshots = {});
// The same for undo steps that keep only their frames.
void FreeBildInListeIfNotNeeded(Document& doc, std::span<const std::vector<TFieldRec>* const> snapshotFrames);

}  // namespace vendaro
