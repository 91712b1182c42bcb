// TDynaArray grows by whole blocks, keeps its cursor and survives failed growth.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "spelling/dyna_array.h"

namespace vendaro {
namespace {

TEST(DynaArray, GrowsByWholeBlocksWithZeroedElements) {
  TDynaArray<int64_t> array(4);
  EXPECT_EQ(array.capacity(), 0u);
  for (int64_t i = 0; i < 5; ++i) {
    int64_t* element = array.append();
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(*element, 0);
    *element = i + 1;
  }
  EXPECT_EQ(array.capacity(), 8u);
  // Inserting moves the later elements up and zero-fills the new one.
  ASSERT_NE(array.insert(1), nullptr);
  EXPECT_EQ(std::vector<int64_t>(array.begin(), array.end()), (std::vector<int64_t>{1, 0, 2, 3, 4, 5}));
  EXPECT_EQ(array.cursorIndex(), 1u);
}

TEST(DynaArray, CursorWalksAndTheExternalPointerFollowsIt) {
  int32_t* outside = nullptr;
  TDynaArray<int32_t> array(2, &outside);
  EXPECT_FALSE(array.first());
  EXPECT_FALSE(array.next());
  EXPECT_EQ(outside, nullptr);
  for (int32_t value : {10, 20, 30, 40, 50}) {
    *array.append() = value;
    EXPECT_EQ(outside, &array[array.size() - 1]);  // also after the storage moved
  }
  ASSERT_TRUE(array.first());
  std::vector<int32_t> walked{*outside};
  while (array.next()) walked.push_back(*outside);
  EXPECT_EQ(walked, (std::vector<int32_t>{10, 20, 30, 40, 50}));
  EXPECT_EQ(array.cursorIndex(), 4u);  // stays on the last element
  EXPECT_EQ(array.select(5), nullptr);
  EXPECT_EQ(outside, &array[4]);
}

TEST(DynaArray, FailedAllocationsReportTheMessageAndChangeNothing) {
  std::vector<std::string> messages;
  TDynaArray<std::string> array(3);
  array.setAllocationErrorHandler([&](const std::string& message) { messages.push_back(message); });
  array.setStorageLimit(2 * sizeof(std::string));
  EXPECT_EQ(array.append(), nullptr);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Error 1 while trying to allocate " + std::to_string(3 * sizeof(std::string)) +
                             " bytes of RAM. Not enough memory.");

  array.setStorageLimit(3 * sizeof(std::string));
  for (const char* word : {"eins", "zwei", "drei"}) *array.append() = word;
  const std::string* storage = array.begin();
  EXPECT_EQ(array.insert(0), nullptr);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], "Error 2 while trying to allocate " + std::to_string(6 * sizeof(std::string)) +
                             " bytes of RAM. Not enough memory.");
  EXPECT_EQ(array.begin(), storage);
  EXPECT_EQ(std::vector<std::string>(array.begin(), array.end()), (std::vector<std::string>{"eins", "zwei", "drei"}));
}

}  // namespace
}  // namespace vendaro
