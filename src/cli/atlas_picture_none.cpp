// A build without Qt draws no chart; it says so.
#include "cli/atlas_command.h"
#include "lab/atlas.h"

namespace quorvan {

bool writeAtlasPicture(const std::vector<AtlasCell>&, int, const std::string& path, std::string& error) {
  error = "this build cannot write pictures (" + path + " not written)";
  return false;
}

}  // namespace quorvan
