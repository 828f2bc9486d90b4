#pragma once

#include <string>

namespace velmor {

// What the letter dialogs and sync need from the application delegate: its notice and
// the alphabet check marks.
class VLStudioHost {
public:
    virtual ~VLStudioHost() = default;
    virtual void studioNotice(const std::string& title, const std::string& detail) = 0;
    virtual void refreshAlphabetMenu() = 0;
};

}  // namespace velmor
