#pragma once
// The files of one drop, as the form's drop handler reads them.

#include <string>
#include <vector>

#include "toolkit/platform/Platform.h"

namespace gtkui {

class TDroppedFiles : public tk::TDropFiles {
 public:
  explicit TDroppedFiles(std::vector<std::string> paths) : FPaths(std::move(paths)) {}
  unsigned Count() const override { return static_cast<unsigned>(FPaths.size()); }
  std::string File(unsigned index) const override {
    return index < FPaths.size() ? FPaths[index] : std::string();
  }
  // The GTK drag was finished when the data arrived; what is left to release is the list.
  void Finish() override { std::vector<std::string>().swap(FPaths); }

 private:
  std::vector<std::string> FPaths;
};

}  // namespace gtkui
