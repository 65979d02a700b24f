#pragma once
// A profile file held in memory, for the optimizer's tests: sections and keys compare without
// regard to case and keep their order, as the system's profile files do.
#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "tools/system_speed/profile_file.h"

namespace halvex::testing {

class MemoryProfileFile final : public tools::system_speed::ProfileFile {
 public:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
  };

  explicit MemoryProfileFile(std::string path = "C:\\speed.ini") : path_(std::move(path)) {}

  const std::string& path() const override { return path_; }
  std::vector<std::string> SectionKeys(std::string_view section) override {
    std::vector<std::string> keys;
    if (const Section* found = Find(section)) {
      for (const auto& [key, text] : found->keys) keys.push_back(key);
    }
    return keys;
  }
  std::optional<std::string> Read(std::string_view section, std::string_view key) override {
    if (const Section* found = Find(section)) {
      for (const auto& [name, text] : found->keys) {
        if (Same(name, key)) return text;
      }
    }
    return std::nullopt;
  }
  bool Write(std::string_view section, std::string_view key, std::string_view text) override {
    if (refuseWrites) return false;
    Section* found = Find(section);
    if (found == nullptr) found = &sections.emplace_back(Section{std::string(section), {}});
    for (auto& [name, old] : found->keys) {
      if (Same(name, key)) {
        old = text;
        return true;
      }
    }
    found->keys.emplace_back(std::string(key), std::string(text));
    return true;
  }
  bool DeleteKey(std::string_view section, std::string_view key) override {
    Section* found = Find(section);
    if (found == nullptr) return false;
    return std::erase_if(found->keys, [&](const auto& entry) { return Same(entry.first, key); }) >
           0;
  }

  std::vector<Section> sections;
  bool refuseWrites = false;

 private:
  static bool Same(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::toupper(static_cast<unsigned char>(x)) ==
             std::toupper(static_cast<unsigned char>(y));
    });
  }
  Section* Find(std::string_view section) {
    for (Section& candidate : sections) {
      if (Same(candidate.name, section)) return &candidate;
    }
    return nullptr;
  }

  std::string path_;
};

}  // namespace halvex::testing
