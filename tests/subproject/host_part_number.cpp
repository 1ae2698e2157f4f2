// A host program of the catalogue's rules: prints the part number of the typical valve.
#include <cstdio>

#include "rules/configurator/configurator.h"

int main() {
    tarvek::Configurator model;
    for (auto [list, entry] :
         {std::pair{tarvek::List::ProductType, 0}, {tarvek::List::Body, 1}, {tarvek::List::Model, 1}})
        model.choose(list, entry);
    std::printf("%s\n", model.state().partNumber.c_str());
    return model.state().partNumber == "A310-MX2" ? 0 : 1;
}
