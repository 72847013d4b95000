// Foreign items in the way of an install; see foreign_items.h.
#include "foreign_items.h"

#include "folder_paths.h"

namespace setup {

const ItemInTheWay* FirstForeign(const std::vector<ItemInTheWay>& items) {
    for (const ItemInTheWay& item : items)
        if (item.exists && !item.recorded && !item.plainlyOurs) return &item;
    return nullptr;
}

bool AtRecordedLocation(const std::string& path, const std::string& dataRoot,
                        const std::string& programFolder, product::LeadByteTest isLeadByte) {
    const std::string folder = path.substr(0, product::LastSlash(path, isLeadByte) + 1);
    return (!dataRoot.empty() && product::SamePath(folder, dataRoot, isLeadByte)) ||
           (!programFolder.empty() && product::SamePath(folder, programFolder, isLeadByte));
}

std::string ForeignItemMessage(const std::string& path) {
    return path + " already exists and was not installed by Whirlmark Setup, which will not "
                  "replace it.\n\nChoose another folder, or move that file away first.";
}

}  // namespace setup
