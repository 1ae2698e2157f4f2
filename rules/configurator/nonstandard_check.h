// Which connection positions are not standard products for the chosen series and porting.
#pragma once

#include "rules/catalogue/product_types.h"
#include "rules/configurator/configuration_record.h"

namespace tarvek {

// Marks the connection positions of a diaphragm valve (other product types keep their
// marks), clears the options' mark, and returns whether the non-standard banner shows.
bool nonStandardCheck(ProductFamily family, ConfigurationRecord& record);

}  // namespace tarvek
