#pragma once
// The owner of a loaded library: it frees the module on every way out.
#include <utility>

#include "platform/os/ports.h"

namespace vrex::os {

class LoadedModule {
 public:
  LoadedModule() = default;
  explicit LoadedModule(ModuleHandle module) : module_(module) {}
  ~LoadedModule() { reset(); }
  LoadedModule(LoadedModule&& other) noexcept : module_(std::exchange(other.module_, 0)) {}
  LoadedModule& operator=(LoadedModule&& other) noexcept {
    if (this != &other) reset(std::exchange(other.module_, 0));
    return *this;
  }
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  ModuleHandle get() const { return module_; }
  bool loaded() const { return IsLoaded(module_); }
  // Frees the module held, if it was loaded, and takes another.
  void reset(ModuleHandle module = 0) {
    if (IsLoaded(module_)) ModulesPort().Free(module_);
    module_ = module;
  }

 private:
  ModuleHandle module_ = 0;
};

}  // namespace vrex::os
