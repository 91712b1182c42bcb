#include "document/picture_list.h"

#include <vector>

namespace vendaro {
namespace {

void markUsed(const std::vector<TFieldRec>& fields, std::vector<bool>& used) {
  for (const TFieldRec& f : fields)
    for (const TLineRec& l : f.Lines)
      for (const TCharRec& c : l.Chars)
        if (c.Kind == kCellPicture && c.PictureIndex < used.size()) used[c.PictureIndex] = true;
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
  markUsed(doc.Fields, used);
  for (const std::vector<TFieldRec>* fields : snapshotFrames) markUsed(*fields, used);
  for (int32_t i = 0; i < doc.PictureCount(); ++i)
    if (!used[static_cast<size_t>(i)]) FreeBildInListe(doc, i);
}

}  // namespace vendaro
