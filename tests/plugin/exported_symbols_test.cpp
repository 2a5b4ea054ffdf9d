// Reads the dynamic symbol table of the built library and checks that only
// the host functions and the two option classes leave it.
#include <cxxabi.h>
#include <elf.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<char> read_file(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <class T>
const T* at(const std::vector<char>& image, std::size_t offset) {
  if (offset + sizeof(T) > image.size()) return nullptr;
  return reinterpret_cast<const T*>(image.data() + offset);
}

// Names of the symbols the library defines and makes visible to others.
std::vector<std::string> defined_dynamic_symbols(const std::vector<char>& image) {
  std::vector<std::string> names;
  const auto* header = at<Elf64_Ehdr>(image, 0);
  if (header == nullptr || std::memcmp(header->e_ident, ELFMAG, SELFMAG) != 0) return names;
  for (unsigned i = 0; i < header->e_shnum; ++i) {
    const auto* section = at<Elf64_Shdr>(image, header->e_shoff + i * sizeof(Elf64_Shdr));
    if (section == nullptr || section->sh_type != SHT_DYNSYM) continue;
    const auto* strings =
        at<Elf64_Shdr>(image, header->e_shoff + section->sh_link * sizeof(Elf64_Shdr));
    if (strings == nullptr) continue;
    for (std::size_t s = 1; s < section->sh_size / sizeof(Elf64_Sym); ++s) {
      const auto* symbol = at<Elf64_Sym>(image, section->sh_offset + s * sizeof(Elf64_Sym));
      if (symbol == nullptr || symbol->st_shndx == SHN_UNDEF) continue;
      const unsigned char binding = ELF64_ST_BIND(symbol->st_info);
      if (binding != STB_GLOBAL && binding != STB_WEAK && binding != STB_GNU_UNIQUE) continue;
      if (ELF64_ST_VISIBILITY(symbol->st_other) != STV_DEFAULT) continue;
      names.emplace_back(image.data() + strings->sh_offset + symbol->st_name);
    }
  }
  return names;
}

std::string demangle(const std::string& name) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> text(
      abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status), &std::free);
  return status == 0 ? std::string(text.get()) : name;
}

bool belongs_to_option_classes(const std::string& readable) {
  for (const char* cls : {"CDvkDevCommOption", "CDvkCorvoKelmOption"}) {
    const std::string name(cls);
    if (readable.rfind(name + "::", 0) == 0) return true;
    for (const char* prefix : {"typeinfo for ", "typeinfo name for ", "vtable for "}) {
      if (readable == prefix + name) return true;
    }
  }
  return false;
}

TEST(ExportedSymbols, OnlyHostFunctionsAndOptionClassesAreExported) {
  const std::vector<char> image = read_file(DVK_PLUGIN_PATH);
  const std::vector<std::string> names = defined_dynamic_symbols(image);
  ASSERT_FALSE(names.empty());
  std::set<std::string> functions;
  for (const std::string& name : names) {
    if (name.rfind("Dvk", 0) == 0) {
      functions.insert(name);
      continue;
    }
    EXPECT_TRUE(belongs_to_option_classes(demangle(name)))
        << "unexpected export " << demangle(name);
  }
  EXPECT_EQ(functions.size(), 36u);
}

// Hosts may use the option classes directly, also the members the exports
// never call.
TEST(ExportedSymbols, OptionClassesLeaveTheLibrary) {
  const std::vector<std::string> names = defined_dynamic_symbols(read_file(DVK_PLUGIN_PATH));
  std::set<std::string> readable;
  for (const std::string& name : names) readable.insert(demangle(name));
  for (const char* expected : {
           "vtable for CDvkDevCommOption",
           "vtable for CDvkCorvoKelmOption",
           "typeinfo for CDvkDevCommOption",
           "typeinfo for CDvkCorvoKelmOption",
           "CDvkCorvoKelmOption::CDvkCorvoKelmOption()",
           "CDvkCorvoKelmOption::CDvkCorvoKelmOption(CDvkCorvoKelmOption const&)",
           "CDvkDevCommOption::operator=(CDvkDevCommOption const&)",
           "CDvkDevCommOption::get_option(char const*, char const**, int) const",
           "CDvkDevCommOption::get_option(char const*, unsigned int*, int) const",
           "CDvkDevCommOption::MediaDimensionToMediumSize(int, int, int, int*, int*)",
       }) {
    EXPECT_EQ(readable.count(expected), 1u) << "missing export " << expected;
  }
}

}  // namespace
