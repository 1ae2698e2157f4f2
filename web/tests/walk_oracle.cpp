// The window's side of the browser walks: the same Configurator given the events a walk
// applied to the page, one per line on standard input, writes after each the line the page
// must show (see configurator_snapshot.mjs for the page's side):
//   choose <list> <entry> | click <option> | discount <text> | prices
// (a list's chosen entry chosen again is "choose" with that entry, as the window's list sends it).
#include <iostream>
#include <stdexcept>
#include <string>

#include "rules/configurator/configurator.h"
#include "rules/configurator/pricing.h"

namespace {

using namespace tarvek;

std::string snapshot(const ConfiguratorState& s) {
    std::string line = s.partNumber + '\t' + listPriceText(s.listPrice) + '\t' + netPriceText(s.netPrice) +
                       '\t' + s.discount + '\t' + (s.nonStandardBanner ? "1" : "0") + '\t' +
                       (s.pricesShown ? "1" : "0");
    for (const ListState& list : s.lists)
        line += '\t' + std::string(list.enabled ? "1" : "0") + ':' + std::to_string(list.chosen) + ':' +
                std::to_string(list.entries.size()) + ':' + std::string(list.chosenText());
    // A frame that is not active is disabled, buttons and all, and its title is not bold.
    for (const bool active : {s.seatFrameActive, s.colourFrameActive}) line += active ? "\t11" : "\t00";
    line += '\t';
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        const OptionState& option = s.options[i];
        const bool frameActive = i < kSeatButtons ? s.seatFrameActive : s.colourFrameActive;
        line += std::string(option.enabled && frameActive ? "1" : "0") + (option.checked ? "1" : "0");
    }
    return line;
}

}  // namespace

int main() {
    Configurator model;
    std::string event;
    while (std::getline(std::cin, event)) {
        const auto space = event.find(' ');
        const std::string verb = event.substr(0, space);
        const std::string rest = space == std::string::npos ? std::string() : event.substr(space + 1);
        try {
            if (verb == "choose") {
                const auto gap = rest.find(' ');
                const int list = std::stoi(rest.substr(0, gap));
                if (list < 0 || std::size_t(list) >= kListCount) throw std::out_of_range("list");
                model.choose(List(list), std::stoi(rest.substr(gap + 1)));
            } else if (verb == "click") {
                const int option = std::stoi(rest);
                if (option < 0 || std::size_t(option) >= kOptionCount) throw std::out_of_range("option");
                model.click(Option(option));
            } else if (verb == "discount") {
                model.typeDiscount(rest);
            } else if (verb == "prices") {
                model.togglePrices();
            } else {
                std::cerr << "walk_oracle: unknown event: " << event << '\n';
                return 2;
            }
        } catch (const std::exception&) {
            std::cerr << "walk_oracle: malformed event: " << event << '\n';
            return 2;
        }
        std::cout << snapshot(model.state()) << '\n';
    }
    return std::cout.flush() ? 0 : 1;
}
