#pragma once

#include <string_view>

namespace velmor {

// The property-list library parses XML without recursion but frees what it built by
// recursing once per level, so a few million nested arrays end the program even when the
// document is broken. False when the containers of an XML property list nest deeper than
// kMaxPropertyListNesting anywhere before the end of the bytes. Tags are found the way the
// library finds them: comments, character data, processing instructions, the document type
// and quoted attribute values hide what they contain. Binary property lists pass.
bool xmlPlistNestingIsBounded(std::string_view bytes);

}  // namespace velmor
