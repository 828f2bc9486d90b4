#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velmor::platform {

// A single-line text field shown below an alert's texts.
struct AlertTextField {
    double x = 0.0;
    double y = 0.0;
    double width = 360.0;
    double height = 24.0;
    std::string placeholder;
    std::string text;
};

struct Alert {
    std::string message;
    std::string informative;
    std::vector<std::string> buttons;  // answered as 1000, 1001, ... in this order
    std::optional<AlertTextField> field;
    // The button, by its place, that changes nothing: where a desktop answers Escape or the
    // window's close button, it gives this one. Nothing: every button does something. A Mac
    // ignores it, as its alerts ignore Escape unless a button is titled Cancel.
    std::optional<std::size_t> cancelButton;
};

struct AlertResponse {
    int button = 1000;
    std::string fieldText;  // the field's text when the alert has one
};

struct OpenPanel {
    std::string title;
    std::string prompt;
    bool canChooseFiles = true;
    bool canChooseDirectories = false;
    bool canCreateDirectories = false;
    bool allowsMultipleSelection = false;
    std::vector<std::string> allowedFileTypes;
    std::optional<std::string> directory;
};

struct MenuItem;
// Called on the main thread when the user chooses an enabled item, with the item as shown.
using MenuHandler = std::function<void(const MenuItem&)>;

// One item of the status menu, as data. Actions are named; the handler performs them.
struct MenuItem {
    std::string title;
    std::string action;  // empty: no action
    std::string keyEquivalent;
    bool enabled = true;
    bool checked = false;
    bool separator = false;
    std::optional<std::string> representedObject;
    std::string identifier;  // names an item the program changes later, e.g. "input-status"
    std::string submenuTitle;
    std::vector<MenuItem> submenu;
    MenuHandler handler;  // empty: choosing the item does nothing
};

struct StatusItem {
    double length = 29.0;
    std::optional<std::string> imagePath;  // a template image; nothing shows the title
    double imageWidth = 25.0;
    double imageHeight = 16.0;
    std::string title;
    std::string toolTip;
    // Called on the main thread each time the user opens the menu, before it shows, so
    // items that depend on the moment (the frontmost application) can be brought up to date.
    std::function<void()> menuWillOpen;
};

// How the program shows itself: a regular application with a dock icon and menu bar, or an
// accessory that lives in the status bar only.
enum class ActivationPolicy { regular, accessory };

// Main thread only, every operation.
class Ui {
public:
    virtual ~Ui() = default;

    // Shows the status item with its menu; choosing an item calls its handler.
    virtual void showStatusItem(const StatusItem& item, const std::vector<MenuItem>& menu) = 0;
    // A menu item's title or check mark changed; its handler stays as shown.
    virtual void menuItemChanged(const MenuItem& item) = 0;
    // The items of a submenu were replaced: the parent as it is now, with its handlers.
    virtual void submenuChanged(const MenuItem& parent) = 0;

    // Runs modally; timers that pause during a modal wait meanwhile, the event tap keeps
    // working.
    virtual AlertResponse runModalAlert(const Alert& alert) = 0;
    // The chosen path, or nothing when the panel is cancelled.
    virtual std::optional<std::string> runOpenPanel(const OpenPanel& panel) = 0;

    virtual void setActivationPolicy(ActivationPolicy policy) = 0;
    virtual void activateIgnoringOtherApps() = 0;
    virtual void terminateApplication() = 0;

    // A resource of the application bundle; nothing when it is missing.
    virtual std::optional<std::string> resourcePath(const std::string& name,
                                                    const std::string& type) = 0;
};

}  // namespace velmor::platform
