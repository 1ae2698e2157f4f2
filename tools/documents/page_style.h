// The look of every document: US Letter pages measured in points, the fonts and colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>

namespace tarvek::documents {

inline constexpr QSizeF kPageSize{612.0, 792.0};  // US Letter, in points
inline constexpr double kMarginLeft = 50.0;
inline constexpr double kMarginRight = 50.0;
inline constexpr double kTextWidth = kPageSize.width() - kMarginLeft - kMarginRight;
inline constexpr double kBandHeight = 70.0;       // the coloured band across the top of page 1
inline constexpr double kFirstContentTop = 92.0;  // the title, under the band
inline constexpr double kLaterContentTop = 74.0;  // under the running header of later pages
inline constexpr double kContentBottom = 742.0;   // above the footer
inline constexpr double kFooterRule = 752.0;
inline constexpr double kPictureSide = 190.0;  // the series picture's square frame

// Fonts are sized in points; documents are laid out and drawn at 72 units per inch, so a
// point is one unit on every device they are drawn on.
QFont documentFont(double pointSize, bool bold = false, bool italic = false);

namespace colour {
inline const QColor kBrand{0x1d, 0x4f, 0x91};  // Tarvek blue
inline const QColor kHeading{0x16, 0x39, 0x6b};
inline const QColor kText{0x22, 0x22, 0x22};
inline const QColor kMuted{0x5f, 0x66, 0x70};
inline const QColor kRule{0x9d, 0xb3, 0xd3};
inline const QColor kStripe{0xee, 0xf3, 0xfa};
inline const QColor kPlaceholder{0xf1, 0xf2, 0xf4};
inline const QColor kNoticeFill{0xff, 0xf4, 0xe0};
inline const QColor kNoticeEdge{0xd9, 0x8c, 0x1a};
}  // namespace colour

}  // namespace tarvek::documents
