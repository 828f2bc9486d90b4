#pragma once

#include <string>
#include <string_view>

namespace velmor {

// The last component of a slash-separated path, trailing slashes ignored ("/" stays "/").
std::string VLLastPathComponent(std::string_view path);

// The name without its last extension: "Music.app" gives "Music"; a name that is only an
// extension (".app") or has none stays as it is.
std::string VLDeletingPathExtension(std::string_view name);

}  // namespace velmor
