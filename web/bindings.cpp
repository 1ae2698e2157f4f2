// The models as JavaScript sees them (embind): the configurator's events and the state they
// lead to, the decoder behind the find field and the links, the quote's text, the page's
// own texts and the literature. Conversions only: every rule stays in the rules layer.
#include <emscripten/bind.h>

#include <string>
#include <string_view>
#include <vector>

#include "rules/catalogue/documents.h"
#include "rules/configurator/configurator.h"
#include "rules/configurator/nonstandard_reasons.h"
#include "rules/configurator/page_texts.h"
#include "rules/configurator/pricing.h"
#include "rules/configurator/steps.h"
#include "rules/part_numbers/configuration_link.h"
#include "rules/part_numbers/find_answer.h"
#include "rules/part_numbers/link_answer.h"
#include "rules/part_numbers/part_number_csv.h"
#include "rules/part_numbers/pasted_part_numbers.h"
#include "rules/quotes/quote.h"
#include "rules/quotes/quote_text.h"
#include "web/js_values.h"

namespace tarvek {
namespace {

using emscripten::val;

using web::text;

val listView(const ConfiguratorState& s, std::size_t i) {
    const ListState& list = s.lists[i];
    val entries = val::array();
    for (std::size_t e = 0; e < list.entries.size(); ++e) entries.set(e, text(list.entries[e]));
    val view = val::object();
    view.set("caption", text(kStepNames[i]));
    view.set("captionActive", s.captionActive[i]);
    view.set("enabled", list.enabled);
    view.set("chosen", list.chosen);
    view.set("entries", entries);
    return view;
}

val stateView(const ConfiguratorState& s) {
    val lists = val::array();
    for (std::size_t i = 0; i < kListCount; ++i) lists.set(i, listView(s, i));
    val options = val::array();
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        val option = val::object();
        option.set("caption", text(s.options[i].caption));
        option.set("enabled", s.options[i].enabled);
        option.set("checked", s.options[i].checked);
        options.set(i, option);
    }
    val view = val::object();
    view.set("lists", lists);
    view.set("options", options);
    view.set("seatFrameActive", s.seatFrameActive);
    view.set("colourFrameActive", s.colourFrameActive);
    view.set("partNumber", s.partNumber);
    view.set("listPrice", listPriceText(s.listPrice));
    view.set("discount", s.discount);
    view.set("discountEnabled", s.discountEnabled);
    view.set("netPrice", netPriceText(s.netPrice));
    view.set("pricesShown", s.pricesShown);
    view.set("banner", s.nonStandardBanner);
    view.set("explanation", nonStandardExplanation(s));
    view.set("picture", text(s.picture));
    view.set("pictureShown", s.pictureShown);
    view.set("pictureCaption", text(s.pictureCaption));
    view.set("valveDescription", text(s.valveDescription));
    view.set("valveDescriptionShown", s.valveDescriptionShown);
    view.set("vBlockNoteShown", s.vBlockNoteShown);
    view.set("compartFittingsNoteShown", s.compartFittingsNoteShown);
    view.set("wikaGaugesNoteShown", s.wikaGaugesNoteShown);
    view.set("canQuote", canQuote(s));
    view.set("link", configurationLink(s));
    return view;
}

// The configurator of one page: each event answers with the whole state to show.
class ConfiguratorSession {
  public:
    val view() const { return stateView(model_.state()); }
    val choose(int list, int entry) {
        if (list < 0 || std::size_t(list) >= kListCount) return view();
        return stateView(model_.choose(List(list), entry));
    }
    val click(int option) {
        if (option < 0 || std::size_t(option) >= kOptionCount) return view();
        return stateView(model_.click(Option(option)));
    }
    val typeDiscount(const std::string& discount) { return stateView(model_.typeDiscount(discount)); }
    val togglePrices() { return stateView(model_.togglePrices()); }

    // The find field: the first ranked configuration is set, as the window's field sets it.
    val find(const std::string& partNumber) {
        const PartNumberDecoding decoding = setFirst(partNumber);
        return answer(findAnswer(decoding), !decoding.configurations.empty());
    }
    // A paste into the find field or onto the page: its first part number is looked up (and
    // put in the field), and the answer says how many more it held. Nothing found: no number.
    val findPasted(const std::string& text) {
        const std::vector<std::string> numbers = partNumbersInPaste(text);
        if (numbers.empty()) return answer({}, false);
        const PartNumberDecoding decoding = setFirst(numbers.front());
        val result =
            answer(answerToPaste(findAnswer(decoding), numbers.size() - 1), !decoding.configurations.empty());
        result.set("number", numbers.front());
        return result;
    }
    // A configuration's link, as the address carries it; where several configurations give its
    // number, the answer says which is shown and links the others.
    val open(const std::string& link) {
        const OpenedLink opened = openConfigurationLink(link);
        for (const ConfiguratorEvent& event : opened.events) model_.apply(event);
        if (opened.events.empty()) return answer(findAnswer(opened.decoding), false);
        const LinkAnswer said = linkAnswer(opened);
        val result = answer(said.text, true);
        val others = val::array();
        for (std::size_t i = 0; i < said.others.size(); ++i) {
            val other = val::object();
            other.set("link", said.others[i].link);
            other.set("text", said.others[i].text);
            others.set(i, other);
        }
        result.set("others", others);
        return result;
    }
    std::string quoteText() const {
        return canQuote(model_.state()) ? quotePlainText(quoteOf(model_.state())) : std::string();
    }

  private:
    PartNumberDecoding setFirst(const std::string& partNumber) {
        PartNumberDecoding decoding = partNumberDecoder().decode(partNumber);
        if (!decoding.configurations.empty())
            for (const ConfiguratorEvent& event : decoding.configurations.front().events) model_.apply(event);
        return decoding;
    }
    val answer(const std::string& text, bool found) const {
        val result = val::object();
        result.set("answer", text);
        result.set("found", found);
        result.set("state", view());
        result.set("others", val::array());
        return result;
    }
    Configurator model_;
};

val pageTexts() {
    val texts = val::object();
    texts.set("edition", text(kCatalogueEdition));
    texts.set("banner", text(kNonStandardBanner));
    texts.set("partNumber", text(kPartNumberCaption));
    texts.set("listPrice", text(page::kListPriceCaption));
    texts.set("discount", text(page::kDiscountCaption));
    texts.set("netPrice", text(page::kNetPriceCaption));
    texts.set("seatFrame", text(page::kSeatFrameTitle));
    texts.set("colourFrame", text(page::kColourFrameTitle));
    texts.set("find", text(page::kFindCaption));
    texts.set("findHint", text(page::kFindHint));
    texts.set("vBlockNote", text(page::kVBlockNote));
    texts.set("wikaGaugesNote", text(page::kWikaGaugesNote));
    texts.set("compartFittingsNote", text(page::kCompartFittingsNote));
    val tabs = val::array();
    for (std::size_t i = 0; i < std::size(page::kTabs); ++i) tabs.set(i, text(page::kTabs[i]));
    texts.set("tabs", tabs);
    return texts;
}

val documents() {
    val list = val::array();
    for (std::size_t i = 0; i < kDocuments.size(); ++i) {
        const Document& d = kDocuments[i];
        val document = val::object();
        document.set("caption", text(d.caption));
        document.set("file", text(documentFileName(d)));
        document.set("firstPage", firstPagePictureName(d));
        document.set("technical", d.page == DocumentPage::Technical);
        list.set(i, document);
    }
    return list;
}

// The decoder's verdict alone, for the benchmark of one decoding.
std::string decodeStatus(const std::string& partNumber) {
    return std::string(statusText(partNumberDecoder().decode(partNumber).status));
}

}  // namespace
}  // namespace tarvek

EMSCRIPTEN_BINDINGS(tarvek) {
    using namespace tarvek;
    emscripten::class_<ConfiguratorSession>("Configurator")
        .constructor<>()
        .function("view", &ConfiguratorSession::view)
        .function("choose", &ConfiguratorSession::choose)
        .function("click", &ConfiguratorSession::click)
        .function("typeDiscount", &ConfiguratorSession::typeDiscount)
        .function("togglePrices", &ConfiguratorSession::togglePrices)
        .function("find", &ConfiguratorSession::find)
        .function("findPasted", &ConfiguratorSession::findPasted)
        .function("open", &ConfiguratorSession::open)
        .function("quoteText", &ConfiguratorSession::quoteText);
    emscripten::function("pageTexts", &pageTexts);
    emscripten::function("documents", &documents);
    emscripten::function("decodeStatus", &decodeStatus);
}
