#include "caldav/Multistatus.h"

namespace tp::caldav {

bool DavProperty::hasChild(std::string_view name) const {
    for (const std::string& child : children)
        if (child == name)
            return true;
    return false;
}

const DavProperty* DavResource::property(std::string_view name) const {
    const auto found = properties.find(std::string(name));
    return found == properties.end() ? nullptr : &found->second;
}

} // namespace tp::caldav
