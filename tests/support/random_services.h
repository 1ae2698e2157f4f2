// Random tagged services for the save-and-read-back properties, from a seed so that a failure
// repeats: texts from RandomQuotations (every kind of UTF-8, escapes, quotes, blanks), numbers
// in every form the boxes take (signs, exponents, leading periods, partial entries being
// typed), every unit and method, gases by name or by their values; and quotations whose lines
// carry them, tags without a valve among them, some marked proposed.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "rules/quotes/quotation.h"
#include "rules/quotes/service_edit.h"
#include "tests/support/random_quotations.h"

namespace tarvek::testing {

class RandomServices {
  public:
    bool coin() { return between(0, 1) == 1; }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    template <typename Value, std::size_t N>
    Value pick(const std::array<Value, N>& values) {
        return values[std::size_t(between(0, int(N) - 1))];
    }

    explicit RandomServices(std::uint64_t seed) : texts_(seed), random_(seed + 1) {}

    Service service() {
        Service s;
        s.tag = "T-" + texts_.text(6, false);
        if (coin()) s.description = texts_.text(20, false);
        ServiceConditions& c = s.conditions;
        if (coin()) {
            c.gas = pick(std::array<std::string_view, 3>{"Nitrogen", "Air", "Argon"});
        } else {
            c.specificGravity = number();
            c.specificHeat = number();
        }
        c.temperature = number();
        c.inletPressure = number();
        c.outletPressure = number();
        for (std::string& flow : c.flows)
            if (coin()) flow = number();
        c.units.pressure = pick(kPressureUnits);
        c.units.temperature = pick(kTemperatureUnits);
        c.units.flow = pick(kFlowUnits);
        c.method = coin() ? CalculationMethod::Iec : CalculationMethod::Catalogue;
        if (coin()) c.xt = number();
        if (coin()) c.z = number();
        if (coin()) s.margin = number();
        if (coin()) s.connectionKind = pick(std::array<std::string_view, 2>{"Male Face Seal", "Tube Stub"});
        if (coin()) s.connectionSize = texts_.text(4, false);
        return s;
    }

    // A quotation with services on some lines; tags without a valve have no part number.
    Quotation quotation() {
        Quotation q = texts_.quotation();
        for (QuotationLine& line : q.lines) {
            if (!coin()) continue;
            line.service = service();
            line.proposed = coin();
            if (between(0, 3) == 0) {
                line.partNumber.clear();
                line.listPrice = {};
            }
        }
        return q;
    }

    RandomQuotations& texts() { return texts_; }

  private:
    // A number as a box takes it, or one being typed.
    std::string number() {
        static constexpr std::array<std::string_view, 12> kForms = {
            "0", "100", "-14.7", ".5", "5.", "1e3", "2.5E-2", "+7", "-", ".", "-.", "1234567.125"};
        std::string text(kForms[std::size_t(between(0, int(kForms.size()) - 1))]);
        if (between(0, 3) == 0)
            text = std::to_string(between(0, 100000)) + "." + std::to_string(between(0, 999));
        return text;
    }

    RandomQuotations texts_;
    std::mt19937_64 random_;
};

}  // namespace tarvek::testing
