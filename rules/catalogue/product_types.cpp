#include "rules/catalogue/product_types.h"

#include <vector>

#include "rules/catalogue/other_models.h"

namespace tarvek {
namespace {

std::vector<std::string_view> entriesOf(const ProductType& type) {
    std::vector<std::string_view> entries;
    if (type.family == ProductFamily::ActuatorAssemblies) {
        for (const auto& a : kActuators)
            if (!a.assemblyPicture.empty()) entries.push_back(a.entry);
    } else if (type.family == ProductFamily::MiscellaneousParts) {
        for (const auto& part : kSpareParts) entries.push_back(part.entry);
    } else {
        for (const auto& body : kBodies)
            if (body.productType == type.entry) entries.push_back(body.entry);
    }
    return entries;
}

}  // namespace

Entries productTypeEntries(const ProductType& type) { return derivedEntries(kProductTypes, type, entriesOf); }

}  // namespace tarvek
