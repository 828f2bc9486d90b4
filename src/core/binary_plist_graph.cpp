#include "core/binary_plist_graph.h"

#include <cstdint>
#include <vector>

#include "core/property_list_limits.h"

namespace velmor {

namespace {

constexpr unsigned kArray = 0xA0;
constexpr unsigned kOrderedSet = 0xB0;
constexpr unsigned kSet = 0xC0;
constexpr unsigned kDictionary = 0xD0;

bool isContainer(unsigned type) {
    return type == kArray || type == kOrderedSet || type == kSet || type == kDictionary;
}

// How many references a container's content holds; a count too large to double never fits.
std::uint64_t referenceCount(const BinaryPlistObjectHead& head) {
    if (head.type != kDictionary) {
        return head.count;
    }
    return head.count <= UINT64_MAX / 2 ? head.count * 2 : UINT64_MAX;  // keys, then values
}

// Depth-first walk with an explicit stack of the containers on the current path.
class GraphWalk {
public:
    explicit GraphWalk(const BinaryPlistLayout& layout)
        : layout_(layout),
          maxVisits_(kMaxBinaryPlistObjectsPerByte * layout.bytes.size()),
          onPath_(static_cast<std::size_t>(layout.objectCount), false) {}

    bool run() {
        if (!enter(layout_.topObject)) {
            return false;
        }
        while (!path_.empty()) {
            if (!step()) {
                return false;
            }
        }
        return true;
    }

private:
    struct Container {
        std::uint64_t object;
        std::size_t nextReference;
        std::uint64_t remaining;
    };

    // Follows the next reference of the innermost container, or leaves it when none is left.
    bool step() {
        Container& container = path_.back();
        if (container.remaining == 0) {
            onPath_[static_cast<std::size_t>(container.object)] = false;
            path_.pop_back();
            return true;
        }
        auto child = readBigEndian(layout_.bytes, container.nextReference, layout_.referenceSize);
        container.nextReference += layout_.referenceSize;
        --container.remaining;
        return child && enter(*child);
    }

    bool enter(std::uint64_t object) {
        if (object >= layout_.objectCount || onPath_[static_cast<std::size_t>(object)] ||
            ++visits_ > maxVisits_) {
            return false;
        }
        auto offset = binaryPlistObjectOffset(layout_, object);
        if (!offset) {
            return false;
        }
        if (!isContainer(static_cast<unsigned char>(layout_.bytes[*offset]) & 0xF0U)) {
            return true;
        }
        auto head = readBinaryPlistObjectHead(layout_.bytes, *offset);
        if (!head || path_.size() >= static_cast<std::size_t>(kMaxPropertyListNesting)) {
            return false;
        }
        // A count larger than the file leaves the walk to run off the end, which refuses it.
        const std::uint64_t references = referenceCount(*head);
        if (references > 0) {
            onPath_[static_cast<std::size_t>(object)] = true;
            path_.push_back({object, head->content, references});
        }
        return true;
    }

    const BinaryPlistLayout& layout_;
    const std::uint64_t maxVisits_;
    std::uint64_t visits_ = 0;
    std::vector<bool> onPath_;
    std::vector<Container> path_;
};

}  // namespace

bool binaryPlistGraphIsBounded(const BinaryPlistLayout& layout) {
    return GraphWalk(layout).run();
}

}  // namespace velmor
