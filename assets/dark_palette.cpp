#include "assets/dark_palette.h"

namespace tarvek {

QPalette darkDesktopPalette() {
    const QColor window(0x32, 0x32, 0x32), base(0x24, 0x24, 0x24), text(0xF0, 0xF0, 0xF0),
        greyed(0x82, 0x82, 0x82);
    QPalette palette(text, window, QColor(0x4B, 0x4B, 0x4B), QColor(0x21, 0x21, 0x21),
                     QColor(0x26, 0x26, 0x26), text, QColor(0x4B, 0x4B, 0x4B), base, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Midlight, QColor(0x2A, 0x2A, 0x2A));
    palette.setColor(QPalette::Shadow, QColor(0x19, 0x19, 0x19));
    palette.setColor(QPalette::AlternateBase, QColor(0x2B, 0x2B, 0x2B));
    palette.setColor(QPalette::Highlight, QColor(0x30, 0x8C, 0xC6));
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::Link, QColor(0x30, 0x8C, 0xC6));
    palette.setColor(QPalette::PlaceholderText, QColor(0xF0, 0xF0, 0xF0, 0x80));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, greyed);
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    palette.setColor(QPalette::Disabled, QPalette::Dark, QColor(0xBE, 0xBE, 0xBE));
    palette.setColor(QPalette::Disabled, QPalette::Shadow, QColor(0x25, 0x25, 0x25));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x91, 0x91, 0x91));
    return palette;
}

}  // namespace tarvek
