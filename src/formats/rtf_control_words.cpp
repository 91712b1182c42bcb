#include "formats/rtf_control_words.h"

#include <unordered_map>

namespace vendaro::rtf {
namespace {

struct NamedEntry {
  std::string_view name;
  WordEntry entry;
};

constexpr bool kAlways = true;

// Header and footer words name the frame their text goes to.
constexpr NamedEntry kWords[] = {
    {"plain", {Word::plain}}, {"b", {Word::bold, 1}}, {"i", {Word::italic, 1}},
    {"ul", {Word::underline, 1}}, {"uld", {Word::underline, 1}}, {"uldash", {Word::underline, 1}},
    {"uldashd", {Word::underline, 1}}, {"uldashdd", {Word::underline, 1}}, {"ulth", {Word::underline, 1}},
    {"ulwave", {Word::underline, 1}}, {"uldb", {Word::underline, 2}}, {"ulw", {Word::underline, 3}},
    {"ulnone", {Word::underlineNone, 0, kAlways}}, {"strike", {Word::strike, 1}}, {"striked", {Word::strike, 1}},
    {"fs", {Word::fontSize, 24}}, {"f", {Word::font, 0}}, {"cf", {Word::colour, 0}}, {"cb", {Word::background, 0}},
    {"chcbpat", {Word::background, 0}}, {"highlight", {Word::highlight, 0}}, {"scaps", {Word::smallCaps, 1}},
    {"caps", {Word::caps, 1}}, {"super", {Word::superscript, 1}}, {"sub", {Word::subscript, 1}},
    {"nosupersub", {Word::noSuperSub, 0, kAlways}}, {"shad", {Word::shadow, 1}},

    {"pard", {Word::pard}}, {"ql", {Word::alignment, 0, kAlways}}, {"qr", {Word::alignment, 1, kAlways}},
    {"qc", {Word::alignment, 2, kAlways}}, {"qj", {Word::alignment, 3, kAlways}}, {"li", {Word::leftIndent}},
    {"ri", {Word::rightIndent}}, {"fi", {Word::firstIndent}}, {"sb", {Word::spaceBefore}}, {"sa", {Word::spaceAfter}},
    {"sl", {Word::lineSpacing, 240}}, {"tx", {Word::tabStop, 720}}, {"tqr", {Word::tabAlignment, 2, kAlways}},
    {"tqc", {Word::tabAlignment, 1, kAlways}}, {"tqdec", {Word::tabAlignment, 3, kAlways}},
    {"tldot", {Word::tabLeader, 2, kAlways}}, {"tlhyph", {Word::tabLeader, 1, kAlways}},
    {"tlul", {Word::tabLeader, 3, kAlways}}, {"tlth", {Word::tabLeader, 1, kAlways}},
    {"tleq", {Word::tabLeader, 1, kAlways}}, {"intbl", {Word::inTable}},

    {"sectd", {Word::sectd}}, {"cols", {Word::columns, 1}}, {"colsx", {Word::columnGap, 720}},
    {"linebetcol", {Word::lineBetweenColumns, 1}}, {"paperw", {Word::paperWidth, 12240}},
    {"paperh", {Word::paperHeight, 15840}}, {"margl", {Word::marginLeft, 1800}}, {"margr", {Word::marginRight, 1800}},
    {"margt", {Word::marginTop, 1440}}, {"margb", {Word::marginBottom, 1440}},
    {"headery", {Word::headerDistance, 720}}, {"footery", {Word::footerDistance, 720}},
    {"facingp", {Word::facingPages, 1, kAlways}}, {"titlepg", {Word::titlePage, 1, kAlways}},
    {"deftab", {Word::defaultTab, 720}}, {"deff", {Word::defaultFont, 0}}, {"uc", {Word::unicodeSkipCount, 1}},
    {"u", {Word::unicode, 0}},

    {"red", {Word::red}}, {"green", {Word::green}}, {"blue", {Word::blue}},

    {"trowd", {Word::rowDefaults}}, {"trleft", {Word::rowLeft}}, {"cellx", {Word::cellRight, 1440}},
    {"cell", {Word::cellEnd}}, {"row", {Word::rowEnd}}, {"clbrdrl", {Word::cellBorder, 0, kAlways}},
    {"clbrdrt", {Word::cellBorder, 1, kAlways}}, {"clbrdrb", {Word::cellBorder, 2, kAlways}},
    {"clbrdrr", {Word::cellBorder, 3, kAlways}}, {"brdrw", {Word::borderWidth}}, {"brdrcf", {Word::borderColour}},
    {"clcbpat", {Word::cellBackground}}, {"clshdng", {Word::cellShading}},

    {"shpbxpage", {Word::shapeAnchorH, 0, kAlways}}, {"shpbxmargin", {Word::shapeAnchorH, 1, kAlways}},
    {"shpbxcolumn", {Word::shapeAnchorH, 2, kAlways}}, {"shpbypage", {Word::shapeAnchorV, 0, kAlways}},
    {"shpbymargin", {Word::shapeAnchorV, 1, kAlways}}, {"shpbypara", {Word::shapeAnchorV, 2, kAlways}},
    {"shpwr", {Word::shapeWrap}}, {"shpleft", {Word::shapeLeft}}, {"shptop", {Word::shapeTop}},
    {"shpright", {Word::shapeRight}}, {"shpbottom", {Word::shapeBottom}},

    {"wmetafile", {Word::pictureKind, kPictureWmf, kAlways}}, {"emfblip", {Word::pictureKind, kPictureEmf, kAlways}},
    {"pngblip", {Word::pictureKind, kPicturePng, kAlways}}, {"jpegblip", {Word::pictureKind, kPictureJpeg, kAlways}},
    {"dibitmap", {Word::pictureKind, kPictureDib, kAlways}},
    {"macpict", {Word::pictureKind, kPictureUnsupported, kAlways}},
    {"pmmetafile", {Word::pictureKind, kPictureUnsupported, kAlways}},
    {"wbitmap", {Word::pictureKind, kPictureUnsupported, kAlways}},
    {"picw", {Word::pictureWidth}}, {"pich", {Word::pictureHeight}}, {"picwgoal", {Word::pictureGoalWidth}},
    {"pichgoal", {Word::pictureGoalHeight}}, {"picscalex", {Word::pictureScaleX, 100}},
    {"picscaley", {Word::pictureScaleY, 100}},

    {"par", {Word::paragraphEnd}}, {"line", {Word::lineBreak}}, {"page", {Word::pageBreak}},
    {"sect", {Word::sectionEnd}}, {"tab", {Word::tab}},
    {"ldblquote", {Word::character, 34}}, {"rdblquote", {Word::character, 34}},
    {"lquote", {Word::character, 0x91}}, {"rquote", {Word::character, 0x92}}, {"endash", {Word::character, 0x96}},
    {"emdash", {Word::character, 0x97}}, {"bullet", {Word::character, 0x95}}, {"~", {Word::character, 0xA0}},
    {"{", {Word::character, '{'}}, {"}", {Word::character, '}'}}, {"\\", {Word::character, '\\'}},
    {"_", {Word::character, '-'}}, {"emspace", {Word::character, ' '}}, {"enspace", {Word::character, ' '}},
    {"qmspace", {Word::character, ' '}},

    {"colortbl", {Word::colourTable}}, {"fonttbl", {Word::fontTable}}, {"info", {Word::info}},
    {"title", {Word::infoSlot, 1}}, {"subject", {Word::infoSlot, 2}}, {"author", {Word::infoSlot, 3}},
    {"operator", {Word::infoSlot, 4}}, {"company", {Word::infoSlot, 5}}, {"category", {Word::infoSlot, 6}},
    {"keywords", {Word::infoSlot, 7}}, {"comment", {Word::infoSlot, 8}}, {"pict", {Word::picture}},
    {"shp", {Word::shape}}, {"shpinst", {Word::shapeInstance}}, {"shptxt", {Word::shapeText}},
    {"shpgrp", {Word::shapeGroup}}, {"sp", {Word::shapeProperty}}, {"sn", {Word::shapePropertyName}},
    {"sv", {Word::shapePropertyValue}}, {"shppict", {Word::shapePicture}}, {"nonshppict", {Word::nonShapePicture}},
    {"headerf", {Word::headerFooter, 1}}, {"footerf", {Word::headerFooter, 2}}, {"headerl", {Word::headerFooter, 3}},
    {"footerl", {Word::headerFooter, 4}}, {"header", {Word::headerFooter, 5}}, {"headerr", {Word::headerFooter, 5}},
    {"footer", {Word::headerFooter, 6}}, {"footerr", {Word::headerFooter, 6}}, {"footnote", {Word::footnote}},
    {"formfield", {Word::formField}}, {"ffname", {Word::formFieldName}}, {"ffdeftext", {Word::formFieldDefault}},
    {"field", {Word::field}}, {"fldinst", {Word::fieldInstruction}}, {"fldrslt", {Word::fieldResult}},

    // Groups whose text is not document text.
    {"buptim", {Word::skippedDestination}}, {"creatim", {Word::skippedDestination}},
    {"doccomm", {Word::skippedDestination}}, {"ftncn", {Word::skippedDestination}},
    {"ftnsep", {Word::skippedDestination}}, {"ftnsepc", {Word::skippedDestination}},
    {"aftncn", {Word::skippedDestination}}, {"aftnsep", {Word::skippedDestination}},
    {"aftnsepc", {Word::skippedDestination}}, {"printim", {Word::skippedDestination}},
    {"private", {Word::skippedDestination}}, {"revtim", {Word::skippedDestination}},
    {"rxe", {Word::skippedDestination}}, {"stylesheet", {Word::skippedDestination}},
    {"tc", {Word::skippedDestination}}, {"txe", {Word::skippedDestination}}, {"xe", {Word::skippedDestination}},
    {"shprslt", {Word::skippedDestination}}, {"listtable", {Word::skippedDestination}},
    {"listoverridetable", {Word::skippedDestination}}, {"revtbl", {Word::skippedDestination}},
    {"rsidtbl", {Word::skippedDestination}}, {"filetbl", {Word::skippedDestination}},
    {"pn", {Word::skippedDestination}}, {"pntxta", {Word::skippedDestination}},
    {"pntxtb", {Word::skippedDestination}}, {"objdata", {Word::skippedDestination}},
    {"objclass", {Word::skippedDestination}}, {"bkmkstart", {Word::skippedDestination}},
    {"bkmkend", {Word::skippedDestination}}, {"annotation", {Word::skippedDestination}},
    {"atnid", {Word::skippedDestination}}, {"atnauthor", {Word::skippedDestination}},
    {"userprops", {Word::skippedDestination}}, {"template", {Word::skippedDestination}},
    {"hlinkbase", {Word::skippedDestination}},

    {"*", {Word::ignorable}},
};

const std::unordered_map<std::string_view, WordEntry>& wordTable() {
  static const std::unordered_map<std::string_view, WordEntry> table = [] {
    std::unordered_map<std::string_view, WordEntry> built;
    built.reserve(std::size(kWords));
    for (const NamedEntry& named : kWords) built.emplace(named.name, named.entry);  // the first entry of a name wins
    return built;
  }();
  return table;
}

}  // namespace

const WordEntry* findWord(std::string_view name) {
  const auto& table = wordTable();
  const auto found = table.find(name);
  return found == table.end() ? nullptr : &found->second;
}

bool isDestination(Word word) { return word >= Word::skippedDestination && word < Word::ignorable; }

}  // namespace vendaro::rtf
