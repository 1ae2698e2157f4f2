// Tagged services as undoable steps of the quotation: a field edited, a service given or taken
// away, the cheapest standard valve proposed for every open tag in one step and marked as
// proposed, a proposal accepted; each undone and redone as it was.
#include "rules/quotes/service_steps.h"

#include <gtest/gtest.h>

#include "rules/quotes/quotation_lines.h"
#include "tests/support/services_examples.h"

namespace {

using namespace tarvek;

const std::vector<GasRecord> kGases = {{"Nitrogen", "0.967", "1.4"}};
const ServiceChoices kChoices{kGases, {}, {}};

// 450.5 slm of the README's nitrogen case needs Cv 0.2304 (--flow), more than an MX2 gives.
Service purge(const char* tag, const char* flow) { return tarvek::testing::nitrogenPurge(tag, flow); }

QuotationLine line(const char* partNumber, std::optional<Service> service, int quantity = 1) {
    QuotationLine l;
    if (*partNumber) l = *lineForPartNumber(partNumber);
    l.service = std::move(service);
    l.quantity = quantity;
    return l;
}

TEST(ServiceSteps, AFieldEditedIsAStepToUndo) {
    QuotationEditor editor;
    editor.reset(Quotation{{}, {line("A310-MX2-2A-MXFX-VS", std::nullopt)}});
    EXPECT_FALSE(editLineService(editor, 0, ServiceField::Tag, "FV-1", kChoices).refused());
    EXPECT_EQ(editor.quotation().lines[0].service.value().tag, "FV-1");
    EXPECT_EQ(editor.undoText(), "change the service");
    const ServiceFieldEdit refused = editLineService(editor, 0, ServiceField::InletPressure, "-20", kChoices);
    EXPECT_EQ(refused.title, "Invalid Pressure Value");
    EXPECT_EQ(editor.quotation().lines[0].service.value().conditions.inletPressure, "");
    editor.undo();
    editor.undo();
    EXPECT_FALSE(editor.quotation().lines[0].service);
    editor.redo();
    EXPECT_EQ(editor.quotation().lines[0].service.value().tag, "FV-1");
    // An edit that changes nothing is no step.
    editLineService(editor, 0, ServiceField::Tag, "FV-1", kChoices);
    EXPECT_EQ(editor.undoText(), "change the service");
    editor.undo();
    EXPECT_FALSE(editor.canUndo());
}

TEST(ServiceSteps, AServiceTakenAwayAndATagWithIt) {
    QuotationEditor editor;
    editor.reset(
        Quotation{{}, {line("A310-MX2-2A-MXFX-VS", purge("FV-1", "100")), line("", purge("FV-2", "100"))}});
    setLineService(editor, 0, std::nullopt);
    EXPECT_FALSE(editor.quotation().lines[0].service);
    EXPECT_EQ(editor.undoText(), "remove the service");
    setLineService(editor, 1, std::nullopt);  // a tag without a valve goes with its service
    EXPECT_EQ(editor.quotation().lines.size(), 1u);
    editor.undo();
    editor.undo();
    EXPECT_EQ(editor.quotation().lines[1].service.value().tag, "FV-2");
    EXPECT_EQ(editor.quotation().lines[0].service.value().tag, "FV-1");
}

TEST(ServiceSteps, EveryOpenTagGetsTheCheapestValveInOneStep) {
    QuotationEditor editor;
    editor.reset(
        Quotation{{},
                  {line("", purge("FV-1", "450.5"), 3), line("A310-MX2-2A-MXFX-VS", purge("FV-2", "450.5")),
                   line("A310-MX2-2A-MXFX-VS", purge("FV-3", "100")), line("", purge("FV-4", "20000")),
                   line("1-4-VC-1", std::nullopt)}});
    const Quotation before = editor.quotation();
    const TagProposals outcome = proposeForOpenTags(editor, kGases, search::searchIndex());
    EXPECT_EQ(outcome.proposed, 2u);
    ASSERT_EQ(outcome.unserved.size(), 1u);
    EXPECT_TRUE(outcome.unserved[0].starts_with("FV-4: no standard valve serves Cv ")) << outcome.unserved[0];
    EXPECT_EQ(editor.undoText(), "propose valves");
    const std::vector<QuotationLine>& lines = editor.quotation().lines;
    // The cheapest standard valve for Cv 0.2304 at 100 psig, as the proposals give it.
    const search::ValveProposals cheapest =
        search::proposeValves(search::searchIndex(), {0.23038, 100, "", ""}, 1);
    ASSERT_EQ(cheapest.valves.size(), 1u);
    for (const std::size_t row : {0u, 1u}) {
        EXPECT_EQ(lines[row].partNumber, cheapest.valves[0].configuration.partNumber) << row;
        EXPECT_EQ(lines[row].listPrice, cheapest.valves[0].configuration.listPrice) << row;
        EXPECT_TRUE(lines[row].proposed) << row;
        EXPECT_EQ(checkLine(lines[row], kGases)->verdict, Verdict::Fits) << row;
    }
    EXPECT_EQ(lines[0].quantity, 3);
    EXPECT_EQ(lines[0].service.value().tag, "FV-1");
    EXPECT_EQ(lines[2], before.lines[2]);  // it fits: left as it is
    EXPECT_EQ(lines[3], before.lines[3]);
    EXPECT_EQ(tagProposalsMessage(outcome),
              "Proposed valves for 2 tags. Left open (1):\n" + outcome.unserved[0]);

    acceptProposals(editor, {0, 2});
    EXPECT_FALSE(editor.quotation().lines[0].proposed);
    EXPECT_TRUE(editor.quotation().lines[1].proposed);
    EXPECT_EQ(editor.undoText(), "accept the proposal");
    editor.undo();
    editor.undo();
    EXPECT_EQ(editor.quotation(), before);
}

TEST(ServiceSteps, AValveUpdatedFromTheConfiguratorKeepsItsServiceAndIsNoLongerAProposal) {
    QuotationEditor editor;
    QuotationLine proposed = line("A310-MX2-2A-MXFX-VS", purge("FV-1", "100"));
    proposed.proposed = true;
    editor.reset(Quotation{{}, {proposed}});
    editor.updateLine(0, *lineForPartNumber("J310-MX2-2A-MXFX-VS-BK-LS"));
    EXPECT_EQ(editor.quotation().lines[0].partNumber, "J310-MX2-2A-MXFX-VS-BK-LS");
    ASSERT_TRUE(editor.quotation().lines[0].service);
    EXPECT_EQ(editor.quotation().lines[0].service.value().tag, "FV-1");
    EXPECT_FALSE(editor.quotation().lines[0].proposed);
}

TEST(ServiceSteps, OpenTags) {
    const ServiceCheck fits = *checkLine(line("A310-MX2-2A-MXFX-VS", purge("FV-1", "100")), kGases);
    EXPECT_FALSE(isOpenTag(fits));
    const ServiceCheck none = *checkLine(line("", purge("FV-1", "100")), kGases);
    EXPECT_TRUE(isOpenTag(none));
    const std::optional<search::ValveNeed> need = valveNeed(purge("FV-1", "100"), none);
    ASSERT_TRUE(need);
    EXPECT_EQ(need->inletPsig, 100);
    Service level = purge("FV-1", "100");
    level.conditions.outletPressure = "100";
    const ServiceCheck noResult = *checkLine(line("", level), kGases);
    EXPECT_FALSE(isOpenTag(noResult));
    EXPECT_FALSE(valveNeed(level, noResult));
}

}  // namespace
