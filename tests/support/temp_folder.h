#pragma once

#include <string>

namespace vex::test {

// A fresh folder under /tmp, removed with everything in it when the object
// goes (kept when DVK_KEEP_PEER_FILES is set, for looking at a failure).
class TempFolder {
 public:
  explicit TempFolder(const std::string& prefix);
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  bool valid() const noexcept { return !path_.empty(); }
  const std::string& path() const noexcept { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string read_file(const std::string& path);
bool write_file(const std::string& path, const std::string& content);

}  // namespace vex::test
