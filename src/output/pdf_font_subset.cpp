#include "output/pdf_font_subset.h"

#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <memory>
#include <vector>

#include "output/pdf_cmaps.h"

namespace vendaro {

namespace {

template <auto destroy>
struct HbDestroyer {
  template <typename T>
  void operator()(T* object) const {
    destroy(object);
  }
};

using BlobPtr = std::unique_ptr<hb_blob_t, HbDestroyer<hb_blob_destroy>>;
using FacePtr = std::unique_ptr<hb_face_t, HbDestroyer<hb_face_destroy>>;
using FontPtr = std::unique_ptr<hb_font_t, HbDestroyer<hb_font_destroy>>;
using InputPtr = std::unique_ptr<hb_subset_input_t, HbDestroyer<hb_subset_input_destroy>>;
using PlanPtr = std::unique_ptr<hb_subset_plan_t, HbDestroyer<hb_subset_plan_destroy>>;

constexpr hb_tag_t kCmapTag = HB_TAG('c', 'm', 'a', 'p');
constexpr hb_tag_t kGlyfTag = HB_TAG('g', 'l', 'y', 'f');
constexpr hb_tag_t kCffTag = HB_TAG('C', 'F', 'F', ' ');

// Tables a PDF viewer never reads: text shaping, colour and bitmap glyphs.
constexpr hb_tag_t kUnusedTables[] = {
    HB_TAG('G', 'S', 'U', 'B'), HB_TAG('G', 'P', 'O', 'S'), HB_TAG('G', 'D', 'E', 'F'),
    HB_TAG('k', 'e', 'r', 'n'), HB_TAG('C', 'O', 'L', 'R'), HB_TAG('C', 'P', 'A', 'L'),
    HB_TAG('S', 'V', 'G', ' '), HB_TAG('s', 'b', 'i', 'x'), HB_TAG('C', 'B', 'D', 'T'),
    HB_TAG('C', 'B', 'L', 'C'), HB_TAG('E', 'B', 'D', 'T'), HB_TAG('E', 'B', 'L', 'C'),
    HB_TAG('E', 'B', 'S', 'C'), HB_TAG('V', 'O', 'R', 'G'),
};

std::string tableBytes(hb_face_t* face, hb_tag_t tag) {
  BlobPtr blob(hb_face_reference_table(face, tag));
  unsigned length = 0;
  const char* data = hb_blob_get_data(blob.get(), &length);
  return std::string(data != nullptr ? data : "", data != nullptr ? length : 0);
}

std::string postScriptName(hb_face_t* face) {
  unsigned length = 64;
  char name[64] = {};
  hb_ot_name_get_utf8(face, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &length, name);
  return name;
}

// The subset file with its character map replaced by one that leads each
// code straight to the glyph that was measured for it.
std::string withOwnCmap(hb_face_t* subsetBuilder, const std::string& cmap) {
  // The subsetter hands back a face under construction, which cannot list
  // its tables: read them from its serialised file instead.
  BlobPtr serialised(hb_face_reference_blob(subsetBuilder));
  FacePtr subsetFile(hb_face_create(serialised.get(), 0));
  hb_face_t* subset = subsetFile.get();
  FacePtr builder(hb_face_builder_create());
  std::vector<hb_tag_t> tags(64);
  unsigned start = 0;
  for (;;) {
    unsigned count = static_cast<unsigned>(tags.size());
    const unsigned total = hb_face_get_table_tags(subset, start, &count, tags.data());
    for (unsigned i = 0; i < count; ++i) {
      if (tags[i] == kCmapTag) continue;
      BlobPtr table(hb_face_reference_table(subset, tags[i]));
      hb_face_builder_add_table(builder.get(), tags[i], table.get());
    }
    start += count;
    if (count == 0 || start >= total) break;
  }
  BlobPtr cmapBlob(hb_blob_create(cmap.data(), static_cast<unsigned>(cmap.size()), HB_MEMORY_MODE_DUPLICATE,
                                  nullptr, nullptr));
  hb_face_builder_add_table(builder.get(), kCmapTag, cmapBlob.get());
  BlobPtr file(hb_face_reference_blob(builder.get()));
  unsigned length = 0;
  const char* data = hb_blob_get_data(file.get(), &length);
  return std::string(data != nullptr ? data : "", data != nullptr ? length : 0);
}

bool nameGlyphs(hb_face_t* subset, const FontSubsetRequest& request, const hb_map_t* oldToNew,
                FontSubset& out) {
  FontPtr font(hb_font_create(subset));
  for (int code = 0; code < 256; ++code) {
    if (!request.used[code]) continue;
    char name[64] = {};
    if (!hb_font_get_glyph_name(font.get(), hb_map_get(oldToNew, request.glyphs[code]), name, sizeof name) ||
        name[0] == '\0') {
      return false;  // a CID-keyed program: glyphs cannot be reached by name
    }
    out.glyphNames[code] = name;
  }
  return true;
}

}  // namespace

std::optional<FontSubset> subsetFont(const FontSubsetRequest& request) {
  BlobPtr blob(hb_blob_create_from_file_or_fail(request.filePath.c_str()));
  if (!blob) return std::nullopt;
  FacePtr face(hb_face_create(blob.get(), static_cast<unsigned>(request.faceIndex)));
  const unsigned glyphCount = hb_face_get_glyph_count(face.get());
  InputPtr input(hb_subset_input_create_or_fail());
  if (!input || glyphCount == 0) return std::nullopt;
  hb_set_t* glyphs = hb_subset_input_glyph_set(input.get());
  hb_set_add(glyphs, 0);
  for (int code = 0; code < 256; ++code) {
    if (request.used[code] && request.glyphs[code] < glyphCount) hb_set_add(glyphs, request.glyphs[code]);
  }
  hb_set_t* dropped = hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG);
  for (hb_tag_t tag : kUnusedTables) hb_set_add(dropped, tag);

  PlanPtr plan(hb_subset_plan_create_or_fail(face.get(), input.get()));
  if (!plan) return std::nullopt;
  FacePtr subset(hb_subset_plan_execute_or_fail(plan.get()));
  if (!subset) return std::nullopt;
  const hb_map_t* oldToNew = hb_subset_plan_old_to_new_glyph_mapping(plan.get());

  FontSubset out;
  out.postScriptName = postScriptName(face.get());
  if (BlobPtr glyf(hb_face_reference_table(subset.get(), kGlyfTag)); hb_blob_get_length(glyf.get()) > 0) {
    std::vector<CmapEntry> entries;
    for (const FontSubsetRequest::CmapKey& key : request.cmapKeys) {
      if (!request.used[key.code] || key.key > 0xFFFF) continue;
      const hb_codepoint_t glyph = hb_map_get(oldToNew, request.glyphs[key.code]);
      if (glyph == HB_MAP_VALUE_INVALID) continue;
      entries.push_back({static_cast<uint16_t>(key.key), static_cast<uint16_t>(glyph)});
    }
    out.kind = FontProgramKind::trueType;
    out.program = withOwnCmap(subset.get(), trueTypeCmapTable(std::move(entries), request.symbolCmap));
    return out;
  }
  out.kind = FontProgramKind::cff;
  out.program = tableBytes(subset.get(), kCffTag);
  if (out.program.empty() || !nameGlyphs(subset.get(), request, oldToNew, out)) return std::nullopt;
  return out;
}

}  // namespace vendaro
