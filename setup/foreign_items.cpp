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
                        const std::string& programFolder) {
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    return (!dataRoot.empty() && product::SamePath(folder, dataRoot)) ||
           (!programFolder.empty() && product::SamePath(folder, programFolder));
}

std::string ForeignItemMessage(const std::string& path) {
    return path + " already exists and was not installed by Whirlmark Setup, which will not "
                  "replace it.\n\nChoose another folder, or move that file away first.";
}

}  // namespace setup
