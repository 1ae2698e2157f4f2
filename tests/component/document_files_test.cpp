// The documents the build lays into the runtime folder (the tests' working directory):
// every one the buttons name is there, is a PDF a reader opens, and says what its content
// says, nothing lost at a page break.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include "assets/documents/document_content.h"
#include "rules/catalogue/documents.h"

namespace {

using namespace tarvek;

// The standard output of a command, or nothing when it cannot be run.
std::optional<std::string> commandOutput(const std::string& command) {
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string output;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    return pclose(pipe) == 0 ? std::optional(output) : std::nullopt;
}

bool toolPresent(const char* tool) { return commandOutput(std::string("command -v ") + tool).has_value(); }

std::string quoted(const std::string& path) { return "'" + path + "'"; }

// Text without any blanks or line breaks: a cell's words may wrap anywhere in print.
std::string squeezed(std::string_view text) {
    std::string result;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) result += c;
    return result;
}

TEST(DocumentFiles, EveryButtonsDocumentIsAPdfInTheRuntimeFolder) {
    for (const Document& document : kDocuments) {
        const std::filesystem::path path(documentFileName(document));
        SCOPED_TRACE(path.string());
        ASSERT_TRUE(std::filesystem::is_regular_file(path));
        std::ifstream file(path, std::ios::binary);
        char head[5] = {};
        file.read(head, sizeof head);
        EXPECT_EQ(std::string(head, sizeof head), "%PDF-");
    }
}

TEST(DocumentFiles, PdfinfoReadsTheirPages) {
    if (!toolPresent("pdfinfo")) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    for (const Document& document : kDocuments) {
        const std::string path(documentFileName(document));
        const auto info = commandOutput("pdfinfo " + quoted(path));
        ASSERT_TRUE(info.has_value()) << path;
        const auto pages = info->find("Pages:");
        ASSERT_NE(pages, std::string::npos) << path;
        EXPECT_GE(std::atoi(info->c_str() + pages + 6), 1) << path;
        EXPECT_NE(info->find("letter"), std::string::npos) << path;
    }
}

TEST(DocumentFiles, PrintEverythingTheirContentSays) {
    if (!toolPresent("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    for (const Document& document : kDocuments) {
        const std::string path(documentFileName(document));
        SCOPED_TRACE(path);
        const auto text = commandOutput("pdftotext -raw " + quoted(path) + " -");
        ASSERT_TRUE(text.has_value());
        const std::string printed = squeezed(*text);
        const DocumentContent content = documentContent(document);
        std::vector<std::string> expected = {std::string(kMakerName), std::string(kCatalogueDate),
                                             content.title, content.subtitle};
        for (const auto& [label, value] : content.keyFacts) expected.insert(expected.end(), {label, value});
        for (const Block& block : content.blocks) {
            if (const auto* table = std::get_if<TextTable>(&block))
                for (const auto& row : table->rows) expected.insert(expected.end(), row.begin(), row.end());
            if (const auto* steps = std::get_if<NumberedSteps>(&block))
                expected.insert(expected.end(), steps->steps.begin(), steps->steps.end());
            if (const auto* paragraph = std::get_if<Paragraph>(&block)) expected.push_back(paragraph->text);
        }
        for (const std::string& piece : expected)
            EXPECT_NE(printed.find(squeezed(piece)), std::string::npos) << "missing: " << piece;
    }
}

}  // namespace
