#include "rules/quotes/quote_text.h"

namespace tarvek {
namespace {

std::string escaped(std::string_view text) {
    std::string html;
    html.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            default:
                html += c;
        }
    }
    return html;
}

void appendLines(std::string& text, const std::vector<QuoteLine>& lines) {
    if (lines.empty()) return;
    text += '\n';
    for (const QuoteLine& line : lines) text.append(line.caption).append(": ").append(line.text).append("\n");
}

void appendRows(std::string& html, const std::vector<QuoteLine>& lines) {
    for (const QuoteLine& line : lines)
        html.append("<tr><th style=\"text-align:left\">")
            .append(escaped(line.caption))
            .append("</th><td>")
            .append(escaped(line.text))
            .append("</td></tr>\n");
}

void appendWideRow(std::string& html, std::string_view style, std::string_view text) {
    html.append("<tr><td colspan=\"2\"");
    if (!style.empty()) html.append(" style=\"").append(style).append("\"");
    html.append(">").append(escaped(text)).append("</td></tr>\n");
}

}  // namespace

std::string quotePlainText(const Quote& quote) {
    std::string text;
    text.append(kPartNumberCaption).append(": ").append(quote.partNumber).append("\n");
    appendLines(text, quote.description);
    appendLines(text, quote.prices);
    if (quote.nonStandard) {
        text.append("\n").append(kNonStandardBanner).append("\n");
        for (const std::string& reason : quote.nonStandardReasons) text.append(reason).append("\n");
    }
    text.append("\n").append(kCatalogueEdition).append("\n");
    return text;
}

std::string quoteHtml(const Quote& quote) {
    std::string html = "<table>\n";
    html.append("<tr><th style=\"text-align:left\">")
        .append(kPartNumberCaption)
        .append("</th><td><b>")
        .append(escaped(quote.partNumber))
        .append("</b></td></tr>\n");
    appendRows(html, quote.description);
    appendRows(html, quote.prices);
    if (quote.nonStandard) {
        appendWideRow(html, "color:#ff0000;font-weight:bold", kNonStandardBanner);
        for (const std::string& reason : quote.nonStandardReasons)
            appendWideRow(html, "color:#ff0000", reason);
    }
    appendWideRow(html, "font-style:italic", kCatalogueEdition);
    html += "</table>\n";
    return html;
}

}  // namespace tarvek
