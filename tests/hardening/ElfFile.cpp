#include "ElfFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

template <class T>
bool ReadAt(const std::string& bytes, std::size_t offset, T& out) {
  if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return false;
  std::memcpy(&out, bytes.data() + offset, sizeof(T));
  return true;
}

std::string StringAt(const std::string& bytes, std::size_t offset) {
  if (offset >= bytes.size()) return {};
  return std::string(bytes.c_str() + offset,
                     strnlen(bytes.c_str() + offset, bytes.size() - offset));
}

}  // namespace

std::optional<ElfFile> ElfFile::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  Elf64_Ehdr header{};
  if (!ReadAt(bytes, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
      header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB)
    return std::nullopt;

  ElfFile elf;
  elf.type = header.e_type;
  for (int i = 0; i < header.e_phnum; ++i) {
    Elf64_Phdr ph{};
    if (!ReadAt(bytes, header.e_phoff + i * sizeof ph, ph)) return std::nullopt;
    elf.programHeaders.push_back(ph);
  }

  std::vector<Elf64_Shdr> sections(header.e_shnum);
  for (int i = 0; i < header.e_shnum; ++i)
    if (!ReadAt(bytes, header.e_shoff + i * sizeof(Elf64_Shdr), sections[i])) return std::nullopt;
  const std::string names =
      header.e_shstrndx < sections.size()
          ? bytes.substr(sections[header.e_shstrndx].sh_offset, sections[header.e_shstrndx].sh_size)
          : std::string();
  for (const Elf64_Shdr& section : sections) {
    const std::string name = StringAt(names, section.sh_name);
    if (section.sh_type == SHT_DYNAMIC) {
      for (std::size_t at = 0; at + sizeof(Elf64_Dyn) <= section.sh_size; at += sizeof(Elf64_Dyn)) {
        Elf64_Dyn entry{};
        ReadAt(bytes, section.sh_offset + at, entry);
        elf.dynamic.push_back(entry);
      }
    } else if (section.sh_type == SHT_DYNSYM && section.sh_link < sections.size()) {
      const Elf64_Shdr& strings = sections[section.sh_link];
      const std::string table = bytes.substr(strings.sh_offset, strings.sh_size);
      for (std::size_t at = 0; at + sizeof(Elf64_Sym) <= section.sh_size; at += sizeof(Elf64_Sym)) {
        Elf64_Sym symbol{};
        ReadAt(bytes, section.sh_offset + at, symbol);
        if (symbol.st_shndx == SHN_UNDEF && symbol.st_name != 0)
          elf.undefinedDynamicSymbols.push_back(StringAt(table, symbol.st_name));
      }
    } else if (name == ".GCC.command.line") {
      elf.recordedCommandLines = bytes.substr(section.sh_offset, section.sh_size);
    }
  }
  return elf;
}

bool ElfFile::HasProgramHeader(Elf64_Word kind) const {
  return std::any_of(programHeaders.begin(), programHeaders.end(),
                     [kind](const Elf64_Phdr& ph) { return ph.p_type == kind; });
}

Elf64_Xword ElfFile::DynamicValue(Elf64_Sxword tag) const {
  for (const Elf64_Dyn& entry : dynamic)
    if (entry.d_tag == tag) return entry.d_un.d_val;
  return 0;
}

bool ElfFile::Imports(const std::string& symbol) const {
  return std::find(undefinedDynamicSymbols.begin(), undefinedDynamicSymbols.end(), symbol) !=
         undefinedDynamicSymbols.end();
}
