#include "platform/macos/mac_ui.h"

#import <AppKit/AppKit.h>

#include "platform/macos/foundation_text.h"
#include "platform/macos/gcd_scheduler.h"

// Receives the menu's choices and its opening for the portable menu model.
@interface VLMenuTarget : NSObject <NSMenuDelegate>
- (instancetype)initWithUi:(velmor::macos::MacUi*)ui;
- (void)chooseItem:(NSMenuItem*)sender;
@end

@implementation VLMenuTarget {
    velmor::macos::MacUi* _ui;
}

- (instancetype)initWithUi:(velmor::macos::MacUi*)ui {
    if ((self = [super init])) {
        _ui = ui;
    }
    return self;
}

- (void)chooseItem:(NSMenuItem*)sender {
    velmor::macos::MenuPath path;
    for (NSNumber* index in (NSArray<NSNumber*>*)sender.representedObject) {
        path.push_back(index.unsignedLongValue);
    }
    _ui->choose(path);
}

- (void)menuWillOpen:(NSMenu*)menu {
    if (menu.supermenu == nil) {
        _ui->menuWillOpen();
    }
}

@end

namespace velmor::macos {

namespace {

NSArray<NSNumber*>* pathObject(const MenuPath& path) {
    NSMutableArray<NSNumber*>* indices = [NSMutableArray arrayWithCapacity:path.size()];
    for (const std::size_t index : path) {
        [indices addObject:@(index)];
    }
    return indices;
}

NSMenu* nativeMenu(const std::vector<platform::MenuItem>& items, MenuPath& path,
                   VLMenuTarget* target, NSString* title);

void showLook(NSMenuItem* native, const MenuItemLook& look) {
    native.title = foundationText(look.title);
    native.enabled = look.enabled;
    native.state = look.checkMark ? NSControlStateValueOn : NSControlStateValueOff;
}

NSMenuItem* nativeItem(const platform::MenuItem& item, MenuPath& path, VLMenuTarget* target) {
    const MenuItemLook look = lookOf(item);
    if (look.separator) {
        return [NSMenuItem separatorItem];
    }
    NSMenuItem* native = [[NSMenuItem alloc] initWithTitle:foundationText(look.title)
                                                    action:@selector(chooseItem:)
                                             keyEquivalent:foundationText(look.keyEquivalent)];
    native.target = target;
    native.representedObject = pathObject(path);
    showLook(native, look);
    if (look.hasSubmenu) {
        native.action = nil;
        native.submenu = nativeMenu(item.submenu, path, target, foundationText(look.submenuTitle));
    }
    return native;
}

NSMenu* nativeMenu(const std::vector<platform::MenuItem>& items, MenuPath& path,
                   VLMenuTarget* target, NSString* title) {
    NSMenu* menu = [[NSMenu alloc] initWithTitle:title];
    menu.autoenablesItems = NO;  // enabled as the program says, not by its targets
    for (std::size_t i = 0; i < items.size(); ++i) {
        path.push_back(i);
        [menu addItem:nativeItem(items[i], path, target)];
        path.pop_back();
    }
    return menu;
}

NSMenuItem* nativeItemAt(NSMenu* menu, const MenuPath& path) {
    NSMenuItem* item = nil;
    for (const std::size_t index : path) {
        if (menu == nil || index >= static_cast<std::size_t>(menu.numberOfItems)) {
            return nil;
        }
        item = [menu itemAtIndex:static_cast<NSInteger>(index)];
        menu = item.submenu;
    }
    return item;
}

NSImage* templateImage(const platform::StatusItem& item) {
    if (!item.imagePath) {
        return nil;
    }
    NSImage* image = [[NSImage alloc] initWithContentsOfFile:foundationText(*item.imagePath)];
    [image setTemplate:YES];  // drawn in the menu bar's own colour
    image.size = NSMakeSize(item.imageWidth, item.imageHeight);
    return image;
}

NSTextField* accessoryField(const platform::AlertTextField& field) {
    NSTextField* made =
        [[NSTextField alloc] initWithFrame:NSMakeRect(field.x, field.y, field.width, field.height)];
    made.placeholderString = foundationText(field.placeholder);
    made.stringValue = foundationText(field.text);
    return made;
}

}  // namespace

struct MacUi::Native {
    VLMenuTarget* target = nil;
    NSStatusItem* statusItem = nil;
};

MacUi::MacUi() : native_(std::make_unique<Native>()) {
    native_->target = [[VLMenuTarget alloc] initWithUi:this];
}

MacUi::~MacUi() {
    if (native_->statusItem != nil) {
        [NSStatusBar.systemStatusBar removeStatusItem:native_->statusItem];
    }
}

void MacUi::showStatusItem(const platform::StatusItem& item,
                           const std::vector<platform::MenuItem>& menu) {
    checkMainThread("showStatusItem");
    statusItem_ = item;
    model_.show(menu);
    if (native_->statusItem == nil) {
        native_->statusItem = [NSStatusBar.systemStatusBar statusItemWithLength:item.length];
    }
    NSStatusBarButton* button = native_->statusItem.button;
    if (NSImage* image = templateImage(item)) {
        button.image = image;
        button.imagePosition = NSImageOnly;
    } else {
        button.title = foundationText(item.title);
    }
    button.toolTip = foundationText(item.toolTip);
    MenuPath path;
    NSMenu* native = nativeMenu(model_.items(), path, native_->target, @"");
    native.delegate = native_->target;
    native_->statusItem.menu = native;
}

void MacUi::menuItemChanged(const platform::MenuItem& item) {
    checkMainThread("menuItemChanged");
    const std::optional<MenuPath> path = model_.change(item);
    NSMenuItem* native = path ? nativeItemAt(native_->statusItem.menu, *path) : nil;
    if (native != nil && !native.separatorItem) {
        showLook(native, lookOf(*model_.itemAt(*path)));
    }
}

void MacUi::submenuChanged(const platform::MenuItem& parent) {
    checkMainThread("submenuChanged");
    std::optional<MenuPath> path = model_.replaceSubmenu(parent);
    NSMenuItem* native = path ? nativeItemAt(native_->statusItem.menu, *path) : nil;
    if (native == nil || native.separatorItem) {
        return;
    }
    const platform::MenuItem& shown = *model_.itemAt(*path);
    native.action = nil;
    native.submenu = nativeMenu(shown.submenu, *path, native_->target,
                                foundationText(lookOf(shown).submenuTitle));
}

platform::AlertResponse MacUi::runModalAlert(const platform::Alert& alert) {
    checkMainThread("runModalAlert");
    @autoreleasepool {
        NSAlert* shown = [[NSAlert alloc] init];
        shown.messageText = foundationText(alert.message);
        shown.informativeText = foundationText(alert.informative);
        for (const std::string& title : alert.buttons) {
            [shown addButtonWithTitle:foundationText(title)];
        }
        NSTextField* field = alert.field ? accessoryField(*alert.field) : nil;
        shown.accessoryView = field;
        // The buttons answer NSAlertFirstButtonReturn (1000) on, in the order they were added.
        const NSModalResponse response = [shown runModal];
        return {static_cast<int>(response), field ? utf8Text(field.stringValue) : std::string()};
    }
}

std::optional<std::string> MacUi::runOpenPanel(const platform::OpenPanel& panel) {
    checkMainThread("runOpenPanel");
    @autoreleasepool {
        NSOpenPanel* shown = [NSOpenPanel openPanel];
        shown.title = foundationText(panel.title);
        shown.message = foundationText(panel.title);  // newer systems show no title on the panel
        shown.prompt = foundationText(panel.prompt);
        shown.canChooseFiles = panel.canChooseFiles;
        shown.canChooseDirectories = panel.canChooseDirectories;
        shown.canCreateDirectories = panel.canCreateDirectories;
        shown.allowsMultipleSelection = panel.allowsMultipleSelection;
        if (!panel.allowedFileTypes.empty()) {
            NSMutableArray<NSString*>* types = [NSMutableArray array];
            for (const std::string& type : panel.allowedFileTypes) {
                [types addObject:foundationText(type)];
            }
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wdeprecated-declarations"
            // allowedContentTypes wants UTType, from a framework the SDK this is checked
            // against here lacks; extensions still work on every version.
            shown.allowedFileTypes = types;
#pragma clang diagnostic pop
        }
        if (panel.directory) {
            shown.directoryURL = [NSURL fileURLWithPath:foundationText(*panel.directory)
                                            isDirectory:YES];
        }
        if ([shown runModal] != NSModalResponseOK || shown.URL.path.length == 0) {
            return std::nullopt;
        }
        return utf8Text(shown.URL.path);
    }
}

void MacUi::setActivationPolicy(platform::ActivationPolicy policy) {
    checkMainThread("setActivationPolicy");
    [NSApplication.sharedApplication
        setActivationPolicy:policy == platform::ActivationPolicy::accessory
                                ? NSApplicationActivationPolicyAccessory
                                : NSApplicationActivationPolicyRegular];
}

void MacUi::activateIgnoringOtherApps() {
    checkMainThread("activateIgnoringOtherApps");
    [NSApplication.sharedApplication activateIgnoringOtherApps:YES];
}

void MacUi::terminateApplication() {
    checkMainThread("terminateApplication");
    [NSApplication.sharedApplication terminate:nil];
}

std::optional<std::string> MacUi::resourcePath(const std::string& name, const std::string& type) {
    @autoreleasepool {
        NSString* path = [NSBundle.mainBundle pathForResource:foundationText(name)
                                                       ofType:foundationText(type)];
        if (path == nil) {
            return std::nullopt;
        }
        return utf8Text(path);
    }
}

void MacUi::menuWillOpen() {
    if (statusItem_.menuWillOpen) {
        statusItem_.menuWillOpen();
    }
}

bool MacUi::choose(const MenuPath& path) {
    return model_.choose(path);
}

std::optional<MenuPath> MacUi::pathOfTitles(const std::vector<std::string>& titles) const {
    return model_.pathOfTitles(titles);
}

}  // namespace velmor::macos
