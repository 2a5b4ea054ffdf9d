#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace dvkctl {

// Rows of text cells printed in columns as wide as their widest cell, under
// a heading row.
class TextTable {
 public:
  explicit TextTable(std::vector<std::string> headings);

  void add_row(std::vector<std::string> cells);
  bool empty() const noexcept { return rows_.empty(); }
  // Each line begins with `indent` and ends with a newline.
  void print(std::ostream& out, const std::string& indent = "  ") const;

 private:
  std::vector<std::string> headings_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace dvkctl
