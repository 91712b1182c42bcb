#include "document/picture_list.h"

#include <unordered_set>
#include <vector>

namespace vendaro {
namespace {

// A line that several snapshots share is looked at once (`seen`).
void markUsed(const std::vector<TFieldRec>& fields, std::vector<bool>& used, std::unordered_set<const void*>& seen) {
  for (const TFieldRec& f : fields)
    for (size_t i = 0; i < f.Lines.size(); ++i) {
      if (!seen.insert(f.Lines.identity(i)).second) continue;
      for (const TCharRec& c : f.Lines[i].Chars)
        if (c.Kind == kCellPicture && c.PictureIndex < used.size()) used[c.PictureIndex] = true;
    }
}

}  // namespace

void FreeBildInListe(Document& doc, int32_t index) {
  if (index < 0 || index >= doc.PictureCount()) return;
  deldib(doc.Pictures[static_cast<size_t>(index)]);
}

void FreeBilderListe(Document& doc) {
  for (TPictureRec& pic : doc.Pictures)
    if (pic.hasPixels()) deldib(pic);
  doc.Pictures.clear();
}

void FreeBildInListeIfNotNeeded(Document& doc, std::span<const Document* const> snapshots) {
  std::vector<const std::vector<TFieldRec>*> frames;
  for (const Document* snapshot : snapshots) frames.push_back(&snapshot->Fields);
  FreeBildInListeIfNotNeeded(doc, frames);
}

void FreeBildInListeIfNotNeeded(Document& doc, std::span<const std::vector<TFieldRec>* const> snapshotFrames) {
  std::vector<bool> used(doc.Pictures.size(), false);
  std::unordered_set<const void*> seen;
  markUsed(doc.Fields, used, seen);
  for (const std::vector<TFieldRec>* fields : snapshotFrames) markUsed(*fields, used, seen);
  for (int32_t i = 0; i < doc.PictureCount(); ++i)
    if (!used[static_cast<size_t>(i)]) FreeBildInListe(doc, i);
}

}  // namespace vendaro
