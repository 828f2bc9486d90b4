#include "platform/x11/desktop_ui.h"

#include "platform/x11/gtk_start.h"
#include "platform/x11/gtk_ui.h"
#include "platform/x11/terminal_ui.h"

namespace velmor::x11 {

std::unique_ptr<platform::Ui> makeDesktopUi(const std::string& displayName,
                                            GlibScheduler& scheduler, std::ostream& terminal,
                                            std::function<void(const std::string&)> noteForLog,
                                            std::function<void()> terminate) {
    if (startGtk(displayName)) {
        return std::make_unique<GtkUi>(scheduler, terminal, std::move(noteForLog),
                                       std::move(terminate));
    }
    terminal << "velmor: GTK cannot open the display; alerts are written here and the menu is "
                "not shown\n";
    terminal.flush();
    return std::make_unique<TerminalUi>(terminal, std::move(terminate));
}

}  // namespace velmor::x11
