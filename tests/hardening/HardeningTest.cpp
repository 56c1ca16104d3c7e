#include <gtest/gtest.h>

#include "ElfFile.h"

namespace {

class HardeningTest : public testing::Test {
 protected:
  void SetUp() override {
    auto read = ElfFile::Read(NVCALC_PROGRAM);
    ASSERT_TRUE(read.has_value()) << NVCALC_PROGRAM << " is no 64-bit ELF file";
    elf = std::move(*read);
  }
  ElfFile elf;
};

TEST_F(HardeningTest, IsAPositionIndependentExecutable) {
  EXPECT_EQ(elf.type, ET_DYN);
  EXPECT_TRUE(elf.DynamicValue(DT_FLAGS_1) & DF_1_PIE);
}

TEST_F(HardeningTest, HasFullRelroWithImmediateBinding) {
  EXPECT_TRUE(elf.HasProgramHeader(PT_GNU_RELRO));
  EXPECT_TRUE((elf.DynamicValue(DT_FLAGS) & DF_BIND_NOW) ||
              (elf.DynamicValue(DT_FLAGS_1) & DF_1_NOW));
}

TEST_F(HardeningTest, IsBuiltWithTheStackProtector) {
  EXPECT_TRUE(elf.Imports("__stack_chk_fail"));
  EXPECT_NE(elf.recordedCommandLines.find("-fstack-protector-strong"), std::string::npos);
}

// Under _FORTIFY_SOURCE the compiler always turns the printf family into its checked *_chk
// variants, so a fortified binary imports those and never the plain functions.
TEST_F(HardeningTest, IsFortified) {
  std::size_t checked = 0;
  for (const std::string& symbol : elf.undefinedDynamicSymbols)
    checked += symbol != "__stack_chk_fail" && symbol.size() > 6 &&
               symbol.compare(symbol.size() - 4, 4, "_chk") == 0;
  EXPECT_GT(checked, 0u) << "no fortified call at all";
  for (const char* unchecked :
       {"printf", "fprintf", "sprintf", "snprintf", "vfprintf", "vsnprintf", "vsprintf"})
    EXPECT_FALSE(elf.Imports(unchecked)) << unchecked << " is called without its check";
}

}  // namespace
