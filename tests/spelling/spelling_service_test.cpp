// The program's word lists: loading, the language switch, learning and
// ignoring words, and the user word file.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "spelling/spe_file.h"
#include "spelling/spell_check.h"
#include "spelling/spelling_service.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::readFileBytes;
using test::writeFileBytes;

void writeList(const std::filesystem::path& path, const std::vector<std::string>& words) {
  const std::vector<uint8_t> bytes = encodeWordList(words);
  writeFileBytes(path, std::string(bytes.begin(), bytes.end()));
}

class SpellingServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.file("program"));
    std::filesystem::create_directories(dir.file("config"));
    writeList(dir.file("program") / "german.spe", {"Haus", "laufen"});
    writeList(dir.file("program") / "english.spe", {"house", "run"});
  }
  SpellingService::Folders folders() const { return {dir.file("program"), dir.file("config")}; }

  test::TempDir dir;
  std::vector<std::string> messages;
  SpellingErrorReporter reporter = [this](const std::string& message) { messages.push_back(message); };
};

TEST_F(SpellingServiceTest, UserAndIgnoredWordsJoinEachLanguageAtItsFirstUse) {
  writeFileBytes(dir.file("config") / "user.spe", "Vendaro\r\n\r\nWortliste\n");
  SpellingService service(folders(), reporter);
  EXPECT_EQ(service.UserWords(), (std::vector<std::string>{"Vendaro", "Wortliste"}));
  // Lists are read when asked for, once.
  EXPECT_TRUE(service.words(SpellingService::kGerman).empty());
  service.readWordList(SpellingService::kGerman);
  service.readWordList(SpellingService::kGerman);
  EXPECT_EQ(service.words(SpellingService::kGerman).size(), 2u);
  EXPECT_TRUE(service.words(SpellingService::kEnglish).empty());

  WordList& german = service.selectLanguage(SpellingService::kGerman);
  EXPECT_TRUE(istwortkorrekt(german, "Vendaro", true));
  service.ignoreWord("Blabla", german);
  EXPECT_TRUE(service.learnWord("Zettel", german));
  EXPECT_TRUE(istwortkorrekt(german, "Zettel", true));
  EXPECT_EQ(readFileBytes(service.userWordFile()), "Vendaro\r\nWortliste\r\nZettel\r\n");

  // English is used only now: it takes the words learned and ignored so far.
  WordList& english = service.selectLanguage(SpellingService::kEnglish);
  EXPECT_EQ(service.lastRead(SpellingService::kEnglish).status, WordListReadStatus::Complete);
  for (const char* word : {"house", "Vendaro", "Zettel", "Blabla"}) EXPECT_TRUE(istwortkorrekt(english, word, true));
  // Later words reach only the list they were learned in during this run.
  service.learnWord("Kringel", english);
  EXPECT_FALSE(istwortkorrekt(service.selectLanguage(SpellingService::kGerman), "Kringel", true));
  EXPECT_EQ(german.size(), 2u + 2 + 2);
  EXPECT_TRUE(messages.empty());
}

TEST_F(SpellingServiceTest, UserDictionaryEditsAreSavedAndSaveFailuresReported) {
  SpellingService service(folders(), reporter);
  WordList& german = service.selectLanguage(SpellingService::kGerman);
  for (const char* word : {"eins", "zwei", "drei"}) service.learnWord(word, german);
  const std::vector<size_t> selected = {2, 0, 7};
  EXPECT_TRUE(service.replaceUserWords(removeSelectedWords(service.UserWords(), selected)));
  EXPECT_EQ(readFileBytes(service.userWordFile()), "zwei\r\n");
  EXPECT_TRUE(istwortkorrekt(german, "eins", true));  // stays accepted for this run

  // The configuration folder is gone and a file stands in its place.
  std::filesystem::remove_all(dir.file("config"));
  writeFileBytes(dir.file("config"), "kein Ordner");
  EXPECT_FALSE(service.learnWord("vier", german));
  EXPECT_EQ(messages, std::vector<std::string>{"Konnte Datei user.spe nicht erstellen!"});
  EXPECT_TRUE(istwortkorrekt(german, "vier", true));
  EXPECT_EQ(readFileBytes(dir.file("config")), "kein Ordner");
}

TEST_F(SpellingServiceTest, TwoCopiesOnOneFolderKeepEachOthersWords) {
  writeFileBytes(dir.file("config") / "user.spe", "alt\r\nweg\r\n");
  SpellingService first(folders(), reporter), second(folders(), reporter);
  WordList& firstGerman = first.selectLanguage(SpellingService::kGerman);
  WordList& secondGerman = second.selectLanguage(SpellingService::kGerman);
  EXPECT_TRUE(first.learnWord("Plakat", firstGerman));
  EXPECT_TRUE(second.learnWord("Schild", secondGerman));
  EXPECT_EQ(readFileBytes(first.userWordFile()), "alt\r\nweg\r\nPlakat\r\nSchild\r\n");
  // The second copy now knows the first one's word as well.
  EXPECT_TRUE(istwortkorrekt(secondGerman, "Plakat", true));
  EXPECT_EQ(second.UserWords(), (std::vector<std::string>{"alt", "weg", "Plakat", "Schild"}));
  // A removal in one copy is not undone by the other's next save, and
  // removes only what that copy removed.
  EXPECT_TRUE(first.replaceUserWords({"alt", "Plakat"}));
  EXPECT_EQ(first.UserWords(), (std::vector<std::string>{"alt", "Plakat", "Schild"}));
  EXPECT_TRUE(second.learnWord("Zettel", secondGerman));
  EXPECT_EQ(readFileBytes(first.userWordFile()), "alt\r\nPlakat\r\nSchild\r\nZettel\r\n");

  // A file too large to read is not replaced by the few words known here.
  writeFileBytes(first.userWordFile(), std::string(kMaxUserWordFileBytes + 1, 'x'));
  EXPECT_FALSE(first.learnWord("neu", firstGerman));
  EXPECT_EQ(std::filesystem::file_size(first.userWordFile()), kMaxUserWordFileBytes + 1);
  EXPECT_EQ(messages, std::vector<std::string>{"Konnte Datei user.spe nicht erstellen!"});
}

// Separate processes learning at the same moment: the lock orders their
// read-merge-write steps, so no word is lost.
TEST_F(SpellingServiceTest, CopiesLearningAtOnceLoseNoWord) {
  constexpr int kCopies = 3, kWordsEach = 25;
  std::vector<pid_t> children;
  for (int copy = 0; copy < kCopies; ++copy) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      SpellingService service(folders());
      WordList& german = service.selectLanguage(SpellingService::kGerman);
      bool saved = true;
      for (int word = 0; word < kWordsEach; ++word)
        saved = service.learnWord("w" + std::to_string(copy) + "x" + std::to_string(word), german) && saved;
      _exit(saved ? 0 : 1);
    }
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const std::vector<std::string> words = readUserWordFile(dir.file("config") / "user.spe");
  EXPECT_EQ(words.size(), static_cast<size_t>(kCopies * kWordsEach));
}

TEST_F(SpellingServiceTest, MissingListsLeaveEveryWordUnknown) {
  std::filesystem::remove(dir.file("program") / "german.spe");
  SpellingService service(folders(), reporter);
  EXPECT_EQ(service.lastRead(SpellingService::kGerman).status, WordListReadStatus::NotOpened);
  WordList& german = service.selectLanguage(SpellingService::kGerman);
  EXPECT_FALSE(istwortkorrekt(german, "Haus", true));
  EXPECT_TRUE(addwordtowordlist(german, "Haus"));
  EXPECT_EQ(german[0], "Haus");
}

}  // namespace
}  // namespace vendaro
