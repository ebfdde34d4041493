#include "gauger_api.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

#ifdef _WIN32
using Handle = HMODULE;
Handle open_library(const char* path) {
  return LoadLibraryA(path);
}
void* find_symbol(Handle library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(library, name));
}
std::string loader_error() {
  return "error " + std::to_string(GetLastError());
}
#else
using Handle = void*;
Handle open_library(const char* path) {
  return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}
void* find_symbol(Handle library, const char* name) {
  return dlsym(library, name);
}
std::string loader_error() {
  const char* message = dlerror();
  return message != nullptr ? message : "unknown error";
}
#endif

template <typename Function>
void bind(Handle library, const char* name, Function& function, std::string& error) {
  void* address = find_symbol(library, name);
  if (address == nullptr) error += std::string(" missing export ") + name + ";";
  function = reinterpret_cast<Function>(address);
}

std::string bind_all(Handle library, GaugerApi& api) {
  std::string error;
  bind(library, "getMajorVersion", api.getMajorVersion, error);
  bind(library, "getMinorVersion", api.getMinorVersion, error);
  bind(library, "compareStrings", api.compareStrings, error);
  bind(library, "compareVersions", api.compareVersions, error);
  bind(library, "direxist", api.direxist, error);
  bind(library, "fileexist", api.fileexist, error);
  bind(library, "GetTime", api.GetTime, error);
  return error;
}

struct LoadResult {
  GaugerApi api;
  std::string error;
};

LoadResult load_once() {
  LoadResult result;
  Handle library = open_library(GAUGER_LIBRARY);
  if (library == nullptr) {
    result.error = std::string("cannot load " GAUGER_LIBRARY ": ") + loader_error();
    return result;
  }
  result.error = bind_all(library, result.api);
  return result;
}

}  // namespace

const GaugerApi* load_gauger(std::string* error) {
  static const LoadResult loaded = load_once();
  *error = loaded.error;
  return loaded.error.empty() ? &loaded.api : nullptr;
}

std::optional<std::string> take_string(char* text) {
  if (text == nullptr) return std::nullopt;
  std::string copy(text);
  std::free(text);
  return copy;
}
