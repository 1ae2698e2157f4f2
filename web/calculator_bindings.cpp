// The calculator and the sizing as JavaScript sees them (embind): the user's events on the
// technical page and the state they lead to, the curve to draw and the page's own texts.
// Conversions only: every rule stays in the rules layer.
#include <emscripten/bind.h>

#include <string>
#include <string_view>

#include "rules/calculator/calculator.h"
#include "rules/calculator/calculator_page_texts.h"
#include "rules/calculator/curve_axis.h"
#include "rules/calculator/flow_curve_text.h"
#include "rules/calculator/flow_units.h"
#include "rules/calculator/gas_listing.h"
#include "rules/calculator/shown_curve.h"
#include "rules/calculator/sizing_text.h"
#include "rules/calculator/valve_requirement.h"
#include "web/js_values.h"

namespace tarvek {
namespace {

using emscripten::val;

using web::text;
using web::textsOf;

val sizingView(const CalculatorState& s) {
    const SizingState& sizing = s.sizing;
    val boxes = val::array(), typed = val::array();
    for (std::size_t i = 0; i < kSizingBoxCount; ++i) {
        boxes.set(i, sizing.boxes[i]);
        typed.set(i, sizing.typed(SizingBox(i)));
    }
    val view = val::object();
    view.set("unknown", int(sizing.unknown));
    view.set("temperatureUnit", int(sizing.units.temperature));
    view.set("pressureUnit", int(sizing.units.pressure));
    view.set("flowUnit", int(sizing.units.flow));
    view.set("outletUnit", text(unitText(sizing.units.pressure)));
    view.set("boxes", boxes);
    view.set("typed", typed);
    // What the window shows under the boxes once the method has calculated.
    const bool shown = s.method == CalculationMethod::Iec && sizing.calculations > 0;
    const SizingOutcome& outcome = sizing.outcome;
    view.set("choked", shown && outcome.ok() && outcome.sizing->choked);
    std::string details;
    val equivalents = val::array();
    if (shown && outcome.ok()) {
        details = sizingFactorsText(*outcome.sizing) + "\n" + flowRegimeText(*outcome.sizing);
        int i = 0;
        for (const std::string& line : flowEquivalents(outcome, sizing.units.flow))
            equivalents.set(i++, line);
    } else if (shown) {
        details = sizingStatusText(outcome, sizing.units);
    }
    view.set("details", details);
    view.set("equivalents", equivalents);
    return view;
}

val stateView(const CalculatorState& s) {
    val gases = val::array();
    for (std::size_t i = 0; i < s.gases.size(); ++i) gases.set(i, s.gases[i].name);
    val boxes = val::array(), shown = val::array();
    for (std::size_t i = 0; i < s.boxes.size(); ++i) {
        boxes.set(i, s.boxes[i]);
        shown.set(i, s.shown(CalculatorBox(i)));
    }
    val view = val::object();
    view.set("gases", gases);
    view.set("chosenGas", s.chosenGas);
    view.set("specificGravity", s.specificGravity);
    view.set("specificHeat", s.specificHeat);
    view.set("boxes", boxes);
    view.set("shown", shown);
    view.set("mode", int(s.mode));
    view.set("massFlowResult", s.massFlowResult.text);
    view.set("cvResult", s.cvResult.text);
    view.set("choked", s.choked);
    const std::string units = otherUnitsText(s.mode, s.result(s.mode).text, s.specificGravity);
    view.set("otherUnits", units);
    view.set("otherUnitsExplanation",
             units.empty() ? val(std::string()) : text(otherUnitsExplanation(s.mode)));
    view.set("method", int(s.method));
    view.set("sizing", sizingView(s));
    val warning = val::null();
    if (s.warning) {
        warning = val::object();
        warning.set("prompt", text(s.warning->prompt));
        warning.set("title", text(s.warning->title));
    }
    view.set("warning", warning);
    view.set("focus", s.focus ? int(*s.focus) : -1);
    view.set("sizingFocus", s.sizingFocus ? int(*s.sizingFocus) : -1);
    view.set("valvesForFlow", valveRequirement(s).has_value());
    return view;
}

val axisView(const AxisScale& scale) {
    val ticks = val::array();
    for (std::size_t i = 0; i < scale.ticks.size(); ++i) {
        val tick = val::object();
        tick.set("value", scale.ticks[i]);
        tick.set("text", tickText(scale.ticks[i], scale.step));
        ticks.set(i, tick);
    }
    val axis = val::object();
    axis.set("low", scale.low);
    axis.set("high", scale.high);
    axis.set("ticks", ticks);
    return axis;
}

// What the page draws: the curve's points, its axes with their ticks and titles, the choked
// span and the operating point; or the one line that says why there is no curve.
val curveView(const FlowCurve& curve, int pressureTicks, int valueTicks) {
    val view = val::object();
    view.set("drawn", curve.drawn());
    view.set("summary", curveSummary(curve));
    if (!curve.drawn()) {
        view.set("gap", gapText(curve));
        return view;
    }
    val points = val::array();
    for (std::size_t i = 0; i < curve.points.size(); ++i) {
        val point = val::array();
        point.set(0, curve.points[i].outlet);
        point.set(1, curve.points[i].value);
        points.set(i, point);
    }
    view.set("points", points);
    view.set("vacuum", curve.vacuum);
    view.set("inlet", curve.inlet);
    view.set("chokedOutlet", curve.chokedOutlet);
    view.set("chokedLabel", text(kChokedLabel));
    view.set("mode", int(curve.mode));
    view.set("pressureTitle", pressureAxisTitle(curve));
    view.set("valueTitle", valueAxisTitle(curve));
    view.set("pressureAxis", axisView(axisScale(curve.vacuum, curve.inlet, pressureTicks)));
    view.set("valueAxis", axisView(axisScaleFromZero(plottedMaximum(curve), valueTicks)));
    val point = val::object();
    point.set("outlet", curve.operatingPoint.outlet);
    point.set("value", curve.operatingPoint.value);
    point.set("text", curvePointText(curve, curve.operatingPoint));
    view.set("operatingPoint", point);
    return view;
}

// The calculator of one page: each event answers with the whole state to show.
class CalculatorSession {
  public:
    val view() const { return stateView(model_.state()); }
    // The gas listing the build read from its gas database; false, and no gases, for a
    // listing that is not whole.
    bool setGasListing(const std::string& listing) {
        std::optional<std::vector<GasRecord>> gases = readGasListing(listing);
        model_.setGases(gases ? std::move(*gases) : std::vector<GasRecord>{});
        return gases.has_value();
    }
    val chooseGas(int index) { return stateView(model_.chooseGas(index)); }
    val type(int box, const std::string& typed) {
        if (box < 0 || std::size_t(box) >= kBoxRules.size()) return view();
        return stateView(model_.type(CalculatorBox(box), typed));
    }
    val chooseMode(int mode) {
        if (mode != int(FlowMode::MassFlow) && mode != int(FlowMode::Cv)) return view();
        return stateView(model_.chooseMode(FlowMode(mode)));
    }
    val chooseMethod(int method) {
        if (method != int(CalculationMethod::Catalogue) && method != int(CalculationMethod::Iec))
            return view();
        return stateView(model_.chooseMethod(CalculationMethod(method)));
    }
    val typeSizing(int box, const std::string& typed) {
        if (box < 0 || std::size_t(box) >= kSizingBoxCount) return view();
        return stateView(model_.typeSizing(SizingBox(box), typed));
    }
    val chooseUnknown(int unknown) {
        if (unknown < 0 || std::size_t(unknown) >= std::size(kSizingUnknowns)) return view();
        return stateView(model_.chooseUnknown(kSizingUnknowns[unknown]));
    }
    val chooseTemperatureUnit(int unit) {
        if (unit < 0 || std::size_t(unit) >= kTemperatureUnits.size()) return view();
        return stateView(model_.chooseTemperatureUnit(kTemperatureUnits[std::size_t(unit)]));
    }
    val choosePressureUnit(int unit) {
        if (unit < 0 || std::size_t(unit) >= kPressureUnits.size()) return view();
        return stateView(model_.choosePressureUnit(kPressureUnits[std::size_t(unit)]));
    }
    val chooseFlowUnit(int unit) {
        if (unit < 0 || std::size_t(unit) >= kFlowUnits.size()) return view();
        return stateView(model_.chooseFlowUnit(kFlowUnits[std::size_t(unit)]));
    }
    val curve(int pressureTicks, int valueTicks) const {
        return curveView(shownCurve(model_.state()), pressureTicks, valueTicks);
    }
    // What Valves for this Flow asks of every valve: null while the method has no Cv.
    val valveRequirement() const {
        const std::optional<ValveRequirement> needed = tarvek::valveRequirement(model_.state());
        if (!needed) return val::null();
        val result = val::object();
        result.set("cv", needed->cv);
        result.set("inletPsig", needed->inletPsig);
        return result;
    }

  private:
    Calculator model_;
};

val calculatorTexts() {
    namespace t = technical_page;
    val texts = val::object();
    const std::pair<const char*, std::string_view> captions[] = {
        {"calculatorFrame", t::kCalculatorFrame},
        {"gasFrame", t::kGasFrame},
        {"gas", t::kGas},
        {"specificGravity", t::kSpecificGravity},
        {"temperature", t::kTemperature},
        {"inletPressure", t::kInletPressure},
        {"outletPressure", t::kOutletPressure},
        {"calculateFrame", t::kCalculateFrame},
        {"chokedFlow", t::kChokedFlow},
        {"massFlow", t::kMassFlow},
        {"cv", t::kCv},
        {"methodFrame", t::kMethodFrame},
        {"catalogueMethod", t::kCatalogueMethod},
        {"iecMethod", t::kIecMethod},
        {"sizingFrame", t::kSizingFrame},
        {"solveFor", t::kSolveFor},
        {"valvesForFlow", t::kValvesForFlow},
        {"valvesForFlowHint", t::kValvesForFlowHint},
        {"flowCurve", t::kFlowCurve},
    };
    for (const auto& [name, caption] : captions) texts.set(name, text(caption));
    texts.set("sizingCaptions", web::textArray(t::kSizingCaptions));
    texts.set("sizingNames", web::textArray(t::kSizingNames));
    texts.set("unknowns", textsOf(kSizingUnknowns, [](SizingUnknown u) { return unknownText(u); }));
    texts.set("temperatureUnits", textsOf(kTemperatureUnits, [](TemperatureUnit u) { return unitText(u); }));
    texts.set("pressureUnits", textsOf(kPressureUnits, [](PressureUnit u) { return unitText(u); }));
    texts.set("flowUnits", textsOf(kFlowUnits, [](FlowUnit u) { return unitText(u); }));
    texts.set("flowUnitConditions",
              textsOf(kFlowUnits, [](FlowUnit u) { return unitTextWithConditions(u); }));
    return texts;
}

}  // namespace
}  // namespace tarvek

EMSCRIPTEN_BINDINGS(tarvek_calculator) {
    using namespace tarvek;
    emscripten::class_<CalculatorSession>("Calculator")
        .constructor<>()
        .function("view", &CalculatorSession::view)
        .function("setGasListing", &CalculatorSession::setGasListing)
        .function("chooseGas", &CalculatorSession::chooseGas)
        .function("type", &CalculatorSession::type)
        .function("chooseMode", &CalculatorSession::chooseMode)
        .function("chooseMethod", &CalculatorSession::chooseMethod)
        .function("typeSizing", &CalculatorSession::typeSizing)
        .function("chooseUnknown", &CalculatorSession::chooseUnknown)
        .function("chooseTemperatureUnit", &CalculatorSession::chooseTemperatureUnit)
        .function("choosePressureUnit", &CalculatorSession::choosePressureUnit)
        .function("chooseFlowUnit", &CalculatorSession::chooseFlowUnit)
        .function("curve", &CalculatorSession::curve)
        .function("valveRequirement", &CalculatorSession::valveRequirement);
    emscripten::function("calculatorTexts", &calculatorTexts);
}
