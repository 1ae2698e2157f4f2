// The pure pieces behind the document buttons and documents: the document path, and the
// reading of catalogue entries and amounts.
#include <gtest/gtest.h>

#include <QDir>

#include "app/literature/document_buttons.h"
#include "assets/documents/catalogue_text.h"
#include "assets/documents/document_content.h"
#include "platform/document_opener.h"

namespace {

TEST(DocumentPath, FollowsTheProgramFolderWithThePlatformSeparator) {
    const QString sep = QDir::separator();
    struct Case {
        QString folder;
        std::string_view document;
        QString expected;
    };
    const Case cases[] = {
        {"/opt/tarvek", "\\Tarvek Products - MX1.pdf", "/opt/tarvek" + sep + "Tarvek Products - MX1.pdf"},
        {"/home/a b/c", "\\Maintenance Sheet - Diaphragm Replacement.pdf",
         "/home/a b/c" + sep + "Maintenance Sheet - Diaphragm Replacement.pdf"},
        // Only the leading backslash is a separator; a name without one follows directly.
        {"/x", "Tarvek Products - MX1.pdf", "/xTarvek Products - MX1.pdf"},
        {"", "\\Tarvek Products - KL.pdf", sep + "Tarvek Products - KL.pdf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tarvek::documentPath(c.folder, c.document), c.expected) << c.document;
}

TEST(DocumentButtonTable, NamesEachDocumentByItsFileName) {
    const tarvek::DocumentButton* row = tarvek::findDocumentButton("cmdOpenMaintenanceA310pdf");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(tarvek::documentFileName(row->document()),
              "Maintenance Sheet - Actuator Installation and Adjustment - A310-A370-A371.pdf");
    EXPECT_EQ(row->document().caption, "Actuator Adjustment A310/A370/A371");
    EXPECT_EQ(tarvek::findDocumentButton("cmdOpenMX2pdf")->document().caption, "MX2  Valves");
    EXPECT_EQ(tarvek::findDocumentButton("cmdOpenMX2"), nullptr);
}

TEST(CatalogueText, SplitsEntriesIntoCodeAndDescription) {
    struct Case {
        std::string_view entry, code, description;
    };
    const Case cases[] = {
        {"A310 --- Air-Op N.C., Low Pressure", "A310", "Air-Op N.C., Low Pressure"},
        {"A550 - Pneumatic, N.C.", "A550", "Pneumatic, N.C."},
        {"M - Male Face Seal, 1/4 inch", "M", "Male Face Seal, 1/4 inch"},
        {"KL-01 - 1/4 inch Face Seal Gland", "KL-01", "1/4 inch Face Seal Gland"},
        {"T403 - Vac to 30 Psig Outlet", "T403", "Vac to 30 Psig Outlet"},
        {"--- Note: N375 relabeled as N22 ---", "", "--- Note: N375 relabeled as N22 ---"},
        {"-----  Other Available Models  -----", "", "-----  Other Available Models  -----"},
        {"Diaphragm - MX1/MX2", "Diaphragm", "MX1/MX2"},
        {"Check Valve", "", "Check Valve"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const tarvek::EntryParts parts = tarvek::splitEntry(c.entry);
        EXPECT_EQ(parts.code, c.code) << c.entry;
        EXPECT_EQ(parts.description, c.description) << c.entry;
    }
}

TEST(CatalogueText, ReadsTheSeriesASparePartFits) {
    using Series = std::vector<std::string_view>;
    EXPECT_EQ(tarvek::sparePartSeries("Valve Seat, Vespel - MX1/MX2"), (Series{"MX1", "MX2"}));
    EXPECT_EQ(tarvek::sparePartSeries("Seat Replacement Tool Kit - MX3"), (Series{"MX3"}));
    EXPECT_EQ(tarvek::sparePartSeries("Stubby Knob for J310"), Series{});
}

TEST(CatalogueText, PrintsAmountsInDollarsAndCents) {
    struct Case {
        std::string_view price, dollars, cell;
    };
    const Case cases[] = {
        {"140.00", "140.00", "140.00"}, {"540", "540.00", "540.00"}, {"7.5", "7.50", "7.50"},
        {"0", "0.00", "no charge"},     {"", "0.00", "no charge"},   {"4.51", "4.51", "4.51"},
        {"0.006", "0.01", "0.01"},      {"-3.2", "-3.20", "-3.20"},  {"1e400", "0.00", "no charge"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tarvek::dollars(c.price), c.dollars) << c.price;
        EXPECT_EQ(tarvek::priceCell(c.price), c.cell) << c.price;
    }
    EXPECT_EQ(tarvek::joinedList({"MX1", "MX2", "MX3"}), "MX1, MX2 and MX3");
    EXPECT_EQ(tarvek::joinedList({"A"}), "A");
}

}  // namespace
