#include "fields/catalogue.h"

#include <algorithm>

#include "core/regions.h"
#include "fields/areas.h"

namespace Fields {

namespace {

FieldList makeCatalogue(bool fourMemorySaves) {
    // The blocks that have editors: memory save #4 only in the four-saves layout.
    const int lastBlock = Region::memorySaves(fourMemorySaves);
    std::vector<int> order;
    for (int a = 0; a < int(areas().size()); ++a) order.push_back(a);
    std::ranges::sort(order, {}, [](int a) { return areas()[std::size_t(a)].listed; });
    FieldList all;
    for (const int a : order) {
        const Area& area = areas()[std::size_t(a)];
        for (int block = 0; block <= (area.blocks ? lastBlock : 0); ++block) {
            for (Field& field : area.fields(block, fourMemorySaves)) {
                field.area = a;
                if (area.blocks) field.block = block;
                all.push_back(std::move(field));
            }
        }
    }
    return all;
}

}  // namespace

const FieldList& catalogue(bool fourMemorySaves) {
    // Each layout's list is made when it is first asked for: a session works in one layout, and
    // the lists are large (every field's texts, byte ranges and edit requests).
    if (fourMemorySaves) {
        static const FieldList four = makeCatalogue(true);
        return four;
    }
    static const FieldList three = makeCatalogue(false);
    return three;
}

}  // namespace Fields
