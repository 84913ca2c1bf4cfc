// The atlas chart through the canvas library; its text needs a GUI
// application, which needs no display on the offscreen platform.
#include <QGuiApplication>

#include "canvas/atlas_chart.h"
#include "cli/atlas_command.h"

namespace quorvan {

bool writeAtlasPicture(const std::vector<AtlasCell>& cells, int trials, const std::string& path,
                       std::string& error) {
  std::unique_ptr<QGuiApplication> app;
  if (!QGuiApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quorvan-lab";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
  }
  return writeAtlasChart(drawAtlasChart(cells, trials), path, error);
}

}  // namespace quorvan
