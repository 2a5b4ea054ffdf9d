#include "tools/dvkctl/text_table.h"

#include <algorithm>
#include <ostream>

namespace dvkctl {

TextTable::TextTable(std::vector<std::string> headings) : headings_(std::move(headings)) {}

void TextTable::add_row(std::vector<std::string> cells) {
  cells.resize(headings_.size());
  rows_.push_back(std::move(cells));
}

void TextTable::print(std::ostream& out, const std::string& indent) const {
  std::vector<std::size_t> widths(headings_.size());
  for (std::size_t column = 0; column < headings_.size(); ++column) {
    widths[column] = headings_[column].size();
    for (const auto& row : rows_) widths[column] = std::max(widths[column], row[column].size());
  }
  const auto print_line = [&](const std::vector<std::string>& cells) {
    std::string line = indent;
    for (std::size_t column = 0; column < cells.size(); ++column) {
      line += cells[column];
      if (column + 1 < cells.size()) line.append(widths[column] - cells[column].size() + 2, ' ');
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  };
  print_line(headings_);
  for (const auto& row : rows_) print_line(row);
}

}  // namespace dvkctl
