#include "app/desktop/catalogue_colours.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <vector>

namespace tarvek {
namespace {

// Each colour as the form draws it, and its variants: every one has a contrast of at least
// 4.5 to 1 with the background it is drawn on, light or dark (0 keeps the page's own).
struct CatalogueColour {
    QRgb designed;
    QRgb textOnLight, textOnDark;
    QRgb backgroundOnLight, backgroundOnDark;
};

constexpr CatalogueColour kCatalogueColours[] = {
    {qRgb(0, 0, 128), qRgb(0, 0, 128), qRgb(0x9C, 0xC0, 0xFA), 0, 0},  // captions, the picture's title
    {qRgb(128, 0, 0), qRgb(128, 0, 0), qRgb(0xFF, 0x9C, 0x94), 0, 0},  // notes, "Choked Flow!"
    {qRgb(255, 0, 0), qRgb(0xB0, 0, 0), qRgb(0xFF, 0xA0, 0xA0),        // the non-standard banner, on
     qRgb(0xFD, 0xE7, 0xE7), qRgb(0x4A, 0x20, 0x20)},  // a tint of its own that hides the note below
};

// A palette is dark when its window is darker than the text drawn on it.
bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

constexpr QPalette::ColorRole kTextRoles[] = {QPalette::WindowText, QPalette::Text, QPalette::ButtonText};

const CatalogueColour* designedColourOf(const QWidget& widget) {
    const QPalette& palette = widget.palette();
    if (!palette.isBrushSet(QPalette::Active, QPalette::WindowText)) return nullptr;
    const QRgb colour = palette.color(QPalette::Active, QPalette::WindowText).rgb();
    for (const CatalogueColour& c : kCatalogueColours)
        if (c.designed == colour) return &c;
    return nullptr;
}

// Enabled text only: disabled text keeps the desktop's own greyed-out colour.
void paint(QWidget& widget, const CatalogueColour& colour, bool dark) {
    QPalette palette = widget.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role : kTextRoles)
            palette.setColor(group, role, QColor::fromRgb(dark ? colour.textOnDark : colour.textOnLight));
    if (const QRgb background = dark ? colour.backgroundOnDark : colour.backgroundOnLight;
        qAlpha(background) != 0) {
        palette.setColor(QPalette::Window, QColor::fromRgb(background));
        widget.setAutoFillBackground(true);
    }
    widget.setPalette(palette);
}

class PaletteFollower : public QObject {
  public:
    explicit PaletteFollower(QWidget& window) : QObject(&window), window_(window) {
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const CatalogueColour* colour = designedColourOf(*widget);
            // A child that only inherits its parent's colour follows the parent.
            if (colour && !(widget->parentWidget() && designedColourOf(*widget->parentWidget()) == colour))
                coloured_.push_back({widget, colour});
        }
        paintAll();
        window.installEventFilter(this);
    }

    // A window hears of the desktop's new palette as a change of its own.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::PaletteChange) paintAll();
        return false;
    }

  private:
    void paintAll() {
        const bool dark = isDark(window_.palette());
        for (const auto& [widget, colour] : coloured_) paint(*widget, *colour, dark);
    }

    QWidget& window_;
    std::vector<std::pair<QWidget*, const CatalogueColour*>> coloured_;
};

}  // namespace

void followDesktopPalette(QWidget& window) { new PaletteFollower(window); }

}  // namespace tarvek
