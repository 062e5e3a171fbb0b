#include "caldav/Multistatus.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>

namespace tp::caldav {

namespace {

struct DocumentDeleter {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

std::string qualifiedName(const xmlNode* node) {
    std::string name = "{";
    if (node->ns && node->ns->href)
        name += reinterpret_cast<const char*>(node->ns->href);
    name += '}';
    name += reinterpret_cast<const char*>(node->name);
    return name;
}

bool isElement(const xmlNode* node, std::string_view ns, std::string_view local) {
    if (node->type != XML_ELEMENT_NODE || !node->ns || !node->ns->href)
        return false;
    return ns == reinterpret_cast<const char*>(node->ns->href) &&
           local == reinterpret_cast<const char*>(node->name);
}

bool isDav(const xmlNode* node, std::string_view local) {
    return isElement(node, kDavNamespace, local);
}

std::string textOf(const xmlNode* node) {
    xmlChar* content = xmlNodeGetContent(node);
    std::string text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

std::string trimmed(std::string text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

DavProperty propertyOf(const xmlNode* element) {
    DavProperty property;
    property.text = textOf(element);
    for (const xmlNode* child = element->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE)
            continue;
        property.children.push_back(qualifiedName(child));
        if (isDav(child, "href"))
            property.hrefs.push_back(trimmed(textOf(child)));
        if (isElement(child, kCalDavNamespace, "comp")) {
            if (xmlChar* name = xmlGetProp(child, reinterpret_cast<const xmlChar*>("name"))) {
                property.componentNames.emplace_back(reinterpret_cast<const char*>(name));
                xmlFree(name);
            }
        }
    }
    return property;
}

void readPropstat(const xmlNode* propstat, DavResource& resource) {
    int status = 0;
    const xmlNode* prop = nullptr;
    for (const xmlNode* child = propstat->children; child; child = child->next) {
        if (isDav(child, "status"))
            status = statusOfLine(textOf(child));
        else if (isDav(child, "prop"))
            prop = child;
    }
    if (status < 200 || status > 299 || !prop)
        return;
    for (const xmlNode* element = prop->children; element; element = element->next)
        if (element->type == XML_ELEMENT_NODE)
            resource.properties[qualifiedName(element)] = propertyOf(element);
}

DavResource resourceOf(const xmlNode* response) {
    DavResource resource;
    for (const xmlNode* child = response->children; child; child = child->next) {
        if (isDav(child, "href") && resource.href.empty())
            resource.href = trimmed(textOf(child));
        else if (isDav(child, "status"))
            resource.status = statusOfLine(textOf(child));
        else if (isDav(child, "propstat"))
            readPropstat(child, resource);
    }
    return resource;
}

} // namespace

int statusOfLine(std::string_view line) {
    const auto space = line.find(' ');
    if (space == std::string_view::npos || space + 4 > line.size())
        return 0;
    int status = 0;
    for (std::size_t i = space + 1; i < space + 4; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return 0;
        status = status * 10 + (line[i] - '0');
    }
    return status;
}

std::optional<std::vector<DavResource>> parseMultistatus(std::string_view xml) {
    // No network and no entity expansion: the answer comes from a server we do not trust.
    const std::unique_ptr<xmlDoc, DocumentDeleter> document(
        xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "multistatus.xml", nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    if (!document)
        return std::nullopt;
    const xmlNode* root = xmlDocGetRootElement(document.get());
    if (!root || !isDav(root, "multistatus"))
        return std::nullopt;
    std::vector<DavResource> resources;
    for (const xmlNode* child = root->children; child; child = child->next)
        if (isDav(child, "response"))
            resources.push_back(resourceOf(child));
    return resources;
}

} // namespace tp::caldav
