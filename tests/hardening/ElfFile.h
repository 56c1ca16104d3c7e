#pragma once

#include <elf.h>

#include <optional>
#include <string>
#include <vector>

// What the hardening checks read from a 64-bit little-endian ELF file.
struct ElfFile {
  Elf64_Half type = 0;
  std::vector<Elf64_Phdr> programHeaders;
  std::vector<Elf64_Dyn> dynamic;
  std::vector<std::string> undefinedDynamicSymbols;
  std::string recordedCommandLines;  // .GCC.command.line, one compiler command per entry

  static std::optional<ElfFile> Read(const std::string& path);

  bool HasProgramHeader(Elf64_Word kind) const;
  Elf64_Xword DynamicValue(Elf64_Sxword tag) const;  // 0 where the tag is missing
  bool Imports(const std::string& symbol) const;
};
