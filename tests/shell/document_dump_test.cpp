// The dump writes each frame's lines into the document's outline one by
// one: the result must be exactly the JSON of the whole model, indented as
// one piece, with every line in its frame.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "shell/document_dump.h"
#include "support/extreme_documents.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

using nlohmann::json;

TEST(DocumentDump, WrittenLineByLineItIsTheJsonOfTheWholeModel) {
  for (const Document& doc : {test::richDocument(), test::extremeDocument(test::ExtremeFamily::longTable, 20)}) {
    const std::string dump = dumpDocumentJson(doc);
    const json parsed = json::parse(dump);
    EXPECT_EQ(parsed.dump(2, ' ', false, json::error_handler_t::replace) + "\n", dump);
    ASSERT_EQ(parsed["Fields"].size(), doc.Fields.size());
    for (size_t f = 0; f < doc.Fields.size(); ++f) {
      const LineList& lines = doc.Fields[f].Lines;
      ASSERT_EQ(parsed["Fields"][f]["Lines"].size(), lines.size()) << f;
      for (size_t l = 0; l < lines.size(); ++l)
        EXPECT_EQ(parsed["Fields"][f]["Lines"][l]["text"], lineTextForDump(lines[l]));
    }
  }
}

}  // namespace
}  // namespace vendaro
