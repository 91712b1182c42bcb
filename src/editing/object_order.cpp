// object_order.cpp — the stacking order of objects: later frames are painted
// over earlier ones, so an object goes to the front by trading places with
// the last frame and to the back by trading places with the first object
// slot. Only objects move, and only among the frames after the page body
// and the three header/footer pairs that every document starts with.
#include <utility>

#include "editing/editor.h"

namespace vendaro {
namespace {

constexpr int32_t kFirstObjectSlot = 7;

bool movableObject(const Document& doc, int32_t index) {
  return index >= kFirstObjectSlot && index < doc.FieldCount() &&
         doc.Fields[static_cast<size_t>(index)].FieldType >= kFieldTextBox;
}

// Trades two frame records; chain links, caret and anchor follow them.
void exchangeFrames(Document& doc, int32_t a, int32_t b) {
  std::swap(doc.Fields[static_cast<size_t>(a)], doc.Fields[static_cast<size_t>(b)]);
  const auto follow = [&](int32_t& index) {
    if (index == a) index = b;
    else if (index == b) index = a;
  };
  for (TFieldRec& frame : doc.Fields) {
    follow(frame.PrevField);
    follow(frame.NextField);
  }
  follow(doc.CurField);
  follow(doc.MarkField);
}

}  // namespace

void Editor::Objektnachvorne() {
  const int32_t index = doc_.CurField, last = doc_.FieldCount() - 1;
  if (!movableObject(doc_, index) || index == last) return;
  MakeCopyForUndo("Objekt nach vorne");
  SetFileChanged(true);
  exchangeFrames(doc_, index, last);
  RefreshContent();
}

void Editor::Objektnachhinten() {
  const int32_t index = doc_.CurField;
  if (!movableObject(doc_, index) || index == kFirstObjectSlot) return;
  MakeCopyForUndo("Objekt nach hinten");
  SetFileChanged(true);
  exchangeFrames(doc_, index, kFirstObjectSlot);
  RefreshContent();
}

}  // namespace vendaro
